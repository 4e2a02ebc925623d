// The main window's keyboard guide: painting the on-screen keyboard in a
// layout, the yellow key and lit finger, the big key caps of a drill.
#include "ui/FrmMain.h"

#include "app/EstadoCurso.h"
#include "app/Servicos.h"
#include "keyboard/GradeTeclado.h"
#include "keyboard/MapaTeclas.h"
#include "keyboard/gui/ArteTeclado.h"
#include "ui/CamadaImagens.h"
#include "ui/Estilo.h"
#include "ui/Imagem.h"
#include "ui/Twips.h"

namespace {
const QStringList NomesCapas = {
    QStringLiteral("TA"), QStringLiteral("TB"), QStringLiteral("TC"), QStringLiteral("TD"), QStringLiteral("TE"),
    QStringLiteral("TF"), QStringLiteral("TG"), QStringLiteral("TH"), QStringLiteral("TI"), QStringLiteral("TJ"),
    QStringLiteral("TK"), QStringLiteral("TL"), QStringLiteral("TM"), QStringLiteral("TN"), QStringLiteral("TOO"),
    QStringLiteral("TP"), QStringLiteral("TQ"), QStringLiteral("TR"), QStringLiteral("TS"), QStringLiteral("TT"),
    QStringLiteral("TU"), QStringLiteral("TV"), QStringLiteral("TW"), QStringLiteral("TX"), QStringLiteral("TY"),
    QStringLiteral("TZ"), QStringLiteral("TÇ"), QStringLiteral("TDOISPONTOS"), QStringLiteral("TPONTO"),
    QStringLiteral("TVIRGULA")};
}

// Repaints every layout-dependent slot: the big key caps, the yellow keys,
// the red keys (with the two that move in the BR layout) and the keyboard
// picture over the background. Leaving BR puts back the ABNT2 pictures of
// the cedilla and Shift red keys as well.
void FrmMain::ConstruirTeclado(int tipo)
{
    if (tipo < 0 || tipo > 2)
        return; // any other value leaves the keyboard as it is
    // The pictures are drawn once, for the layout in use, when the practice
    // screen is built.
    tipoPedido = tipo;
    if (!PraticaPronta() || tipo == tipoConstruido)
        return;
    tipoConstruido = tipo;
    switch (tipo) {
    case 0: ABNT_ABNT2(); break;
    case 1: ABNT_BR(); break;
    case 2: ABNT_PORTUGUES(); break;
    default: break; // any other value leaves the keyboard as it is
    }
}

namespace {
void pintarLayout(FrmMain& w, int tipo)
{
    const qreal dpr = Estilo::Dpr();
    for (const QString& nome : NomesCapas)
        w.Capas.insert(nome, ArteTeclado::Capa(nome, tipo, dpr));
    // The yellow keys are drawn again when next lit; those lit now at once.
    for (auto it = w.Amarelas.begin(); it != w.Amarelas.end(); ++it) {
        it.value()->setGeometry(Twips::Pixels(TeclaAmarelaDoLayout(it.key(), tipo).twips));
        it.value()->setPicture(it.value()->isHidden() ? QPixmap() : ArteTeclado::TeclaAmarela(it.key(), tipo, dpr));
    }
    for (auto it = w.TeclaVermelha.begin(); it != w.TeclaVermelha.end(); ++it) {
        it.value()->setGeometry(Twips::Pixels(RetanguloVermelha(it.key(), tipo)));
        it.value()->setPicture(ArteTeclado::TeclaVermelha(it.key(), tipo, dpr));
    }
    w.ImgTeclado->setPicture(tipo == 0 ? QPixmap() : ArteTeclado::Teclado(tipo, dpr));
    // The ABNT2 keyboard is part of the background: the empty picture stays
    // hidden, out of the repaints under every key.
    w.ImgTeclado->setVisible(tipo != 0);
}
}

void FrmMain::ABNT_ABNT2() { pintarLayout(*this, 0); }
void FrmMain::ABNT_BR() { pintarLayout(*this, 1); }
void FrmMain::ABNT_PORTUGUES() { pintarLayout(*this, 2); }

void FrmMain::FindTheardlanguage()
{
    if (auto* t = Plataforma().tecladoSistema)
        Estado().TecladoSistema = qint16(t->Proposta());
}

ImagemCamada* FrmMain::amarelaDaTecla(int codigo)
{
    ImagemCamada* img = AmarelasPorTecla.value(codigo);
    if (img && !img->temPicture())
        img->setPicture(ArteTeclado::TeclaAmarela(img->objectName(), tipoConstruido, Estilo::Dpr()));
    return img;
}

void FrmMain::AmarelarTecla()
{
    PrepararPratica();
    const Guia guia = GuiaDoToque(pratica.ToqueEsperado());
    QList<ImagemCamada*> amarelas, dedos;
    for (int i = 0; i < 2; ++i) {
        if (guia.teclas[i])
            if (ImagemCamada* a = amarelaDaTecla(guia.teclas[i]))
                amarelas << a;
        if (ImagemCamada* d = Dedos.value(guia.dedos[i]))
            dedos << d;
    }
    // Only what changes is hidden or shown, so a key that lights the same
    // keys and fingers again repaints nothing.
    auto acender = [](QList<ImagemCamada*>& acesas, const QList<ImagemCamada*>& novas) {
        for (ImagemCamada* i : std::as_const(acesas))
            if (!novas.contains(i))
                i->hide();
        for (ImagemCamada* i : novas)
            if (i->isHidden())
                i->show();
        acesas = novas;
    };
    acender(amarelasAcesas, amarelas);
    acender(dedosAcesos, dedos);
}

QString FrmMain::FormataTecla(int teclas, Qt::KeyboardModifiers m) const
{
    return ::FormataTecla(teclas, Estado().TipoTeclado,
                          Modificadores{m.testFlag(Qt::ShiftModifier), m.testFlag(Qt::GroupSwitchModifier)});
}

void FrmMain::AplicaLetra(const QString& letras)
{
    PrepararPratica();
    for (int i = 0; i < 4; ++i) {
        const QString nome = NomeCapa(letras.mid(i, 1));
        if (nome.isEmpty())
            continue;
        // The caps of the old alphabet are drawn with the layout; any other
        // the first time a drill shows it.
        if (!Capas.contains(nome)) {
            const QPixmap capa = ArteTeclado::Capa(nome, tipoConstruido, Estilo::Dpr());
            if (capa.isNull())
                continue;
            Capas.insert(nome, capa);
        }
        qLetra[i]->setPicture(Capas.value(nome));
    }
}
