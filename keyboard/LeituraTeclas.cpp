#include "keyboard/LeituraTeclas.h"

#include <QHash>

QString NomeDoDedo(const QString& dedo)
{
    static const char* const nomes[5] = {"polegar", "indicador", "médio", "anelar", "mínimo"};
    if (dedo.size() != 2 || (dedo[0] != u'S' && dedo[0] != u'D') || dedo[1] < u'1' || dedo[1] > u'5')
        return QString();
    return QString::fromUtf8(nomes[dedo[1].unicode() - u'1'])
        + (dedo[0] == u'S' ? QStringLiteral(" esquerdo") : QStringLiteral(" direito"));
}

namespace {
QString nomeDoAcento(Acento a)
{
    switch (a) {
    case Acento::Agudo: return QStringLiteral("acento agudo");
    case Acento::Grave: return QStringLiteral("acento grave");
    case Acento::Circunflexo: return QStringLiteral("acento circunflexo");
    case Acento::Til: return QStringLiteral("til");
    case Acento::Trema: return QStringLiteral("trema");
    }
    return QString();
}
}

QString NomeFalado(const Toque& t, int tipoTeclado)
{
    const QChar c = t.nome;
    if (t.morta)
        for (const TeclaMorta& m : TeclasMortas(tipoTeclado))
            if (m.codigo == t.tecla && m.nivel == t.nivel)
                return QString(c) + QStringLiteral(" (") + nomeDoAcento(m.acento) + u')';
    if (c == u' ')
        return QStringLiteral("espaço");
    if (c == u'\n')
        return QStringLiteral("Enter");
    if (c.isLetter())
        return t.maiuscula ? QString(c) + QStringLiteral(" maiúscula") : QString(c);
    if (c.isDigit())
        return QString(c);
    static const QHash<QChar, QString> sinais = {
        {u'´', QStringLiteral("acento agudo")}, {u'`', QStringLiteral("acento grave")},
        {u'^', QStringLiteral("circunflexo")}, {u'~', QStringLiteral("til")},
        {u'¨', QStringLiteral("trema")}, {u',', QStringLiteral("vírgula")}, {u'.', QStringLiteral("ponto")},
        {u';', QStringLiteral("ponto e vírgula")}, {u':', QStringLiteral("dois-pontos")},
        {u'?', QStringLiteral("ponto de interrogação")}, {u'!', QStringLiteral("ponto de exclamação")},
        {u'-', QStringLiteral("hífen")}, {u'_', QStringLiteral("sublinhado")},
        {u'\'', QStringLiteral("apóstrofo")}, {u'"', QStringLiteral("aspas")},
        {u'(', QStringLiteral("abre parênteses")}, {u')', QStringLiteral("fecha parênteses")},
        {u'[', QStringLiteral("abre colchetes")}, {u']', QStringLiteral("fecha colchetes")},
        {u'{', QStringLiteral("abre chaves")}, {u'}', QStringLiteral("fecha chaves")},
        {u'<', QStringLiteral("menor que")}, {u'>', QStringLiteral("maior que")},
        {u'«', QStringLiteral("abre aspas angulares")}, {u'»', QStringLiteral("fecha aspas angulares")},
        {u'/', QStringLiteral("barra")}, {u'\\', QStringLiteral("barra invertida")},
        {u'|', QStringLiteral("barra vertical")}, {u'@', QStringLiteral("arroba")},
        {u'#', QStringLiteral("cerquilha")}, {u'$', QStringLiteral("cifrão")}, {u'%', QStringLiteral("por cento")},
        {u'&', QStringLiteral("e comercial")}, {u'*', QStringLiteral("asterisco")}, {u'+', QStringLiteral("mais")},
        {u'=', QStringLiteral("igual")}, {u'§', QStringLiteral("parágrafo")},
        {u'ª', QStringLiteral("ordinal feminino")}, {u'º', QStringLiteral("ordinal masculino")},
        {u'°', QStringLiteral("grau")}, {u'£', QStringLiteral("libra")}, {u'¢', QStringLiteral("centavo")},
        {u'¬', QStringLiteral("negação")}, {u'€', QStringLiteral("euro")},
        {u'¹', QStringLiteral("um sobrescrito")}, {u'²', QStringLiteral("dois sobrescrito")},
        {u'³', QStringLiteral("três sobrescrito")}};
    const QString nome = sinais.value(c);
    return nome.isEmpty() ? QString(c) : QString(c) + QStringLiteral(" (") + nome + u')';
}

QString DescreverToque(const Toque& t, int tipoTeclado)
{
    if (!t.valido())
        return QString();
    const Guia g = GuiaDoToque(t);
    QString frase = NomeFalado(t, tipoTeclado);
    if (const QString dedo = NomeDoDedo(g.dedos[0]); !dedo.isEmpty())
        frase += QStringLiteral(", ") + dedo;
    switch (g.teclas[1]) {
    case CodigoTecla::ShiftEsquerdo: frase += QStringLiteral(", com Shift esquerdo"); break;
    case CodigoTecla::ShiftDireito: frase += QStringLiteral(", com Shift direito"); break;
    case CodigoTecla::AltGr: frase += QStringLiteral(", com Alt Gr"); break;
    default: break;
    }
    return frase;
}

QString DedosEmPalavras()
{
    // The three rows, top to bottom, by their ABNT2 codes.
    static const int linhas[] = {'Q', 'W', 'E', 'R', 'T', 'Y', 'U', 'I', 'O', 'P', 'A', 'S', 'D', 'F', 'G',
                                 'H', 'J', 'K', 'L', 186, 'Z', 'X', 'C', 'V', 'B', 'N', 'M', 188, 190, 191};
    auto nome = [](int codigo) {
        switch (codigo) {
        case 186: return QStringLiteral("Ç");
        case 188: return QStringLiteral("vírgula");
        case 190: return QStringLiteral("ponto");
        case 191: return QStringLiteral("ponto e vírgula");
        default: return QString(QChar(codigo));
        }
    };
    QString frase;
    for (const QString& mao : {QStringLiteral("S"), QStringLiteral("D")}) {
        frase += mao == u'S' ? QStringLiteral("Mão esquerda: ") : QStringLiteral(" Mão direita: ");
        QStringList dedos;
        for (int d = 5; d >= 2; --d) {
            const QString dedo = mao + QString::number(mao == u'S' ? d : 7 - d);
            QStringList teclas;
            for (int codigo : linhas)
                if (DedoDaTecla(codigo) == dedo)
                    teclas << nome(codigo);
            dedos << NomeDoDedo(dedo).section(u' ', 0, 0) + u' ' + teclas.join(QStringLiteral(", "));
        }
        frase += dedos.join(QStringLiteral("; ")) + u'.';
    }
    return frase + QStringLiteral(" Polegar direito: barra de espaço.");
}
