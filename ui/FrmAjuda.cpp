#include "ui/FrmAjuda.h"

#include "app/Servicos.h"
#include "ui/Estilo.h"
#include "ui/Imagem.h"

#include <QDesktopServices>
#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QRegularExpression>
#include <QScreen>
#include <QSvgRenderer>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <QWindow>

namespace {
constexpr int FaixaTitulo = 32;  // the drawn title strip
constexpr int Borda = 6;         // the edge band that resizes the window
const QSize Padrao(900, 700);
const QSize Minimo(420, 300);

// The page's custom properties (":root { --name: value }") written out
// where var(--name) uses them: the text engine knows none.
QString ResolverVariaveis(const QString& html)
{
    static const QRegularExpression raiz(QStringLiteral(":root\\s*\\{([^}]*)\\}"));
    static const QRegularExpression declaracao(QStringLiteral("--([\\w-]+)\\s*:\\s*([^;]+);"));
    static const QRegularExpression uso(QStringLiteral("var\\(\\s*--([\\w-]+)\\s*\\)"));
    const QRegularExpressionMatch m = raiz.match(html);
    if (!m.hasMatch())
        return html;
    QHash<QString, QString> valores;
    for (const auto& d : declaracao.globalMatch(m.captured(1)))
        valores.insert(d.captured(1), d.captured(2).trimmed());
    QString r;
    qsizetype de = 0;
    for (const auto& u : uso.globalMatch(html)) {
        r += QStringView(html).mid(de, u.capturedStart() - de);
        r += valores.value(u.captured(1), u.captured(0));
        de = u.capturedEnd();
    }
    r += QStringView(html).mid(de);
    return r;
}

// "font: bold 15px Family, fallback" as the separate properties the SVG
// renderer reads.
QString ExpandirFonte(const QString& declaracoes)
{
    static const QRegularExpression fonte(QStringLiteral("(^|;)\\s*font\\s*:\\s*([^;]+)"));
    QString r = declaracoes;
    const QRegularExpressionMatch m = fonte.match(r);
    if (!m.hasMatch())
        return r;
    QString resto = m.captured(2).trimmed();
    QStringList partes;
    static const QRegularExpression palavra(QStringLiteral("^(bold|bolder|normal|italic|oblique|\\d+(?:\\.\\d+)?(?:px|pt)?)\\s+"));
    for (QRegularExpressionMatch p = palavra.match(resto); p.hasMatch(); p = palavra.match(resto)) {
        const QString w = p.captured(1);
        if (w == QLatin1String("italic") || w == QLatin1String("oblique"))
            partes << QStringLiteral("font-style: ") + w;
        else if (w.endsWith(QLatin1String("px")) || w.endsWith(QLatin1String("pt")))
            partes << QStringLiteral("font-size: ") + w;
        else if (w != QLatin1String("normal"))
            partes << QStringLiteral("font-weight: ") + w;
        resto = resto.mid(p.capturedLength());
    }
    // The first family only, unquoted: the SVG renderer takes one name.
    QString familia = resto.section(QLatin1Char(','), 0, 0).trimmed();
    familia.remove(QLatin1Char('"'));
    familia.remove(QLatin1Char('\''));
    partes << QStringLiteral("font-family: ") + familia;
    const qsizetype inicio = m.capturedStart(0) + m.captured(1).size();
    r.replace(inicio, m.capturedEnd(0) - inicio, QStringLiteral(" ") + partes.join(QStringLiteral("; ")));
    return r;
}

// The page's rules for the elements inside its figures ("svg .class {...}"),
// as a style sheet for one figure.
QString EstiloDasFiguras(const QString& html)
{
    static const QRegularExpression regra(QStringLiteral("svg\\s+(\\.[\\w-]+)\\s*\\{([^}]*)\\}"));
    QString css;
    for (const auto& m : regra.globalMatch(html))
        css += m.captured(1) + QStringLiteral(" { ") + ExpandirFonte(m.captured(2).trimmed()) + QStringLiteral(" }\n");
    return css;
}

// The width the page's style gives a figure of this class, or 0.
int LarguraDaClasse(const QString& html, const QString& classe)
{
    if (classe.isEmpty())
        return 0;
    const QRegularExpression regra(QStringLiteral("(?:^|[\\s}])\\.") + QRegularExpression::escape(classe)
                                   + QStringLiteral("\\s*\\{[^}]*?(?:^|[;{\\s])width\\s*:\\s*(\\d+)px"));
    const QRegularExpressionMatch m = regra.match(html);
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

QString Escapar(QString t)
{
    return t.toHtmlEscaped();
}
}

FrmAjuda::FrmAjuda(QWidget* pai)
    : JanelaDesenhada(pai, QStringLiteral("FrmAjuda"), QStringLiteral("Ajuda do Teclomatic"), Padrao)
{
    // A window of its own beside the program, resizable.
    setModal(false);
    setWindowModality(Qt::NonModal);
    setMinimumSize(Minimo);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    setWindowFlag(Qt::WindowMinMaxButtonsHint, true);

    Texto = new QTextBrowser(this);
    Texto->setObjectName(QStringLiteral("Texto"));
    Texto->setOpenLinks(false);
    Texto->setOpenExternalLinks(false);
    Texto->setFrameShape(QFrame::NoFrame);
    Texto->setStyleSheet(QStringLiteral(
        "QTextBrowser { background: white; border: 1px solid rgb(0,58,128); border-radius: 4px; }"
        "QTextBrowser:focus { border: 2px solid rgb(255,214,10); }"));
    connect(Texto, &QTextBrowser::anchorClicked, this, &FrmAjuda::IrPara);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, FaixaTitulo + 8, 10, 10);
    layout->addWidget(Texto);

    CmdFechar = new Imagem(this, QStringLiteral("CmdFechar"));
    CmdFechar->tornarBotao(QStringLiteral("Fechar"), QStringLiteral("Fechar (Esc)"));
    CmdFechar->setFocusPolicy(Qt::NoFocus);
    connect(CmdFechar, &Imagem::clicado, this, &QDialog::reject);

    // The default size, within the screen.
    if (QScreen* tela = pai ? pai->screen() : QGuiApplication::primaryScreen()) {
        const QRect area = tela->availableGeometry();
        const QSize tamanho = Padrao.boundedTo(area.size() * 0.9).expandedTo(Minimo);
        resize(tamanho);
        QRect r(QPoint(0, 0), tamanho);
        r.moveCenter(area.center());
        move(r.topLeft());
    }
}

FrmAjuda* FrmAjuda::Mostrar(const QString& caminhoArquivo)
{
    static QPointer<FrmAjuda> janela;
    if (!janela)
        janela = new FrmAjuda(PaiOuPrincipal(nullptr));
    if (!janela->Carregar(caminhoArquivo))
        return nullptr;
    janela->show();
    janela->raise();
    janela->activateWindow();
    janela->Texto->setFocus(Qt::OtherFocusReason);
    return janela;
}

bool FrmAjuda::Carregar(const QString& caminhoArquivo)
{
    QFile f(caminhoArquivo);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QString original = QString::fromUtf8(f.readAll());
    const QString html = ResolverVariaveis(original);
    const QString estilo = EstiloDasFiguras(html);
    const qreal dpr = std::max<qreal>(devicePixelRatioF(), Estilo::Dpr());

    QTextDocument* doc = Texto->document();
    doc->clear();
    figuras.clear();

    // Each inline figure becomes an image the text engine can show.
    static const QRegularExpression svg(QStringLiteral("<svg\\b([^>]*)>(.*?)</svg>"),
                                        QRegularExpression::DotMatchesEverythingOption
                                            | QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression classe(QStringLiteral("\\bclass\\s*=\\s*\"([^\"]*)\""));
    static const QRegularExpression tituloSvg(QStringLiteral("<title[^>]*>(.*?)</title>"),
                                              QRegularExpression::DotMatchesEverythingOption);
    QString pagina;
    qsizetype de = 0;
    for (const auto& m : svg.globalMatch(html)) {
        pagina += QStringView(html).mid(de, m.capturedStart() - de);
        de = m.capturedEnd();

        QString abertura = m.captured(1);
        if (!abertura.contains(QLatin1String("xmlns=")))
            abertura += QStringLiteral(" xmlns=\"http://www.w3.org/2000/svg\"");
        const QString fonte = QStringLiteral("<svg") + abertura + QStringLiteral("><style type=\"text/css\">")
                              + estilo + QStringLiteral("</style>") + m.captured(2) + QStringLiteral("</svg>");
        QSvgRenderer desenho(fonte.toUtf8());
        const QSize natural = desenho.defaultSize();
        if (!desenho.isValid() || natural.isEmpty())
            continue; // a figure that cannot be drawn leaves its caption alone

        const QString cls = classe.match(m.captured(1)).captured(1).section(QLatin1Char(' '), 0, 0);
        const int largura = LarguraDaClasse(html, cls) > 0 ? LarguraDaClasse(html, cls) : natural.width();
        const int altura = qRound(largura * qreal(natural.height()) / natural.width());
        QImage imagem(QSize(qCeil(largura * dpr), qCeil(altura * dpr)), QImage::Format_ARGB32_Premultiplied);
        imagem.fill(Qt::transparent);
        {
            QPainter p(&imagem);
            p.setRenderHint(QPainter::Antialiasing);
            p.setRenderHint(QPainter::TextAntialiasing);
            desenho.render(&p);
        }
        imagem.setDevicePixelRatio(dpr);

        const QString nome = QStringLiteral("figura:%1").arg(figuras.size() + 1);
        doc->addResource(QTextDocument::ImageResource, QUrl(nome), imagem);
        figuras << nome;
        const QString alt = tituloSvg.match(m.captured(2)).captured(1).trimmed();
        pagina += QStringLiteral("<img src=\"%1\" width=\"%2\" height=\"%3\" alt=\"%4\">")
                      .arg(nome)
                      .arg(largura)
                      .arg(altura)
                      .arg(Escapar(alt));
    }
    pagina += QStringView(html).mid(de);

    Texto->setHtml(pagina);
    return true;
}

void FrmAjuda::IrPara(const QUrl& link)
{
    const QString esquema = link.scheme().toLower();
    if (esquema.isEmpty() || esquema == QLatin1String("file")) {
        if (link.hasFragment())
            Texto->scrollToAnchor(link.fragment());
        return;
    }
    if (esquema == QLatin1String("http") || esquema == QLatin1String("https") || esquema == QLatin1String("mailto"))
        QDesktopServices::openUrl(link);
}

Qt::Edges FrmAjuda::bordasEm(QPoint pos) const
{
    Qt::Edges b;
    if (pos.x() < Borda)
        b |= Qt::LeftEdge;
    if (pos.x() >= width() - Borda)
        b |= Qt::RightEdge;
    if (pos.y() < Borda)
        b |= Qt::TopEdge;
    if (pos.y() >= height() - Borda)
        b |= Qt::BottomEdge;
    return b;
}

void FrmAjuda::mousePressEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton)
        return JanelaDesenhada::mousePressEvent(e);
    const QPoint pos = e->position().toPoint();
    const Qt::Edges bordas = bordasEm(pos);
    if (bordas) {
        QWindow* w = windowHandle();
        if (!w || !w->startSystemResize(bordas)) {
            redimensionando = bordas;
            inicioCursor = e->globalPosition().toPoint();
            inicioGeometria = geometry();
        }
        return;
    }
    if (pos.y() < FaixaTitulo)
        if (auto* a = Plataforma().arrastar)
            a->MoverForm(this);
}

void FrmAjuda::mouseMoveEvent(QMouseEvent* e)
{
    if (redimensionando) {
        const QPoint d = e->globalPosition().toPoint() - inicioCursor;
        QRect g = inicioGeometria;
        if (redimensionando & Qt::LeftEdge)
            g.setLeft(std::min(g.left() + d.x(), g.right() - minimumWidth()));
        if (redimensionando & Qt::RightEdge)
            g.setRight(std::max(g.right() + d.x(), g.left() + minimumWidth()));
        if (redimensionando & Qt::TopEdge)
            g.setTop(std::min(g.top() + d.y(), g.bottom() - minimumHeight()));
        if (redimensionando & Qt::BottomEdge)
            g.setBottom(std::max(g.bottom() + d.y(), g.top() + minimumHeight()));
        setGeometry(g);
        return;
    }
    const Qt::Edges b = bordasEm(e->position().toPoint());
    if (b == (Qt::LeftEdge | Qt::TopEdge) || b == (Qt::RightEdge | Qt::BottomEdge))
        setCursor(Qt::SizeFDiagCursor);
    else if (b == (Qt::RightEdge | Qt::TopEdge) || b == (Qt::LeftEdge | Qt::BottomEdge))
        setCursor(Qt::SizeBDiagCursor);
    else if (b & (Qt::LeftEdge | Qt::RightEdge))
        setCursor(Qt::SizeHorCursor);
    else if (b & (Qt::TopEdge | Qt::BottomEdge))
        setCursor(Qt::SizeVerCursor);
    else
        unsetCursor();
}

void FrmAjuda::mouseReleaseEvent(QMouseEvent* e)
{
    redimensionando = {};
    JanelaDesenhada::mouseReleaseEvent(e);
}

void FrmAjuda::resizeEvent(QResizeEvent* e)
{
    JanelaDesenhada::resizeEvent(e);
    // The close button at the right of the title strip.
    const QSize lado(22, 22);
    CmdFechar->setGeometry(QRect(QPoint(width() - lado.width() - 8, (FaixaTitulo - lado.height()) / 2 + 1), lado));
    CmdFechar->setPicture(Estilo::Renderizar(lado, [&](QPainter& p) {
        const QRectF r(QPointF(0, 0), QSizeF(lado));
        p.setPen(QPen(QColor(255, 255, 255, 110), 1));
        p.setBrush(QColor(255, 255, 255, 30));
        p.drawEllipse(r.adjusted(1, 1, -1, -1));
        p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
        const qreal d = 5;
        p.drawLine(r.center() + QPointF(-d, -d), r.center() + QPointF(d, d));
        p.drawLine(r.center() + QPointF(-d, d), r.center() + QPointF(d, -d));
    }));
}
