#include "ui/Acessibilidade.h"

#include "ui/Imagem.h"
#include "ui/LinhaTexto.h"
#include "ui/PainelDesenhado.h"
#include "ui/ReceptorTeclas.h"
#include "ui/Rotulo.h"

#include <QAccessibleWidget>
#include <QVariant>

namespace {
const char* const PropriedadePapel = "teclomaticPapel";
const char* const PropriedadeDecorativo = "teclomaticDecorativo";
bool ouvinteSimulado = false;

// A control whose role is chosen by the program (read when asked: the
// description may be made before the role is set).
class ComPapel : public QAccessibleWidget {
public:
    ComPapel(QWidget* w, QAccessible::Role papel)
        : QAccessibleWidget(w, papel)
    {
    }
    QAccessible::Role role() const override
    {
        const QVariant papel = widget()->property(PropriedadePapel);
        return papel.isValid() ? QAccessible::Role(papel.toInt()) : QAccessibleWidget::role();
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        if (widget()->property(PropriedadeDecorativo).toBool())
            s.invisible = true;
        return s;
    }
};

// A picture button: a push button that can be pressed. A picture that is
// no button is a graphic.
class AcessivelImagem : public QAccessibleWidget {
public:
    explicit AcessivelImagem(Imagem* i)
        : QAccessibleWidget(i, QAccessible::Graphic)
    {
    }
    Imagem* imagem() const { return static_cast<Imagem*>(widget()); }
    QAccessible::Role role() const override { return imagem()->ehBotao() ? QAccessible::Button : QAccessible::Graphic; }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        if (imagem()->property(PropriedadeDecorativo).toBool())
            s.invisible = true;
        return s;
    }
    QStringList actionNames() const override
    {
        QStringList nomes = QAccessibleWidget::actionNames();
        if (imagem()->ehBotao() && imagem()->isEnabled())
            nomes.prepend(pressAction());
        return nomes;
    }
    void doAction(const QString& acao) override
    {
        if (acao == pressAction() && imagem()->ehBotao() && imagem()->isEnabled())
            imagem()->clicar();
        else
            QAccessibleWidget::doAction(acao);
    }
    QStringList keyBindingsForAction(const QString& acao) const override
    {
        if (acao == pressAction())
            return {};
        return QAccessibleWidget::keyBindingsForAction(acao);
    }
};

// A figure: its caption and its value, "Acertos: 12".
class AcessivelRotulo : public QAccessibleWidget {
public:
    explicit AcessivelRotulo(Rotulo* r)
        : QAccessibleWidget(r, QAccessible::StaticText)
    {
    }
    QString text(QAccessible::Text t) const override
    {
        const auto* r = static_cast<const Rotulo*>(widget());
        if (t == QAccessible::Name && r->accessibleName().isEmpty())
            return r->legenda().isEmpty() ? r->text() : r->legenda() + QStringLiteral(": ") + r->text();
        if (t == QAccessible::Value)
            return r->text();
        return QAccessibleWidget::text(t);
    }
};

// Text that is read, not edited: the whole text and a caret at the
// position reached.
class TextoLido : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    TextoLido(QWidget* w, QAccessible::Role papel)
        : QAccessibleWidget(w, papel)
    {
    }
    virtual QString conteudo() const = 0;
    virtual int posicao() const = 0;

    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    QString text(int inicio, int fim) const override { return conteudo().mid(inicio, fim - inicio); }
    int characterCount() const override { return int(conteudo().size()); }
    int cursorPosition() const override { return qBound(0, posicao(), characterCount()); }
    void setCursorPosition(int) override {}
    void selection(int, int* inicio, int* fim) const override { *inicio = *fim = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    QRect characterRect(int) const override { return QRect(); }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int deslocamento, int* inicio, int* fim) const override
    {
        *inicio = *fim = deslocamento;
        return QString();
    }
};

// The running text on the text panel.
class AcessivelLinha : public TextoLido {
public:
    explicit AcessivelLinha(LinhaTexto* l)
        : TextoLido(l, QAccessible::StaticText)
    {
    }
    const LinhaTexto* linha() const { return static_cast<const LinhaTexto*>(widget()); }
    QString conteudo() const override
    {
        QString t = linha()->linha();
        return t.replace(QLatin1Char('#'), QLatin1Char('\n'));
    }
    int posicao() const override { return linha()->digitados(); }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return conteudo();
        return QAccessibleWidget::text(t);
    }
};

// The key receiver: the exercise, named by what comes next.
class AcessivelReceptor : public TextoLido {
public:
    explicit AcessivelReceptor(ReceptorTeclas* r)
        : TextoLido(r, QAccessible::EditableText)
    {
    }
    const ReceptorTeclas* receptor() const { return static_cast<const ReceptorTeclas*>(widget()); }
    QString conteudo() const override { return receptor()->ler().texto; }
    int posicao() const override { return receptor()->ler().posicao; }
    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name: {
            if (!receptor()->anuncio().isEmpty())
                return receptor()->anuncio();
            const QString proximo = receptor()->ler().proximo;
            return proximo.isEmpty() ? receptor()->accessibleName() : proximo;
        }
        case QAccessible::Description: return receptor()->ler().titulo;
        case QAccessible::Value: return conteudo();
        default: return QAccessibleWidget::text(t);
        }
    }
};

QAccessibleInterface* fabrica(const QString& classe, QObject* objeto)
{
    auto* w = qobject_cast<QWidget*>(objeto);
    if (!w)
        return nullptr;
    if (classe == QLatin1String("Imagem"))
        return new AcessivelImagem(static_cast<Imagem*>(w));
    if (classe == QLatin1String("Rotulo"))
        return new AcessivelRotulo(static_cast<Rotulo*>(w));
    if (classe == QLatin1String("LinhaTexto"))
        return new AcessivelLinha(static_cast<LinhaTexto*>(w));
    if (classe == QLatin1String("ReceptorTeclas"))
        return new AcessivelReceptor(static_cast<ReceptorTeclas*>(w));
    if (w->property(PropriedadePapel).isValid() || w->property(PropriedadeDecorativo).isValid())
        return new ComPapel(w, QAccessible::Client);
    if (classe == QLatin1String("PainelDesenhado"))
        return new ComPapel(w, QAccessible::Pane);
    return nullptr;
}
}

void Acessibilidade::Instalar()
{
    static bool instalada = false;
    if (std::exchange(instalada, true))
        return;
    QAccessible::installFactory(fabrica);
}

namespace {
// A description made before the role was set (an assistive technology
// listening as the control was built) is made again.
void descreverDeNovo(QWidget* w)
{
    if (QAccessible::isActive())
        if (QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w))
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(i));
}
}

void Acessibilidade::DefinirPapel(QWidget* w, QAccessible::Role papel)
{
    w->setProperty(PropriedadePapel, int(papel));
    descreverDeNovo(w);
}

void Acessibilidade::Decorativo(QWidget* w)
{
    w->setProperty(PropriedadeDecorativo, true);
    descreverDeNovo(w);
}

bool Acessibilidade::Ouvindo() { return ouvinteSimulado || QAccessible::isActive(); }

void Acessibilidade::SimularOuvinte(bool sim) { ouvinteSimulado = sim; }
