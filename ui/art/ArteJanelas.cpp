#include "ui/art/ArteJanelas.h"

#include "ui/Estilo.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

namespace ArteJanelas {

namespace {
const int AlturaBarra = 93;
const int Disco = 44;

BotaoBarra botao(Icone i, const QString& legenda, int xc, int d = Disco)
{
    BotaoBarra b;
    b.icone = i;
    b.legenda = legenda;
    b.disco = QRect(xc - d / 2, 10 + (Disco - d) / 2, d, d);
    const QSize t = TamanhoLegenda();
    b.caixaLegenda = QRect(xc - t.width() / 2, 60, t.width(), t.height());
    return b;
}

void fundoAzul(QPainter& p, const QRectF& r, qreal raio = 0)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(10, 96, 190));
    g.setColorAt(1, QColor(0, 62, 140));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    if (raio > 0)
        p.drawRoundedRect(r, raio, raio);
    else
        p.drawRect(r);
}

// The light panel body of the practice screen and the introduction, with the
// blue title band along its top.
void corpoComFaixa(QPainter& p, const QRect& r, const QColor& base)
{
    QLinearGradient corpo(r.topLeft(), r.bottomLeft());
    corpo.setColorAt(0, QColor(218, 232, 248));
    corpo.setColorAt(1, base);
    p.fillRect(r, corpo);
    fundoAzul(p, QRectF(0, 0, r.width(), 30));
}

// A light card with a shadow. Its 1 px border lies on whole pixels, so it is
// one sharp line at 100 % as at 200 %.
void cartao(QPainter& p, const QRectF& fora, const QColor& topo = QColor(255, 255, 255), const QColor& base = QColor(226, 237, 250))
{
    const QRectF r = fora.adjusted(0.5, 0.5, -0.5, -0.5);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 30, 80, 50));
    p.drawRoundedRect(r.translated(0, 3), 10, 10);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, topo);
    g.setColorAt(1, base);
    p.setPen(QPen(QColor(0, 58, 128, 120), 1));
    p.setBrush(g);
    p.drawRoundedRect(r, 10, 10);
    p.restore();
}

QPainterPath chevron(const QPointF& c, qreal s, bool direita)
{
    QPainterPath path;
    const qreal k = direita ? 1 : -1;
    path.moveTo(c.x() - k * s * 0.35, c.y() - s * 0.55);
    path.lineTo(c.x() + k * s * 0.35, c.y());
    path.lineTo(c.x() - k * s * 0.35, c.y() + s * 0.55);
    return path;
}

void tracar(QPainter& p, const QPainterPath& path, qreal largura)
{
    p.setPen(QPen(Estilo::AzulTexto(), largura, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}
}

QSize TamanhoLegenda() { return QSize(100, 26); }

QList<BotaoBarra> BotoesPratica(bool somLigado)
{
    return {
        botao(Icone::ExercicioAnterior, QString(), 42, 36),
        botao(Icone::ProximoExercicio, QString(), 90, 36),
        botao(Icone::LicaoAnterior, QStringLiteral("Lição Anterior"), 190),
        botao(Icone::ProximaLicao, QStringLiteral("Proxima Lição"), 295),
        botao(Icone::Logoff, QStringLiteral("Fazer Logoff"), 400),
        somLigado ? botao(Icone::Som, QStringLiteral("Desligar Som"), 505)
                  : botao(Icone::SomDesligado, QStringLiteral("Ligar Som"), 505),
        botao(Icone::Ajuda, QStringLiteral("Ajuda e Suporte"), 610),
        botao(Icone::Fechar, QStringLiteral("Fechar"), 715),
    };
}

QList<BotaoBarra> BotoesUsuario()
{
    return {
        botao(Icone::Entrar, QStringLiteral("Entrar"), 170),
        botao(Icone::NovoUsuario, QStringLiteral("Novo Usuário"), 285),
        botao(Icone::Opcoes, QStringLiteral("Opções"), 400),
        botao(Icone::Ajuda, QStringLiteral("Ajuda e Suporte"), 515),
        botao(Icone::Fechar, QStringLiteral("Fechar"), 630),
    };
}

void DesenharBarra(QPainter& p, const QRect& r, const QList<BotaoBarra>& botoes)
{
    p.save();
    p.translate(r.topLeft());
    const QRectF faixa(0, 0, r.width(), r.height());
    fundoAzul(p, faixa);
    p.setPen(QPen(QColor(255, 255, 255, 70), 1));
    p.drawLine(QPointF(0, 0.5), QPointF(r.width(), 0.5));
    for (const BotaoBarra& b : botoes) {
        Estilo::DesenharDisco(p, QRectF(b.disco));
        DesenharIcone(p, QRectF(b.disco), b.icone);
        if (!b.legenda.isEmpty()) {
            p.setPen(Qt::white);
            p.setFont(Estilo::Fonte(9, true));
            p.drawText(QRectF(b.caixaLegenda), Qt::AlignCenter, b.legenda);
        }
    }
    // The two exercise buttons share one caption.
    if (!botoes.isEmpty() && botoes.first().icone == Icone::ExercicioAnterior && botoes.size() > 1) {
        const QRect uniao = botoes.at(0).disco.united(botoes.at(1).disco);
        p.setPen(Qt::white);
        p.setFont(Estilo::Fonte(9, true));
        p.drawText(QRectF(uniao.center().x() - 50, 60, 100, 26), Qt::AlignCenter, QStringLiteral("Exercício"));
    }
    p.restore();
}

void DesenharIcone(QPainter& p, const QRectF& d, Icone icone)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c = d.center();
    const qreal s = d.width() * 0.42;
    const qreal w = qMax(2.0, d.width() / 14.0);
    switch (icone) {
    case Icone::ExercicioAnterior:
        tracar(p, chevron(c - QPointF(s * 0.1, 0), s, false), w);
        break;
    case Icone::ProximoExercicio:
        tracar(p, chevron(c + QPointF(s * 0.1, 0), s, true), w);
        break;
    case Icone::LicaoAnterior:
        tracar(p, chevron(c + QPointF(s * 0.05, 0), s * 0.9, false), w);
        tracar(p, chevron(c + QPointF(s * 0.45, 0), s * 0.9, false), w);
        break;
    case Icone::ProximaLicao:
        tracar(p, chevron(c - QPointF(s * 0.45, 0), s * 0.9, true), w);
        tracar(p, chevron(c - QPointF(s * 0.05, 0), s * 0.9, true), w);
        break;
    case Icone::Logoff:
    case Icone::Entrar: {
        // A door with an arrow going out (log off) or in (log in).
        QPainterPath porta;
        porta.moveTo(c.x() + s * 0.1, c.y() - s * 0.7);
        porta.lineTo(c.x() + s * 0.65, c.y() - s * 0.7);
        porta.lineTo(c.x() + s * 0.65, c.y() + s * 0.7);
        porta.lineTo(c.x() + s * 0.1, c.y() + s * 0.7);
        tracar(p, porta, w);
        QPainterPath seta;
        const bool sai = icone == Icone::Logoff;
        const qreal x0 = c.x() - s * 0.8, x1 = c.x() + s * 0.35;
        seta.moveTo(sai ? x1 : x0, c.y());
        seta.lineTo(sai ? x0 : x1, c.y());
        tracar(p, seta, w);
        tracar(p, chevron(QPointF(sai ? x0 + s * 0.2 : x1 - s * 0.2, c.y()), s * 0.6, !sai), w);
        break;
    }
    case Icone::Som:
    case Icone::SomDesligado: {
        QPainterPath alto;
        alto.moveTo(c.x() - s * 0.75, c.y() - s * 0.25);
        alto.lineTo(c.x() - s * 0.4, c.y() - s * 0.25);
        alto.lineTo(c.x() + s * 0.05, c.y() - s * 0.65);
        alto.lineTo(c.x() + s * 0.05, c.y() + s * 0.65);
        alto.lineTo(c.x() - s * 0.4, c.y() + s * 0.25);
        alto.lineTo(c.x() - s * 0.75, c.y() + s * 0.25);
        alto.closeSubpath();
        p.setPen(QPen(Estilo::AzulTexto(), w * 0.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Estilo::AzulTexto());
        p.drawPath(alto);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Estilo::AzulTexto(), w, Qt::SolidLine, Qt::RoundCap));
        if (icone == Icone::Som) {
            p.drawArc(QRectF(c.x() - s * 0.25, c.y() - s * 0.4, s * 0.7, s * 0.8), -50 * 16, 100 * 16);
            p.drawArc(QRectF(c.x() - s * 0.35, c.y() - s * 0.75, s * 1.2, s * 1.5), -50 * 16, 100 * 16);
        } else {
            // Muted: a cross where the sound waves were.
            const QPointF x(c.x() + s * 0.5, c.y());
            const qreal b = s * 0.26;
            p.drawLine(x + QPointF(-b, -b), x + QPointF(b, b));
            p.drawLine(x + QPointF(-b, b), x + QPointF(b, -b));
        }
        break;
    }
    case Icone::Ajuda: {
        QFont f = Estilo::Fonte(1, true);
        f.setPixelSize(int(d.height() * 0.62));
        p.setFont(f);
        p.setPen(Estilo::AzulTexto());
        p.drawText(d.adjusted(0, 1, 0, 0), Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
    case Icone::Fechar: {
        p.setPen(QPen(Estilo::AzulTexto(), w, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        const QRectF arco(c.x() - s * 0.62, c.y() - s * 0.55, s * 1.24, s * 1.24);
        p.drawArc(arco, 120 * 16, 300 * 16);
        p.drawLine(QPointF(c.x(), c.y() - s * 0.75), QPointF(c.x(), c.y() + s * 0.05));
        break;
    }
    case Icone::NovoUsuario: {
        p.setPen(Qt::NoPen);
        p.setBrush(Estilo::AzulTexto());
        p.drawEllipse(QPointF(c.x() - s * 0.2, c.y() - s * 0.35), s * 0.3, s * 0.3);
        QPainterPath corpo;
        corpo.moveTo(c.x() - s * 0.8, c.y() + s * 0.65);
        corpo.cubicTo(c.x() - s * 0.8, c.y() - s * 0.05, c.x() + s * 0.4, c.y() - s * 0.05, c.x() + s * 0.4, c.y() + s * 0.65);
        corpo.closeSubpath();
        p.drawPath(corpo);
        p.setPen(QPen(Estilo::AzulTexto(), w, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(c.x() + s * 0.62, c.y() - s * 0.55), QPointF(c.x() + s * 0.62, c.y() - s * 0.05));
        p.drawLine(QPointF(c.x() + s * 0.37, c.y() - s * 0.3), QPointF(c.x() + s * 0.87, c.y() - s * 0.3));
        break;
    }
    case Icone::Opcoes: {
        // A gear.
        QPainterPath engrenagem;
        const int dentes = 8;
        for (int i = 0; i < dentes * 2; ++i) {
            const qreal a0 = (i * 180.0 / dentes - 9) * M_PI / 180.0;
            const qreal a1 = (i * 180.0 / dentes + 9) * M_PI / 180.0;
            const qreal raio = (i % 2 == 0) ? s * 0.78 : s * 0.58;
            const QPointF p0(c.x() + raio * qCos(a0), c.y() + raio * qSin(a0));
            const QPointF p1(c.x() + raio * qCos(a1), c.y() + raio * qSin(a1));
            if (i == 0)
                engrenagem.moveTo(p0);
            else
                engrenagem.lineTo(p0);
            engrenagem.lineTo(p1);
        }
        engrenagem.closeSubpath();
        QPainterPath furo;
        furo.addEllipse(c, s * 0.24, s * 0.24);
        p.setPen(Qt::NoPen);
        p.setBrush(Estilo::AzulTexto());
        p.drawPath(engrenagem.subtracted(furo));
        break;
    }
    }
    p.restore();
}

void DesenharFundoJanela(QPainter& p, const QRect& r)
{
    QRadialGradient g(QPointF(r.center()), qMax(r.width(), r.height()) * 0.75);
    g.setColorAt(0, QColor(14, 62, 128));
    g.setColorAt(1, Estilo::AzulNoite());
    p.fillRect(r, g);
}

void DesenharFundoPratica(QPainter& p, const QRect& r)
{
    p.save();
    // Panel body and the title band with the caption line.
    corpoComFaixa(p, r, QColor(190, 212, 238));

    // Exercise area: where the key caps or the running text show.
    cartao(p, QRectF(6, 36, r.width() - 12, 205));

    // Live figures.
    const QRectF faixa(6, 245, r.width() - 12, 30);
    cartao(p, faixa, QColor(255, 255, 255), QColor(236, 243, 252));
    p.setFont(Estilo::Fonte(9, true));
    p.setPen(QColor(60, 90, 130));
    auto legenda = [&](qreal x, qreal w, const QString& t) {
        p.drawText(QRectF(x, faixa.top(), w, faixa.height()), Qt::AlignVCenter | Qt::AlignRight, t);
    };
    legenda(14, 80, QStringLiteral("Velocidade:"));
    legenda(180, 64, QStringLiteral("Ritmo:"));
    legenda(350, 78, QStringLiteral("Acertos:"));
    legenda(490, 74, QStringLiteral("Erros:"));
    legenda(628, 76, QStringLiteral("Pontos:"));

    // Keyboard base plate.
    const QRectF base(139, 298, 522, 190);
    p.setPen(QPen(QColor(0, 40, 96, 110), 1));
    QLinearGradient gb(base.topLeft(), base.bottomLeft());
    gb.setColorAt(0, QColor(92, 108, 132));
    gb.setColorAt(1, QColor(58, 70, 90));
    p.setBrush(gb);
    p.drawRoundedRect(base, 9, 9);
    p.restore();
}

void DesenharPainelTexto(QPainter& p, const QRect& r)
{
    p.save();
    // A white sheet inside the exercise card's border, which stays the
    // panel's only frame.
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(r).adjusted(1, 1, -1, -1), 9, 9);
    // A ruled line under the text, like a sheet of paper.
    p.setPen(QPen(QColor(0, 118, 212, 60), 1));
    p.drawLine(QPointF(24, r.height() * 0.5 + 22), QPointF(r.width() - 24, r.height() * 0.5 + 22));
    p.restore();
}

void DesenharFundoUsuario(QPainter& p, const QRect& r)
{
    p.save();
    QLinearGradient corpo(r.topLeft(), r.bottomLeft());
    corpo.setColorAt(0, QColor(0, 118, 212));
    corpo.setColorAt(1, QColor(0, 84, 168));
    p.fillRect(r, corpo);

    // Soft key shapes in the header, a nod to what the program teaches.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 18));
    for (int i = 0; i < 9; ++i)
        p.drawRoundedRect(QRectF(440 + i * 38, 14 + (i % 2) * 8, 32, 32), 6, 6);

    p.setPen(Qt::white);
    QFont titulo = Estilo::Fonte(28, true);
    p.setFont(titulo);
    p.drawText(QRectF(36, 8, 400, 48), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Teclomatic"));
    p.setFont(Estilo::Fonte(11));
    p.setPen(QColor(220, 235, 255));
    p.drawText(QRectF(38, 54, 520, 22), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Curso de digitação — aprenda a digitar sem olhar para o teclado"));

    // The two cards.
    cartao(p, QRectF(30, 96, 330, 396));
    cartao(p, QRectF(380, 96, 390, 396));
    p.setPen(Estilo::AzulTexto());
    p.setFont(Estilo::Fonte(12, true));
    p.drawText(QRectF(46, 104, 300, 28), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Usuários"));
    p.setFont(Estilo::Fonte(8.5));
    p.setPen(QColor(80, 100, 130));
    p.drawText(QRectF(46, 128, 300, 16), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Digite o início do nome ou escolha na lista:"));

    p.setPen(QColor(70, 92, 124));
    p.setFont(Estilo::Fonte(10, true));
    const QStringList legendas = {QStringLiteral("Lição atual:"), QStringLiteral("Exercício:"),
                                  QStringLiteral("Velocidade mínima:"), QStringLiteral("Precisão mínima:")};
    for (int i = 0; i < legendas.size(); ++i)
        p.drawText(QRectF(400, 212 + i * 44, 160, 28), Qt::AlignLeft | Qt::AlignVCenter, legendas.at(i));
    p.setFont(Estilo::Fonte(9));
    p.drawText(QRectF(676, 300, 80, 28), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("TPM"));
    p.setPen(QPen(QColor(0, 58, 128, 60), 1));
    p.drawLine(QPointF(398, 198.5), QPointF(752, 198.5));
    p.restore();
}

QPixmap Seta(qreal dpr)
{
    return Estilo::Renderizar(QSize(15, 8), [](QPainter& p) {
        QPainterPath path;
        path.moveTo(0.5, 0.5);
        path.lineTo(14.5, 0.5);
        path.lineTo(7.5, 7.5);
        path.closeSubpath();
        p.setPen(QPen(Estilo::AzulEscuro(), 0.8));
        p.setBrush(Estilo::AzulClaro());
        p.drawPath(path);
    }, dpr);
}

QPixmap BarraRitmo(qreal dpr)
{
    return Estilo::Renderizar(QSize(222, 13), [](QPainter& p) {
        QLinearGradient azul(0, 0, 0, 13);
        azul.setColorAt(0, QColor(40, 150, 240));
        azul.setColorAt(1, Estilo::AzulTexto());
        p.fillRect(QRectF(0, 0, 108, 13), azul);
        QLinearGradient cinza(0, 0, 0, 13);
        cinza.setColorAt(0, QColor(236, 238, 242));
        cinza.setColorAt(1, QColor(210, 214, 222));
        p.fillRect(QRectF(108, 0, 114, 13), cinza);
    }, dpr);
}

QPixmap MolduraRitmo(qreal dpr)
{
    return Estilo::Renderizar(QSize(100, 25), [](QPainter& p) {
        // Mask the bar's ends round the gauge so it looks rounded, in the
        // figures strip's own shading (its body runs from 1.5 px above this
        // frame to 27.5 px below its top), and leave the rest clear so the
        // strip shows through.
        QPainterPath fora;
        fora.addRect(0, 5, 100, 17);
        QPainterPath dentro;
        dentro.addRoundedRect(QRectF(3, 6.5, 94, 14), 6, 6);
        QLinearGradient faixa(0, -1.5, 0, 27.5);
        faixa.setColorAt(0, QColor(255, 255, 255));
        faixa.setColorAt(1, QColor(236, 243, 252));
        p.setPen(Qt::NoPen);
        p.setBrush(faixa);
        p.drawPath(fora.subtracted(dentro));
        p.setPen(QPen(Estilo::AzulEscuro(), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(3, 6.5, 94, 14), 6, 6);
    }, dpr);
}

QPixmap Avatar(qreal dpr)
{
    return Estilo::Renderizar(QSize(64, 64), [](QPainter& p) {
        QRadialGradient g(QPointF(26, 22), 44);
        g.setColorAt(0, QColor(90, 170, 245));
        g.setColorAt(1, Estilo::AzulTexto());
        p.setPen(QPen(Qt::white, 2));
        p.setBrush(g);
        p.drawEllipse(QRectF(2, 2, 60, 60));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 235));
        p.drawEllipse(QPointF(32, 25), 11, 11);
        QPainterPath corpo;
        corpo.moveTo(13, 52);
        corpo.cubicTo(14, 36, 50, 36, 51, 52);
        corpo.cubicTo(45, 59, 19, 59, 13, 52);
        p.drawPath(corpo);
    }, dpr);
}

QPixmap BotaoTexto(QSize tamanho, const QString& texto, bool destaque, qreal dpr)
{
    return Estilo::Renderizar(tamanho, [&](QPainter& p) {
        const QRect r(QPoint(0, 0), tamanho);
        if (destaque) {
            p.setPen(QPen(Estilo::AzulEscuro(), 1));
            p.setBrush(Estilo::Amarelo());
            p.drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
            p.setPen(Estilo::AzulEscuro());
            p.setFont(Estilo::Fonte(10, true));
            p.drawText(r, Qt::AlignCenter, texto);
        } else {
            Estilo::DesenharBotao(p, r, texto, true, false);
        }
    }, dpr);
}

QString TituloIntroducao() { return QStringLiteral("Introdução: a posição dos dedos"); }

QString TextoIntroducao()
{
    return QStringLiteral(
        "Apoie os dedos na fileira do meio: a mão esquerda em A S D F e a direita em J K L Ç. "
        "As saliências das teclas F e J guiam os indicadores sem que você olhe para o teclado. "
        "Cada dedo alcança apenas as teclas da sua cor; o polegar direito aperta a barra de espaço. "
        "Maiúsculas e sinais de cima pedem o Shift da outra mão, com o mínimo. "
        "Sente-se com as costas retas, os pés no chão e os pulsos soltos. "
        "Quando estiver pronto, aperte Enter ou clique em \"Proxima Lição\" para começar a lição 1.");
}

void DesenharDedos(QPainter& p, const QRect& r)
{
    p.save();
    corpoComFaixa(p, r, QColor(196, 216, 240));
    p.setPen(Qt::white);
    p.setFont(Estilo::Fonte(10, true));
    p.drawText(QRectF(8, 0, r.width() - 16, 30), Qt::AlignVCenter | Qt::AlignLeft, TituloIntroducao());

    // One colour per finger, the same on both hands.
    const QColor cores[5] = {QColor(255, 196, 64), QColor(120, 200, 120), QColor(110, 170, 240),
                             QColor(230, 130, 170), QColor(170, 140, 230)};
    // Finger of each key: 0 little, 1 ring, 2 middle, 3 index (left), mirrored on the right.
    struct K { QString t; int dedo; };
    const QList<QList<K>> linhas = {
        {{"Q", 0}, {"W", 1}, {"E", 2}, {"R", 3}, {"T", 3}, {"Y", 3}, {"U", 3}, {"I", 2}, {"O", 1}, {"P", 0}},
        {{"A", 0}, {"S", 1}, {"D", 2}, {"F", 3}, {"G", 3}, {"H", 3}, {"J", 3}, {"K", 2}, {"L", 1}, {"Ç", 0}},
        {{"Z", 0}, {"X", 1}, {"C", 2}, {"V", 3}, {"B", 3}, {"N", 3}, {"M", 3}, {",", 2}, {".", 1}, {";", 0}},
    };
    const qreal tecla = 46, passo = 52;
    const qreal x0 = (r.width() - passo * 10) / 2.0;
    const qreal recuo[3] = {0, 14, 36};
    const qreal y0 = 70;
    for (int l = 0; l < 3; ++l) {
        for (int i = 0; i < linhas[l].size(); ++i) {
            const K& k = linhas[l].at(i);
            const QRectF q(x0 + recuo[l] + i * passo, y0 + l * passo, tecla, tecla);
            QLinearGradient g(q.topLeft(), q.bottomLeft());
            const QColor c = cores[k.dedo];
            g.setColorAt(0, c.lighter(125));
            g.setColorAt(1, c);
            p.setPen(QPen(QColor(0, 40, 96, 150), 1));
            p.setBrush(g);
            p.drawRoundedRect(q, 7, 7);
            p.setPen(QColor(20, 40, 70));
            p.setFont(Estilo::Fonte(15, true));
            p.drawText(q, Qt::AlignCenter, k.t);
            if (l == 1 && (k.t == "F" || k.t == "J")) {
                // The bumps that let the index fingers find home.
                p.setPen(QPen(QColor(20, 40, 70), 2, Qt::SolidLine, Qt::RoundCap));
                p.drawLine(QPointF(q.center().x() - 6, q.bottom() - 8), QPointF(q.center().x() + 6, q.bottom() - 8));
            }
        }
    }
    // Space bar: the right thumb.
    const QRectF espaco(x0 + 150, y0 + 3 * passo, 240, tecla);
    QLinearGradient ge(espaco.topLeft(), espaco.bottomLeft());
    ge.setColorAt(0, QColor(250, 250, 250));
    ge.setColorAt(1, QColor(210, 215, 225));
    p.setPen(QPen(QColor(0, 40, 96, 150), 1));
    p.setBrush(ge);
    p.drawRoundedRect(espaco, 7, 7);
    p.setPen(QColor(20, 40, 70));
    p.setFont(Estilo::Fonte(10, true));
    p.drawText(espaco, Qt::AlignCenter, QStringLiteral("barra de espaço — polegar direito"));

    // Legend.
    const QStringList nomes = {QStringLiteral("Mínimo"), QStringLiteral("Anelar"), QStringLiteral("Médio"),
                               QStringLiteral("Indicador")};
    qreal x = x0 + 20;
    const qreal yl = y0 + 4 * passo + 18;
    p.setFont(Estilo::Fonte(10, true));
    for (int i = 0; i < 4; ++i) {
        p.setPen(QPen(QColor(0, 40, 96, 150), 1));
        p.setBrush(cores[i]);
        p.drawRoundedRect(QRectF(x, yl, 22, 22), 4, 4);
        p.setPen(QColor(20, 40, 70));
        p.drawText(QRectF(x + 28, yl, 90, 22), Qt::AlignVCenter | Qt::AlignLeft, nomes.at(i));
        x += 125;
    }
    p.setFont(Estilo::Fonte(11));
    p.setPen(QColor(20, 50, 90));
    p.drawText(QRectF(x0, yl + 36, passo * 10, r.bottom() - 4 - (yl + 36)), Qt::AlignLeft | Qt::TextWordWrap, TextoIntroducao());
    p.restore();
}

} // namespace ArteJanelas
