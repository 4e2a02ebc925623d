// Every character a text may hold, typed on each keyboard: the tables of
// keystrokes agree with how the X layouts br(abnt2), us(intl) and pt really
// behave (read with libxkbcommon and the Brazilian compose table), every
// character typed through the practice session is a hit, and a wrong
// keystroke in the middle of a character is an error that starts it again.
#include "Treino.h"

#include "app/EstadoCurso.h"
#include "keyboard/Digitacao.h"
#include "keyboard/LeituraTeclas.h"
#include "keyboard/MapaTeclas.h"
#include "keyboard/TeclaFisica.h"

#include <QSignalSpy>
#include <QtTest>

#ifdef TECLOMATIC_XKBCOMMON
#include <xkbcommon/xkbcommon-compose.h>
#include <xkbcommon/xkbcommon.h>
#endif

namespace {

using S = SessaoPratica;
const QList<int> Layouts{Layout::ABNT2, Layout::BR, Layout::Portugues};
const char* NomeLayout(int tipo) { return tipo == Layout::BR ? "BR" : tipo == Layout::Portugues ? "Portugal" : "ABNT2"; }

Contadores Atuais() { return Contadores::Atuais(); }

// A keystroke as a learner reads it off the keyboard: the key's lower
// legend, "Shift+" or "AltGr+" before it where needed.
QString Descrever(const Sequencia& s, int tipo)
{
    QStringList r;
    for (int i = 0; i < s.tamanho; ++i) {
        const Toque& t = s[i];
        const QChar base = NomeDoToque(t.tecla, {}, tipo);
        QString k = base == QLatin1Char(' ') ? QStringLiteral("space")
                  : base == QLatin1Char('\n') ? QStringLiteral("Enter")
                                              : QString(base);
        if (t.nivel == Nivel::Shift || t.maiuscula)
            k.prepend(QStringLiteral("Shift+"));
        if (t.nivel == Nivel::AltGr)
            k.prepend(QStringLiteral("AltGr+"));
        r << k;
    }
    return r.join(QLatin1Char(' '));
}

// A learner on lesson 30 whose module holds `linhas`, with a keyboard.
std::unique_ptr<Treino> Com(const QStringList& linhas, int tipo)
{
    Perfil p;
    p.licao = p.licaoMaxima = 30;
    auto t = std::make_unique<Treino>(QStringList{p.linha()});
    t->escreverModulo(30, linhas);
    Estado().TipoTeclado = qint16(tipo);
    t->entrar();
    return t;
}

#ifdef TECLOMATIC_XKBCOMMON
// One X layout with the Brazilian compose table: what a sequence of
// keystrokes types.
class TecladoX {
public:
    explicit TecladoX(int tipo)
    {
        ctx = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
        const xkb_rule_names nomes{"evdev", tipo == Layout::ABNT2 ? "abnt2" : "pc105",
                                   tipo == Layout::BR ? "us" : tipo == Layout::Portugues ? "pt" : "br",
                                   tipo == Layout::BR ? "intl" : tipo == Layout::ABNT2 ? "abnt2" : "", nullptr};
        mapa = ctx ? xkb_keymap_new_from_names(ctx, &nomes, XKB_KEYMAP_COMPILE_NO_FLAGS) : nullptr;
        estado = mapa ? xkb_state_new(mapa) : nullptr;
        tabela = ctx ? xkb_compose_table_new_from_locale(ctx, "pt_BR.UTF-8", XKB_COMPOSE_COMPILE_NO_FLAGS) : nullptr;
        composicao = tabela ? xkb_compose_state_new(tabela, XKB_COMPOSE_STATE_NO_FLAGS) : nullptr;
        // The X keycode of every place on the grid (the ABNT2 codes are the places).
        for (xkb_keycode_t k = 255; k >= 9; --k)
            if (const int p = CodigoDoKeycodeXkb(k, Layout::ABNT2))
                keycodes.insert(p, k);
    }
    ~TecladoX()
    {
        xkb_compose_state_unref(composicao);
        xkb_compose_table_unref(tabela);
        xkb_state_unref(estado);
        xkb_keymap_unref(mapa);
        xkb_context_unref(ctx);
    }
    bool pronto() const { return composicao != nullptr; }

    // The keysym of one key pressed at a place with modifiers, and what it
    // types alone (no compose).
    xkb_keysym_t simbolo(int posicao, Modificadores m, QString* texto = nullptr)
    {
        segurar(m, XKB_KEY_DOWN);
        const xkb_keycode_t k = keycodes.value(posicao);
        const xkb_keysym_t s = xkb_state_key_get_one_sym(estado, k);
        if (texto) {
            char buf[16] = {};
            xkb_state_key_get_utf8(estado, k, buf, sizeof buf);
            *texto = QString::fromUtf8(buf);
        }
        segurar(m, XKB_KEY_UP);
        return s;
    }

    // What a sequence of keystrokes types, dead keys composed.
    QString digitar(const Sequencia& seq)
    {
        xkb_compose_state_reset(composicao);
        QString r;
        for (int i = 0; i < seq.tamanho; ++i) {
            const Toque& t = seq[i];
            QString sozinho;
            const xkb_keysym_t s =
                simbolo(t.tecla, {t.nivel == Nivel::Shift || t.maiuscula, t.nivel == Nivel::AltGr}, &sozinho);
            xkb_compose_state_feed(composicao, s);
            switch (xkb_compose_state_get_status(composicao)) {
            case XKB_COMPOSE_COMPOSED: {
                char buf[16] = {};
                xkb_compose_state_get_utf8(composicao, buf, sizeof buf);
                r += QString::fromUtf8(buf);
                xkb_compose_state_reset(composicao);
                break;
            }
            case XKB_COMPOSE_NOTHING: r += sozinho; break;
            case XKB_COMPOSE_COMPOSING: break;
            case XKB_COMPOSE_CANCELLED: xkb_compose_state_reset(composicao); break;
            }
        }
        return r;
    }

    static bool morta(xkb_keysym_t s)
    {
        char nome[64] = {};
        xkb_keysym_get_name(s, nome, sizeof nome);
        return QByteArray(nome).startsWith("dead_");
    }

private:
    void segurar(Modificadores m, xkb_key_direction d)
    {
        if (m.shift)
            xkb_state_update_key(estado, 50, d);
        if (m.altGr)
            xkb_state_update_key(estado, 108, d);
    }

    xkb_context* ctx = nullptr;
    xkb_keymap* mapa = nullptr;
    xkb_state* estado = nullptr;
    xkb_compose_table* tabela = nullptr;
    xkb_compose_state* composicao = nullptr;
    QHash<int, xkb_keycode_t> keycodes;
};
#endif

} // namespace

class TstNucleoTeclados : public QObject {
    Q_OBJECT
private slots:
    void init() { Estado() = EstadoCurso(); }

    // ---- the guide in words ------------------------------------------------------

    // Each keystroke of a character, as a screen reader is told it.
    void toquesEmPalavras_data()
    {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<QString>("caractere");
        QTest::addColumn<QStringList>("frases");
        const auto linha = [](int tipo, const char* c, QStringList frases) {
            QTest::addRow("%s %s", NomeLayout(tipo), c) << tipo << QString::fromUtf8(c) << frases;
        };
        using L = QStringList;
        linha(Layout::ABNT2, "f", L{"F, indicador esquerdo"});
        linha(Layout::ABNT2, "F", L{"F maiúscula, indicador esquerdo, com Shift direito"});
        linha(Layout::ABNT2, "j", L{"J, indicador direito"});
        linha(Layout::ABNT2, " ", L{"espaço, polegar direito"});
        linha(Layout::ABNT2, "\n", L{"Enter, mínimo direito"});
        linha(Layout::ABNT2, "á", L{"´ (acento agudo), mínimo direito", "A, mínimo esquerdo"});
        linha(Layout::ABNT2, "ã", L{"~ (til), mínimo direito", "A, mínimo esquerdo"});
        linha(Layout::ABNT2, "Ê", L{"^ (acento circunflexo), mínimo direito, com Shift esquerdo",
                                    "E maiúscula, médio esquerdo, com Shift direito"});
        linha(Layout::ABNT2, ",", L{", (vírgula), médio direito"});
        linha(Layout::ABNT2, "?", L{"? (ponto de interrogação), mínimo direito, com Shift esquerdo"});
        linha(Layout::ABNT2, "1", L{"1, mínimo esquerdo"});
        linha(Layout::ABNT2, "ç", L{"Ç, mínimo direito"});
        linha(Layout::BR, "á", L{"' (acento agudo), mínimo direito", "A, mínimo esquerdo"});
        linha(Layout::Portugues, "@", L{"@ (arroba), anelar esquerdo, com Alt Gr"});
    }

    void toquesEmPalavras()
    {
        QFETCH(int, tipo);
        QFETCH(QString, caractere);
        QFETCH(QStringList, frases);
        const Sequencia s = SequenciaDe(caractere.at(0), tipo);
        QStringList ditas;
        for (int i = 0; i < s.tamanho; ++i)
            ditas << DescreverToque(s[i], tipo);
        QCOMPARE(ditas, frases);
    }

    void dedosEmPalavras()
    {
        QCOMPARE(NomeDoDedo(QStringLiteral("S2")), QStringLiteral("indicador esquerdo"));
        QCOMPARE(NomeDoDedo(QStringLiteral("D1")), QStringLiteral("polegar direito"));
        QCOMPARE(NomeDoDedo(QStringLiteral("X3")), QString());
        QCOMPARE(DescreverToque(Toque(), Layout::ABNT2), QString());
        // The introduction names every letter row key once, by the finger
        // the guide lights for it.
        const QString mapa = DedosEmPalavras();
        QVERIFY2(mapa.startsWith(QStringLiteral("Mão esquerda: mínimo Q, A, Z; anelar W, S, X; médio E, D, C; "
                                                "indicador R, T, F, G, V, B. Mão direita: indicador Y, U, H, J, N, M;")),
                 qPrintable(mapa));
        QVERIFY2(mapa.endsWith(QStringLiteral("mínimo P, Ç, ponto e vírgula. Polegar direito: barra de espaço.")),
                 qPrintable(mapa));
    }

    // ---- the tables ------------------------------------------------------------

    void sequencias_data()
    {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<QString>("caractere");
        QTest::addColumn<QString>("toques");
        const auto linha = [](int tipo, const char* c, const char* toques) {
            QTest::addRow("%s %s", NomeLayout(tipo), c) << tipo << QString::fromUtf8(c) << QString::fromUtf8(toques);
        };
        using L = int;
        // ABNT2: the accents on the two keys right of P and right of Ç.
        linha(L(Layout::ABNT2), "é", "´ E");
        linha(L(Layout::ABNT2), "É", "´ Shift+E");
        linha(L(Layout::ABNT2), "à", "Shift+´ A");
        linha(L(Layout::ABNT2), "â", "Shift+~ A");
        linha(L(Layout::ABNT2), "ã", "~ A");
        linha(L(Layout::ABNT2), "ü", "Shift+6 U");
        linha(L(Layout::ABNT2), "ç", "Ç");
        linha(L(Layout::ABNT2), "?", "Shift+/");
        linha(L(Layout::ABNT2), ":", "Shift+;");
        linha(L(Layout::ABNT2), "\"", "Shift+'");
        linha(L(Layout::ABNT2), "@", "Shift+2");
        linha(L(Layout::ABNT2), "~", "~ space");
        linha(L(Layout::ABNT2), "º", "AltGr+]");
        linha(L(Layout::ABNT2), "\n", "Enter");
        // BR, the US-International arrangement: ' ` ~ ^ " are dead keys.
        linha(L(Layout::BR), "é", "' E");
        linha(L(Layout::BR), "ã", "Shift+` A");
        linha(L(Layout::BR), "ê", "Shift+6 E");
        linha(L(Layout::BR), "ü", "Shift+' U");
        linha(L(Layout::BR), "'", "' space");
        linha(L(Layout::BR), "\"", "Shift+' space");
        linha(L(Layout::BR), ";", ";");
        linha(L(Layout::BR), "?", "Shift+/");
        linha(L(Layout::BR), "ç", "");
        // Portugal: ";" and ":" over the comma and the period, Alt Gr for @.
        linha(L(Layout::Portugues), ";", "Shift+,");
        linha(L(Layout::Portugues), ":", "Shift+.");
        linha(L(Layout::Portugues), "-", "-");
        linha(L(Layout::Portugues), "ç", "Ç");
        linha(L(Layout::Portugues), "ã", "~ A");
        linha(L(Layout::Portugues), "á", "´ A");
        linha(L(Layout::Portugues), "ô", "Shift+~ O");
        linha(L(Layout::Portugues), "?", "Shift+'");
        linha(L(Layout::Portugues), "@", "AltGr+2");
        linha(L(Layout::Portugues), "(", "Shift+8");
        linha(L(Layout::Portugues), "€", "");
    }

    void sequencias()
    {
        QFETCH(int, tipo);
        QFETCH(QString, caractere);
        QFETCH(QString, toques);
        QCOMPARE(Descrever(SequenciaDe(caractere.at(0), tipo), tipo), toques);
    }

    // Everything a Portuguese text needs is typeable on every keyboard (the
    // BR one types "ç" as "c").
    void alfabetoCompleto()
    {
        const QString texto = QStringLiteral("aeiouáéíóúàâêôãõüAEIOUÁÉÍÓÚÀÂÊÔÃÕÜ0123456789?!:-\"'()@/.,;%$#&*+= \n");
        for (int tipo : Layouts)
            for (const QChar c : texto)
                QVERIFY2(Digitavel(c, tipo), qPrintable(QStringLiteral("%1 on %2").arg(c).arg(NomeLayout(tipo))));
        QVERIFY(Digitavel(QChar(u'ç'), Layout::ABNT2));
        QVERIFY(Digitavel(QChar(u'Ç'), Layout::Portugues));
        QVERIFY(!Digitavel(QChar(u'ç'), Layout::BR));
    }

    void tabelasConferemComX_data()
    {
        QTest::addColumn<int>("tipo");
        for (int tipo : Layouts)
            QTest::newRow(NomeLayout(tipo)) << tipo;
    }

    // What the tables say each character takes is what the X layout types
    // with those keystrokes, and every character the X layout engraves at
    // the plain and Shift levels of a key is in the tables at that key.
    void tabelasConferemComX()
    {
#ifndef TECLOMATIC_XKBCOMMON
        QSKIP("built without libxkbcommon");
#else
        QFETCH(int, tipo);
        TecladoX x(tipo);
        if (!x.pronto())
            QSKIP("the X keyboard data or the compose table is not installed");
        for (const QChar c : CaracteresDigitaveis(tipo)) {
            const Sequencia s = SequenciaDe(c, tipo);
            QString esperado(c == QLatin1Char('\n') ? QChar(u'\r') : c);
            const QString digitado = x.digitar(s);
            // X composes the acute and the diaeresis alone as ' and ": the
            // Windows keyboards, and the engraving, give the accent itself.
            if ((c == QChar(u'´') && digitado == QStringLiteral("'"))
                || (c == QChar(u'¨') && digitado == QStringLiteral("\"")))
                continue;
            QVERIFY2(digitado == esperado, qPrintable(QStringLiteral("'%1' as %2 types '%3'")
                                                          .arg(c, Descrever(s, tipo), digitado)));
        }
        for (const Tecla& k : TeclasDoLayout(tipo)) {
            if (k.codigo == 0 || (k.nomeada() && k.codigo != CodigoTecla::Enter))
                continue;
            for (const bool shift : {false, true}) {
                QString sozinho;
                const xkb_keysym_t s = x.simbolo(k.codigo, {shift, false}, &sozinho);
                const QChar nome = NomeDoToque(k.codigo, {shift, false}, tipo);
                const QString onde = QStringLiteral("key %1 (%2)%3").arg(k.codigo).arg(k.cima, shift ? QStringLiteral(" with Shift") : QString());
                if (TecladoX::morta(s)) {
                    QVERIFY2(ToqueDoNome(nome, tipo).morta, qPrintable(onde + QStringLiteral(" is a dead key")));
                    continue;
                }
                if (sozinho.size() != 1 || k.codigo == CodigoTecla::Enter)
                    continue;
                QVERIFY2(!ToqueDoNome(nome, tipo).morta, qPrintable(onde + QStringLiteral(" is not a dead key")));
                const Sequencia seq = SequenciaDe(sozinho.at(0), tipo);
                QVERIFY2(seq.tamanho == 1 && seq[0].tecla == k.codigo,
                         qPrintable(onde + QStringLiteral(" types '%1', the table says %2").arg(sozinho, Descrever(seq, tipo))));
            }
            // The small legend is what Alt Gr types.
            if (k.terceiro.size() == 1) {
                QString sozinho;
                const xkb_keysym_t s = x.simbolo(k.codigo, {false, true}, &sozinho);
                QVERIFY2(TecladoX::morta(s) || sozinho == k.terceiro,
                         qPrintable(QStringLiteral("Alt Gr+%1 types '%2', engraved '%3'").arg(k.cima, sozinho, k.terceiro)));
            }
        }
#endif
    }

    // ---- judging -----------------------------------------------------------------

    // Every character the keyboard types, typed through the practice
    // session with its real keystrokes, is a hit: one hit per keystroke.
    void todoCaractereDigitado_data() { tabelasConferemComX_data(); }
    void todoCaractereDigitado()
    {
        QFETCH(int, tipo);
        QString linha;
        int toques = 0;
        for (const QChar c : CaracteresDigitaveis(tipo)) {
            // "#" is Enter in a lesson; a line neither starts nor ends with a
            // space; no module carries "ÿ" (code 255).
            if (c == QLatin1Char('#') || c == QLatin1Char(' ') || c == QChar(u'ÿ'))
                continue;
            linha += c == QLatin1Char('\n') ? QChar(u'#') : c;
            toques += SequenciaDe(c, tipo).tamanho;
        }
        auto t = Com({linha, QStringLiteral("outra linha")}, tipo);
        QCOMPARE(t->sessao->Licao.size(), linha.size());
        t->digitar(linha);
        QCOMPARE(t->sessao->Modulo.indice, 1);
        QCOMPARE(Atuais(), (Contadores{toques, toques, 0, qint16(100 * toques)}));
    }

    void erroNoMeioDoCaractere()
    {
        auto t = Com({QStringLiteral("é o fim")}, Layout::ABNT2);
        S& s = *t->sessao;
        QSignalSpy julgadas(&s, &S::teclaJulgada);
        t->tecla(219); // the acute: a hit, the é still to finish
        QCOMPARE(s.Licao.size(), 7);
        QCOMPARE(s.ToqueEsperado().tecla, int('E'));
        QCOMPARE(Atuais(), (Contadores{1, 1, 0, 100}));
        t->tecla('A'); // a wrong second key
        QCOMPARE(Atuais(), (Contadores{2, 1, 1, 0}));
        QCOMPARE(s.TeclaVermelha, int('A'));
        QCOMPARE(t->sons(), QStringList{QStringLiteral("erro")});
        // The character starts again from the dead key.
        QCOMPARE(s.ToqueEsperado().tecla, 219);
        t->tecla('E');
        QCOMPARE(Estado().Erros, qint16(2));
        t->digitar(QStringLiteral("é"));
        QCOMPARE(s.Licao, QStringLiteral(" o fim"));
        QCOMPARE(Atuais(), (Contadores{5, 3, 2, 100}));
        // The history hears each keystroke by what it types.
        QCOMPARE(julgadas.size(), 5);
        QCOMPARE(julgadas.at(1).at(0).value<QChar>(), QChar(u'E'));
        QCOMPARE(julgadas.at(1).at(1).toString(), QStringLiteral("A"));
        QCOMPARE(julgadas.at(2).at(0).value<QChar>(), QChar(u'´'));
        QCOMPARE(julgadas.at(2).at(1).toString(), QStringLiteral("E"));
    }

    void shiftEscolheOCaractere_data()
    {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<int>("tecla");
        QTest::addColumn<bool>("shift");
        QTest::addColumn<bool>("acerto");
        QTest::newRow("? without Shift") << 0 << "?" << 193 << false << false;
        QTest::newRow("? with Shift") << 0 << "?" << 193 << true << true;
        QTest::newRow("/ with Shift") << 0 << "/" << 193 << true << false;
        QTest::newRow("1 with Shift") << 0 << "1" << 49 << true << false;
        QTest::newRow("comma with Shift") << 0 << "," << 188 << true << false;
        QTest::newRow("à begins with Shift") << 0 << "à" << 219 << true << true;
        QTest::newRow("á begins without") << 0 << "á" << 219 << true << false;
        QTest::newRow("letter with Shift") << 0 << "a" << 65 << true << true;
        QTest::newRow("capital without") << 0 << "A" << 65 << false << true;
        // Portugal: ";" is Shift and the comma; the key right of the period
        // is the hyphen, and the acute key is no Ç.
        QTest::newRow("PT ; Shift+comma") << 2 << ";" << 188 << true << true;
        QTest::newRow("PT ; hyphen key") << 2 << ";" << 189 << false << false;
        QTest::newRow("PT ç acute key") << 2 << "ç" << 186 << false << false;
        QTest::newRow("PT ç its key") << 2 << "ç" << 192 << false << true;
        QTest::newRow("PT ~ key not ;") << 2 << ";" << 191 << false << false;
    }

    void shiftEscolheOCaractere()
    {
        QFETCH(int, tipo);
        QFETCH(QString, texto);
        QFETCH(int, tecla);
        QFETCH(bool, shift);
        QFETCH(bool, acerto);
        auto t = Com({texto + QStringLiteral(" fim")}, tipo);
        t->tecla(tecla, {shift, false});
        QCOMPARE(Estado().Acertos, qint16(acerto));
        QCOMPARE(Estado().Erros, qint16(!acerto));
    }

    // Alt Gr with the key types the Portuguese @; without it the key is 2.
    void altGr()
    {
        auto t = Com({QStringLiteral("a@b")}, Layout::Portugues);
        t->digitar(QStringLiteral("a"));
        t->tecla(50, {false, false});
        t->tecla(18); // Alt Gr alone is no keystroke
        t->tecla(50, {false, true});
        QCOMPARE(t->sessao->Licao, QStringLiteral("b"));
        QCOMPARE(Atuais(), (Contadores{3, 2, 1, 100}));
    }

    // A character no key of the keyboard types (a lesson edited by hand)
    // is passed by any key instead of stopping the learner.
    void caractereSemTeclaNaoPrende()
    {
        auto t = Com({QStringLiteral("a€b")}, Layout::ABNT2);
        t->digitar(QStringLiteral("a"));
        QVERIFY(!t->sessao->ToqueEsperado().valido());
        t->tecla(49);
        QCOMPARE(t->sessao->Licao, QStringLiteral("b"));
    }
};

QTEST_MAIN(TstNucleoTeclados)
#include "tst_nucleo_teclados.moc"
