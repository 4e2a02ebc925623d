#include "ui/JanelaResultado.h"

#include "users/CadastroUsuarios.h"
#include "app/EstadoCurso.h"
#include "app/Servicos.h"
#include "app/Som.h"
#include "ui/Estilo.h"
#include "ui/FrmMain.h"
#include "ui/Imagem.h"
#include "ui/TeclasErradas.h"
#include "results/RegistroProgresso.h"

#include <QCheckBox>
#include <QEvent>
#include <QFontMetricsF>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>

namespace {

// Geometry of the 450 x 404 background, in pixels.
constexpr int Largura = 450;
constexpr int Altura = 404;
constexpr int AlturaTitulo = 32;
constexpr int AlturaLinha = 20;
const QRect Tabela(16, 44, 418, 7 * AlturaLinha);
// Under the grade: the keys with most errors in the lesson.
const QRect FaixaTeclas(16, 190, 418, 28);
const QRect Comparacao(16, 228, 418, 3 * AlturaLinha);
const QRect Mensagem(16, 298, 418, 58);
const QRect BotaoRepetir(190, 366, 118, 28);
const QRect BotaoProxima(316, 366, 118, 28);

// Columns of the two tables.
constexpr int ColLegenda = 28;
constexpr int ColValor = 270;
constexpr int FimValor = 422;
constexpr int ColSeu = 170;
constexpr int ColReq = 296;

const QColor VerdeAprovado(22, 128, 60);
const QColor VermelhoReprovado(196, 36, 36);



QRect Linha(const QRect& tabela, int i)
{
    return QRect(tabela.left(), tabela.top() + i * AlturaLinha, tabela.width(), AlturaLinha);
}

} // namespace

JanelaDeResultado::JanelaDeResultado(QWidget* pai, const QString& nome, const QString& legenda,
                                     JanelaResultado tipoJanela, const QString& legendaNota)
    : JanelaDesenhada(pai, nome, legenda, QSize(Largura, Altura))
    , tipo(tipoJanela)
{
    const QFont fLegenda = Estilo::Fonte(9);
    const QFont fValor = Estilo::Fonte(9, true);
    const QColor azul = Estilo::AzulTexto();

    // The seven-row table: caption on the left, value on the right.
    struct LinhaTabela {
        QLabel** legenda;
        const char* nomeLegenda;
        QString texto;
        QLabel** valor;
        const char* nomeValor;
    };
    const LinhaTabela linhas[] = {
        {&cCPM, "cCPM", QStringLiteral("Toques por Minuto:"), &LblCpm, "LblCpm"},
        {&cAcertos, "cAcertos", QStringLiteral("Total de Acertos:"), &LblAcetos, "LblAcetos"},
        {&cErros, "cErros", QStringLiteral("Total de Erros:"), &LblErros, "LblErros"},
        {&cPorAcerto, "cPorAcerto", QStringLiteral("Porcentagem de acertos:"), &LblPorAcerto, "LblPorAcerto"},
        {&cPorErros, "cPorErros", QStringLiteral("Porcentagem de erros:"), &LblPorErros, "LblPorErros"},
        {&cPontos, "cPontos", QStringLiteral("Total de Pontos:"), &LblPontos, "LblPontos"},
        {&cNota, "cNota", legendaNota, &LblNota, "LblNota"},
    };
    for (int i = 0; i < 7; ++i) {
        const QRect r = Linha(Tabela, i);
        const bool nota = i == 6;
        *linhas[i].legenda = Estilo::Rotulo(this, QString::fromLatin1(linhas[i].nomeLegenda), linhas[i].texto, QRect(ColLegenda, r.top(), ColValor - ColLegenda, r.height()), Qt::AlignLeft, nota ? fValor : fLegenda, nota ? Estilo::AzulEscuro() : azul);
        *linhas[i].valor = Estilo::Rotulo(this, QString::fromLatin1(linhas[i].nomeValor), QStringLiteral("0"), QRect(ColValor, r.top(), FimValor - ColValor, r.height()), Qt::AlignRight, nota ? Estilo::Fonte(11, true) : fValor, nota ? Estilo::AzulEscuro() : azul);
    }

    // The comparison table: a header row and two rows of two values.
    const QRect cab = Linha(Comparacao, 0);
    const QFont fCab = Estilo::Fonte(8.5, true);
    Label2 = Estilo::Rotulo(this, QStringLiteral("Label2"), QStringLiteral("Seu Resultado"), QRect(ColSeu, cab.top(), ColReq - ColSeu, cab.height()), Qt::AlignHCenter, fCab, Qt::white);
    Label3 = Estilo::Rotulo(this, QStringLiteral("Label3"), QStringLiteral("Minimo Requerido"), QRect(ColReq, cab.top(), FimValor - ColReq, cab.height()), Qt::AlignHCenter, fCab, Qt::white);
    const QRect l1 = Linha(Comparacao, 1);
    const QRect l2 = Linha(Comparacao, 2);
    Label5 = Estilo::Rotulo(this, QStringLiteral("Label5"), QStringLiteral("Precisão:"), QRect(ColLegenda, l1.top(), ColSeu - ColLegenda, l1.height()), Qt::AlignLeft, fLegenda, azul);
    Label4 = Estilo::Rotulo(this, QStringLiteral("Label4"), QStringLiteral("Velocidade:"), QRect(ColLegenda, l2.top(), ColSeu - ColLegenda, l2.height()), Qt::AlignLeft, fLegenda, azul);
    SeuPrecisao = Estilo::Rotulo(this, QStringLiteral("SeuPrecisao"), QStringLiteral("0"), QRect(ColSeu, l1.top(), ColReq - ColSeu, l1.height()), Qt::AlignHCenter, fValor, azul);
    ReqPrecisao = Estilo::Rotulo(this, QStringLiteral("ReqPrecisao"), QStringLiteral("0"), QRect(ColReq, l1.top(), FimValor - ColReq, l1.height()), Qt::AlignHCenter, fValor, azul);
    SeuVelocidade = Estilo::Rotulo(this, QStringLiteral("SeuVelocidade"), QStringLiteral("0"), QRect(ColSeu, l2.top(), ColReq - ColSeu, l2.height()), Qt::AlignHCenter, fValor, azul);
    ReqVelocidade = Estilo::Rotulo(this, QStringLiteral("ReqVelocidade"), QStringLiteral("0"), QRect(ColReq, l2.top(), FimValor - ColReq, l2.height()), Qt::AlignHCenter, fValor, azul);

    // The advice, wrapped within the white message area.
    LblCom = Estilo::Rotulo(this, QStringLiteral("LblCom"), QStringLiteral("Concluido"), Mensagem.adjusted(14, 4, -10, -4), Qt::AlignLeft, Estilo::Fonte(9), azul);
    LblCom->setWordWrap(true);

    PicTeclas = new TeclasErradas(this);
    PicTeclas->setGeometry(FaixaTeclas);

    // The buttons: click areas over the drawn ones, and the greyed-out
    // "Proxima Lição" that takes the place of the live one.
    CmdRepetir = new Imagem(this, QStringLiteral("CmdRepetir"));
    FaceBotao::Preparar(CmdRepetir, BotaoRepetir, QStringLiteral("Repetir Lição"),
                             QStringLiteral("Repetir Lição"));
    CmdProx2 = new Imagem(this, QStringLiteral("CmdProx2"));
    FaceBotao::Preparar(CmdProx2, BotaoProxima, QStringLiteral("Proxima Lição"),
                             QStringLiteral("Próxima Lição"));
    ProxD = new Imagem(this, QStringLiteral("ProxD"));
    ProxD->setGeometry(BotaoProxima);
    ProxD->setPicture(FaceBotao::Figura(BotaoProxima.size(), QStringLiteral("Proxima Lição"),
                                             FaceBotao::Aspecto::Desabilitado));
    ProxD->setAccessibleName(QStringLiteral("Próxima Lição (indisponível)"));
    ProxD->setToolTip(QStringLiteral("Alcance a precisão e a velocidade mínimas para seguir adiante"));
    ProxD->hide();

    BarMove = new Imagem(this, QStringLiteral("BarMove"));
    BarMove->setAccessibleName(QStringLiteral("Barra de título"));
    BarMove->setGeometry(0, 0, Largura, AlturaTitulo);
    connect(BarMove, &Imagem::mouseMovido, this,
            [this](Qt::MouseButtons botoes, QPoint) { BarMove_MouseMove(botoes); });
    BarMove->setCursor(Qt::SizeAllCursor);

    connect(CmdRepetir, &Imagem::clicado, this, [this] { CmdRepetir_Click(); });
    connect(CmdProx2, &Imagem::clicado, this, [this] { CmdProx2_Click(); });

    setTabOrder(CmdRepetir, CmdProx2);
}

std::function<qint64()> JanelaDeResultado::Relogio = [] {
    static QElapsedTimer relogio;
    if (!relogio.isValid())
        relogio.start();
    return relogio.elapsed();
};

bool JanelaDeResultado::TeclasGuardadas() const { return Relogio() - abertaEm < GuardaTeclasMs; }

bool JanelaDeResultado::eventFilter(QObject* obj, QEvent* e)
{
    // Keys on the buttons (Enter, space) wait for the guard as well.
    if ((e->type() == QEvent::KeyPress || e->type() == QEvent::ShortcutOverride) && TeclasGuardadas())
        return true;
    return JanelaDesenhada::eventFilter(obj, e);
}

void JanelaDeResultado::Form_Load()
{
    abertaEm = Relogio();
    for (QWidget* w : findChildren<QWidget*>())
        w->installEventFilter(this);
    // 1. The closing sound.
    TocarSom(QStringLiteral("fim"));

    EstadoCurso& e = Estado();
    const CadastroUsuarios* u = CadastroUsuarios::Instancia();
    const QString txtPre = u ? u->Carregado().precisaoMinima : QString();
    const QString txtVelo = u ? u->Carregado().velocidadeMinima : QString();
    const bool livre = u && u->Livre();

    // The grading of the run as it was counted (before the percentages
    // take the places of the counts).
    const ResultadoLicao r = AvaliarLicao(e.Acertos, e.Erros, e.Velocidade, txtPre, txtVelo, tipo);

    // 2. The counts.
    LblAcetos->setText(QString::number(e.Acertos));
    LblCpm->setText(QString::number(e.Velocidade));
    LblErros->setText(QString::number(e.Erros));
    LblPontos->setText(QString::number(e.Pontos));

    // 3.-4. The percentages replace the counts in the course state.
    PegaPorcentagem();
    LblPorAcerto->setText(vPorAcerto);
    LblPorErros->setText(vPorErros);

    // 5. Error index.
    indiceErros = r.indiceErros;

    // 6. Comparison table.
    SeuPrecisao->setText(vPorAcerto);
    ReqPrecisao->setText(txtPre + u'%');
    SeuVelocidade->setText(QString::number(e.Velocidade) + QStringLiteral(" TPM"));
    ReqVelocidade->setText(txtVelo + QStringLiteral(" TPM"));
    const auto corResultado = [](QLabel* l, bool passou) {
        l->setStyleSheet(QStringLiteral("QLabel { color: %1; background: transparent; }")
                             .arg((passou ? VerdeAprovado : VermelhoReprovado).name()));
    };
    corResultado(SeuPrecisao, r.passaPrecisao);
    corResultado(SeuVelocidade, r.passaVelocidade);

    // 7. Pass test: the live next button or the greyed-out one.
    CmdProx2->setVisible(r.passa);
    ProxD->setVisible(!r.passa);

    // 8. The last lesson always lets a learner without the free course finish.
    if (tipo == JanelaResultado::Fim && !livre) {
        ProxD->hide();
        CmdProx2->show();
    }

    // 9. Advice, and the title line that says what the run missed.
    LblCom->setText(r.conselho);
    aprovado = r.passa;
    cabecalho = r.cabecalho;
    setAccessibleDescription(cabecalho);

    // 10. Grade.
    LblNota->setText(r.textoNota);

    // The keys this lesson went wrong on.
    if (const RegistroProgresso* reg = RegistroProgresso::Instancia())
        PicTeclas->Definir(MaisErradas(reg->TeclasDaLicao(), 3));

    update();
}

void JanelaDeResultado::PegaPorcentagem()
{
    EstadoCurso& e = Estado();
    const Porcentagens p = ::PegaPorcentagem(e.Acertos, e.Erros);
    e.Acertos = qint16(p.acertos);
    e.Erros = qint16(p.erros);
    vPorAcerto = QString::number(p.acertos) + u'%';
    vPorErros = QString::number(p.erros) + u'%';
}

float JanelaDeResultado::GetPercentage(double parte, double todo) const
{
    return ::GetPercentage(parte, todo);
}

void JanelaDeResultado::BarMove_MouseMove(Qt::MouseButtons botoes)
{
    if (botoes & Qt::LeftButton)
        if (auto* a = Plataforma().arrastar)
            a->MoverForm(this);
}

bool JanelaDeResultado::ProximaLiberada() const
{
    return !CmdProx2->isHidden();
}

bool JanelaDeResultado::comecarAcao()
{
    if (acaoFeita)
        return false;
    acaoFeita = true;
    return true;
}

void JanelaDeResultado::fecharJanela()
{
    if (fechada)
        return;
    fechada = true;
    QDialog::done(QDialog::Accepted);
}

void JanelaDeResultado::reject()
{
    if (fechada || acaoFeita) {
        fecharJanela();
        return;
    }
    CmdRepetir_Click();
    fecharJanela();
}

void JanelaDeResultado::keyPressEvent(QKeyEvent* e)
{
    // A key still held from the lesson chooses nothing either.
    if (TeclasGuardadas() || e->isAutoRepeat())
        return;
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (ProximaLiberada())
            CmdProx2_Click();
        else
            CmdRepetir_Click();
        return;
    case Qt::Key_R:
        if (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
            break;
        CmdRepetir_Click();
        return;
    case Qt::Key_Escape:
        reject();
        return;
    default:
        break;
    }
    JanelaDesenhada::keyPressEvent(e);
}

void JanelaDeResultado::showEvent(QShowEvent* e)
{
    JanelaDesenhada::showEvent(e);
    (ProximaLiberada() ? CmdProx2 : CmdRepetir)->setFocus(Qt::OtherFocusReason);
}

void JanelaDeResultado::desenharFundo(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    // Frame and title line: the product name and what happened.
    Estilo::DesenharJanela(p, rect(), QString());
    const QRectF disco(10, 6, 20, 20);
    Estilo::DesenharDisco(p, disco);
    if (aprovado) {
        // A tick in the disc.
        QPainterPath v;
        v.moveTo(disco.left() + 5.5, disco.center().y() + 0.5);
        v.lineTo(disco.left() + 8.8, disco.bottom() - 5.5);
        v.lineTo(disco.right() - 5, disco.top() + 6);
        p.setPen(QPen(VerdeAprovado, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(v);
    } else {
        // A curved arrow in the disc: this lesson is worth another go.
        const QRectF arco = disco.adjusted(5, 5, -5, -5);
        p.setPen(QPen(QColor(214, 140, 0), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawArc(arco, 60 * 16, 280 * 16);
        const QPointF ponta(arco.center().x() + arco.width() / 2 * 0.5, arco.top() + arco.height() * 0.067);
        QPainterPath seta;
        seta.moveTo(ponta + QPointF(-3.6, -2.6));
        seta.lineTo(ponta + QPointF(1.2, 0.4));
        seta.lineTo(ponta + QPointF(-2.4, 4.2));
        p.drawPath(seta);
    }
    p.setFont(Estilo::Fonte(11, true));
    p.setPen(Qt::white);
    const QString produto = QStringLiteral("Teclomatic");
    const QRectF rProduto(38, 1, 200, 30);
    QRectF usado;
    p.drawText(rProduto, Qt::AlignVCenter | Qt::AlignLeft, produto, &usado);
    p.setPen(QColor(255, 255, 255, 110));
    p.drawLine(QPointF(usado.right() + 10, 10), QPointF(usado.right() + 10, 22));
    // A longer reason takes a smaller type rather than leave the strip.
    const QRectF rCabecalho(usado.right() + 20, 1, Largura - usado.right() - 30, 30);
    QFont fonte = Estilo::Fonte(10, true);
    if (QFontMetricsF(fonte).horizontalAdvance(cabecalho) > rCabecalho.width())
        fonte = Estilo::Fonte(8.5, true);
    p.setFont(fonte);
    p.setPen(Estilo::Amarelo());
    p.drawText(rCabecalho, Qt::AlignVCenter | Qt::AlignLeft,
               QFontMetricsF(fonte).elidedText(cabecalho, Qt::ElideRight, rCabecalho.width()));

    // A light table with striped rows; the grade row stands out.
    const auto painel = [&p](const QRect& r) {
        p.setPen(QPen(Estilo::AzulEscuro(), 1));
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    };
    painel(Tabela);
    p.save();
    QPainterPath recorte;
    recorte.addRoundedRect(QRectF(Tabela).adjusted(1, 1, -1, -1), 5.5, 5.5);
    p.setClipPath(recorte);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 7; ++i) {
        const QRect r = Linha(Tabela, i);
        if (i == 6)
            p.setBrush(QColor(255, 243, 190));
        else
            p.setBrush(i % 2 ? Estilo::Painel() : QColor(Qt::white));
        p.drawRect(r);
    }
    p.setPen(QPen(QColor(0, 58, 128, 60), 1));
    for (int i = 1; i < 7; ++i) {
        const qreal y = Linha(Tabela, i).top() + 0.5;
        p.drawLine(QPointF(Tabela.left(), y), QPointF(Tabela.right() + 1, y));
    }
    p.restore();

    // The comparison table: a dark header over the learner's result and the
    // profile's minimum.
    painel(Comparacao);
    p.save();
    QPainterPath recorte2;
    recorte2.addRoundedRect(QRectF(Comparacao).adjusted(1, 1, -1, -1), 5.5, 5.5);
    p.setClipPath(recorte2);
    p.setPen(Qt::NoPen);
    QLinearGradient gc(0, Comparacao.top(), 0, Comparacao.top() + AlturaLinha);
    gc.setColorAt(0, QColor(18, 92, 178));
    gc.setColorAt(1, Estilo::AzulEscuro());
    p.setBrush(gc);
    p.drawRect(Linha(Comparacao, 0));
    p.setBrush(Estilo::Painel());
    p.drawRect(Linha(Comparacao, 2));
    p.setPen(QPen(QColor(0, 58, 128, 60), 1));
    const qreal y2 = Linha(Comparacao, 2).top() + 0.5;
    p.drawLine(QPointF(Comparacao.left(), y2), QPointF(Comparacao.right() + 1, y2));
    for (int x : {ColSeu, ColReq}) {
        p.drawLine(QPointF(x + 0.5, Comparacao.top() + AlturaLinha), QPointF(x + 0.5, Comparacao.bottom() + 1));
    }
    p.restore();

    // The white message area, with an accent bar in the colour of the outcome.
    painel(Mensagem);
    p.setPen(Qt::NoPen);
    p.setBrush(aprovado ? VerdeAprovado : Estilo::Amarelo());
    p.drawRoundedRect(QRectF(Mensagem.left() + 5, Mensagem.top() + 6, 4, Mensagem.height() - 12), 2, 2);

    // The two buttons at the bottom right.
    FaceBotao::Desenhar(p, BotaoRepetir, QStringLiteral("Repetir Lição"),
                             FaceBotao::Aspecto::Normal);
    FaceBotao::Desenhar(p, BotaoProxima, QStringLiteral("Proxima Lição"),
                             FaceBotao::Aspecto::Normal);
}

// ---- drawn buttons -----------------------------------------------------------

namespace {

// Swaps the picture of an image over a drawn button while the pointer is on
// it: from the pointer's first move over it, so a window that opens under a
// resting pointer shows no button lit (which would pass for the focus).
class RealceAoPassar : public QObject {
public:
    RealceAoPassar(Imagem* botao, QString texto, bool comFigura)
        : QObject(botao)
        , alvo(botao)
        , legenda(std::move(texto))
        , figuraPropria(comFigura)
    {
        botao->installEventFilter(this);
        repor();
    }

protected:
    bool eventFilter(QObject* obj, QEvent* e) override
    {
        if (obj == alvo) {
            switch (e->type()) {
            case QEvent::MouseMove:
                if (!aceso) {
                    aceso = true;
                    alvo->setPicture(FaceBotao::Figura(alvo->size(), legenda, FaceBotao::Aspecto::SobOPonteiro));
                }
                break;
            case QEvent::Leave:
            case QEvent::Hide:
                repor();
                break;
            default:
                break;
            }
        }
        return QObject::eventFilter(obj, e);
    }

private:
    void repor()
    {
        aceso = false;
        alvo->setPicture(figuraPropria ? FaceBotao::Figura(alvo->size(), legenda,
                                                                FaceBotao::Aspecto::Normal)
                                       : QPixmap());
    }

    Imagem* alvo;
    QString legenda;
    bool figuraPropria;
    bool aceso = false;
};

} // namespace

void FaceBotao::Desenhar(QPainter& p, const QRect& r, const QString& texto, Aspecto aspecto)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF f = QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5);
    // A soft shadow under the face.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 30, 70, aspecto == Aspecto::Desabilitado ? 30 : 55));
    p.drawRoundedRect(f.translated(0, 1.5), 6, 6);
    p.restore();

    Estilo::DesenharBotao(p, r, texto, aspecto != Aspecto::Desabilitado, true);

    if (aspecto == Aspecto::SobOPonteiro) {
        // Under the pointer: a lighter face with a blue edge, unlike the
        // yellow of the focus and of a chosen view. The label stays as dark
        // as at rest: a paler one reads as a button that cannot be pressed.
        p.save();
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Estilo::AzulClaro(), 1.6));
        p.setBrush(QColor(255, 255, 255, 90));
        p.drawRoundedRect(f.adjusted(1, 1, -1, -1), 5, 5);
        p.setPen(Estilo::AzulTexto());
        p.setFont(Estilo::Fonte(10, true));
        p.drawText(f, Qt::AlignCenter, texto);
        p.restore();
    }
    if (aspecto == Aspecto::Realce) {
        p.save();
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Estilo::Amarelo(), 2));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(f.adjusted(1, 1, -1, -1), 5, 5);
        p.restore();
    }
}

QPixmap FaceBotao::Figura(QSize tamanho, const QString& texto, Aspecto aspecto)
{
    return Estilo::Renderizar(tamanho, [&](QPainter& p) {
        Desenhar(p, QRect(QPoint(0, 0), tamanho), texto, aspecto);
    });
}

void FaceBotao::Preparar(Imagem* botao, const QRect& area, const QString& texto,
                              const QString& nomeAcessivel, bool comFigura)
{
    botao->setGeometry(area);
    botao->tornarBotao(nomeAcessivel);
    new RealceAoPassar(botao, texto, comFigura);
}
