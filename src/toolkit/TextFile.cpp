#include "TextFile.h"

#include "FileSync.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>

namespace {

Failure codePageMissing(const CodePage& page)
{
    return {
        QStringLiteral("this system offers no converter for the code page %1").arg(page.name())};
}

QString describeCharacter(char32_t c)
{
    return QStringLiteral("\"%1\" (U+%2)")
        .arg(QString::fromUcs4(&c, 1),
             QString::number(static_cast<uint>(c), 16).toUpper().rightJustified(4, u'0'));
}

// Names the character that `from` begins with, on that line of the file.
Failure unstorableCharacter(qsizetype lineNumber, QStringView from, const CodePage& page)
{
    return {QStringLiteral("line %1 holds the character %2, which the code page %3 cannot store")
                .arg(lineNumber)
                .arg(describeCharacter(from.toUcs4().value(0)), page.name())};
}

constexpr qsizetype PieceBytes = 1 << 20;

} // namespace

Result<QString> readTextFile(const QString& path)
{
    QByteArray utf8;
    const Result<> read =
        readTextFileInPieces(path, [&utf8](QByteArrayView piece) { utf8.append(piece); });
    if (!read)
        return read.failure();
    return QString::fromUtf8(utf8);
}

Result<> readTextFileInPieces(const QString& path, const std::function<void(QByteArrayView)>& piece)
{
    const CodePage& page = CodePage::current(CodePage::Ansi);
    if (!page.isValid())
        return codePageMissing(page);
    if (Result<> regular = checkRegularFile(path); !regular)
        return regular;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Failure{file.errorString()};
    QByteArray bytes(PieceBytes, Qt::Uninitialized);
    QByteArray utf8(page.isSingleByte() ? 3 * PieceBytes : 0, Qt::Uninitialized);
    // A multi-byte character may straddle two pieces: this decoder keeps its first part.
    QStringDecoder system(QStringConverter::System);
    for (;;) {
        const qint64 read = file.read(bytes.data(), PieceBytes);
        if (read < 0)
            return Failure{file.errorString()};
        if (read == 0)
            return {};
        const QByteArrayView got(bytes.constData(), read);
        if (page.isSingleByte())
            piece(QByteArrayView(utf8.constData(), page.decodeToUtf8(got, utf8.data())));
        else
            piece(QString(system.decode(got)).toUtf8());
    }
}

Result<> writeTextLines(const QString& path, const QStringList& lines, LinkAtPath atLink,
                        CodePage::Use use)
{
    const CodePage& page = CodePage::current(use);
    if (!page.isValid())
        return codePageMissing(page);
    // Encoded line by line into one buffer: a large document is never copied whole as text.
    qsizetype characters = 0;
    for (const QString& line : lines)
        characters += line.size() + 2;
    QByteArray bytes(characters * page.maxBytesPerUnit(), Qt::Uninitialized);
    char* end = bytes.data();
    // Plain ASCII, the usual text, is the same in every code page and is copied straight; the
    // code page takes over from a line's first other character.
    for (qsizetype index = 0; index < lines.size(); ++index) {
        const QString& line = lines[index];
        const QChar* c = line.constData();
        const QChar* const lineEnd = c + line.size();
        while (c != lineEnd && c->unicode() < 0x80)
            *end++ = char((c++)->unicode());
        if (c != lineEnd) {
            qsizetype at = 0;
            end = page.encode(QStringView(c, lineEnd), end, at);
            if (!end) {
                qsizetype lineNumber = 1 + QStringView(line.constData(), c + at).count(u'\n');
                for (qsizetype before = 0; before < index; ++before)
                    lineNumber += 1 + lines[before].count(u'\n');
                return unstorableCharacter(lineNumber, QStringView(c + at, lineEnd), page);
            }
        }
        *end++ = '\r';
        *end++ = '\n';
    }
    bytes.truncate(end - bytes.data());

    return saveWhole(path, atLink, [&bytes](QFileDevice& file) { return writeAll(file, bytes); });
}

Result<> writeTextUtf8(const QString& path, QByteArrayView utf8)
{
    const CodePage& page = CodePage::current(CodePage::Ansi);
    if (!page.isValid())
        return codePageMissing(page);
    return saveWhole(path, LinkAtPath::WriteTarget, [&](QFileDevice& file) -> Result<> {
        QString text(PieceBytes, Qt::Uninitialized);
        QByteArray bytes(PieceBytes * page.maxBytesPerUnit(), Qt::Uninitialized);
        // A character split between two pieces is kept back for the second.
        QStringDecoder decoder(QStringDecoder::Utf8);
        qsizetype lineNumber = 1;
        for (qsizetype from = 0; from < utf8.size();) {
            const qsizetype to = std::min(utf8.size(), from + PieceBytes);
            const QByteArrayView piece = utf8.sliced(from, to - from);
            const QStringView decoded(text.constData(), decoder.appendToBuffer(text.data(), piece));
            qsizetype at = 0;
            const char* const end = page.encode(decoded, bytes.data(), at);
            if (!end)
                return unstorableCharacter(lineNumber + decoded.left(at).count(u'\n'),
                                           decoded.sliced(at), page);
            if (Result<> written = writeAll(file, QByteArrayView(bytes.constData(), end)); !written)
                return written;
            lineNumber += piece.count('\n');
            from = to;
        }
        return writeAll(file, "\r\n");
    });
}

QString joinPath(const QString& folder, const QString& name)
{
    return folder + QDir::separator() + name;
}
