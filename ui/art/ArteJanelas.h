#pragma once
// Pictures of the main window that are not keyboard pictures: the two screen
// backgrounds, toolbar icons and captions, the arrow, the rhythm bar and the
// introduction's finger picture. Everything is drawn at logical pixels.
#include <QList>
#include <QPixmap>
#include <QRect>
#include <QString>

class QPainter;

namespace ArteJanelas {

enum class Icone {
    ExercicioAnterior, ProximoExercicio, LicaoAnterior, ProximaLicao, Logoff, Som, SomDesligado, Ajuda,
    Fechar, Entrar, NovoUsuario, Opcoes
};

// One round button of a toolbar: its icon disc and its caption box, in the
// coordinates of the toolbar.
struct BotaoBarra {
    Icone icone;
    QString legenda;  // empty: icon only
    QRect disco;
    QRect caixaLegenda;
};

// Toolbar of the practice screen and bottom bar of the user screen (800 x 93).
// The sound button shows a speaker, or a muted one while sounds are off.
QList<BotaoBarra> BotoesPratica(bool somLigado = true);
QList<BotaoBarra> BotoesUsuario();
void DesenharBarra(QPainter& p, const QRect& r, const QList<BotaoBarra>& botoes);
void DesenharIcone(QPainter& p, const QRectF& disco, Icone icone);

// The caption size used by every toolbar caption picture.
QSize TamanhoLegenda();

// Backgrounds of the two screens, 800 x 600.
void DesenharFundoPratica(QPainter& p, const QRect& r);
void DesenharFundoUsuario(QPainter& p, const QRect& r);
// The window behind the panel.
void DesenharFundoJanela(QPainter& p, const QRect& r);
// The running-text panel: a white sheet for a panel laid exactly over the
// exercise card of the practice background (6, 36, 788 x 205), inside the
// card's border.
void DesenharPainelTexto(QPainter& p, const QRect& r);

// The bobbing arrow (15 x 8), the rhythm bar strip (222 x 13: blue on its
// left 108 px, light grey on the rest) and the frame drawn over the bar
// (100 x 25, for a place 2 px below the top of the figures strip, whose
// colours it takes where it hides the bar's ends).
QPixmap Seta(qreal dpr);
QPixmap BarraRitmo(qreal dpr);
QPixmap MolduraRitmo(qreal dpr);

// A user's picture beside the profile.
QPixmap Avatar(qreal dpr);
// A small drawn push button picture (for Perfil and Deletar).
QPixmap BotaoTexto(QSize tamanho, const QString& texto, bool destaque, qreal dpr);

// The introduction's title and text, drawn on its picture and read by
// assistive technologies.
QString TituloIntroducao();
QString TextoIntroducao();

// The introduction: the two hands on the home row and which keys each
// finger presses (800 x 507).
void DesenharDedos(QPainter& p, const QRect& r);
}
