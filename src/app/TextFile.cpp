#include "app/TextFile.h"

#include "app/FileSync.h"
#include "app/MessageText.h"

#include <QDir>
#include <QFile>

namespace {

QString cannotRead(const QString& path, const QString& reason)
{
    return QStringLiteral("Cannot read %1: %2").arg(quotedPathForMessage(path), reason);
}

QString codePageMissing(const CodePage& page)
{
    return QStringLiteral("this system offers no converter for the code page %1").arg(page.name());
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

// A message naming the character at `at` of `line`, and the line of the file it stands on.
QString unstorableCharacter(const QStringList& lines, qsizetype line, qsizetype at,
                            const CodePage& page)
{
    qsizetype lineNumber = 1 + line + lines[line].left(at).count(u'\n');
    for (qsizetype before = 0; before < line; ++before)
        lineNumber += lines[before].count(u'\n');
    const char32_t c = QStringView(lines[line]).mid(at).toUcs4().value(0);
    return QStringLiteral("line %1 holds the character %2, which the code page %3 cannot store")
        .arg(lineNumber)
        .arg(describeCharacter(c), page.name());
}

} // namespace

TextFileContent readTextFile(const QString& path)
{
    const CodePage& page = CodePage::current(CodePage::Ansi);
    if (!page.isValid())
        return {{}, cannotRead(path, codePageMissing(page))};
    if (const QString reason = notRegularFile(path); !reason.isEmpty())
        return {{}, cannotRead(path, reason)};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, cannotRead(path, file.errorString())};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {{}, cannotRead(path, file.errorString())};
    return {page.decode(bytes), {}};
}

QString writeTextLines(const QString& path, const QStringList& lines, LinkAtPath atLink,
                       CodePage::Use use)
{
    const CodePage& page = CodePage::current(use);
    if (!page.isValid())
        return cannotWrite(path, codePageMissing(page));
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
            if (!end)
                return cannotWrite(
                    path, unstorableCharacter(lines, index, c - line.constData() + at, page));
        }
        *end++ = '\r';
        *end++ = '\n';
    }
    bytes.truncate(end - bytes.data());

    const QString reason =
        saveWhole(path, atLink, [&bytes](QFileDevice& file) { return writeAll(file, bytes); });
    return reason.isEmpty() ? QString() : cannotWrite(path, reason);
}

QString joinPath(const QString& folder, const QString& name)
{
    return folder + QDir::separator() + name;
}
