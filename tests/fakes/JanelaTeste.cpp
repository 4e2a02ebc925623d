#include "JanelaTeste.h"

#include "Treino.h"

#include "app/EstadoCurso.h"
#include "course/ModFun.h"
#include "ui/FrmLogin.h"

#include <QLineEdit>
#include <QStringEncoder>

JanelaTeste::JanelaTeste(const QStringList& usuarios, bool comModulos)
    : JanelaTeste(usuarios, comModulos, Preparo())
{
}

JanelaTeste::JanelaTeste(const QStringList& usuarios, bool comModulos, const Preparo& antes)
{
    if (comModulos)
        amb.copiarModulos();
    if (!usuarios.isEmpty()) {
        QStringEncoder enc("windows-1252");
        QByteArray bytes;
        for (const QString& u : usuarios)
            bytes += QByteArray(enc.encode(u)) + "\r\n";
        amb.escrever(QStringLiteral("usuario.dat"), bytes);
    }
    if (antes)
        antes(amb);
    iniciar();
}

void JanelaTeste::iniciar()
{
    janela = std::make_unique<FrmMain>();
    janela->Form_Load();
}

void JanelaTeste::reiniciar()
{
    janela->close();
    janela.reset();
    ReiniciarEstado();
    iniciar();
}

JanelaTeste::~JanelaTeste()
{
    janela.reset();
}

void JanelaTeste::responderSenha(const QString& senha)
{
    amb.dialogos.respostas << [senha](QDialog* d) {
        if (auto* login = qobject_cast<FrmLogin*>(d)) {
            login->TxtSenha->setText(senha);
            login->CmdOk_Click();
        }
    };
}

void JanelaTeste::entrar(const QString& senha)
{
    responderSenha(senha);
    janela->CmdEntrar_Click();
}

void JanelaTeste::tecla(int codigo, Qt::KeyboardModifiers m)
{
    janela->PicSet_KeyDown(codigo, m);
}

void JanelaTeste::digitar(const QString& texto)
{
    for (const ToqueDeTeste& t : ToquesDoTexto(texto, Estado().TipoTeclado)) {
        Qt::KeyboardModifiers m;
        if (t.m.shift)
            m |= Qt::ShiftModifier;
        if (t.m.altGr)
            m |= Qt::GroupSwitchModifier;
        tecla(t.codigo, m);
        // Let the five key caps come back as the timer would.
        while (janela->pratica.TeclasBloqueadas)
            janela->pratica.TrmRepoem_Timer();
    }
}

void JanelaTeste::completarExercicio()
{
    digitar(janela->pratica.Licao);
}

QStringList JanelaTeste::usuariosNoDisco() const
{
    // A progress save waits for the frame after the key; that frame is out.
    if (janela)
        janela->usuarios.Descarregar();
    QStringList linhas;
    LerArquivo(amb.caminho(QStringLiteral("usuario.dat")), linhas, true);
    return linhas;
}

void AlterarCampo(FrmMain& w, int campo, const QString& valor)
{
    CadastroUsuarios& u = w.usuarios;
    const int i = u.Selecionado();
    if (i < 0 || i >= u.ListCount())
        return;
    QStringList campos = u.vUsuario.at(i).split(u'<');
    while (campos.size() < campo)
        campos << QString();
    campos[campo - 1] = valor;
    u.vUsuario[i] = campos.join(u'<');
    u.ListUsuario_Click();
}
