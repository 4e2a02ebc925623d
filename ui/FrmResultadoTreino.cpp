#include "ui/FrmResultadoTreino.h"

#include "app/Som.h"
#include "keyboard/Digitacao.h"
#include "keyboard/LeituraTeclas.h"
#include "ui/Estilo.h"
#include "ui/Imagem.h"
#include "ui/JanelaResultado.h"
#include "ui/TeclasErradas.h"
#include "ui/art/ArteProgresso.h"

#include <QFontMetricsF>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

constexpr int Largura = 450;
constexpr int AlturaLinha = 20;
constexpr int AlturaLinhaTecla = 24;
const QRect Tabela(16, 44, 418, 5 * AlturaLinha);
const QRect Subtitulo(16, 152, 418, 20);
constexpr int TopoTeclas = 174;
const QRect FaixaTeclas(16, 156, 418, 28);
// Columns: the captions and values of the figures, and the keys' table.
constexpr int ColLegenda = 28;
constexpr int ColValor = 270;
constexpr int FimValor = 422;
constexpr int ColAntes = 112;
constexpr int ColAgora = 252;
constexpr int ColSeta = 392;
constexpr int LarguraBotao = 118;

const QColor Melhor(22, 128, 60);
const QColor Pior(196, 36, 36);



QString Porcento(double taxa) { return QString::number(std::lround(taxa * 100)) + u'%'; }

// "12% · 310 ms"; the time left out without a sample.
QString Celula(double taxa, double ms)
{
    return ms > 0 ? QStringLiteral("%1 · %2 ms").arg(Porcento(taxa)).arg(std::lround(ms)) : Porcento(taxa);
}

QString Falado(double taxa, double ms)
{
    QString r = QStringLiteral("%1 de erros").arg(Porcento(taxa));
    if (ms > 0)
        r += QStringLiteral(", %1 milissegundos em média").arg(std::lround(ms));
    return r;
}

} // namespace

FrmResultadoTreino::FrmResultadoTreino(QWidget* pai, const ResultadoTreino& r, int teclado)
    : JanelaDesenhada(PaiOuPrincipal(pai), QStringLiteral("FrmResultadoTreino"), NomeDoTreino(r.tipo),
                      QSize(Largura, 300))
    , resultado(r)
    , tipoTeclado(teclado)
    , comparacoes(CompararTeclas(r))
{
    const QColor azul = Estilo::AzulTexto();

    // The figures.
    const int total = r.acertos + r.erros;
    int precisao = total > 0 ? int(std::lround(r.acertos * 100.0 / total)) : 0;
    if (r.erros > 0)
        precisao = qMin(precisao, 99); // a run with errors is never "100%"
    const int s = qMax(0, r.segundos);
    const QStringList legendas = {QStringLiteral("Toques por minuto:"), QStringLiteral("Acertos:"),
                                  QStringLiteral("Erros:"), QStringLiteral("Precisão:"), QStringLiteral("Tempo:")};
    const QStringList valores = {QString::number(r.tpm), QString::number(r.acertos), QString::number(r.erros),
                                 QString::number(precisao) + u'%',
                                 QStringLiteral("%1:%2").arg(s / 60, 2, 10, QLatin1Char('0')).arg(s % 60, 2, 10,
                                                                                                   QLatin1Char('0'))};
    QStringList falado;
    for (int i = 0; i < legendas.size(); ++i) {
        const QRect linha(Tabela.left(), Tabela.top() + i * AlturaLinha, Tabela.width(), AlturaLinha);
        Estilo::Rotulo(this, QString(), legendas.at(i), QRect(ColLegenda, linha.top(), ColValor - ColLegenda, AlturaLinha), Qt::AlignLeft, Estilo::Fonte(9), azul);
        QLabel* v = Estilo::Rotulo(this, QString(), valores.at(i), QRect(ColValor, linha.top(), FimValor - ColValor, AlturaLinha), Qt::AlignRight, Estilo::Fonte(9, true), azul);
        v->setObjectName(QStringLiteral("LblValor%1").arg(i));
        v->setAccessibleName(legendas.at(i) + u' ' + valores.at(i));
        Valores << v;
        falado << legendas.at(i) + u' ' + valores.at(i);
    }

    int fundo = 0;
    if (!comparacoes.isEmpty()) {
        // Each weak key: before the run, in it, and which way it went.
        auto* sub = Estilo::Rotulo(this, QString(), QStringLiteral("Suas teclas mais fracas: erros e tempo médio"), Subtitulo, Qt::AlignLeft, Estilo::Fonte(10, true), Qt::white);
        sub->setObjectName(QStringLiteral("LblTeclas"));
        const QFont fCab = Estilo::Fonte(8.5, true);
        const QRect cab = linhaTecla(-1);
        Estilo::Rotulo(this, QString(), QStringLiteral("Tecla"), QRect(ColLegenda, cab.top(), ColAntes - ColLegenda, cab.height()), Qt::AlignLeft, fCab, Qt::white);
        Estilo::Rotulo(this, QString(), QStringLiteral("Antes"), QRect(ColAntes, cab.top(), ColAgora - ColAntes, cab.height()), Qt::AlignHCenter, fCab, Qt::white);
        Estilo::Rotulo(this, QString(), QStringLiteral("Agora"), QRect(ColAgora, cab.top(), ColSeta - ColAgora, cab.height()), Qt::AlignHCenter, fCab, Qt::white);
        for (int i = 0; i < comparacoes.size(); ++i) {
            const ComparacaoTecla& c = comparacoes.at(i);
            const QRect l = linhaTecla(i);
            const QString nome = NomeFalado(ToqueDoNome(c.tecla, tipoTeclado), tipoTeclado);
            QLabel* antes = Estilo::Rotulo(this, QString(), Celula(c.taxaAntes, c.msAntes), QRect(ColAntes, l.top(), ColAgora - ColAntes, l.height()), Qt::AlignHCenter, Estilo::Fonte(9), azul);
            antes->setAccessibleName(QStringLiteral("%1, antes: %2").arg(nome, Falado(c.taxaAntes, c.msAntes)));
            const int t = c.Tendencia();
            QString agoraFalado = QStringLiteral("%1, agora: ").arg(nome);
            if (!c.digitada)
                agoraFalado += QStringLiteral("não apareceu neste treino");
            else
                agoraFalado += Falado(c.taxaAgora, c.msAgora)
                               + (t > 0 ? QStringLiteral(", melhorou") : t < 0 ? QStringLiteral(", piorou") : QString());
            QLabel* agora = Estilo::Rotulo(this, QString(), c.digitada ? Celula(c.taxaAgora, c.msAgora) : QStringLiteral("—"), QRect(ColAgora, l.top(), ColSeta - ColAgora, l.height()), Qt::AlignHCenter, Estilo::Fonte(9, true), t > 0 ? Melhor : t < 0 ? Pior : azul);
            agora->setAccessibleName(agoraFalado);
            antes->setObjectName(QStringLiteral("LblAntes%1").arg(i));
            agora->setObjectName(QStringLiteral("LblAgora%1").arg(i));
            Antes << antes;
            Agora << agora;
            falado << agoraFalado;
        }
        fundo = linhaTecla(int(comparacoes.size()) - 1).bottom() + 1;
    } else {
        // A text of the learner's own: the keys it went wrong on.
        PicTeclas = new TeclasErradas(this);
        PicTeclas->setGeometry(FaixaTeclas);
        PicTeclas->DefinirSemErros(QStringLiteral("Nenhuma tecla errada neste treino."));
        PicTeclas->Definir(MaisErradas(r.teclas, 3));
        fundo = FaixaTeclas.bottom() + 1;
    }

    topoBotoes = fundo + 14;
    CmdDeNovo = new Imagem(this, QStringLiteral("CmdDeNovo"));
    FaceBotao::Preparar(CmdDeNovo, QRect(Largura - 16 - 2 * LarguraBotao - 8, topoBotoes, LarguraBotao, 28),
                        QStringLiteral("Treinar de novo"), QStringLiteral("Treinar de novo"));
    CmdVoltar = new Imagem(this, QStringLiteral("CmdVoltar"));
    FaceBotao::Preparar(CmdVoltar, QRect(Largura - 16 - LarguraBotao, topoBotoes, LarguraBotao, 28),
                        QStringLiteral("Voltar ao curso"), QStringLiteral("Voltar ao curso"));
    CmdVoltar->setToolTip(QStringLiteral("Voltar ao curso (Enter)"));
    connect(CmdDeNovo, &Imagem::clicado, this, [this] { Escolher(Escolha::DeNovo); });
    connect(CmdVoltar, &Imagem::clicado, this, [this] { Escolher(Escolha::Voltar); });
    setTabOrder(CmdDeNovo, CmdVoltar);
    setFixedSize(Largura, topoBotoes + 28 + 14);

    setAccessibleDescription(falado.join(QStringLiteral("; ")));
    abertaEm = JanelaDeResultado::Relogio();
    for (QWidget* w : findChildren<QWidget*>())
        w->installEventFilter(this);
}

FrmResultadoTreino::Escolha FrmResultadoTreino::Mostrar(QWidget* pai, const ResultadoTreino& r, int tipoTeclado)
{
    FrmResultadoTreino janela(PaiOuPrincipal(pai), r, tipoTeclado);
    TocarSom(QStringLiteral("fim"));
    if (auto* d = Plataforma().dialogos)
        d->Modal(&janela);
    return janela.Escolhida();
}

QRect FrmResultadoTreino::linhaTecla(int i) const
{
    // -1 is the header row.
    const int y = TopoTeclas + (i < 0 ? 0 : AlturaLinha + i * AlturaLinhaTecla);
    return QRect(16, y, 418, i < 0 ? AlturaLinha : AlturaLinhaTecla);
}

void FrmResultadoTreino::Escolher(Escolha e)
{
    escolhida = e;
    done(QDialog::Accepted);
}

void FrmResultadoTreino::reject()
{
    // Closed without a choice: back to the course, which changes nothing.
    Escolher(Escolha::Voltar);
}

bool FrmResultadoTreino::eventFilter(QObject* obj, QEvent* e)
{
    // A learner still typing the end of the run must not pick a button
    // unseen: keys wait for the guard, on the buttons too.
    if ((e->type() == QEvent::KeyPress || e->type() == QEvent::ShortcutOverride)
        && JanelaDeResultado::Relogio() - abertaEm < JanelaDeResultado::GuardaTeclasMs)
        return true;
    return JanelaDesenhada::eventFilter(obj, e);
}

void FrmResultadoTreino::keyPressEvent(QKeyEvent* e)
{
    if (JanelaDeResultado::Relogio() - abertaEm < JanelaDeResultado::GuardaTeclasMs || e->isAutoRepeat())
        return;
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        Escolher(Escolha::Voltar);
        return;
    default:
        JanelaDesenhada::keyPressEvent(e);
    }
}

void FrmResultadoTreino::showEvent(QShowEvent* e)
{
    JanelaDesenhada::showEvent(e);
    CmdVoltar->setFocus(Qt::OtherFocusReason);
}

void FrmResultadoTreino::desenharFundo(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    // Frame and title line: the product name and the kind of practice, as
    // on the course's result windows.
    Estilo::DesenharJanela(p, rect(), QString());
    const QRectF disco(10, 6, 20, 20);
    Estilo::DesenharDisco(p, disco);
    {
        // A small target in the disc: practice aimed at something.
        p.save();
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Estilo::AzulClaro(), 1.6));
        p.drawEllipse(disco.center(), 5.5, 5.5);
        p.setPen(Qt::NoPen);
        p.setBrush(Pior);
        p.drawEllipse(disco.center(), 2.2, 2.2);
        p.restore();
    }
    p.setFont(Estilo::Fonte(11, true));
    p.setPen(Qt::white);
    QRectF usado;
    p.drawText(QRectF(38, 1, 200, 30), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("Teclomatic"), &usado);
    p.setPen(QColor(255, 255, 255, 110));
    p.drawLine(QPointF(usado.right() + 10, 10), QPointF(usado.right() + 10, 22));
    p.setFont(Estilo::Fonte(10, true));
    p.setPen(Estilo::Amarelo());
    p.drawText(QRectF(usado.right() + 20, 1, Largura - usado.right() - 30, 30), Qt::AlignVCenter | Qt::AlignLeft,
               titulo);

    const auto painel = [&p](const QRect& r) {
        p.setPen(QPen(Estilo::AzulEscuro(), 1));
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    };
    const auto listras = [&p](const QRect& r, const QList<QRect>& linhas, bool cabecalho) {
        p.save();
        QPainterPath recorte;
        recorte.addRoundedRect(QRectF(r).adjusted(1, 1, -1, -1), 5.5, 5.5);
        p.setClipPath(recorte);
        p.setPen(Qt::NoPen);
        for (int i = 0; i < linhas.size(); ++i) {
            if (i == 0 && cabecalho) {
                QLinearGradient g(0, linhas.at(0).top(), 0, linhas.at(0).bottom());
                g.setColorAt(0, QColor(18, 92, 178));
                g.setColorAt(1, Estilo::AzulEscuro());
                p.setBrush(g);
            } else {
                p.setBrush((i - cabecalho) % 2 ? Estilo::Painel() : QColor(Qt::white));
            }
            p.drawRect(linhas.at(i));
        }
        p.setPen(QPen(QColor(0, 58, 128, 60), 1));
        for (int i = 1; i < linhas.size(); ++i) {
            const qreal y = linhas.at(i).top() + 0.5;
            p.drawLine(QPointF(r.left(), y), QPointF(r.right() + 1, y));
        }
        p.restore();
    };

    // The figures.
    painel(Tabela);
    QList<QRect> linhas;
    for (int i = 0; i < 5; ++i)
        linhas << QRect(Tabela.left(), Tabela.top() + i * AlturaLinha, Tabela.width(), AlturaLinha);
    listras(Tabela, linhas, false);

    if (!comparacoes.isEmpty()) {
        linhas.clear();
        for (int i = -1; i < comparacoes.size(); ++i)
            linhas << linhaTecla(i);
        const QRect tabela = linhas.first().united(linhas.last());
        painel(tabela);
        listras(tabela, linhas, true);
        p.setPen(QPen(QColor(0, 58, 128, 60), 1));
        for (int x : {ColAntes, ColAgora, ColSeta})
            p.drawLine(QPointF(x + 0.5, linhas.at(1).top()), QPointF(x + 0.5, tabela.bottom()));

        for (int i = 0; i < comparacoes.size(); ++i) {
            const ComparacaoTecla& c = comparacoes.at(i);
            const QRect l = linhaTecla(i);
            // The key as a small cap.
            const QString legenda = NomeCaractere(c.tecla);
            const qreal altura = l.height() - 6;
            const qreal largura = legenda.size() > 1 ? 52 : altura + 2;
            ArteProgresso::DesenharTeclinha(p, QRectF(ColLegenda, l.top() + 2.5, largura, altura), legenda, false);
            // Which way it went: a green arrow up when better, a red one
            // down when worse, a short bar when about the same.
            const int t = c.Tendencia();
            if (!c.digitada)
                continue;
            const QPointF m(ColSeta + (Tabela.right() + 1 - ColSeta) / 2.0, l.center().y() + 0.5);
            p.save();
            p.setPen(Qt::NoPen);
            if (t == 0) {
                p.setBrush(QColor(0, 97, 187, 150));
                p.drawRoundedRect(QRectF(m.x() - 6, m.y() - 1.5, 12, 3), 1.5, 1.5);
            } else {
                p.setBrush(t > 0 ? Melhor : Pior);
                QPainterPath seta;
                const qreal d = t > 0 ? -1 : 1; // up or down
                seta.moveTo(m.x(), m.y() + d * 7);
                seta.lineTo(m.x() + 6.5, m.y() + d * 0.5);
                seta.lineTo(m.x() + 2.5, m.y() + d * 0.5);
                seta.lineTo(m.x() + 2.5, m.y() - d * 6.5);
                seta.lineTo(m.x() - 2.5, m.y() - d * 6.5);
                seta.lineTo(m.x() - 2.5, m.y() + d * 0.5);
                seta.lineTo(m.x() - 6.5, m.y() + d * 0.5);
                seta.closeSubpath();
                p.drawPath(seta);
            }
            p.restore();
        }
    }

    FaceBotao::Desenhar(p, CmdDeNovo->geometry(), QStringLiteral("Treinar de novo"), FaceBotao::Aspecto::Normal);
    FaceBotao::Desenhar(p, CmdVoltar->geometry(), QStringLiteral("Voltar ao curso"), FaceBotao::Aspecto::Normal);
}
