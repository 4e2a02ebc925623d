// teclomod: builds the scrambled lesson modules of Teclomatic from plain
// lesson sources, and prints a module back as plain text.
//
//   teclomod build <source.txt> <lesson-number> <out.mod>
//   teclomod print <file.mod> <lesson-number>
//
// A source is UTF-8 text with one exercise per line (LF or CR LF; the final
// line break is optional; a UTF-8 byte order mark at the start is skipped).
// The module is Windows-1252, every line scrambled with the lesson's key and
// ended by CR LF. The builder never changes a line: it refuses a source with
// anything the program could not read back exactly (a character outside
// Windows-1252, a character the lesson key would turn into a line break, a
// space at either end of a line, which the reader trims), with an empty line
// or a control character (a lesson is typed, so neither can be an exercise),
// or beyond what the program reads of a module (LimitesModulo: lines of at
// most 4 KiB, at most 1 MiB, at most 32768 lines), and checks the finished
// module by reading it back with the program's own reader and limits before
// writing it.
//
// Exit status: 0 done, 1 the source was refused, 2 usage or file error.

#include "app/EstadoCurso.h"
#include "app/GravacaoSegura.h"
#include "course/ModFun.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <cstdio>

namespace {

constexpr int SaidaRecusada = 1;
constexpr int SaidaErro = 2;

void Escrever(FILE* destino, const QString& texto)
{
    const QByteArray bytes = texto.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), destino);
}

void Erro(const QString& texto)
{
    Escrever(stderr, texto + QLatin1Char('\n'));
}

int Uso()
{
    Erro(QStringLiteral(
        "usage: teclomod build <source.txt> <lesson-number> <out.mod>\n"
        "       teclomod print <file.mod> <lesson-number>\n"
        "\n"
        "build  turns a plain UTF-8 lesson source (one exercise per line) into the\n"
        "       scrambled Windows-1252 module of that lesson (1 to 52)\n"
        "print  prints a lesson module back as UTF-8 text, one exercise per line"));
    return SaidaErro;
}

bool NumeroLicao(const QString& texto, int& licao)
{
    bool ok = false;
    const int n = texto.toInt(&ok);
    if (!ok || n < 1 || n > 52) {
        Erro(QStringLiteral("teclomod: the lesson number must be a whole number from 1 to 52, not \"%1\"")
                 .arg(texto));
        return false;
    }
    licao = n;
    return true;
}

QString CodigoUnicode(char32_t c)
{
    return QStringLiteral("U+%1").arg(static_cast<uint>(c), 4, 16, QLatin1Char('0')).toUpper();
}

QString Descrever(char32_t c)
{
    if (c < 0x20 || (c >= 0x7F && c <= 0x9F))
        return CodigoUnicode(c);
    return QStringLiteral("'%1' (%2)").arg(QString::fromUcs4(&c, 1), CodigoUnicode(c));
}

QString NomeByte(int b)
{
    return b == '\n' ? QStringLiteral("LF") : QStringLiteral("CR");
}

// The byte (from 1) where a line stops being valid UTF-8; the last byte when
// the line ends inside a sequence.
qsizetype PrimeiroByteInvalido(const QByteArray& linha)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    for (qsizetype i = 0; i < linha.size(); ++i) {
        (void)utf8.decode(linha.mid(i, 1));
        if (utf8.hasError())
            return i + 1;
    }
    return linha.size();
}

// Every problem of one source line, as "file:line[:column]: error: ..."
// messages. texto receives the decoded line.
QStringList ProblemasDaLinha(const QString& fonte, int numero, const QByteArray& bruta, int licao,
                             QString& texto)
{
    QStringList problemas;
    auto problema = [&](qsizetype coluna, const QString& motivo) {
        QString lugar = fonte + QLatin1Char(':') + QString::number(numero);
        if (coluna > 0)
            lugar += QLatin1Char(':') + QString::number(coluna);
        problemas << lugar + QStringLiteral(": error: ") + motivo;
    };

    // Stateless, so a sequence cut short at the end of the line is an error;
    // a byte order mark inside the text is kept (and then refused below).
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    texto = utf8.decode(bruta);
    if (utf8.hasError()) {
        problema(0, QStringLiteral("the line is not valid UTF-8 (byte %1)").arg(PrimeiroByteInvalido(bruta)));
        return problemas;
    }
    if (texto.isEmpty()) {
        problema(0, QStringLiteral("empty line: every line of a lesson is one exercise"));
        return problemas;
    }
    if (texto.startsWith(QLatin1Char(' ')))
        problema(1, QStringLiteral("the line starts with a space, which the program removes when it reads the lesson"));
    if (texto.endsWith(QLatin1Char(' ')))
        problema(texto.toUcs4().size(),
                 QStringLiteral("the line ends with a space, which the program removes when it reads the lesson"));

    // One byte per character in the module.
    if (const qsizetype bytes = texto.toUcs4().size(); bytes > LimitesModulo.bytesLinha)
        problema(0, QStringLiteral("the line is %1 characters long; the program reads at most %2 of a line")
                        .arg(bytes)
                        .arg(LimitesModulo.bytesLinha));

    const int chave = ChaveEfetiva(ChaveModulo(licao));
    const QList<uint> caracteres = texto.toUcs4();
    for (qsizetype i = 0; i < caracteres.size(); ++i) {
        const char32_t c = caracteres.at(i);
        const qsizetype coluna = i + 1;
        if (c < 0x20 || (c >= 0x7F && c <= 0x9F)) {
            problema(coluna, QStringLiteral("control character %1 cannot be typed in an exercise").arg(Descrever(c)));
            continue;
        }
        const int codigo = CodigoWindows1252(c);
        if (codigo < 0) {
            problema(coluna, QStringLiteral("character %1 does not exist in Windows-1252").arg(Descrever(c)));
            continue;
        }
        if (codigo == 255) {
            problema(coluna, QStringLiteral("character %1 cannot be carried by the scrambling of a module")
                                 .arg(Descrever(c)));
            continue;
        }
        const int guardado = (codigo + chave) % 255;
        if (guardado == '\n' || guardado == '\r')
            problema(coluna, QStringLiteral("character %1 cannot be carried by the key of lesson %2: it would be "
                                            "stored as %3 and split the line")
                                 .arg(Descrever(c))
                                 .arg(licao)
                                 .arg(NomeByte(guardado)));
    }
    return problemas;
}

int Construir(const QString& fonte, int licao, const QString& destino)
{
    QFile arquivo(fonte);
    if (!arquivo.open(QIODevice::ReadOnly)) {
        Erro(QStringLiteral("teclomod: cannot open %1: %2").arg(fonte, arquivo.errorString()));
        return SaidaErro;
    }
    QByteArray dados = arquivo.readAll();
    if (arquivo.error() != QFileDevice::NoError) {
        Erro(QStringLiteral("teclomod: cannot read %1: %2").arg(fonte, arquivo.errorString()));
        return SaidaErro;
    }
    arquivo.close();

    if (dados.startsWith("\xEF\xBB\xBF"))
        dados.remove(0, 3);
    QList<QByteArray> brutas = dados.split('\n');
    if (brutas.last().isEmpty())
        brutas.removeLast(); // the final line break (or an empty file)
    for (QByteArray& b : brutas) {
        if (b.endsWith('\r'))
            b.chop(1);
    }

    QStringList problemas;
    if (brutas.isEmpty())
        problemas << fonte + QStringLiteral(": error: the source has no exercises");
    if (brutas.size() > LimitesModulo.linhas)
        problemas << fonte
                + QStringLiteral(": error: %1 lines; a lesson holds at most %2 exercises")
                      .arg(brutas.size())
                      .arg(LimitesModulo.linhas);

    QStringList linhas;
    for (qsizetype i = 0; i < brutas.size(); ++i) {
        QString texto;
        problemas << ProblemasDaLinha(fonte, int(i + 1), brutas.at(i), licao, texto);
        linhas << texto;
    }
    if (!problemas.isEmpty()) {
        for (const QString& p : problemas)
            Erro(p);
        Erro(QStringLiteral("teclomod: %1 not written: %2 problem(s) in %3")
                 .arg(destino)
                 .arg(problemas.size())
                 .arg(fonte));
        return SaidaRecusada;
    }

    QByteArray modulo;
    for (const QString& linha : linhas) {
        int chave = ChaveModulo(licao);
        modulo += CifrarBytes(CodificarWindows1252(linha), chave);
        modulo += "\r\n";
    }
    if (modulo.size() > LimitesModulo.bytes) {
        Erro(QStringLiteral("%1: error: the module would be %2 bytes; the program reads at most %3 bytes of a module")
                 .arg(fonte)
                 .arg(modulo.size())
                 .arg(LimitesModulo.bytes));
        return SaidaRecusada;
    }

    // Read the module back the way the program does, within the same
    // limits, before writing it.
    Estado().LicaoAtual = static_cast<qint16>(licao);
    QBuffer buffer(&modulo);
    buffer.open(QIODevice::ReadOnly);
    QStringList relidas;
    const ResultadoLeitura leitura = LerLinhas(buffer, relidas, false, LimitesModulo);
    if (leitura.estado != EstadoLeitura::Completo) {
        Erro(QStringLiteral("%1: error: the program would not read the module whole (%2)").arg(fonte, leitura.motivo));
        return SaidaRecusada;
    }
    for (qsizetype i = 0; i < linhas.size(); ++i) {
        if (i >= relidas.size() || relidas.at(i) != linhas.at(i)) {
            Erro(QStringLiteral("%1:%2: error: the line would not read back unchanged").arg(fonte).arg(i + 1));
            return SaidaRecusada;
        }
    }
    if (relidas.size() != linhas.size()) {
        Erro(QStringLiteral("%1: error: the module would read back as %2 lines instead of %3")
                 .arg(fonte)
                 .arg(relidas.size())
                 .arg(linhas.size()));
        return SaidaRecusada;
    }

    const QString pasta = QFileInfo(destino).absolutePath();
    if (!QDir().mkpath(pasta)) {
        Erro(QStringLiteral("teclomod: cannot create the folder %1").arg(pasta));
        return SaidaErro;
    }
    if (const ResultadoGravacao r = GravarArquivo(destino, modulo); !r) {
        Erro(QStringLiteral("teclomod: cannot write %1: %2").arg(destino, r.motivo));
        return SaidaErro;
    }
    return 0;
}

int Mostrar(const QString& caminho, int licao)
{
    QFile arquivo(caminho);
    if (!arquivo.open(QIODevice::ReadOnly)) {
        Erro(QStringLiteral("teclomod: cannot open %1: %2").arg(caminho, arquivo.errorString()));
        return SaidaErro;
    }
    Estado().LicaoAtual = static_cast<qint16>(licao);
    QStringList linhas;
    const bool completo = LerLinhas(arquivo, linhas, false);
    for (const QString& linha : linhas)
        Escrever(stdout, linha + QLatin1Char('\n'));
    std::fflush(stdout);
    if (!completo) {
        if (arquivo.error() != QFileDevice::NoError)
            Erro(QStringLiteral("teclomod: cannot read %1: %2").arg(caminho, arquivo.errorString()));
        else
            Erro(QStringLiteral("teclomod: %1 has more than %2 lines; the rest is not read")
                     .arg(caminho)
                     .arg(MaximoLinhasArquivo));
        return SaidaErro;
    }
    return 0;
}

}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() >= 2 && (args.at(1) == QLatin1String("-h") || args.at(1) == QLatin1String("--help"))) {
        Uso();
        return 0;
    }
    int licao = 0;
    if (args.size() == 5 && args.at(1) == QLatin1String("build")) {
        if (!NumeroLicao(args.at(3), licao))
            return SaidaErro;
        return Construir(args.at(2), licao, args.at(4));
    }
    if (args.size() == 4 && args.at(1) == QLatin1String("print")) {
        if (!NumeroLicao(args.at(3), licao))
            return SaidaErro;
        return Mostrar(args.at(2), licao);
    }
    return Uso();
}
