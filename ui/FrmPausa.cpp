#include "ui/FrmPausa.h"

#include "app/Servicos.h"
#include "ui/Estilo.h"
#include "ui/Imagem.h"
#include "ui/JanelaResultado.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPointer>

namespace {
constexpr int Largura = 300;
constexpr int Topo = 44;
constexpr int AlturaBotao = 30;
constexpr int Passo = 36;
constexpr int Margem = 24;
// A thin gap after Continuar and before the two that end the session.
constexpr int Separacao = 10;

QRect areaDoBotao(int i, int total)
{
    int y = Topo + i * Passo;
    if (i >= 1)
        y += Separacao;
    if (i >= total - 2)
        y += Separacao;
    return QRect(Margem, y, Largura - 2 * Margem, AlturaBotao);
}
}

FrmPausa::FrmPausa(QWidget* pai, bool somLigado)
    : JanelaDesenhada(pai, QStringLiteral("FrmPausa"), QStringLiteral("Pausa"), QSize(Largura, 100))
{
    arrastarPeloFundo(true);
    const QList<QPair<Acao, QString>> itens = {
        {Acao::Continuar, QStringLiteral("Continuar")},
        {Acao::ExercicioAnterior, QStringLiteral("Exercício anterior")},
        {Acao::ExercicioSeguinte, QStringLiteral("Exercício seguinte")},
        {Acao::LicaoAnterior, QStringLiteral("Lição anterior")},
        {Acao::LicaoSeguinte, QStringLiteral("Lição seguinte")},
        {Acao::Som, somLigado ? QStringLiteral("Desligar som") : QStringLiteral("Ligar som")},
        {Acao::Progresso, QStringLiteral("Progresso")},
        {Acao::TreinoDasTeclas, QStringLiteral("Treino das minhas teclas")},
        {Acao::MeuTexto, QStringLiteral("Meu texto")},
        {Acao::Ajuda, QStringLiteral("Ajuda")},
        {Acao::Logoff, QStringLiteral("Fazer logoff")},
        {Acao::Fechar, QStringLiteral("Fechar")},
    };
    for (int i = 0; i < itens.size(); ++i) {
        auto* b = new Imagem(this, QStringLiteral("CmdPausa%1").arg(i));
        FaceBotao::Preparar(b, areaDoBotao(i, int(itens.size())), itens.at(i).second, itens.at(i).second);
        connect(b, &Imagem::clicado, this, [this, i] { Escolher(i); });
        Botoes << b;
        acoes << itens.at(i).first;
        legendas << itens.at(i).second;
    }
    for (int i = 1; i < Botoes.size(); ++i)
        setTabOrder(Botoes.at(i - 1), Botoes.at(i));
    setFixedSize(Largura, areaDoBotao(int(Botoes.size()) - 1, int(Botoes.size())).bottom() + 1 + Margem);
}

FrmPausa::Acao FrmPausa::Escolher(QWidget* pai, bool somLigado)
{
    QPointer<FrmPausa> janela = new FrmPausa(JanelaDesenhada::PaiOuPrincipal(pai), somLigado);
    if (auto* d = Plataforma().dialogos)
        d->Modal(janela);
    const Acao a = janela ? janela->Escolhida() : Acao::Continuar;
    delete janela.data();
    return a;
}

void FrmPausa::Escolher(int i)
{
    if (i < 0 || i >= acoes.size())
        return;
    escolhida = acoes.at(i);
    accept();
}

void FrmPausa::keyPressEvent(QKeyEvent* e)
{
    const int atual = int(Botoes.indexOf(qobject_cast<Imagem*>(focusWidget())));
    switch (e->key()) {
    case Qt::Key_Escape:
        Escolher(0);
        return;
    case Qt::Key_Up:
    case Qt::Key_Down: {
        // The arrows walk the column and wrap around at its ends.
        const int n = int(Botoes.size());
        const int passo = e->key() == Qt::Key_Up ? -1 : 1;
        Botoes.at(((atual < 0 ? 0 : atual) + passo + n) % n)->setFocus(Qt::TabFocusReason);
        return;
    }
    case Qt::Key_Home:
        Botoes.first()->setFocus(Qt::TabFocusReason);
        return;
    case Qt::Key_End:
        Botoes.last()->setFocus(Qt::TabFocusReason);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Escolher(atual < 0 ? 0 : atual);
        return;
    default:
        JanelaDesenhada::keyPressEvent(e);
    }
}

void FrmPausa::showEvent(QShowEvent* e)
{
    JanelaDesenhada::showEvent(e);
    Botoes.first()->setFocus(Qt::OtherFocusReason);
}

void FrmPausa::desenharFundo(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    Estilo::DesenharJanela(p, rect(), titulo);
    for (int i = 0; i < Botoes.size(); ++i)
        FaceBotao::Desenhar(p, areaDoBotao(i, int(Botoes.size())), legendas.at(i), FaceBotao::Aspecto::Normal);
}
