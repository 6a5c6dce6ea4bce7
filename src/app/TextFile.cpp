#include "app/TextFile.h"

#include "app/FileSync.h"
#include "app/MessageText.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace {

// Windows-1252 maps every byte to a character and back, its five unassigned bytes included,
// so that whatever a file holds survives being read and written again.
QStringDecoder makeDecoder()
{
#ifdef Q_OS_WIN
    return QStringDecoder(QStringConverter::System);
#else
    return QStringDecoder("windows-1252");
#endif
}

QStringEncoder makeEncoder()
{
#ifdef Q_OS_WIN
    return QStringEncoder(QStringConverter::System);
#else
    return QStringEncoder("windows-1252");
#endif
}

QString cannotRead(const QString& path, const QString& reason)
{
    return QStringLiteral("Cannot read %1: %2").arg(quotedPathForMessage(path), reason);
}

QString codePageMissing()
{
    return QStringLiteral("this system offers no converter for the code page %1")
        .arg(textFileCodePage());
}

QString cannotWrite(const QString& path, const QString& reason)
{
    return QStringLiteral("Cannot write %1: %2").arg(quotedPathForMessage(path), reason);
}

QString describeCharacter(char32_t c)
{
    return QStringLiteral("\"%1\" (U+%2)")
        .arg(QString::fromUcs4(&c, 1),
             QString::number(static_cast<uint>(c), 16).toUpper().rightJustified(4, u'0'));
}

// The first character of the lines that the code page cannot store, as a message naming it and
// its line; the empty text when every character can be stored.
QString findUnstorableCharacter(const QStringList& lines)
{
    qsizetype lineNumber = 1;
    for (const QString& line : lines) {
        QStringEncoder encoder = makeEncoder();
        const QString decoded = makeDecoder().decode(encoder.encode(line));
        if (!encoder.hasError() && decoded == line) {
            lineNumber += line.count(u'\n') + 1;
            continue;
        }
        qsizetype at = 0;
        while (at < line.size() && at < decoded.size() && line[at] == decoded[at])
            ++at;
        lineNumber += line.left(at).count(u'\n');
        const char32_t c = QStringView(line).mid(at).toUcs4().value(0);
        return QStringLiteral("line %1 holds the character %2, which the code page %3 cannot "
                              "store")
            .arg(lineNumber)
            .arg(describeCharacter(c), textFileCodePage());
    }
    return {};
}

} // namespace

QString textFileCodePage()
{
#ifdef Q_OS_WIN
    return QStringLiteral("of this system");
#else
    return QStringLiteral("Windows-1252");
#endif
}

TextFileContent readTextFile(const QString& path)
{
    QStringDecoder decoder = makeDecoder();
    if (!decoder.isValid())
        return {{}, cannotRead(path, codePageMissing())};
    if (const QString reason = notRegularFile(path); !reason.isEmpty())
        return {{}, cannotRead(path, reason)};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, cannotRead(path, file.errorString())};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {{}, cannotRead(path, file.errorString())};
    return {decoder.decode(bytes), {}};
}

QString writeTextLines(const QString& path, const QStringList& lines, LinkAtPath atLink)
{
    QStringEncoder encoder = makeEncoder();
    if (!encoder.isValid())
        return cannotWrite(path, codePageMissing());
    // Encoded line by line into one buffer: a large document is never copied whole as text.
    qsizetype characters = 0;
    for (const QString& line : lines)
        characters += line.size() + 2;
    QByteArray bytes(encoder.requiredSpace(characters), Qt::Uninitialized);
    char* end = bytes.data();
    // Plain ASCII, the usual text, is the same in every code page and is copied straight; the
    // converter takes over from a line's first other character.
    for (const QString& line : lines) {
        const QChar* c = line.constData();
        const QChar* const lineEnd = c + line.size();
        while (c != lineEnd && c->unicode() < 0x80)
            *end++ = char((c++)->unicode());
        if (c != lineEnd)
            end = encoder.appendToBuffer(end, QStringView(c, lineEnd));
        *end++ = '\r';
        *end++ = '\n';
    }
    bytes.truncate(end - bytes.data());
    if (encoder.hasError())
        return cannotWrite(path, findUnstorableCharacter(lines));
#ifdef Q_OS_WIN
    // The system's converter may put a look-alike in place of a character it cannot store.
    if (!lines.isEmpty() &&
        makeDecoder().decode(bytes) != lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"))
        return cannotWrite(path, findUnstorableCharacter(lines));
#endif

    const QString reason =
        saveWhole(path, atLink, [&bytes](QFileDevice& file) { return writeAll(file, bytes); });
    return reason.isEmpty() ? QString() : cannotWrite(path, reason);
}

QString joinPath(const QString& folder, const QString& name)
{
    return folder + QDir::separator() + name;
}
