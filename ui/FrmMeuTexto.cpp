#include "ui/FrmMeuTexto.h"

#include "app/Servicos.h"
#include "ui/Estilo.h"
#include "ui/Imagem.h"
#include "ui/JanelaResultado.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextDocument>
#include <QTimer>

#include <cmath>
#include <utility>

namespace {

constexpr int Largura = 620;
constexpr int Altura = 480;
constexpr int Esquerda = 20;
constexpr int LarguraUtil = Largura - 2 * Esquerda;
const QRect Instrucao(Esquerda, 44, LarguraUtil, 22);
const QRect CaixaTexto(Esquerda, 68, LarguraUtil, 136);
const QRect BotaoAbrir(Esquerda, 212, 150, 28);
const QRect NotaArquivo(Esquerda + 162, 212, LarguraUtil - 162, 28);
constexpr int LinhaDivisoria = 252;
const QRect TituloPrevia(Esquerda, 258, 220, 22);
const QRect Resumo(Esquerda + 220, 258, LarguraUtil - 220, 22);
// The preview shows this many whole lines; the note on what is left out
// follows it, beside a small warning sign.
const QPoint CaixaPrevia(Esquerda, 282);
constexpr int LinhasPrevia = 7;
const QSize Sinal(15, 15);
constexpr int AlturaFora = 30;
const QRect BotaoPraticar(Largura - Esquerda - 2 * 118 - 8, 432, 118, 28);
const QRect BotaoCancelar(Largura - Esquerda - 118, 432, 118, 28);

// Characters above which the preview waits for a pause in typing.
constexpr int TextoLongo = 20000;

const QString LegendaAbrir = QStringLiteral("Abrir arquivo…");
const QString LegendaPraticar = QStringLiteral("Praticar");
const QString LegendaCancelar = QStringLiteral("Cancelar");


QPlainTextEdit* NovaCaixa(QWidget* pai, const QString& nome, const QString& acessivel, const QRect& r)
{
    auto* c = new QPlainTextEdit(pai);
    c->setObjectName(nome);
    c->setAccessibleName(acessivel);
    c->setGeometry(r);
    c->setFont(Estilo::Fonte(10));
    // Tab leaves the box: the text never needs one (it becomes a space).
    c->setTabChangesFocus(true);
    return c;
}

// Each character as the learner sees it: itself, or its code when it shows
// nothing (a control character, an invisible space).
QStringList Mostraveis(const QString& caracteres)
{
    QStringList r;
    for (qsizetype i = 0; i < caracteres.size(); ++i) {
        const qsizetype n = caracteres.at(i).isHighSurrogate() && i + 1 < caracteres.size() ? 2 : 1;
        const QString c = caracteres.mid(i, n);
        i += n - 1;
        const char32_t u = c.toUcs4().value(0);
        const QChar::Category cat = QChar::category(u);
        const bool invisivel = QChar::isSpace(u) || cat == QChar::Other_Control || cat == QChar::Other_Format
                               || cat == QChar::Other_NotAssigned || cat == QChar::Other_Surrogate
                               || cat == QChar::Other_PrivateUse;
        r << (invisivel ? QStringLiteral("U+%1").arg(uint(u), 4, 16, QLatin1Char('0')).toUpper() : c);
    }
    return r;
}

QString Plural(int n, const QString& um, const QString& varios)
{
    return QString::number(n) + QLatin1Char(' ') + (n == 1 ? um : varios);
}

} // namespace

FrmMeuTexto::FrmMeuTexto(QWidget* pai, int teclado, std::function<bool(const QString&)> cabeNoPainel)
    : JanelaDesenhada(PaiOuPrincipal(pai), QStringLiteral("FrmMeuTexto"), QStringLiteral("Meu texto"),
                      QSize(Largura, Altura))
    , tipoTeclado(teclado)
    , cabe(std::move(cabeNoPainel))
{
    arrastarPeloFundo(true);
    if (!cabe)
        cabe = [](const QString& linha) { return linha.size() <= 52; };

    LblInstrucao = Estilo::Rotulo(this, QStringLiteral("LblInstrucao"), QString(), Instrucao, Qt::AlignLeft | Qt::AlignVCenter, Estilo::Fonte(10, true), Qt::white);
    LblInstrucao->setText(QStringLiteral("Cole aqui um texto seu (Ctrl+V) ou abra um arquivo de texto."));

    TxtTexto = NovaCaixa(this, QStringLiteral("TxtTexto"), QStringLiteral("Seu texto"), CaixaTexto);
    TxtTexto->setPlaceholderText(QStringLiteral("Uma notícia, um capítulo de livro, uma receita…"));
    TxtTexto->installEventFilter(this);
    LblInstrucao->setBuddy(TxtTexto);

    CmdAbrir = new Imagem(this, QStringLiteral("CmdAbrir"));
    FaceBotao::Preparar(CmdAbrir, BotaoAbrir, LegendaAbrir, QStringLiteral("Abrir arquivo de texto"));
    LblArquivo = Estilo::Rotulo(this, QStringLiteral("LblArquivo"), QString(), NotaArquivo, Qt::AlignLeft | Qt::AlignVCenter, Estilo::Fonte(8.5), QColor(225, 238, 252));
    LblArquivo->setText(QStringLiteral("Um arquivo de texto simples (.txt) de até 1 MiB."));

    LblPrevia = Estilo::Rotulo(this, QStringLiteral("LblPrevia"), QString(), TituloPrevia, Qt::AlignLeft | Qt::AlignVCenter, Estilo::Fonte(10, true), Qt::white);
    LblPrevia->setText(QStringLiteral("O que será praticado"));
    LblResumo = Estilo::Rotulo(this, QStringLiteral("LblResumo"), QString(), Resumo, Qt::AlignRight | Qt::AlignVCenter, Estilo::Fonte(9, true), Estilo::Amarelo());

    TxtPrevia = NovaCaixa(this, QStringLiteral("TxtPrevia"), QStringLiteral("O que será praticado"),
                          QRect(CaixaPrevia, QSize(LarguraUtil, 100)));
    TxtPrevia->setReadOnly(true);
    TxtPrevia->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    // One line of the box is one line of the practice screen.
    TxtPrevia->setLineWrapMode(QPlainTextEdit::NoWrap);
    TxtPrevia->setPlaceholderText(QStringLiteral("As linhas do seu texto, prontas para digitar, aparecem aqui."));
    LblPrevia->setBuddy(TxtPrevia);

    {
        // As tall as its lines: no line shows cut in half at the bottom.
        const int linha = qCeil(QFontMetricsF(TxtPrevia->font()).height());
        const int borda = 2 * (1 + 2); // the style sheet's border and padding
        // A scrolled box starts at a line: below the last whole line, only
        // the top margin's worth.
        TxtPrevia->resize(LarguraUtil, LinhasPrevia * linha + qCeil(TxtPrevia->document()->documentMargin()) + borda);
    }
    const int topoFora = TxtPrevia->geometry().bottom() + 5;
    LblFora = Estilo::Rotulo(this, QStringLiteral("LblFora"), QString(), QRect(Esquerda + 24, topoFora, LarguraUtil - 24, AlturaFora), Qt::AlignLeft | Qt::AlignTop, Estilo::Fonte(9), Qt::white);
    LblFora->setWordWrap(true);

    CmdPraticar = new Imagem(this, QStringLiteral("CmdPraticar"));
    FaceBotao::Preparar(CmdPraticar, BotaoPraticar, LegendaPraticar, QStringLiteral("Praticar este texto"));
    CmdPraticar->setToolTip(QStringLiteral("Praticar este texto (Ctrl+Enter)"));
    CmdCancelar = new Imagem(this, QStringLiteral("CmdCancelar"));
    FaceBotao::Preparar(CmdCancelar, BotaoCancelar, LegendaCancelar, QStringLiteral("Cancelar"));
    CmdCancelar->setToolTip(QStringLiteral("Cancelar (Esc)"));

    // A long text (a book's chapters) is cleaned again once typing pauses,
    // not under every key.
    adiado = new QTimer(this);
    adiado->setSingleShot(true);
    adiado->setInterval(250);
    connect(adiado, &QTimer::timeout, this, &FrmMeuTexto::atualizar);
    connect(TxtTexto, &QPlainTextEdit::textChanged, this, [this] {
        if (TxtTexto->document()->characterCount() > TextoLongo)
            adiado->start();
        else
            atualizar();
    });
    connect(CmdAbrir, &Imagem::clicado, this, &FrmMeuTexto::CmdAbrir_Click);
    connect(CmdPraticar, &Imagem::clicado, this, &FrmMeuTexto::CmdPraticar_Click);
    connect(CmdCancelar, &Imagem::clicado, this, &QDialog::reject);

    setTabOrder(TxtTexto, CmdAbrir);
    setTabOrder(CmdAbrir, TxtPrevia);
    setTabOrder(TxtPrevia, CmdPraticar);
    setTabOrder(CmdPraticar, CmdCancelar);
    TxtTexto->setFocus();
    atualizar();
}

std::optional<QStringList> FrmMeuTexto::Escolher(QWidget* pai, int tipoTeclado,
                                                 std::function<bool(const QString&)> cabe)
{
    QPointer<FrmMeuTexto> janela = new FrmMeuTexto(PaiOuPrincipal(pai), tipoTeclado, std::move(cabe));
    if (auto* d = Plataforma().dialogos)
        d->Modal(janela);
    std::optional<QStringList> linhas;
    if (janela && janela->result() == QDialog::Accepted && janela->Praticavel())
        linhas = janela->Limpo().linhas;
    delete janela.data();
    return linhas;
}

void FrmMeuTexto::CmdAbrir_Click()
{
    auto* d = Plataforma().dialogos;
    if (!d)
        return;
    const QString arquivo = d->AbrirArquivo(this, QStringLiteral("Abrir um texto"),
                                            QStringLiteral("Textos (*.txt *.text);;Todos os arquivos (*)"));
    if (!arquivo.isEmpty())
        AbrirArquivo(arquivo);
}

bool FrmMeuTexto::AbrirArquivo(const QString& caminho)
{
    const QString nome = QFileInfo(caminho).fileName();
    QFile f(caminho);
    if (!f.open(QIODevice::ReadOnly)) {
        avisar(QStringLiteral("Não foi possível abrir o arquivo “%1”.").arg(nome), IconeMensagem::Exclamacao);
        return false;
    }
    // One byte more than allowed tells a file that is too large, even one
    // that does not say its size.
    const QByteArray bytes = f.read(MaximoArquivo + 1);
    if (bytes.size() > MaximoArquivo) {
        avisar(QStringLiteral("O arquivo “%1” é grande demais: o limite é de 1 MiB. "
                              "Escolha um texto menor ou cole só um trecho dele.")
                   .arg(nome),
               IconeMensagem::Exclamacao);
        return false;
    }
    if (f.error() != QFileDevice::NoError) {
        avisar(QStringLiteral("Não foi possível ler o arquivo “%1”.").arg(nome), IconeMensagem::Exclamacao);
        return false;
    }
    // A zero byte never appears in a plain text: a picture, a document of
    // a word processor...
    if (bytes.contains('\0')) {
        avisar(QStringLiteral("O arquivo “%1” não é um texto simples. Salve o texto como .txt "
                              "ou copie e cole o trecho que quer praticar.")
                   .arg(nome),
               IconeMensagem::Exclamacao);
        return false;
    }
    TxtTexto->setPlainText(DecodificarTexto(bytes));
    return true;
}

void FrmMeuTexto::CmdPraticar_Click()
{
    if (adiado->isActive())
        atualizar();
    if (Praticavel())
        accept();
}

void FrmMeuTexto::atualizar()
{
    adiado->stop();
    limpo = LimparTexto(TxtTexto->toPlainText(), tipoTeclado, cabe);
    TxtPrevia->setPlainText(limpo.linhas.join(QLatin1Char('\n')));

    const int linhas = int(limpo.linhas.size());
    const int toques = ToquesDasLinhas(limpo.linhas, tipoTeclado);
    QString resumo;
    if (linhas > 0) {
        const double minutos = double(toques) / RitmoEstimado;
        const QString tempo = minutos < 0.5
            ? QStringLiteral("menos de 1 minuto")
            : QStringLiteral("cerca de ") + Plural(qMax(1, int(std::lround(minutos))), QStringLiteral("minuto"),
                                                   QStringLiteral("minutos"));
        resumo = Plural(linhas, QStringLiteral("linha"), QStringLiteral("linhas")) + QStringLiteral(" · ")
                 + Plural(toques, QStringLiteral("toque"), QStringLiteral("toques")) + QStringLiteral(" · ") + tempo;
    } else {
        resumo = QStringLiteral("Nada para praticar ainda");
    }
    LblResumo->setText(resumo);

    QStringList avisos;
    if (limpo.quantosRemovidos > 0)
        avisos << QStringLiteral("Ficam de fora (nenhuma tecla os digita): %1 — %2")
                      .arg(Mostraveis(limpo.removidos).join(QLatin1Char(' ')),
                           Plural(limpo.quantosRemovidos, QStringLiteral("caractere"), QStringLiteral("caracteres")));
    if (limpo.cortado)
        avisos << QStringLiteral("Só as primeiras %1 linhas serão praticadas.").arg(MaximoLinhasTexto);
    LblFora->setText(avisos.join(QLatin1Char('\n')));
    LblFora->setVisible(!avisos.isEmpty());
    TxtPrevia->setAccessibleDescription((QStringList{resumo} + avisos).join(QLatin1Char(' ')));

    const bool podia = CmdPraticar->isEnabled();
    CmdPraticar->setEnabled(Praticavel());
    if (podia && !Praticavel()) {
        // A button lit under the pointer goes dark with the rest of it.
        QEvent saida(QEvent::Leave);
        QCoreApplication::sendEvent(CmdPraticar, &saida);
    }
    update();
}

bool FrmMeuTexto::eventFilter(QObject* obj, QEvent* e)
{
    if (obj == TxtTexto && e->type() == QEvent::KeyPress) {
        const auto* k = static_cast<QKeyEvent*>(e);
        if ((k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) && (k->modifiers() & Qt::ControlModifier)) {
            CmdPraticar_Click();
            return true;
        }
    }
    return JanelaDesenhada::eventFilter(obj, e);
}

void FrmMeuTexto::keyPressEvent(QKeyEvent* e)
{
    // Enter outside the text box (which keeps it for its lines) practises,
    // as a dialog's default button would.
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        CmdPraticar_Click();
        return;
    }
    JanelaDesenhada::keyPressEvent(e);
}

void FrmMeuTexto::desenharFundo(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    const QRect cliente = Estilo::DesenharJanela(p, rect(), titulo);

    // A thin rule between the learner's text and what becomes of it.
    p.setPen(QPen(QColor(255, 255, 255, 70), 1));
    p.drawLine(QPointF(cliente.left() + 12, LinhaDivisoria + 0.5),
               QPointF(cliente.right() - 12, LinhaDivisoria + 0.5));

    if (LblFora->isVisibleTo(this)) {
        // A yellow warning sign beside the note.
        const QRectF s = QRectF(QPointF(Esquerda, LblFora->y() + 1), QSizeF(Sinal)).adjusted(0.5, 0.5, -0.5, -0.5);
        p.setPen(Qt::NoPen);
        p.setBrush(Estilo::Amarelo());
        p.drawEllipse(s);
        p.setPen(Estilo::AzulEscuro());
        p.setFont(Estilo::Fonte(9, true));
        p.drawText(s, Qt::AlignCenter, QStringLiteral("!"));
    }

    FaceBotao::Desenhar(p, BotaoAbrir, LegendaAbrir, FaceBotao::Aspecto::Normal);
    FaceBotao::Desenhar(p, BotaoPraticar, LegendaPraticar,
                        Praticavel() ? FaceBotao::Aspecto::Normal : FaceBotao::Aspecto::Desabilitado);
    FaceBotao::Desenhar(p, BotaoCancelar, LegendaCancelar, FaceBotao::Aspecto::Normal);
}
