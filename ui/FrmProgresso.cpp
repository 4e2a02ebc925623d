#include "ui/FrmProgresso.h"

#include "app/GravacaoSegura.h"
#include "app/Servicos.h"
#include "app/Som.h"
#include "keyboard/GradeTeclado.h"
#include "results/Historico.h"
#include "results/RegistroProgresso.h"
#include "ui/Estilo.h"
#include "ui/Imagem.h"
#include "ui/JanelaResultado.h"
#include "ui/PainelDesenhado.h"
#include "ui/art/ArteProgresso.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QStandardPaths>
#include <QTableWidget>

namespace {

constexpr int Largura = 780;
constexpr int Altura = 544;
const QRect Grafico(16, 44, 412, 206);
const QRect Tabela(440, 44, 324, 206);
const QRect AreaCalor(16, 288, 510, 200);
const QRect AreaPiores(540, 288, 224, 200);
const QRect BotaoErros(356, 258, 82, 26);
const QRect BotaoTempo(444, 258, 82, 26);
const QRect BotaoExportar(16, 502, 130, 30);
const QRect BotaoTreino(250, 502, 214, 30);
const QRect BotaoMeuTexto(474, 502, 120, 30);
const QRect BotaoFechar(646, 502, 118, 30);

QString Resultado(const LicaoGravada& l)
{
    return QStringLiteral("%1 TPM · %2%").arg(l.tpm).arg(l.porcAcertos);
}

QString Dica(const LicaoGravada& l)
{
    if (l.tipo != int(TipoTreino::Curso))
        return QStringLiteral("%1: %2 TPM, %3% de acertos")
            .arg(l.momento.toString(QStringLiteral("dd/MM/yyyy HH:mm")))
            .arg(l.tpm)
            .arg(l.porcAcertos);
    return QStringLiteral("%1: nota %2, %3 TPM, %4% de acertos%5")
        .arg(l.momento.toString(QStringLiteral("dd/MM/yyyy HH:mm")))
        .arg(l.nota)
        .arg(l.tpm)
        .arg(l.porcAcertos)
        .arg(l.aprovado ? QStringLiteral(", aprovado") : QStringLiteral(", não aprovado"));
}

} // namespace

FrmProgresso::FrmProgresso(QWidget* pai, const QString& nome, Historico* h, int minTpm, int minPrec, int teclado)
    : JanelaDesenhada(PaiOuPrincipal(pai), QStringLiteral("FrmProgresso"),
                      QStringLiteral("Progresso de ") + nome, QSize(Largura, Altura))
    , usuario(nome)
    , historico(h)
    , minimoTpm(minTpm)
    , minimoPrecisao(minPrec)
    , tipoTeclado(Layout::Valido(teclado))
{
    if (historico) {
        licoes = historico->Licoes(usuario);
        lido = historico->LidoPorInteiro();
        teclas = historico->Teclas(usuario);
        lido = lido && historico->LidoPorInteiro();
    }
    for (const LicaoGravada& l : std::as_const(licoes))
        if (l.tipo == int(TipoTreino::Curso))
            licoesDoCurso << l;

    PicGrafico = new PainelDesenhado(this, QStringLiteral("PicGrafico"));
    PicGrafico->setGeometry(Grafico);
    PicGrafico->setAccessibleName(QStringLiteral("Gráfico de velocidade e precisão por lição"));
    PicGrafico->setDesenho([this](QPainter& p, const QRect& r) {
        ArteProgresso::DesenharGrafico(p, r, licoesDoCurso, minimoTpm, minimoPrecisao);
    });

    TabLicoes = new QTableWidget(0, 4, this);
    TabLicoes->setObjectName(QStringLiteral("TabLicoes"));
    TabLicoes->setGeometry(Tabela);
    TabLicoes->setAccessibleName(QStringLiteral("Lições concluídas e treinos"));
    TabLicoes->setHorizontalHeaderLabels({QStringLiteral("Lição"), QStringLiteral("Vezes"), QStringLiteral("Melhor"),
                                          QStringLiteral("Última")});
    TabLicoes->verticalHeader()->hide();
    TabLicoes->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TabLicoes->setSelectionBehavior(QAbstractItemView::SelectRows);
    TabLicoes->setSelectionMode(QAbstractItemView::SingleSelection);
    TabLicoes->setTabKeyNavigation(false);
    TabLicoes->setFont(Estilo::Fonte(9));
    TabLicoes->horizontalHeader()->setFont(Estilo::Fonte(8.5, true));
    TabLicoes->setColumnWidth(0, 54);
    TabLicoes->setColumnWidth(1, 44);
    TabLicoes->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    TabLicoes->horizontalHeader()->setSectionResizeMode(3, QHeaderView::Stretch);
    TabLicoes->verticalHeader()->setDefaultSectionSize(22);
    TabLicoes->installEventFilter(this);
    preencherTabela();

    LblTeclado = new QLabel(this);
    LblTeclado->setObjectName(QStringLiteral("LblTeclado"));
    LblTeclado->setGeometry(16, 260, 336, 24);
    LblTeclado->setFont(Estilo::Fonte(10, true));
    LblTeclado->setStyleSheet(QStringLiteral("QLabel { color: rgb(0,58,128); background: transparent; }"));

    PicCalor = new PainelDesenhado(this, QStringLiteral("PicCalor"));
    PicCalor->setAccessibleName(QStringLiteral("Mapa do teclado por erros ou por tempo"));
    PicCalor->setGeometry(AreaCalor);
    PicCalor->setDesenho([this](QPainter& p, const QRect& r) {
        // By errors the scale runs up to the worst key's rate (at least
        // 5 %), so the key that goes wrong most is always the reddest.
        QMap<QChar, double> calor = ::Calor(teclas, vista);
        double escala = 1.0;
        if (vista == VistaCalor::Erros) {
            escala = 0.05;
            for (double v : std::as_const(calor))
                escala = qMax(escala, v);
            for (double& v : calor)
                v /= escala;
        }
        ArteProgresso::DesenharMapaCalor(p, tipoTeclado, calor);
        // The scale under the keyboard.
        const QRectF barra(r.left() + 150, r.bottom() - 14, 210, 10);
        QLinearGradient g(barra.topLeft(), barra.topRight());
        for (double t : {0.0, 0.5, 1.0})
            g.setColorAt(t, ArteProgresso::CorCalor(t));
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(0, 58, 128, 120), 1));
        p.setBrush(g);
        p.drawRoundedRect(barra, 3, 3);
        p.setFont(Estilo::Fonte(8));
        p.setPen(Estilo::AzulEscuro());
        const bool erros = vista == VistaCalor::Erros;
        p.drawText(QRectF(r.left(), barra.top() - 4, 144, 18), Qt::AlignRight | Qt::AlignVCenter,
                   erros ? QStringLiteral("nenhum erro") : QStringLiteral("mais rápida"));
        p.drawText(QRectF(barra.right() + 6, barra.top() - 4, 150, 18), Qt::AlignLeft | Qt::AlignVCenter,
                   erros ? QStringLiteral("%1% de erros").arg(qRound(escala * 100)) : QStringLiteral("mais lenta"));
    });

    LblPiores = new QLabel(this);
    LblPiores->setObjectName(QStringLiteral("LblPiores"));
    LblPiores->setGeometry(AreaPiores);
    LblPiores->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    LblPiores->setWordWrap(true);
    LblPiores->setTextFormat(Qt::RichText);
    LblPiores->setFont(Estilo::Fonte(9));
    LblPiores->setStyleSheet(QStringLiteral("QLabel { color: rgb(0,58,128); background: white;"
                                            " border: 1px solid rgb(0,58,128); border-radius: 6px; padding: 8px; }"));

    CmdErros = new Imagem(this, QStringLiteral("CmdErros"));
    CmdErros->setGeometry(BotaoErros);
    CmdErros->tornarBotao(QStringLiteral("Mapa por erros"), QStringLiteral("Cada tecla pela sua taxa de erros (E)"));
    CmdTempo = new Imagem(this, QStringLiteral("CmdTempo"));
    CmdTempo->setGeometry(BotaoTempo);
    CmdTempo->tornarBotao(QStringLiteral("Mapa por tempo"), QStringLiteral("Cada tecla pelo seu tempo médio (T)"));
    connect(CmdErros, &Imagem::clicado, this, [this] { MostrarVista(VistaCalor::Erros); });
    connect(CmdTempo, &Imagem::clicado, this, [this] { MostrarVista(VistaCalor::Tempo); });

    CmdExportar = new Imagem(this, QStringLiteral("CmdExportar"));
    FaceBotao::Preparar(CmdExportar, BotaoExportar, QStringLiteral("Exportar CSV"),
                        QStringLiteral("Exportar o histórico como CSV"), true);
    CmdFechar = new Imagem(this, QStringLiteral("CmdFechar"));
    FaceBotao::Preparar(CmdFechar, BotaoFechar, QStringLiteral("Fechar"), QStringLiteral("Fechar"), true);
    // Practice made from this history: the window closes and the main
    // window opens it.
    CmdTreino = new Imagem(this, QStringLiteral("CmdTreino"));
    FaceBotao::Preparar(CmdTreino, BotaoTreino, QStringLiteral("Treino das minhas teclas"),
                        QStringLiteral("Praticar as teclas com mais erros e mais lentas"), true);
    CmdMeuTexto = new Imagem(this, QStringLiteral("CmdMeuTexto"));
    FaceBotao::Preparar(CmdMeuTexto, BotaoMeuTexto, QStringLiteral("Meu texto"),
                        QStringLiteral("Praticar um texto seu"), true);
    for (auto [botao, tipo] : {std::pair{CmdTreino, TipoTreino::MinhasTeclas}, std::pair{CmdMeuTexto, TipoTreino::MeuTexto}})
        connect(botao, &Imagem::clicado, this, [this, tipo] {
            TocarSom(QStringLiteral("bip"));
            escolhido = tipo;
            accept();
        });
    connect(CmdExportar, &Imagem::clicado, this, &FrmProgresso::CmdExportar_Click);
    connect(CmdFechar, &Imagem::clicado, this, [this] {
        TocarSom(QStringLiteral("bip"));
        accept();
    });

    setTabOrder(TabLicoes, CmdErros);
    setTabOrder(CmdErros, CmdTempo);
    setTabOrder(CmdTempo, CmdExportar);
    setTabOrder(CmdExportar, CmdTreino);
    setTabOrder(CmdTreino, CmdMeuTexto);
    setTabOrder(CmdMeuTexto, CmdFechar);
    MostrarVista(VistaCalor::Erros);
}

TipoTreino FrmProgresso::Mostrar(QWidget* pai, const QString& usuario, int minimoTpm, int minimoPrecisao,
                                 int tipoTeclado)
{
    RegistroProgresso* r = RegistroProgresso::Instancia();
    Historico* h = r ? r->Banco() : nullptr;
    FrmProgresso janela(pai, usuario, h, minimoTpm, minimoPrecisao, tipoTeclado);
    auto* d = Plataforma().dialogos;
    if (!d)
        return TipoTreino::Curso;
    // Part of a history is never shown as the whole of it. A read that met
    // damage has set the file aside, and that is what the learner is told.
    if (!janela.lido) {
        if (h->Separado().isEmpty())
            d->Mensagem(pai, QStringLiteral("Teclomatic"), h->Erro(), IconeMensagem::Exclamacao);
        else
            r->AvisarHistoricoSeparado();
        return TipoTreino::Curso;
    }
    d->Modal(&janela);
    return janela.Escolhido();
}

void FrmProgresso::preencherTabela()
{
    // The course's lessons, then one row for each kind of practice outside
    // it, in italics.
    const QList<ResumoLicao> resumo = ResumirLicoes(licoes);
    QList<ResumoLicao> linhas = resumo;
    QStringList nomes;
    for (const ResumoLicao& r : resumo)
        nomes << QString::number(r.licao);
    for (auto [tipo, nome] : {std::pair{TipoTreino::MinhasTeclas, QStringLiteral("Teclas")},
                              std::pair{TipoTreino::MeuTexto, QStringLiteral("Texto")}}) {
        const QList<ResumoLicao> r = ResumirLicoes(licoes, tipo);
        if (!r.isEmpty()) {
            linhas << r.first();
            nomes << nome;
        }
    }
    TabLicoes->setRowCount(int(linhas.size()));
    for (int i = 0; i < linhas.size(); ++i) {
        const ResumoLicao& r = linhas.at(i);
        const bool treino = i >= resumo.size();
        const QStringList textos = {nomes.at(i), QString::number(r.tentativas), Resultado(r.melhor),
                                    Resultado(r.ultima)};
        for (int c = 0; c < 4; ++c) {
            auto* item = new QTableWidgetItem(textos.at(c));
            item->setTextAlignment(c < 2 ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
            if (c == 2)
                item->setToolTip(Dica(r.melhor));
            if (c == 3)
                item->setToolTip(Dica(r.ultima));
            if (c >= 2 && (c == 2 ? r.melhor : r.ultima).aprovado)
                item->setForeground(QColor(22, 128, 60));
            if (treino) {
                QFont f = item->font();
                f.setItalic(true);
                item->setFont(f);
                item->setBackground(QColor(236, 243, 252));
                if (c == 0)
                    item->setToolTip(NomeDoTreino(TipoTreino(r.melhor.tipo)));
                else if (c >= 2)
                    item->setToolTip(Dica(c == 2 ? r.melhor : r.ultima));
            }
            TabLicoes->setItem(i, c, item);
        }
    }
    if (!resumo.isEmpty())
        TabLicoes->selectRow(int(resumo.size()) - 1);
}

QList<TeclaDificil> FrmProgresso::Piores() const
{
    // A key typed only once or twice says little about the learner.
    return vista == VistaCalor::Erros ? PioresTeclas(teclas, 5, 3) : MaisLentas(teclas, 5, 3);
}

void FrmProgresso::mostrarPiores()
{
    const QList<TeclaDificil> lista = Piores();
    QString html = vista == VistaCalor::Erros ? QStringLiteral("<b>Teclas com mais erros</b>")
                                              : QStringLiteral("<b>Teclas mais lentas</b>");
    html += QStringLiteral("<table cellspacing='0' cellpadding='2'>");
    for (const TeclaDificil& t : lista) {
        const QString nome = NomeCaractere(t.caractere).toHtmlEscaped();
        QString detalhe;
        if (vista == VistaCalor::Erros)
            detalhe = QStringLiteral("%1% de erros<br><span style='color:#b02020'>%2</span>")
                          .arg(qRound(t.contagem.taxaErro() * 100))
                          .arg(t.textoTroca().toHtmlEscaped());
        else
            detalhe = QStringLiteral("%1 ms em média").arg(qRound(t.contagem.msMedio()));
        html += QStringLiteral("<tr><td style='font-size:13pt; font-weight:bold; padding-right:8px'>%1</td>"
                               "<td>%2</td></tr>")
                    .arg(nome, detalhe);
    }
    html += QStringLiteral("</table>");
    if (lista.isEmpty())
        html += QStringLiteral("<p>%1</p>").arg(teclas.isEmpty() ? QStringLiteral("Ainda não há teclas registradas.")
                                                                 : QStringLiteral("Nenhuma tecla se destaca."));
    LblPiores->setText(html);
}

void FrmProgresso::MostrarVista(VistaCalor v)
{
    vista = v;
    const bool erros = v == VistaCalor::Erros;
    using A = FaceBotao::Aspecto;
    CmdErros->setPicture(FaceBotao::Figura(BotaoErros.size(), QStringLiteral("Erros"), erros ? A::Realce : A::Normal));
    CmdTempo->setPicture(FaceBotao::Figura(BotaoTempo.size(), QStringLiteral("Tempo"), erros ? A::Normal : A::Realce));
    LblTeclado->setText(QStringLiteral("Mapa de %1 — teclado %2")
                            .arg(erros ? QStringLiteral("erros") : QStringLiteral("tempo"),
                                 QString::fromLatin1(Layout::Nome(tipoTeclado))));
    PicCalor->invalidarFundo();
    PicCalor->update();
    mostrarPiores();
}

QString FrmProgresso::ArquivoCsv() const
{
    QString pasta = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (pasta.isEmpty())
        pasta = QDir::homePath();
    QString nome = usuario;
    static const QString proibidos = QStringLiteral("/\\:*?\"<>|");
    for (QChar& c : nome)
        if (proibidos.contains(c) || c.unicode() < 32)
            c = u'_';
    return QDir(pasta).filePath(QStringLiteral("Teclomatic - histórico de %1.csv").arg(nome));
}

void FrmProgresso::CmdExportar_Click()
{
    TocarSom(QStringLiteral("bip"));
    if (!historico) {
        avisar(QStringLiteral("O histórico de lições não pôde ser aberto; não há o que exportar."),
               IconeMensagem::Exclamacao);
        return;
    }
    const QString destino = ArquivoCsv();
    const QString csv = historico->Csv(usuario);
    ResultadoGravacao r;
    if (!historico->LidoPorInteiro()) {
        r.motivo = historico->Erro();
    } else {
        QDir().mkpath(QFileInfo(destino).absolutePath());
        // With a byte order mark, spreadsheets read the accents right.
        r = GravarArquivo(destino, "\xEF\xBB\xBF" + csv.toUtf8());
    }
    if (r)
        avisar(QStringLiteral("O histórico foi exportado para:\r\n%1").arg(QDir::toNativeSeparators(destino)),
               IconeMensagem::Informacao);
    else
        avisar(QStringLiteral("Não foi possível exportar o histórico para %1: %2")
                   .arg(QDir::toNativeSeparators(destino), r.motivo),
               IconeMensagem::Exclamacao);
}

bool FrmProgresso::teclaDaJanela(QKeyEvent* e)
{
    const bool simples = !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (simples && e->key() == Qt::Key_E) {
        MostrarVista(VistaCalor::Erros);
        return true;
    }
    if (simples && e->key() == Qt::Key_T) {
        MostrarVista(VistaCalor::Tempo);
        return true;
    }
    if (e->key() == Qt::Key_Escape) {
        accept();
        return true;
    }
    return false;
}

void FrmProgresso::keyPressEvent(QKeyEvent* e)
{
    if (!teclaDaJanela(e))
        JanelaDesenhada::keyPressEvent(e);
}

bool FrmProgresso::eventFilter(QObject* obj, QEvent* e)
{
    if (obj == TabLicoes && e->type() == QEvent::KeyPress && teclaDaJanela(static_cast<QKeyEvent*>(e)))
        return true;
    return JanelaDesenhada::eventFilter(obj, e);
}

void FrmProgresso::showEvent(QShowEvent* e)
{
    JanelaDesenhada::showEvent(e);
    (TabLicoes->rowCount() > 0 ? static_cast<QWidget*>(TabLicoes) : CmdFechar)->setFocus(Qt::OtherFocusReason);
}
