// How fast the practice screen answers a key: a learner logged in on the
// main window types a whole key-drill lesson and a whole running-text lesson,
// and every key press is timed together with the repaint it causes. Also
// times opening a lesson and reports the peak memory of the run.
//
// Run: bench_pratica [lesson-drill] [lesson-text]   (defaults 5 and 46)
//      bench_pratica --pinturas   lists what every paint event of a few keys
//                                 in each lesson asks to paint
//
// Instructions per key: run it under valgrind's callgrind,
//   valgrind --tool=callgrind bench_pratica
// and each lesson typed with the event loop painting is written as its own
// dump ("teclas-drill-<keys>", "teclas-text-<keys>"): its total divided by
// the keys is the instructions per key press, repaint included.
#include "app/EstadoCurso.h"
#include "app/PastaAplicacao.h"
#include "app/Servicos.h"
#include "ui/FrmLogin.h"
#include "ui/FrmMain.h"
#include "ui/LinhaTexto.h"
#include "ui/PainelDesenhado.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTemporaryDir>

#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#define BENCH_CALLGRIND 1
#endif

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstdio>
#include <map>
#include <numeric>
#include <string>
#include <vector>

namespace {

// Services that do nothing, apart from answering the password prompt.
struct SomMudo : ServicoSom {
    void Tocar(const QString&) override {}
};
struct ArrastarNada : ServicoArrastar {
    void MoverForm(QWidget*) override {}
};
struct ConfiguracaoVazia : ServicoConfiguracao {
    std::optional<QString> Ler(const QString&) override { return std::nullopt; }
    bool Gravar(const QString&, const QString&) override { return true; }
};
struct DialogosAutomaticos : ServicoDialogos {
    QString senha;
    int resultados = 0;
    void Mensagem(QWidget*, const QString&, const QString&, IconeMensagem) override {}
    bool Perguntar(QWidget*, const QString&, const QString&, IconeMensagem) override { return false; }
    QString AbrirArquivo(QWidget*, const QString&, const QString&) override { return {}; }
    void Modal(QDialog* janela) override
    {
        if (auto* login = qobject_cast<FrmLogin*>(janela)) {
            login->TxtSenha->setText(senha);
            login->CmdOk_Click();
            return;
        }
        // A result window: counted and closed at once, without pressing
        // either of its buttons; the bench opens the next lesson itself.
        ++resultados;
    }
};
struct ModoVideoFixo : ServicoModoVideo {
    ResolucaoTela Atual() override { return {}; }
    void Pedir(const ResolucaoTela&) override {}
};
struct TecladoAbnt2 : ServicoTecladoSistema {
    int Proposta() override { return 0; }
};
struct DocumentosNada : ServicoDocumentos {
    bool Abrir(const QString&) override { return true; }
};

// The key a learner presses for the keystroke expected now (ABNT2 layout),
// with its modifiers; code 0 when no key gives it.
struct Pressao {
    int codigo = 0;
    Qt::KeyboardModifiers m;
};
Pressao ProximaPressao(const FrmMain& w)
{
    const Toque t = w.pratica.ToqueEsperado();
    Pressao p;
    p.codigo = t.tecla;
    if (t.nivel == Nivel::Shift || t.maiuscula)
        p.m |= Qt::ShiftModifier;
    if (t.nivel == Nivel::AltGr)
        p.m |= Qt::GroupSwitchModifier;
    return p;
}

struct Figuras {
    double media = 0, mediana = 0, p99 = 0, maximo = 0;
    size_t n = 0;
};

Figuras Resumir(std::vector<qint64> ns)
{
    Figuras f;
    f.n = ns.size();
    if (ns.empty())
        return f;
    std::sort(ns.begin(), ns.end());
    f.media = double(std::accumulate(ns.begin(), ns.end(), qint64(0))) / double(ns.size()) / 1000.0;
    f.mediana = (ns.size() % 2 ? double(ns[ns.size() / 2])
                               : (double(ns[ns.size() / 2 - 1]) + double(ns[ns.size() / 2])) / 2.0) / 1000.0;
    const size_t i99 = std::min(ns.size() - 1, size_t(std::ceil(0.99 * double(ns.size()))) - 1);
    f.p99 = double(ns[i99]) / 1000.0;
    f.maximo = double(ns.back()) / 1000.0;
    return f;
}

void Linha(const char* nome, const Figuras& f)
{
    std::printf("  %-34s %6zu %10.1f %10.1f %10.1f %10.1f\n", nome, f.n, f.media, f.mediana, f.p99, f.maximo);
}

struct Medidas {
    std::vector<qint64> total;     // key press + repaint
    std::vector<qint64> avaliacao; // key press only
    std::vector<qint64> acertos;   // key press + repaint, hits only
    std::vector<qint64> erros;     // key press + repaint, errors only
    std::vector<qint64> meio;      // key press + repaint, keys within an exercise
    std::vector<qint64> fins;      // key press + repaint, keys that end an exercise or the lesson
    int teclas = 0;
};

// How the screen is brought up to date after a key.
enum class Pintura {
    Painel,  // the whole practice panel repainted at once (the worst case)
    Eventos, // the event loop paints what the key changed, as in the program
};

// Notes when the window's work that waits for the frame (a progress save
// posted below the repaint's priority) begins: the frame is out by then.
struct FimDoQuadro : QObject {
    QElapsedTimer* relogio = nullptr;
    qint64 quando = -1;
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (quando < 0 && relogio && e->type() == FrmMain::EventoDepoisDoQuadro())
            quando = relogio->nsecsElapsed();
        return QObject::eventFilter(o, e);
    }
};
FimDoQuadro fimDoQuadro;

// With --pinturas: every paint event while on, with the widget and the area
// it was asked to paint, so a key that repaints too much shows where.
struct RegistroPinturas : QObject {
    bool ligado = false;
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (ligado && e->type() == QEvent::Paint) {
            const QRegion& r = static_cast<QPaintEvent*>(e)->region();
            qint64 area = 0;
            for (const QRect& q : r)
                area += qint64(q.width()) * q.height();
            const QRect b = r.boundingRect();
            std::printf("    paint %-16s %-22s %3d rects, %7lld px, bounds %d,%d %dx%d\n",
                        o->metaObject()->className(), qPrintable(o->objectName()), int(r.rectCount()),
                        area, b.x(), b.y(), b.width(), b.height());
        }
        return QObject::eventFilter(o, e);
    }
};
RegistroPinturas registroPinturas;

// With --pinturas, the time of every paint event by widget, over a whole
// lesson: where the repaint after a key goes.
struct AplicacaoMedida : QApplication {
    using QApplication::QApplication;
    bool medir = false;
    struct Soma {
        qint64 ns = 0, maximo = 0;
        int vezes = 0;
    };
    std::map<std::string, Soma> somas;
    bool notify(QObject* o, QEvent* e) override
    {
        if (!medir || e->type() != QEvent::Paint)
            return QApplication::notify(o, e);
        QElapsedTimer t;
        t.start();
        const bool r = QApplication::notify(o, e);
        Soma& s = somas[std::string(o->metaObject()->className()) + " " + o->objectName().toStdString()];
        s.ns += t.nsecsElapsed();
        s.maximo = std::max(s.maximo, t.nsecsElapsed());
        ++s.vezes;
        return r;
    }
};

void Pintar(FrmMain& w, Pintura modo)
{
    if (modo == Pintura::Painel)
        w.PicInter->repaint();
    else
        QCoreApplication::processEvents();
}

// Types the whole open lesson: every tenth character first gets a wrong key.
// The caps that come back after a group are drawn outside the measurement,
// as their timer does between keys.
bool DigitarLicao(FrmMain& w, Medidas& m, Pintura modo)
{
    QElapsedTimer t;
    int n = 0;
    while (w.pratica.Modulo.ListCount() > 0) {
        const Pressao certo = ProximaPressao(w);
        if (certo.codigo == 0) {
            std::fprintf(stderr, "no key types \"%s\"\n", qPrintable(w.pratica.Licao.left(1)));
            return false;
        }
        const bool errar = (n++ % 10) == 9;
        const Pressao pressao = errar ? Pressao{49, {}} : certo;
        const int exercicio = w.pratica.Modulo.indice;
        t.start();
        fimDoQuadro.relogio = &t;
        fimDoQuadro.quando = -1;
        w.PicSet_KeyDown(pressao.codigo, pressao.m);
        const qint64 avaliacao = t.nsecsElapsed();
        Pintar(w, modo);
        // Until the frame is out: a save that waits for it is not part of
        // the answer to the key.
        const qint64 total = fimDoQuadro.quando >= 0 ? fimDoQuadro.quando : t.nsecsElapsed();
        fimDoQuadro.relogio = nullptr;
        m.avaliacao.push_back(avaliacao);
        m.total.push_back(total);
        (errar ? m.erros : m.acertos).push_back(total);
        (w.pratica.Modulo.indice == exercicio ? m.meio : m.fins).push_back(total);
        ++m.teclas;
        while (w.pratica.TeclasBloqueadas) {
            w.pratica.TrmRepoem_Timer();
            Pintar(w, modo);
        }
    }
    return true;
}

// The cost of painting one widget (or a place of it) as it stands, nothing
// changed: the floor under every key that makes it repaint.
Figuras PintarVezes(QWidget* alvo, int vezes, const QRect& area = QRect())
{
    std::vector<qint64> ns;
    QElapsedTimer t;
    for (int i = 0; i < vezes; ++i) {
        t.start();
        if (area.isNull())
            alvo->repaint();
        else
            alvo->repaint(area);
        ns.push_back(t.nsecsElapsed());
    }
    return Resumir(ns);
}

double AbrirVezes(FrmMain& w, int licao, int vezes)
{
    QElapsedTimer t;
    qint64 soma = 0;
    for (int i = 0; i < vezes; ++i) {
        Estado().LicaoAtual = qint16(licao);
        t.start();
        w.AbrirLicao(licao);
        soma += t.nsecsElapsed();
    }
    return double(soma) / vezes / 1000.0;
}

long PicoRssKb()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& l : f.readAll().split('\n'))
        if (l.startsWith("VmHWM:"))
            return l.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

}

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    AplicacaoMedida app(argc, argv);
    app.installEventFilter(&fimDoQuadro);
    QStringList args = app.arguments().mid(1);
    const bool listarPinturas = args.removeAll(QStringLiteral("--pinturas")) > 0;
    const int licaoTeclas = args.size() > 0 ? args.at(0).toInt() : 5;
    const int licaoTexto = args.size() > 1 ? args.at(1).toInt() : 46;

    // A fresh application folder with the built lesson modules and one user.
    QTemporaryDir pasta;
    if (!pasta.isValid())
        return 1;
    DefinirPastaAplicacao(pasta.path());
    const QDir origem(QStringLiteral(TECLOMATIC_APP_DIR "/Modulos"));
    QDir().mkpath(pasta.filePath(QStringLiteral("Modulos")));
    for (const QString& f : origem.entryList(QDir::Files))
        QFile::copy(origem.filePath(f), pasta.filePath(QStringLiteral("Modulos/") + f));
    if (origem.entryList(QDir::Files).isEmpty()) {
        std::fprintf(stderr, "no lesson modules in %s (build teclomatic_modulos first)\n", TECLOMATIC_APP_DIR "/Modulos");
        return 1;
    }
    {
        QFile usuarios(pasta.filePath(QStringLiteral("usuario.dat")));
        if (!usuarios.open(QIODevice::WriteOnly))
            return 1;
        usuarios.write(QStringLiteral("Bench<%1<1<100<95<1<0<0<0<0<0<0<0<52<1<senha\r\n").arg(licaoTeclas).toLatin1());
    }

    SomMudo som;
    ArrastarNada arrastar;
    ConfiguracaoVazia configuracao;
    DialogosAutomaticos dialogos;
    dialogos.senha = QStringLiteral("senha");
    ModoVideoFixo modoVideo;
    TecladoAbnt2 teclado;
    DocumentosNada documentos;
    Plataforma() = Servicos{&som, &arrastar, &configuracao, &dialogos, &modoVideo, &teclado, &documentos};

    QElapsedTimer relogio;
    relogio.start();
    FrmMain w;
    w.Form_Load();
    w.show();
    QCoreApplication::processEvents();
    const double inicio = double(relogio.nsecsElapsed()) / 1e6;

    relogio.start();
    w.CmdEntrar_Click();
    w.PicInter->repaint();
    const double entrada = double(relogio.nsecsElapsed()) / 1e6;
    if (!w.Logado() || Estado().LicaoAtual != licaoTeclas) {
        std::fprintf(stderr, "log-in failed\n");
        return 1;
    }
    if (Estado().TipoExercicio != 1)
        std::fprintf(stderr, "warning: lesson %d is not a key drill\n", licaoTeclas);

    if (listarPinturas) {
        app.installEventFilter(&registroPinturas);
        for (const int licao : {licaoTeclas, licaoTexto}) {
            Estado().LicaoAtual = qint16(licao);
            w.AbrirLicao(licao);
            QCoreApplication::processEvents();
            for (int i = 0; i < 12 && w.pratica.Modulo.ListCount() > 0; ++i) {
                const QChar c = w.pratica.Licao.isEmpty() ? QChar() : w.pratica.Licao.at(0);
                std::printf("lesson %d, key %d ('%s')\n", licao, i, qPrintable(QString(c)));
                registroPinturas.ligado = true;
                const Pressao p = ProximaPressao(w);
                w.PicSet_KeyDown(p.codigo, p.m);
                QCoreApplication::processEvents();
                registroPinturas.ligado = false;
                while (w.pratica.TeclasBloqueadas) {
                    w.pratica.TrmRepoem_Timer();
                    QCoreApplication::processEvents();
                }
            }
            // Then the whole lesson, timing each widget's paint events
            // (nested paints count in their parents as well).
            app.removeEventFilter(&registroPinturas);
            Medidas m;
            app.medir = true;
            DigitarLicao(w, m, Pintura::Eventos);
            app.medir = false;
            std::printf("lesson %d, %d keys: paint events by widget (microseconds per key)\n", licao, m.teclas);
            for (const auto& [nome, soma] : app.somas)
                std::printf("  %-40s %6d events %8.1f per key, longest %8.1f\n", nome.c_str(), soma.vezes,
                            double(soma.ns) / 1000.0 / m.teclas, double(soma.maximo) / 1000.0);
            app.somas.clear();
            app.installEventFilter(&registroPinturas);
        }
        Plataforma() = Servicos{};
        return 0;
    }

    // Each lesson is typed twice: once with the panel repainted whole after
    // every key, once with the event loop painting what changed.
    Medidas medidas[2][2]; // [pintura][0 key drill, 1 running text]
    for (int modo = 0; modo < 2; ++modo) {
        for (int tipo = 0; tipo < 2; ++tipo) {
            const int licao = tipo == 0 ? licaoTeclas : licaoTexto;
            Estado().LicaoAtual = qint16(licao);
            w.AbrirLicao(licao);
            w.PicInter->repaint();
            QCoreApplication::processEvents();
            if (Estado().TipoExercicio != tipo + 1)
                std::fprintf(stderr, "warning: lesson %d is not %s\n", licao, tipo == 0 ? "a key drill" : "running text");
#ifdef BENCH_CALLGRIND
            if (modo == 1)
                CALLGRIND_ZERO_STATS;
#endif
            if (!DigitarLicao(w, medidas[modo][tipo], Pintura(modo)))
                return 1;
#ifdef BENCH_CALLGRIND
            if (modo == 1) {
                char nome[64];
                std::snprintf(nome, sizeof nome, "teclas-%s-%d", tipo == 0 ? "drill" : "text",
                              medidas[modo][tipo].teclas);
                CALLGRIND_DUMP_STATS_AT(nome);
            }
#endif
        }
    }

    const int Vezes = 50;
    const double abrirTeclas = AbrirVezes(w, licaoTeclas, Vezes);
    const double abrirTexto = AbrirVezes(w, licaoTexto, Vezes);

    // Painting alone, on the running-text lesson just opened.
    QCoreApplication::processEvents();
    const Figuras pintarPainel = PintarVezes(w.PicInter, 200);
    const Figuras pintarTexto = PintarVezes(w.FrameTexto, 200);
    const Figuras pintarLinha = PintarVezes(w.LblLicao, 200);
    w.qLetra[0]->show();
    const Figuras pintarCapa = PintarVezes(w.PicInter, 200, w.qLetra[0]->geometry());

    std::printf("Teclomatic practice benchmark (platform %s, window %dx%d)\n",
                qPrintable(QGuiApplication::platformName()), w.width(), w.height());
    std::printf("Every key: PicSet_KeyDown, then the screen brought up to date; every tenth\n"
                "key is a wrong key (digit 1) before the right one.\n");
    const char* titulos[2] = {"whole panel repainted after each key (PicInter->repaint())",
                              "event loop paints the changes (processEvents())"};
    Figuras alvo[2];
    for (int modo = 0; modo < 2; ++modo) {
        std::printf("\n%s\n", titulos[modo]);
        std::printf("  %-34s %6s %10s %10s %10s %10s\n", "per key (microseconds)", "keys", "mean", "median", "p99", "max");
        Medidas todas;
        char nome[80];
        for (int tipo = 0; tipo < 2; ++tipo) {
            const Medidas& m = medidas[modo][tipo];
            std::snprintf(nome, sizeof nome, tipo == 0 ? "key drill, lesson %d" : "running text, lesson %d",
                          tipo == 0 ? licaoTeclas : licaoTexto);
            Linha(nome, Resumir(m.total));
            Linha("  hits", Resumir(m.acertos));
            Linha("  errors", Resumir(m.erros));
            Linha("  within an exercise", Resumir(m.meio));
            Linha("  ending an exercise (saves)", Resumir(m.fins));
            Linha("  evaluation only (no painting)", Resumir(m.avaliacao));
            todas.total.insert(todas.total.end(), m.total.begin(), m.total.end());
            todas.avaliacao.insert(todas.avaliacao.end(), m.avaliacao.begin(), m.avaliacao.end());
            todas.meio.insert(todas.meio.end(), m.meio.begin(), m.meio.end());
        }
        const Figuras geral = Resumir(todas.total);
        Linha("all keys", geral);
        Linha("  within an exercise", Resumir(todas.meio));
        Linha("  evaluation only (no painting)", Resumir(todas.avaliacao));
        alvo[modo] = geral;
    }
    std::printf("\npainting one widget, nothing changed (repaint(), 200 runs)\n");
    std::printf("  %-34s %6s %10s %10s %10s %10s\n", "microseconds", "runs", "mean", "median", "p99", "max");
    Linha("practice panel PicInter (800x600)", pintarPainel);
    Linha("text panel FrameTexto", pintarTexto);
    Linha("running text line LblLicao", pintarLinha);
    Linha("key cap qLetra(0) on PicInter", pintarCapa);

    char nome[80];
    std::printf("\n  %-34s %10s\n", "open a lesson (AbrirLicao)", "mean ms");
    std::snprintf(nome, sizeof nome, "key drill, lesson %d, %d runs", licaoTeclas, Vezes);
    std::printf("  %-34s %10.3f\n", nome, abrirTeclas / 1000.0);
    std::snprintf(nome, sizeof nome, "running text, lesson %d, %d runs", licaoTexto, Vezes);
    std::printf("  %-34s %10.3f\n", nome, abrirTexto / 1000.0);

    std::printf("\n  start-up (Form_Load + show)         %10.1f ms\n", inicio);
    std::printf("  log-in (CmdEntrar_Click + repaint)  %10.1f ms\n", entrada);
    std::printf("  result windows shown                %10d\n", dialogos.resultados);
    const long rss = PicoRssKb();
    std::printf("  peak RSS (VmHWM)                    %10.1f MiB\n", rss < 0 ? -1.0 : double(rss) / 1024.0);
    std::printf("\nTarget: under 1000 us per key press.\n");
    for (int modo = 0; modo < 2; ++modo) {
        const Figuras& f = alvo[modo];
        std::printf("  %-16s mean %7.1f us, median %7.1f us, p99 %7.1f us: %s\n",
                    modo == 0 ? "whole panel:" : "event loop:", f.media, f.mediana, f.p99,
                    f.p99 < 1000.0 ? "met" : (f.media < 1000.0 ? "met on average, not at p99" : "NOT met"));
    }

    Plataforma() = Servicos{};
    return 0;
}
