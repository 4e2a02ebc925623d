// Start-up measurement hook for the start-up benchmark, loaded into a Qt
// program with LD_PRELOAD, so the program under test carries no code of its
// own for it and every program (the empty window, Teclomatic before and
// after a change) is timed the same way. Once the first frame has been
// painted and handed to the window system it prints
// "primeiro-quadro <ns>" (CLOCK_MONOTONIC) on standard error. With
// TECLOMATIC_MEDIR_INICIO=sair the program then ends at once, so an
// instruction count covers exactly the way to the first frame.
#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <cstdio>
#include <ctime>
#include <unistd.h>

namespace {
class MedidorInicio : public QObject {
public:
    explicit MedidorInicio(bool sair) : sair(sair) {}

protected:
    bool eventFilter(QObject* obj, QEvent* e) override
    {
        // A widget's paint runs inside its window's synchronous repaint,
        // which flushes the frame right after: a call queued from the first
        // paint runs once that frame is out.
        if (!visto && e->type() == QEvent::Paint) {
            visto = true;
            QTimer::singleShot(0, this, [this] { anotar(); });
        }
        return QObject::eventFilter(obj, e);
    }

private:
    void anotar()
    {
        timespec t{};
        clock_gettime(CLOCK_MONOTONIC, &t);
        std::fprintf(stderr, "primeiro-quadro %lld\n", static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec);
        std::fflush(stderr);
        if (sair)
            _exit(0);
    }

    bool sair;
    bool visto = false;
};

void instalar()
{
    auto* app = QCoreApplication::instance();
    auto* m = new MedidorInicio(qgetenv("TECLOMATIC_MEDIR_INICIO") == "sair");
    m->moveToThread(app->thread());
    app->installEventFilter(m);
}
}

Q_COREAPP_STARTUP_FUNCTION(instalar)
