// The sound service's player, built as a module of its own: Qt Multimedia
// and the audio libraries under it (some thirty of them) are loaded when the
// program first needs a sound, not before its first frame.
#include "app/Servicos.h"

#include <QHash>
#include <QSoundEffect>
#include <QUrl>

namespace {
class SomMultimidia : public ServicoSom {
public:
    ~SomMultimidia() override { qDeleteAll(efeitos); }

    void Tocar(const QString& caminhoArquivo) override
    {
        // A new sound replaces the one playing.
        for (QSoundEffect* e : std::as_const(efeitos))
            if (e->isPlaying())
                e->stop();
        QSoundEffect*& efeito = efeitos[caminhoArquivo];
        if (!efeito) {
            efeito = new QSoundEffect;
            efeito->setSource(QUrl::fromLocalFile(caminhoArquivo));
        }
        efeito->play();
    }

private:
    QHash<QString, QSoundEffect*> efeitos;
};
}

extern "C" Q_DECL_EXPORT ServicoSom* teclomatic_criar_som()
{
    return new SomMultimidia;
}
