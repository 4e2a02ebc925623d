#pragma once
// The main window: the program's hub and start-up object. It hosts the user
// screen over the practice screen on one 800 x 600 panel and renders the two
// models it holds: the user store (the user screen) and the practice
// session (the practice screen). Key presses, clicks and ticks go to the
// models; what they report comes back here to be drawn.
#include "practice/SessaoPratica.h"
#include "results/RegistroProgresso.h"
#include "ui/ReceptorTeclas.h"
#include "users/CadastroUsuarios.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QHash>
#include <QMap>
#include <QPixmap>
#include <QStringList>
#include <QWidget>
#include <array>

class QCheckBox;
class QGraphicsView;
class QLabel;
class QLineEdit;
class QListWidget;
class QTimer;
class Imagem;
class ImagemCamada;
class LinhaTexto;
class PainelDesenhado;

class FrmMain : public QWidget {
    Q_OBJECT
public:
    explicit FrmMain(QWidget* pai = nullptr);
    ~FrmMain() override;

    // The instance in use.
    static FrmMain* Instancia();

    // The two models this window renders.
    CadastroUsuarios usuarios;
    SessaoPratica pratica{usuarios};
    // Writes finished exercises and lessons into the lesson history; built
    // before the window's own connections, so a lesson is recorded before
    // its result window opens.
    RegistroProgresso progresso{pratica, usuarios};

    // ---- start-up and lifecycle ------------------------------------------
    // On a screen that holds less than the 800 x 600 panel, the panel is
    // shown reduced by that factor (below 1). Called before Form_Load.
    void ReduzirPainel(double fator);
    void Form_Load();
    void Form_Activate();
    void Interface();
    void Form_Unload();
    // Another start on the same learner file asked for this window: it
    // comes back from the task bar and to the front, with the window open
    // over it, if any.
    void TrazerParaFrente();
    void CmdFechar_Click();
    void CmdFechar2_Click();
    void FrameTexto_Click();
    void PicInter_Click();
    void PicMenu_Click();
    void PicSeta_Click();
    void PicMenu_MouseMove();
    bool Logado() const;
    // The practice screen (its controls and keyboard pictures) is built on
    // first use: the user screen, which the program starts on, covers it.
    void PrepararPratica();
    bool PraticaPronta() const { return PicMenu != nullptr; }
    // The event the window posts to itself for what waits until a frame is
    // out (a progress save at the end of an exercise).
    static QEvent::Type EventoDepoisDoQuadro() { return QEvent::Type(QEvent::User + 16); }

    // ---- lesson loading ----------------------------------------------------
    void AbrirLicao(int n);
    void AtualizarCaption();

    // ---- navigation --------------------------------------------------------
    void CmdProx2_Click();
    void CmdAnt2_Click();
    void CmdProxExe_Click();
    void CmdAntExe_Click();
    void BotBranco();
    // Esc during practice: the pause window, then what the learner chose.
    void PausarPratica();

    // ---- exercise presentation ---------------------------------------------
    void aplicaLetra2();
    void PintarLabel(QLabel* lbl);
    void Seta_Timer();
    void TrmUnder_Timer();

    // ---- keystroke evaluation ----------------------------------------------
    // repetida: a press repeated by a key held down, never judged.
    void PicSet_KeyDown(int tecla, Qt::KeyboardModifiers shift = Qt::NoModifier, bool repetida = false);
    void Form_KeyDown(int tecla, Qt::KeyboardModifiers shift = Qt::NoModifier, bool repetida = false);

    // ---- keyboard guide ------------------------------------------------------
    void ABNT_ABNT2();
    void ABNT_BR();
    void ABNT_PORTUGUES();
    void ConstruirTeclado(int tipo);
    void FindTheardlanguage();
    void AmarelarTecla();
    QString FormataTecla(int teclas, Qt::KeyboardModifiers m = Qt::NoModifier) const;
    void AplicaLetra(const QString& letras);

    // ---- users and progress ----------------------------------------------------
    void CarregarUsuario();
    void ListUsuario_Click();
    void TxtNome_Change();
    void CmdEntrar_Click();
    void CmdDeletar_Click();
    void CmdLogoff_Click();
    void CmdAdd_Click();
    void CmdPerfil_Click();
    // The Progresso window: the selected learner's on the user screen, the
    // logged-in learner's during practice (F2).
    void CmdProgresso_Click();
    // Practice outside the course, from the Progresso window, the pause
    // window or (the selected learner logging in first) the user screen:
    // a run of the learner's weak keys, or a text of his own. The course
    // waits under it as it stood.
    void Treinar(TipoTreino tipo);
    // Leaves a run outside the course for the course, as it stood.
    void VoltarAoCurso();
    // Shows the password prompt for the selected user; returns SenhaOk.
    bool PedirSenha();
    // Tells the learner something about the files, in a message box.
    void Avisar(const QString& texto);
    void SelecionarUsuario(int indice);

    // ---- options, help, sound, hover -----------------------------------------
    void CmdOpcao_Click();
    void CmdSom_Click();
    void CmdAjuda_Click();
    void CmdAjuda2_Click();
    void PicUsuario_MouseMove();

    // ---- controls (addressed by name, as the other windows do) ----------------
    QWidget* PicFundo = nullptr;
    PainelDesenhado* PicInter = nullptr;
    PainelDesenhado* PicUsuario = nullptr;
    Imagem* PicDedos = nullptr;
    PainelDesenhado* FrameTexto = nullptr;
    QWidget* Picture2 = nullptr;
    PainelDesenhado* PicMenu = nullptr;
    ImagemCamada* PicSeta = nullptr; // lies on PicInter
    ReceptorTeclas* PicSet = nullptr;
    QLabel* Label1 = nullptr;

    // Practice screen.
    QLabel* LblCaption = nullptr;
    LinhaTexto* LblLicao = nullptr; // the running text
    std::array<ImagemCamada*, 5> qLetra{}; // lie on PicInter
    Imagem* Prog = nullptr;
    Imagem* Image2 = nullptr;
    QLabel* Tpm = nullptr;
    QLabel* LblAcertos = nullptr;
    QLabel* LblErros = nullptr;
    QLabel* LblPontos = nullptr;
    // The keyboard of a layout other than ABNT2 (whose keyboard is part of
    // the panel's picture), and over it the red keys, yellow keys and
    // finger rings: pictures lying on PicInter.
    ImagemCamada* ImgTeclado = nullptr;
    QMap<int, ImagemCamada*> TeclaVermelha;
    // "A".."Z", "Ç", "Virgula", "Ponto", "DoisPontos", "Enter", "Space" and
    // "K<code>" for the other keys (NomesAmarelas); each drawn when first lit.
    QMap<QString, ImagemCamada*> Amarelas;
    QHash<int, ImagemCamada*> AmarelasPorTecla; // the same, by key code
    QMap<QString, ImagemCamada*> Dedos;    // "S1".."S5", "D1".."D5"

    // Toolbar.
    Imagem* CmdProxExe = nullptr;
    Imagem* CmdAntExe = nullptr;
    Imagem* CmdProx2 = nullptr;
    Imagem* CmdAnt2 = nullptr;
    Imagem* CmdLogoff = nullptr;
    Imagem* CmdFechar = nullptr;
    Imagem* CmdAjuda = nullptr;
    Imagem* CmdSom = nullptr;
    Imagem* BolProx = nullptr;
    Imagem* BolAnt = nullptr;
    Imagem* BolLog = nullptr;
    Imagem* BolSom = nullptr;
    Imagem* BolAjuda = nullptr;
    Imagem* BolFechar = nullptr;

    // User screen.
    QListWidget* ListUsuario = nullptr;
    QLineEdit* TxtNome = nullptr;
    QLabel* LblUser = nullptr;
    QLineEdit* TxtAluno = nullptr;
    QLineEdit* TxtFase = nullptr;
    QLineEdit* TxtFase2 = nullptr;
    QLineEdit* TxtLicao = nullptr;
    QLineEdit* TxtVelo = nullptr;
    QLineEdit* TxtPre = nullptr;
    QLineEdit* TxtPrePor = nullptr;
    QCheckBox* Livre = nullptr;
    Imagem* PicIcon = nullptr;
    Imagem* CmdEntrar = nullptr;
    Imagem* CmdAdd = nullptr;
    Imagem* CmdDeletar = nullptr;
    Imagem* CmdPerfil = nullptr;
    Imagem* CmdProgresso = nullptr;
    Imagem* CmdCadastrar = nullptr;
    Imagem* CmdOpcao = nullptr;
    Imagem* CmdOpcao2 = nullptr;
    Imagem* CmdAjuda2 = nullptr;
    Imagem* CmdFechar2 = nullptr;
    Imagem* BolEntrar2 = nullptr;
    Imagem* BolAdd2 = nullptr;
    Imagem* BolAjuda2 = nullptr;
    Imagem* BolFechar2 = nullptr;

    // Picture stores. The hover captions are drawn once the first frame is
    // out (or at the first hover, if sooner).
    QPixmap aBranco, aEntrar, aNovoUsuario, ASoml, bSoml, aProx, aAnt, aLog, aSom, aAjuda, aFechar, Aopcao;
    // "TA".."TZ" ("TOO" for O), "TÇ", "TDOISPONTOS", "TPONTO", "TVIRGULA",
    // and the caps of digits, accented letters and symbols once a drill asks.
    QMap<QString, QPixmap> Capas;
    QPixmap CapaBranca;

    // Timers of the window's own animations (the session's timers drive the
    // practice).
    QTimer* TrmUnder = nullptr;
    QTimer* Seta = nullptr;
    // After a while without input the name box's text cursor stops
    // blinking (shown), until the next key, click or mouse move.
    QTimer* RepousoTexto = nullptr;

    // Private flags of the main window.
    bool BuscandoNome = false;
    bool AlterandoNome = false;

signals:
    // The first frame is on screen: what it did not need can be made now.
    void primeiroQuadro();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* obj, QEvent* e) override;
    bool event(QEvent* e) override;

private:
    void criarControles();
    void criarTelaPratica();
    void criarTeclado();
    void criarBarra();
    void criarTelaUsuario();
    void criarLegendas();
    void ligarEventos();
    void ligarEventosPratica();
    void mostrarIntroducao();
    // The arrow bob and the cursor blink run only while the arrow or the
    // running text shows, and rest after a while without keys.
    void atualizarAnimacoes();
    void descarregarDepoisDoQuadro();
    void repousarCursorTexto();
    void despertarCursorTexto();
    // How long the arrow, the running text's cursor and the text cursor keep
    // moving without a key.
    static constexpr qint64 RepousoMs = 10000;
    void ligarModelos();
    struct LinhaBotao;
    void ligarBotoes(const QList<LinhaBotao>& linhas);
    // Draws what the practice session reports as changed.
    void Mostrar(SessaoPratica::Mudancas o);
    void mostrarResultado();
    void mostrarResultadoTreino();
    // The lines of a run of the learner's weak keys (fracasDoTreino set),
    // or none, the learner told why.
    QStringList montarTreinoDasTeclas();
    QList<TeclaFraca> fracasDoTreino;
    QStringList linhasDoTreino;
    void mostrarUsuario(int linha);
    void mostrarLista();
    int codigoDaTecla(QKeyEvent* e) const;
    // F1 (help) and F2 (the Progresso window) on either screen; true when
    // the key was one of them (then it is never judged as typing).
    bool teclaDeComando(const QKeyEvent* k);
    // The yellow image of a key, drawn for the layout in use when first lit.
    ImagemCamada* amarelaDaTecla(int codigo);
    void darFocoPicSet();
    // The exercise as assistive technologies read it, and what is said to
    // them as the practice goes (only while one listens).
    ReceptorTeclas::Leitura leituraPratica() const;
    void anotarAnuncio(SessaoPratica::Mudancas o);
    void anunciarPratica();
    struct {
        QString erro;              // the wrong key, since the last announcement
        bool exercicioFeito = false;
        bool novoExercicio = false;
        bool agendado = false;
    } aAnunciar;

    // The panel as it lies on the window: PicInter, or the view that shows
    // it reduced.
    QWidget* painelNaJanela() const;
    QGraphicsView* vistaReduzida = nullptr;

    bool descarregado = false;
    // The layout the keyboard pictures are drawn in (-1 none yet), and the
    // one asked for.
    int tipoConstruido = -1;
    int tipoPedido = 0;
    bool quadroVisto = false;
    bool gravacaoAgendada = false;
    int piscarNormal = 0; // the cursor flash time while it rests
    QElapsedTimer ultimaTecla;
    // The yellow keys and finger rings lit now.
    QList<ImagemCamada*> amarelasAcesas;
    QList<ImagemCamada*> dedosAcesos;
    // Alt Gr is held (X11 reports no modifier for it, so its press and
    // release are followed).
    bool altGrPressionado = false;
};
