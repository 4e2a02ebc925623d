#pragma once
// The main window: the program's hub and start-up object. It hosts the user
// screen over the practice screen on one 800 x 600 panel, owns the state
// controls the other windows operate on (the user records, the open lesson,
// the text still to type) and every timer of the program.
#include <QMap>
#include <QPixmap>
#include <QStringList>
#include <QWidget>
#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QTimer;
class Imagem;
class PainelDesenhado;

// The records of usuario.dat, one per user, with the selected one.
struct ListaUsuarios {
    QStringList itens;
    int indice = -1;
    int ListCount() const { return int(itens.size()); }
    QString Text() const { return indice >= 0 && indice < itens.size() ? itens.at(indice) : QString(); }
};

// The lines (exercises) of the open lesson; the selected one is the current exercise.
struct ListaModulo {
    QStringList linhas;
    int indice = -1;
    int ListCount() const { return int(linhas.size()); }
    QString Text() const { return indice >= 0 && indice < linhas.size() ? linhas.at(indice) : QString(); }
    void Clear() { linhas.clear(); indice = -1; }
};

class FrmMain : public QWidget {
    Q_OBJECT
public:
    explicit FrmMain(QWidget* pai = nullptr);
    ~FrmMain() override;

    // The instance in use (windows reach the main window's controls by name).
    static FrmMain* Instancia();

    // ---- start-up and lifecycle ------------------------------------------
    void Form_Load();
    void Form_Activate();
    void Interface();
    void Form_Unload();
    void CmdFechar_Click();
    void CmdFechar2_Click();
    void FrameTexto_Click();
    void PicInter_Click();
    void PicMenu_Click();
    void PicSeta_Click();
    void PicMenu_MouseMove();
    bool Logado() const;

    // ---- lesson loading ----------------------------------------------------
    void AbrirLicao(int n);
    int VerificarModulo();
    void CarregarMod();
    void CarregarMod2();
    void AtualizarCaption();

    // ---- navigation --------------------------------------------------------
    void CmdProx2_Click();
    void CmdAnt2_Click();
    void CmdProxExe_Click();
    void CmdAntExe_Click();
    void BotBranco();

    // ---- exercise presentation ---------------------------------------------
    void aplicaLetra2();
    void PintarLabel(QLabel* lbl);
    void Seta_Timer();
    void TrmUnder_Timer();
    void TrmRepoem_Timer();

    // ---- keystroke evaluation ----------------------------------------------
    void PicSet_KeyDown(int tecla, Qt::KeyboardModifiers shift = Qt::NoModifier);
    void Form_KeyDown(int tecla, Qt::KeyboardModifiers shift = Qt::NoModifier);
    void TeclaProx(int& tecla);
    void DigCerto(int tecla);
    void TeclaErro(int& tecla);

    // ---- exercise start, timing --------------------------------------------
    void Iniciar(const QString& vModulo);
    void Iniciar2(const QString& vModulo);
    void TrmTpm_Timer();
    void TrmProg_Timer();

    // ---- keyboard guide ------------------------------------------------------
    void ABNT_ABNT2();
    void ABNT_BR();
    void ABNT_PORTUGUES();
    void ConstruirTeclado(int tipo);
    void FindTheardlanguage();
    void AmarelarTecla();
    QString FormataTecla(int teclas) const;
    void AplicaLetra(const QString& letras);

    // ---- users and progress ----------------------------------------------------
    void SalvarProgresso();
    void SalvarUsuario();
    void CarregarUsuario();
    void ListUsuario_Click();
    void TxtNome_Change();
    void CmdEntrar_Click();
    void CmdDeletar_Click();
    void CmdLogoff_Click();
    void CmdAdd_Click();
    void CmdPerfil_Click();
    // Shows the password prompt for the selected user; returns SenhaOk.
    bool PedirSenha();
    void SelecionarUsuario(int indice);
    QString ArquivoUsuarios() const;

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
    Imagem* PicSeta = nullptr;
    QWidget* PicSet = nullptr;
    QLabel* Label1 = nullptr;

    // State controls.
    ListaUsuarios vUsuario;
    ListaModulo Modulo;
    QString Licao;

    // Practice screen.
    QLabel* LblCaption = nullptr;
    std::array<QLabel*, 3> LblLicao{};
    std::array<Imagem*, 5> qLetra{};
    Imagem* Prog = nullptr;
    Imagem* Image2 = nullptr;
    QLabel* Tpm = nullptr;
    QLabel* LblAcertos = nullptr;
    QLabel* LblErros = nullptr;
    QLabel* LblPontos = nullptr;
    Imagem* ImgTeclado = nullptr;
    QMap<int, Imagem*> TeclaVermelha;
    QMap<QString, Imagem*> Amarelas; // "A".."Z", "Ç", "Virgula", "Ponto", "DoisPontos", "Enter", "Space"
    QMap<QString, Imagem*> Dedos;    // "S1".."S5", "D1".."D5"

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
    Imagem* CmdCadastrar = nullptr;
    Imagem* CmdOpcao = nullptr;
    Imagem* CmdOpcao2 = nullptr;
    Imagem* CmdAjuda2 = nullptr;
    Imagem* CmdFechar2 = nullptr;
    Imagem* BolEntrar2 = nullptr;
    Imagem* BolAdd2 = nullptr;
    Imagem* BolAjuda2 = nullptr;
    Imagem* BolFechar2 = nullptr;

    // Picture stores.
    QPixmap aBranco, aEntrar, aNovoUsuario, ASoml, bSoml, aProx, aAnt, aLog, aSom, aAjuda, aFechar, Aopcao;
    QMap<QString, QPixmap> Capas; // "TA".."TZ" ("TOO" for O), "TÇ", "TDOISPONTOS", "TPONTO", "TVIRGULA"
    QPixmap CapaBranca;

    // Timers.
    QTimer* TrmTpm = nullptr;
    QTimer* TrmProg = nullptr;
    QTimer* TrmRepoem = nullptr;
    QTimer* TrmUnder = nullptr;
    QTimer* Seta = nullptr;

    // Private flags of the main window.
    bool Retomar = false;
    bool TeclasBloqueadas = false;
    bool BuscandoNome = false;
    bool AlterandoNome = false;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* obj, QEvent* e) override;

private:
    void criarControles();
    void criarTelaPratica();
    void criarTeclado();
    void criarBarra();
    void criarTelaUsuario();
    void criarFiguras();
    void ligarEventos();
    void fimDeLicao();
    void iniciarComum(bool mostrarCapas);
    void prepararNovoExercicio();
    void mostrarResultado();
    void mudarContador(qint16& valor, int delta, QLabel* rotulo);
    int codigoDaTecla(QKeyEvent* e) const;
    void darFocoPicSet();

    bool descarregado = false;
    int tipoConstruido = -1;
};
