// What assistive technologies get: every control of every window named and
// of a role (no nameless fillers), picture buttons that can be pressed, and
// on the practice screen the exercise, the next key with its finger, the
// figures with their captions and what is said as the practice goes.
#include "Treino.h"
#include "fakes/JanelaTeste.h"
#include "ui/CaixaMensagem.h"
#include "ui/FrmAdd.h"
#include "ui/FrmAjuda.h"
#include "ui/FrmBox.h"
#include "ui/FrmBoxFim.h"
#include "ui/FrmCom.h"
#include "ui/FrmFim.h"
#include "ui/FrmLogin.h"
#include "ui/FrmOpcao.h"
#include "ui/FrmMeuTexto.h"
#include "ui/FrmPausa.h"
#include "ui/FrmResultadoTreino.h"
#include "ui/Acessibilidade.h"
#include "ui/FrmPerfil.h"
#include "ui/Imagem.h"

#include <QAbstractScrollArea>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSet>
#include <QtTest>

#include <functional>

namespace {

// Qt's own compound controls (a list's scroll bars, a combo box's parts)
// describe their insides themselves.
bool dentroDeControleDoQt(const QWidget* w, const QWidget* janela)
{
    for (const QWidget* p = w->parentWidget(); p && p != janela; p = p->parentWidget())
        if (qobject_cast<const QAbstractScrollArea*>(p) || qobject_cast<const QComboBox*>(p))
            return true;
    return w->objectName().startsWith(QLatin1String("qt_"));
}

// Every control showing in the window: a role, a name, and a press for a
// push button that is enabled; decorations are left out.
void ConferirJanela(QWidget* janela)
{
    QList<QWidget*> controles = janela->findChildren<QWidget*>();
    controles.prepend(janela);
    int conferidos = 0;
    QSet<QPair<QObject*, QString>> botoes;
    for (QWidget* w : controles) {
        if ((w != janela && !w->isVisibleTo(janela)) || dentroDeControleDoQt(w, janela))
            continue;
        QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w);
        const QString quem = janela->objectName() + u'/' + w->objectName() + u' ' + w->metaObject()->className();
        QVERIFY2(i, qPrintable(quem));
        if (i->state().invisible)
            continue;
        ++conferidos;
        QVERIFY2(i->role() != QAccessible::Client && i->role() != QAccessible::NoRole, qPrintable(quem));
        QVERIFY2(!i->text(QAccessible::Name).trimmed().isEmpty(), qPrintable(quem));
        if (i->role() == QAccessible::Button) {
            // One button is read once, not once per picture that presses it.
            const QPair<QObject*, QString> chave{w->parent(), i->text(QAccessible::Name)};
            QVERIFY2(!botoes.contains(chave), qPrintable(quem));
            botoes.insert(chave);
        }
        // A button that cannot be pressed now says so instead.
        if (i->role() == QAccessible::Button && !i->state().disabled) {
            QAccessibleActionInterface* a = i->actionInterface();
            QVERIFY2(a && a->actionNames().contains(QAccessibleActionInterface::pressAction()), qPrintable(quem));
        }
    }
    QVERIFY2(conferidos > 1, qPrintable(janela->objectName()));
}

QAccessibleInterface* De(QObject* o) { return QAccessible::queryAccessibleInterface(o); }

} // namespace

class TstAcessibilidade : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { Acessibilidade::SimularOuvinte(false); }

    void janelaPrincipalNasSuasTelas()
    {
        JanelaTeste j;
        ConferirJanela(&j.w());
        QVERIFY(j->Livre->focusPolicy() & Qt::TabFocus);
        const bool livre = j->Livre->isChecked();
        j->Livre->click();
        QCOMPARE(j->Livre->isChecked(), livre); // shown here, changed in the profile

        j.entrar();
        QVERIFY(!j->PicDedos->isHidden());
        ConferirJanela(&j.w());
        QVERIFY(De(j->PicDedos)->text(QAccessible::Description).contains(QStringLiteral("Mão esquerda: mínimo Q, A, Z")));
        QCOMPARE(De(j->PicSet)->text(QAccessible::Name), QStringLiteral("Introdução. Aperte Enter para começar a lição 1."));

        j->CmdProx2_Click();
        ConferirJanela(&j.w());
        // The bar's picture buttons are pressed through the accessibility
        // interface as by a click.
        QAccessibleInterface* som = De(j->CmdSom);
        QCOMPARE(som->role(), QAccessible::Button);
        const bool ligado = Estado().SomLigado;
        som->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(Estado().SomLigado, !ligado);
    }

    void dialogos()
    {
        JanelaTeste j;
        QWidget* pai = &j.w();
        const QList<std::function<QDialog*()>> janelas = {
            [=] { return new FrmLogin(pai); },
            [=] { return new FrmAdd(pai); },
            [=] { return new FrmPerfil(pai); },
            [=] { return new FrmPausa(pai, true); },
            [=] { return new FrmAjuda(pai); },
            [=] { return new FrmMeuTexto(pai, 0, {}); },
            [=] {
                ResultadoTreino r;
                r.fracas = {TeclaFraca{u'K', ContagemTecla(), u'L'}};
                return new FrmResultadoTreino(pai, r, 0);
            },
            [=] {
                return new CaixaMensagem(pai, QStringLiteral("Teclomatic"), QStringLiteral("Texto da mensagem."),
                                         IconeMensagem::Informacao);
            },
        };
        for (const auto& criar : janelas) {
            std::unique_ptr<QDialog> d(criar());
            d->show();
            ConferirJanela(d.get());
        }
        // The windows the program fills as it opens them.
        const QList<std::function<void()>> abrir = {
            [] { FrmOpcao::Mostrar(); },
            [] { FrmCom::Mostrar(); },
            [] { FrmFim::Mostrar(); },
            [] { FrmBox::Mostrar(QStringLiteral("Conclua esta lição antes de passar para a próxima.")); },
            [] { FrmBoxFim::Mostrar(); },
            [&j] { j->CmdProgresso_Click(); },
        };
        for (const auto& mostrar : abrir) {
            j.amb.dialogos.respostas << [](QDialog* d) {
                d->show();
                ConferirJanela(d);
            };
            mostrar();
        }
        QCOMPARE(j.amb.dialogos.modais.size(), abrir.size());
    }

    // The practice screen read by a screen reader: the exercise with the
    // position reached, named by the next key; the figures with captions;
    // an error, the end of an exercise and of the lesson said in words.
    void praticaLidaEDita()
    {
        JanelaTeste j;
        j.entrar();
        j->CmdProx2_Click();
        QAccessibleInterface* r = De(j->PicSet);
        QCOMPARE(r->role(), QAccessible::EditableText);
        QAccessibleTextInterface* texto = r->textInterface();
        QVERIFY(texto);
        const QString exercicio = texto->text(0, texto->characterCount());
        QCOMPARE(exercicio.left(10), QStringLiteral("ffjj ffjj "));
        QCOMPARE(texto->cursorPosition(), 0);
        QCOMPARE(r->text(QAccessible::Name), QStringLiteral("Próxima tecla: F, indicador esquerdo"));

        // Nothing is said while no assistive technology listens.
        QStringList ditos;
        const auto teclar = [&](const QString& t) {
            j.digitar(t);
            QCoreApplication::processEvents();
            ditos << j->PicSet->anuncio();
        };
        teclar(QStringLiteral("f"));
        QCOMPARE(ditos, QStringList({QString()}));

        Acessibilidade::SimularOuvinte(true);
        ditos.clear();
        for (const char* t : {"k", "f", "j", "j", "j"})
            teclar(QString::fromLatin1(t));
        QCOMPARE(texto->cursorPosition(), 4);
        QCOMPARE(ditos, QStringList({QStringLiteral("Tecla errada: K. Próxima tecla: F, indicador esquerdo"),
                                     QStringLiteral("Próxima tecla: J, indicador direito"),
                                     QStringLiteral("Próxima tecla: J, indicador direito "),
                                     QStringLiteral("Próxima tecla: espaço, polegar direito"),
                                     QStringLiteral("Tecla errada: J. Próxima tecla: espaço, polegar direito")}));
        // The same phrase twice in a row is still a new name, read again.
        QCOMPARE(r->text(QAccessible::Name), ditos.last());

        QCOMPARE(De(j->LblAcertos)->text(QAccessible::Name), QStringLiteral("Acertos: 4"));
        QCOMPARE(De(j->LblErros)->text(QAccessible::Name), QStringLiteral("Erros: 2"));
        QCOMPARE(De(j->Tpm)->text(QAccessible::Name).section(u':', 0, 0), QStringLiteral("Velocidade"));

        j.completarExercicio();
        QCoreApplication::processEvents();
        QCOMPARE(j->PicSet->anuncio(), QStringLiteral("Exercício terminado. Lição 1, exercício 2 de 10. "
                                                      "Próxima tecla: F, indicador esquerdo"));

        // The last exercise: the lesson's end is said before its result
        // window takes the focus.
        QString antesDoResultado;
        j.amb.dialogos.modais.clear();
        j.amb.dialogos.respostas << [&](QDialog*) { antesDoResultado = j->PicSet->anuncio(); };
        while (j->pratica.Modulo.ListCount() > 0)
            j.completarExercicio();
        QCoreApplication::processEvents();
        QCOMPARE(j.amb.dialogos.modais, QStringList({QStringLiteral("FrmCom")}));
        QCOMPARE(antesDoResultado, QStringLiteral("Lição terminada."));
    }
};

QTEST_MAIN(TstAcessibilidade)
#include "tst_acessibilidade.moc"
