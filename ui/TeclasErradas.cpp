#include "ui/TeclasErradas.h"

#include "ui/Acessibilidade.h"
#include "ui/Estilo.h"
#include "ui/art/ArteProgresso.h"

#include <QPainter>

TeclasErradas::TeclasErradas(QWidget* pai)
    : QWidget(pai)
{
    setObjectName(QStringLiteral("PicTeclasErradas"));
    Acessibilidade::DefinirPapel(this, QAccessible::StaticText);
    setAccessibleName(QStringLiteral("Teclas com mais erros"));
    setAttribute(Qt::WA_TranslucentBackground);
}

void TeclasErradas::Definir(const QList<TeclaDificil>& lista)
{
    teclas = lista;
    QStringList partes;
    for (const TeclaDificil& t : teclas)
        partes << QStringLiteral("%1, %2 erros").arg(NomeCaractere(t.caractere)).arg(t.contagem.erros);
    setAccessibleName(teclas.isEmpty() ? semErros.chopped(semErros.endsWith(u'.') ? 1 : 0)
                                       : QStringLiteral("Teclas com mais erros: ") + partes.join(QStringLiteral("; ")));
    update();
}

void TeclasErradas::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(Estilo::AzulEscuro(), 1));
    p.setBrush(Estilo::Painel());
    p.drawRoundedRect(r, 6, 6);
    p.setFont(Estilo::Fonte(9));
    p.setPen(Estilo::AzulTexto());
    const QRectF texto(12, 0, 170, height());
    if (teclas.isEmpty()) {
        p.drawText(texto.adjusted(0, 0, 300, 0), Qt::AlignVCenter | Qt::AlignLeft, semErros);
        return;
    }
    p.drawText(texto, Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("Teclas com mais erros:"));
    qreal x = 158;
    const qreal altura = height() - 8;
    for (const TeclaDificil& t : teclas) {
        const QString legenda = NomeCaractere(t.caractere);
        const qreal largura = legenda.size() > 1 ? 52 : altura + 2;
        ArteProgresso::DesenharTeclinha(p, QRectF(x, 4, largura, altura), legenda, true);
        p.setPen(Estilo::AzulTexto());
        p.setFont(Estilo::Fonte(8.5, true));
        const QString n = QStringLiteral("× %1").arg(t.contagem.erros);
        p.drawText(QRectF(x + largura + 4, 0, 40, height()), Qt::AlignVCenter | Qt::AlignLeft, n);
        x += largura + 4 + 44;
    }
}
