#include "ui/FrmAjuda.h"

#include "app/Servicos.h"
#include "ui/Estilo.h"
#include "ui/Imagem.h"
#include "ui/JanelaResultado.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
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
#include <QTextFrame>
#include <QVBoxLayout>
#include <QWindow>

namespace {
constexpr int FaixaTitulo = 32;  // the drawn title strip
constexpr int Borda = 6;         // the edge band that resizes the window
const QSize TamanhoNavegador(150, 22);
QPointer<FrmAjuda> janelaAjuda;
const QSize Padrao(900, 700);
const QSize Minimo(420, 300);

// The end of the parenthesis or brace block opened at "abre" (the index of
// its opening character), or -1.
qsizetype FimDoBloco(const QString& t, qsizetype abre)
{
    const QChar a = t.at(abre);
    const QChar f = a == QLatin1Char('(') ? QLatin1Char(')') : QLatin1Char('}');
    int nivel = 0;
    for (qsizetype i = abre; i < t.size(); ++i) {
        if (t.at(i) == a)
            ++nivel;
        else if (t.at(i) == f && --nivel == 0)
            return i;
    }
    return -1;
}

// The text engine draws no box behind a block that holds blocks: the
// page's header band would show as a strip behind each line of its title.
// It becomes a one-cell table of the band's colour, its lines in white.
QString FaixaDoCabecalho(const QString& html)
{
    static const QRegularExpression cabecalho(QStringLiteral("<header>(.*?)</header>"),
                                              QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression azul(QStringLiteral("--azul-escuro\\s*:\\s*([^;]+);"));
    const QRegularExpressionMatch m = cabecalho.match(html);
    if (!m.hasMatch())
        return html;
    const QRegularExpressionMatch cor = azul.match(html);
    QString dentro = m.captured(1);
    dentro.replace(QLatin1String("<h1>"), QLatin1String("<h1 style=\"color: #ffffff; margin: 0;\">"));
    dentro.replace(QLatin1String("<p>"), QLatin1String("<p style=\"color: #ffffff; margin: 6px 0 0 0;\">"));
    QString r = html;
    r.replace(m.capturedStart(), m.capturedLength(),
              QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"24\" bgcolor=\"%1\""
                             " style=\"background-color: %1; border: none; margin: 0;\"><tr><td bgcolor=\"%1\""
                             " style=\"background-color: %1; border: none; padding: 24px;\">%2</td></tr></table>")
                  .arg(cor.hasMatch() ? cor.captured(1).trimmed() : QStringLiteral("rgb(0, 97, 187)"), dentro));
    return r;
}

// The page's style in the subset the text engine reads (it drops the whole
// sheet at the first rule it cannot parse): custom properties
// (":root { --name: value }") written out where var(--name) uses them,
// gradients as their first colour, sizes in rem (which it does not know,
// and so left the sub-headings smaller than the text) in pixels of a 16 px
// root, no @media blocks.
QString AdaptarEstilo(const QString& html)
{
    static const QRegularExpression raiz(QStringLiteral(":root\\s*\\{([^}]*)\\}"));
    static const QRegularExpression declaracao(QStringLiteral("--([\\w-]+)\\s*:\\s*([^;]+);"));
    static const QRegularExpression uso(QStringLiteral("var\\(\\s*--([\\w-]+)\\s*\\)"));
    QString r = html;
    const QRegularExpressionMatch m = raiz.match(r);
    if (m.hasMatch()) {
        QHash<QString, QString> valores;
        for (const auto& d : declaracao.globalMatch(m.captured(1)))
            valores.insert(d.captured(1), d.captured(2).trimmed());
        r.remove(m.capturedStart(), m.capturedLength());
        QString s;
        qsizetype de = 0;
        for (const auto& u : uso.globalMatch(r)) {
            s += QStringView(r).mid(de, u.capturedStart() - de);
            s += valores.value(u.captured(1), u.captured(0));
            de = u.capturedEnd();
        }
        s += QStringView(r).mid(de);
        r = s;
    }
    const qsizetype fimEstilo = r.indexOf(QLatin1String("</style>"));
    for (qsizetype i = r.indexOf(QLatin1String("linear-gradient(")); i >= 0 && i < fimEstilo;
         i = r.indexOf(QLatin1String("linear-gradient("), i + 1)) {
        const qsizetype abre = i + QLatin1String("linear-gradient").size();
        const qsizetype fecha = FimDoBloco(r, abre);
        if (fecha < 0)
            break;
        // The arguments split at top-level commas: [direction,] colour, colour...
        QStringList args;
        int nivel = 0;
        qsizetype inicio = abre + 1;
        for (qsizetype k = abre + 1; k <= fecha; ++k) {
            const QChar c = r.at(k);
            if (c == QLatin1Char('('))
                ++nivel;
            else if (c == QLatin1Char(')') && nivel > 0)
                --nivel;
            else if ((c == QLatin1Char(',') && nivel == 0) || k == fecha) {
                args << r.mid(inicio, k - inicio).trimmed();
                inicio = k + 1;
            }
        }
        const bool direcao = !args.isEmpty()
                             && (args.first().startsWith(QLatin1String("to ")) || args.first().endsWith(QLatin1String("deg")));
        const QString parada = args.value(direcao ? 1 : 0); // "colour [position]"
        const qsizetype fimFuncao = parada.indexOf(QLatin1Char(')'));
        const QString cor = fimFuncao >= 0 ? parada.left(fimFuncao + 1) : parada.section(QLatin1Char(' '), 0, 0);
        r.replace(i, fecha + 1 - i, cor);
    }
    static const QRegularExpression rem(QStringLiteral("(\\d*\\.?\\d+)rem\\b"));
    const qsizetype fimDoEstilo = r.indexOf(QLatin1String("</style>"));
    QString comPixels;
    qsizetype ate = 0;
    for (const auto& m : rem.globalMatch(QStringView(r).left(qMax<qsizetype>(fimDoEstilo, 0)))) {
        comPixels += QStringView(r).mid(ate, m.capturedStart() - ate);
        comPixels += QString::number(qRound(m.captured(1).toDouble() * 16)) + QStringLiteral("px");
        ate = m.capturedEnd();
    }
    comPixels += QStringView(r).mid(ate);
    r = comPixels;
    for (qsizetype i = r.indexOf(QLatin1String("@media")); i >= 0 && i < r.indexOf(QLatin1String("</style>"));
         i = r.indexOf(QLatin1String("@media"), i)) {
        const qsizetype abre = r.indexOf(QLatin1Char('{'), i);
        const qsizetype fecha = abre < 0 ? -1 : FimDoBloco(r, abre);
        if (fecha < 0)
            break;
        r.remove(i, fecha + 1 - i);
    }
    return r;
}

// The page's sectioning elements (header, nav, section...) as divisions of
// that class, selectors included: the text engine lays out and paints the
// background of divisions only.
QString SecoesComoDivisoes(const QString& html)
{
    static const QString nomes = QStringLiteral("header|main|nav|section|article|aside|footer|figure|figcaption");
    static const QRegularExpression seletor(QStringLiteral("(?<![\\w.#-])(") + nomes + QStringLiteral(")(?![\\w-])"));
    static const QRegularExpression abertura(QStringLiteral("<(") + nomes + QStringLiteral(")\\b([^>]*)>"));
    static const QRegularExpression fechamento(QStringLiteral("</(") + nomes + QStringLiteral(")\\s*>"));
    static const QRegularExpression classe(QStringLiteral("\\bclass\\s*=\\s*\"([^\"]*)\""));

    // Selectors: the text before each "{" of the style sheet.
    QString r = html;
    const qsizetype inicioEstilo = r.indexOf(QLatin1String("<style"));
    const qsizetype fimEstilo = r.indexOf(QLatin1String("</style>"));
    if (inicioEstilo >= 0 && fimEstilo > inicioEstilo) {
        const QString css = r.mid(inicioEstilo, fimEstilo - inicioEstilo);
        QString novo;
        qsizetype de = 0;
        for (qsizetype abre = css.indexOf(QLatin1Char('{')); abre >= 0; abre = css.indexOf(QLatin1Char('{'), de)) {
            const qsizetype inicioSeletor = std::max(css.lastIndexOf(QLatin1Char('}'), abre), css.lastIndexOf(QLatin1Char('>'), abre)) + 1;
            const qsizetype fecha = css.indexOf(QLatin1Char('}'), abre);
            if (fecha < 0 || inicioSeletor < de)
                break;
            novo += QStringView(css).mid(de, inicioSeletor - de);
            novo += css.mid(inicioSeletor, abre - inicioSeletor).replace(seletor, QStringLiteral("div.\\1"));
            novo += QStringView(css).mid(abre, fecha + 1 - abre);
            de = fecha + 1;
        }
        novo += QStringView(css).mid(de);
        r.replace(inicioEstilo, fimEstilo - inicioEstilo, novo);
    }

    QString s;
    qsizetype de = 0;
    for (const auto& m : abertura.globalMatch(r)) {
        s += QStringView(r).mid(de, m.capturedStart() - de);
        QString atributos = m.captured(2);
        const QRegularExpressionMatch c = classe.match(atributos);
        if (c.hasMatch())
            atributos.replace(c.capturedStart(1), c.capturedLength(1), m.captured(1) + QLatin1Char(' ') + c.captured(1));
        else
            atributos += QStringLiteral(" class=\"") + m.captured(1) + QLatin1Char('"');
        s += QStringLiteral("<div") + atributos + QLatin1Char('>');
        de = m.capturedEnd();
    }
    s += QStringView(r).mid(de);
    return s.replace(fechamento, QStringLiteral("</div>"));
}

// A CSS declaration block as SVG presentation attributes; the "font"
// shorthand ("bold 15px Family, fallback") split into its properties.
QString ComoAtributos(const QString& declaracoes)
{
    static const QRegularExpression palavra(
        QStringLiteral("^(bold|bolder|normal|italic|oblique|\\d+(?:\\.\\d+)?(?:px)?)\\s+"));
    QString atributos;
    const auto mais = [&atributos](const QString& nome, QString valor) {
        if (nome == QLatin1String("font-size") && valor.endsWith(QLatin1String("px")))
            valor.chop(2);
        if (nome == QLatin1String("font-family")) {
            // The first family only, unquoted: the renderer takes one name.
            valor = valor.section(QLatin1Char(','), 0, 0).trimmed();
            valor.remove(QLatin1Char('"'));
            valor.remove(QLatin1Char('\''));
        }
        atributos += QStringLiteral(" %1=\"%2\"").arg(nome, valor.toHtmlEscaped());
    };
    for (const QString& d : declaracoes.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString nome = d.section(QLatin1Char(':'), 0, 0).trimmed();
        QString valor = d.section(QLatin1Char(':'), 1).trimmed();
        if (nome.isEmpty() || valor.isEmpty())
            continue;
        if (nome != QLatin1String("font")) {
            mais(nome, valor);
            continue;
        }
        for (QRegularExpressionMatch p = palavra.match(valor); p.hasMatch(); p = palavra.match(valor)) {
            const QString w = p.captured(1);
            if (w == QLatin1String("italic") || w == QLatin1String("oblique"))
                mais(QStringLiteral("font-style"), w);
            else if (w.endsWith(QLatin1String("px")))
                mais(QStringLiteral("font-size"), w);
            else if (w != QLatin1String("normal")) // bold, bolder or a weight number
                mais(QStringLiteral("font-weight"), w);
            valor = valor.mid(p.capturedLength());
        }
        mais(QStringLiteral("font-family"), valor);
    }
    return atributos;
}

// The page's rules for the elements inside its figures ("svg .class {...}"):
// class name -> presentation attributes.
QHash<QString, QString> EstiloDasFiguras(const QString& html)
{
    static const QRegularExpression regra(QStringLiteral("svg\\s+\\.([\\w-]+)\\s*\\{([^}]*)\\}"));
    QHash<QString, QString> r;
    for (const auto& m : regra.globalMatch(html))
        r[m.captured(1)] += ComoAtributos(m.captured(2));
    return r;
}

// The figure's elements with the attributes of their classes (the renderer
// reads no style sheet of the page).
QString AplicarClasses(const QString& svg, const QHash<QString, QString>& classes)
{
    static const QRegularExpression elemento(QStringLiteral("<(\\w+)(\\s[^>]*?)?\\bclass\\s*=\\s*\"([^\"]*)\""));
    QString r;
    qsizetype de = 0;
    for (const auto& m : elemento.globalMatch(svg)) {
        QString extra;
        for (const QString& c : m.captured(3).split(QLatin1Char(' '), Qt::SkipEmptyParts))
            extra += classes.value(c);
        r += QStringView(svg).mid(de, m.capturedEnd() - de);
        r += extra;
        de = m.capturedEnd();
    }
    r += QStringView(svg).mid(de);
    return r;
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
    Texto->setAccessibleName(QStringLiteral("Texto da ajuda"));
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

    CmdNavegador = new Imagem(this, QStringLiteral("CmdNavegador"));
    FaceBotao::Preparar(CmdNavegador, QRect(QPoint(0, 0), TamanhoNavegador), QStringLiteral("Abrir no navegador"),
                        QStringLiteral("Abrir a ajuda no navegador"), true);
    CmdNavegador->setFocusPolicy(Qt::NoFocus);
    connect(CmdNavegador, &Imagem::clicado, this, &FrmAjuda::CmdNavegador_Click);

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
    if (!janelaAjuda)
        janelaAjuda = new FrmAjuda(PaiOuPrincipal(nullptr));
    FrmAjuda* janela = janelaAjuda;
    if (!janela->Carregar(caminhoArquivo))
        return nullptr;
    janela->show();
    janela->raise();
    janela->activateWindow();
    janela->Texto->setFocus(Qt::OtherFocusReason);
    return janela;
}

FrmAjuda* FrmAjuda::Aberta()
{
    return janelaAjuda && janelaAjuda->isVisible() ? janelaAjuda.data() : nullptr;
}

void FrmAjuda::CmdNavegador_Click()
{
    auto* d = Plataforma().documentos;
    if (!d || !d->Abrir(caminho))
        avisar(QStringLiteral("Não foi possível abrir a ajuda no navegador. Ela continua aqui, nesta janela."),
               IconeMensagem::Exclamacao);
}

bool FrmAjuda::Carregar(const QString& caminhoArquivo)
{
    QFile f(caminhoArquivo);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    caminho = caminhoArquivo;
    const QString original = QString::fromUtf8(f.readAll());
    const QString html = FaixaDoCabecalho(AdaptarEstilo(original));
    const QHash<QString, QString> estilo = EstiloDasFiguras(html);
    const qreal dpr = std::max<qreal>(devicePixelRatioF(), Estilo::Dpr());

    QTextDocument* doc = Texto->document();
    doc->clear();
    // The text engine sizes headings from the document's own font, never
    // from the style sheet: that font takes the page's body size, so the
    // sub-headings stand above the text as in a browser.
    static const QRegularExpression corpo(QStringLiteral("body\\s*\\{[^}]*?font-size\\s*:\\s*(\\d+)px"));
    QFont base = doc->defaultFont();
    base.setPixelSize(qMax(1, corpo.match(html).hasMatch() ? corpo.match(html).captured(1).toInt() : 16));
    doc->setDefaultFont(base);
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
        const QString fonte = QStringLiteral("<svg") + abertura + QLatin1Char('>')
                              + AplicarClasses(m.captured(2), estilo) + QStringLiteral("</svg>");
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
        // In a paragraph of its own at single line height: the page's
        // line spacing would otherwise stretch the figure's line.
        pagina += QStringLiteral("<p style=\"line-height: 100%; margin: 0;\"><img src=\"%1\" width=\"%2\" "
                                 "height=\"%3\" alt=\"%4\"></p>")
                      .arg(nome)
                      .arg(largura)
                      .arg(altura)
                      .arg(alt.toHtmlEscaped());
    }
    pagina += QStringView(html).mid(de);

    // Pictures beside the page (the windows, photographed at twice their
    // size) are scaled here, smoothly, to the width the page gives them at
    // the screen's pixel ratio: the text engine would neither find them nor
    // scale them but pixel by pixel.
    static const QRegularExpression img(QStringLiteral("<img\\b([^>]*)>"), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression src(QStringLiteral("\\bsrc\\s*=\\s*\"([^\":]+)\""));
    static const QRegularExpression largura(QStringLiteral("\\bwidth\\s*=\\s*\"(\\d+)\""));
    const QDir pasta = QFileInfo(caminhoArquivo).absoluteDir();
    QString comImagens;
    de = 0;
    for (const auto& m : img.globalMatch(pagina)) {
        const QString arquivo = src.match(m.captured(1)).captured(1);
        if (arquivo.isEmpty())
            continue; // a figure drawn above
        QImage foto(pasta.filePath(arquivo));
        if (foto.isNull())
            continue; // the text engine shows its alternative text
        const int w = largura.match(m.captured(1)).hasMatch() ? largura.match(m.captured(1)).captured(1).toInt()
                                                               : foto.width();
        const int h = qRound(w * qreal(foto.height()) / foto.width());
        foto = foto.scaled(QSize(qCeil(w * dpr), qCeil(h * dpr)), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        foto.setDevicePixelRatio(dpr);
        const QString nome = QStringLiteral("figura:%1").arg(figuras.size() + 1);
        doc->addResource(QTextDocument::ImageResource, QUrl(nome), foto);
        figuras << nome;
        QString atributos = m.captured(1);
        atributos.replace(src, QStringLiteral("src=\"%1\"").arg(nome));
        comImagens += QStringView(pagina).mid(de, m.capturedStart() - de);
        // A paragraph of its own at single line height, as the figures above.
        comImagens += QStringLiteral("<p style=\"line-height: 100%; margin: 0;\"><img") + atributos
                      + QStringLiteral("></p>");
        de = m.capturedEnd();
    }
    comImagens += QStringView(pagina).mid(de);
    pagina = comImagens;

    Texto->setHtml(SecoesComoDivisoes(pagina));
    // The text engine paints backgrounds block by block, leaving the margins
    // between blocks in the page's colour: on a white page the white
    // sections show no stripes.
    QTextFrameFormat pagFormato = doc->rootFrame()->frameFormat();
    pagFormato.setBackground(Qt::white);
    doc->rootFrame()->setFrameFormat(pagFormato);
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
    // The close button at the right of the title strip, the browser's
    // button before it.
    const QSize lado(22, 22);
    CmdFechar->setGeometry(QRect(QPoint(width() - lado.width() - 8, (FaixaTitulo - lado.height()) / 2 + 1), lado));
    CmdNavegador->move(CmdFechar->x() - TamanhoNavegador.width() - 10, CmdFechar->y());
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
