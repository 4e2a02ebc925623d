#include "ui/art/ArteProgresso.h"

#include "keyboard/GradeTeclado.h"
#include "keyboard/MapaTeclas.h"
#include "keyboard/gui/ArteTeclado.h"
#include "ui/Estilo.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <functional>

namespace {

const QColor CorVelocidade(0, 97, 187);
const QColor CorPrecisao(22, 128, 60);

} // namespace

int ArteProgresso::PassoEscala(int maior)
{
    const double alvo = std::max(5.0, maior / 4.0);
    for (double potencia = std::pow(10.0, std::floor(std::log10(alvo)));; potencia *= 10)
        for (double vezes : {1.0, 1.5, 2.0, 2.5, 3.0, 4.0, 5.0, 6.0, 7.5})
            if (vezes * potencia >= alvo)
                return int(std::lround(vezes * potencia));
}

void ArteProgresso::DesenharGrafico(QPainter& p, const QRect& r, const QList<LicaoGravada>& licoes,
                                    int minimoTpm, int minimoPrecisao)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Estilo::AzulEscuro(), 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);

    // The legend along the top.
    const QFont pequena = Estilo::Fonte(8);
    p.setFont(Estilo::Fonte(8.5, true));
    const auto legenda = [&](qreal x, const QColor& cor, const QString& texto) {
        p.setPen(QPen(cor, 2.5));
        p.drawLine(QPointF(x, r.top() + 14), QPointF(x + 16, r.top() + 14));
        p.setPen(Estilo::AzulEscuro());
        p.drawText(QRectF(x + 20, r.top() + 5, 160, 18), Qt::AlignVCenter | Qt::AlignLeft, texto);
    };
    legenda(r.left() + 14, CorVelocidade, QStringLiteral("Velocidade (TPM)"));
    legenda(r.left() + 160, CorPrecisao, QStringLiteral("Precisão (%)"));
    p.setFont(pequena);
    p.setPen(QColor(90, 104, 128));
    p.drawText(QRectF(r.right() - 150, r.top() + 5, 140, 18), Qt::AlignVCenter | Qt::AlignRight,
               QStringLiteral("- - -  mínimos do perfil"));

    int maiorTpm = qMax(minimoTpm, 0);
    for (const LicaoGravada& l : licoes)
        maiorTpm = qMax(maiorTpm, l.tpm);
    const int passoTpm = PassoEscala(int(maiorTpm * 1.1));
    const int topoTpm = 4 * passoTpm;
    const QRectF area(r.left() + 40, r.top() + 30, r.width() - 80, r.height() - 56);

    // Grid and the two scales.
    for (int i = 0; i <= 4; ++i) {
        const qreal y = area.bottom() - area.height() * i / 4.0;
        p.setPen(QPen(QColor(0, 58, 128, i == 0 ? 120 : 35), 1));
        p.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        p.setPen(CorVelocidade);
        p.drawText(QRectF(r.left() + 2, y - 8, 34, 16), Qt::AlignVCenter | Qt::AlignRight,
                   QString::number(passoTpm * i));
        p.setPen(CorPrecisao);
        p.drawText(QRectF(area.right() + 4, y - 8, 36, 16), Qt::AlignVCenter | Qt::AlignLeft,
                   QStringLiteral("%1%").arg(25 * i));
    }
    const auto yTpm = [&](double v) { return area.bottom() - area.height() * qBound(0.0, v / topoTpm, 1.0); };
    const auto yPrec = [&](double v) { return area.bottom() - area.height() * qBound(0.0, v / 100.0, 1.0); };

    // The learner's minimums.
    p.setPen(QPen(CorVelocidade, 1.2, Qt::DashLine));
    p.drawLine(QPointF(area.left(), yTpm(minimoTpm)), QPointF(area.right(), yTpm(minimoTpm)));
    p.setPen(QPen(CorPrecisao, 1.2, Qt::DashLine));
    p.drawLine(QPointF(area.left(), yPrec(minimoPrecisao)), QPointF(area.right(), yPrec(minimoPrecisao)));

    if (licoes.isEmpty()) {
        p.setFont(Estilo::Fonte(10, true));
        p.setPen(Estilo::AzulTexto());
        p.drawText(area, Qt::AlignCenter | Qt::TextWordWrap,
                   QStringLiteral("Nenhuma lição concluída ainda.\nConclua uma lição para ver o seu progresso."));
        p.restore();
        return;
    }

    const int n = int(licoes.size());
    const auto x = [&](int i) {
        return n == 1 ? area.center().x() : area.left() + 8 + (area.width() - 16) * i / double(n - 1);
    };
    // Labels under the axis: the lesson number, thinned out when crowded.
    const int passo = qMax(1, int(std::ceil(n / (area.width() / 34.0))));
    p.setFont(pequena);
    p.setPen(QColor(90, 104, 128));
    for (int i = 0; i < n; i += passo)
        p.drawText(QRectF(x(i) - 20, area.bottom() + 3, 40, 14), Qt::AlignCenter,
                   QStringLiteral("L%1").arg(licoes.at(i).licao));
    p.drawText(QRectF(area.left(), area.bottom() + 13, area.width(), 13), Qt::AlignCenter,
               licoes.first().momento.toString(QStringLiteral("dd/MM/yyyy")) + QStringLiteral("  …  ")
                   + licoes.last().momento.toString(QStringLiteral("dd/MM/yyyy")));

    const auto serie = [&](const QColor& cor, const std::function<qreal(const LicaoGravada&)>& y) {
        QPainterPath linha;
        for (int i = 0; i < n; ++i) {
            const QPointF pt(x(i), y(licoes.at(i)));
            i == 0 ? linha.moveTo(pt) : linha.lineTo(pt);
        }
        p.setPen(QPen(cor, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(linha);
        const qreal raio = n > 40 ? 2.0 : 3.5;
        for (int i = 0; i < n; ++i) {
            const LicaoGravada& l = licoes.at(i);
            p.setPen(QPen(cor, 1.5));
            // A passed lesson is a full dot, a failed one a hollow ring.
            p.setBrush(l.aprovado ? QBrush(cor) : QBrush(Qt::white));
            p.drawEllipse(QPointF(x(i), y(l)), raio, raio);
        }
    };
    serie(CorPrecisao, [&](const LicaoGravada& l) { return yPrec(l.porcAcertos); });
    serie(CorVelocidade, [&](const LicaoGravada& l) { return yTpm(l.tpm); });
    p.restore();
}

QColor ArteProgresso::CorCalor(double calor)
{
    const double c = qBound(0.0, calor, 1.0);
    const QColor verde(76, 175, 80), amarelo(255, 205, 40), vermelho(222, 45, 38);
    const auto mistura = [](const QColor& a, const QColor& b, double t) {
        return QColor(int(a.red() + (b.red() - a.red()) * t), int(a.green() + (b.green() - a.green()) * t),
                      int(a.blue() + (b.blue() - a.blue()) * t));
    };
    return c < 0.5 ? mistura(verde, amarelo, c * 2) : mistura(amarelo, vermelho, (c - 0.5) * 2);
}

QRectF ArteProgresso::AreaDaTecla(QChar caractere, int tipoTeclado)
{
    // Keys are counted by what they type on the layout they were typed
    // with; a name the layout lacks (from an older history) is looked up
    // on the ABNT2 grid, whose places every layout shares.
    Toque toque = ToqueDoNome(caractere, tipoTeclado);
    if (!toque.valido())
        toque = ToqueDoNome(caractere, Layout::ABNT2);
    if (!toque.valido())
        return {};
    const Tecla t = TeclaAmarelaDoLayout(NomeAmarela(toque.tecla), tipoTeclado);
    if (t.codigo == 0 && t.twips.isNull())
        return {};
    const QRect k = t.twips.translated(-AreaTecladoTwips().topLeft());
    const qreal e = TwipsPorPixel;
    QRectF r(k.x() / e, k.y() / e, k.width() / e, k.height() / e);
    // The Enter keys span two rows: their top row is what gets tinted.
    if (t.forma != FormaTecla::Retangular)
        r.setHeight(495.0 / TwipsPorPixel);
    return r;
}

void ArteProgresso::DesenharMapaCalor(QPainter& p, int tipoTeclado, const QMap<QChar, double>& calor)
{
    p.save();
    ArteTeclado::DesenharTeclado(p, tipoTeclado);
    p.setRenderHint(QPainter::Antialiasing);
    for (auto i = calor.cbegin(); i != calor.cend(); ++i) {
        const QRectF r = AreaDaTecla(i.key(), tipoTeclado);
        if (r.isNull())
            continue;
        QColor c = CorCalor(i.value());
        c.setAlpha(150);
        p.setPen(QPen(CorCalor(i.value()).darker(130), 1.5));
        p.setBrush(c);
        p.drawRoundedRect(r.adjusted(1.5, 1.5, -1.5, -1.5), 4, 4);
    }
    p.restore();
}

void ArteProgresso::DesenharTeclinha(QPainter& p, const QRectF& r, const QString& legenda, bool destaque)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF f = r.adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 30, 70, 60));
    p.drawRoundedRect(f.translated(0, 1.5), 4, 4);
    QLinearGradient g(f.topLeft(), f.bottomLeft());
    g.setColorAt(0, destaque ? QColor(246, 96, 84) : QColor(255, 255, 255));
    g.setColorAt(1, destaque ? QColor(210, 40, 36) : QColor(222, 230, 242));
    p.setPen(QPen(destaque ? QColor(120, 14, 14) : QColor(72, 98, 138), 1));
    p.setBrush(g);
    p.drawRoundedRect(f, 4, 4);
    p.setPen(destaque ? QColor(Qt::white) : QColor(24, 40, 66));
    p.setFont(Estilo::Fonte(legenda.size() > 1 ? 7.5 : 10, true));
    p.drawText(f, Qt::AlignCenter, legenda);
    p.restore();
}
