#include "users/ArquivoUsuarios.h"

#include "app/PastaAplicacao.h"

#include <QSaveFile>
#include <QStringEncoder>

namespace {

// Characters of Windows-1252 bytes 0x80..0x9F, for a Qt built without the
// named encodings. The five bytes the code page leaves unused stand for the
// control characters of the same number, as Windows itself maps them.
constexpr char16_t Faixa80[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr char Substituto = 0x1A;

} // namespace

QByteArray CodificarWindows1252PorTabela(const QString& texto, bool& exato)
{
    QByteArray saida;
    saida.reserve(texto.size());
    exato = true;
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const char16_t c = texto.at(i).unicode();
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            saida.append(static_cast<char>(c));
            continue;
        }
        int achado = -1;
        for (int b = 0; b < 32 && achado < 0; ++b) {
            if (Faixa80[b] == c)
                achado = b;
        }
        if (achado >= 0) {
            saida.append(static_cast<char>(0x80 + achado));
            continue;
        }
        exato = false;
        saida.append(Substituto);
        // A character outside the basic plane takes two code units but is
        // still one character.
        if (QChar::isHighSurrogate(c) && i + 1 < texto.size() && texto.at(i + 1).isLowSurrogate())
            ++i;
    }
    return saida;
}

QString CaminhoUsuarios()
{
    return CaminhoAplicacao(QStringLiteral("usuario.dat"));
}

QByteArray CodificarWindows1252(const QString& texto, bool* exato)
{
    QStringEncoder codificador("windows-1252");
    QByteArray saida;
    bool semPerda = true;
    if (codificador.isValid()) {
        saida = codificador.encode(texto);
        semPerda = !codificador.hasError();
    } else {
        saida = CodificarWindows1252PorTabela(texto, semPerda);
    }
    if (exato)
        *exato = semPerda;
    return saida;
}

bool GravarUsuarios(const QString& caminho, const QStringList& registros)
{
    QString texto;
    for (const QString& registro : registros) {
        texto += registro;
        texto += QStringLiteral("\r\n");
    }
    const QByteArray bytes = CodificarWindows1252(texto);

    QSaveFile arquivo(caminho);
    if (!arquivo.open(QIODevice::WriteOnly))
        return false;
    // An unfinished QSaveFile discards its temporary file when destroyed.
    if (arquivo.write(bytes) != bytes.size())
        return false;
    return arquivo.commit();
}
