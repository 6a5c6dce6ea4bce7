#include "BatchArgument.h"

#include <QDir>

#include <algorithm>

namespace {

bool needsQuotes(QChar c)
{
    static const QString specials = QStringLiteral(" \t&|<>^(),;=\"");
    return specials.contains(c);
}

QString quoted(const QString& text)
{
    if (!std::any_of(text.cbegin(), text.cend(), needsQuotes))
        return text;
    // A doubled quote closes and reopens the interpreter's quoting at once, so no character of
    // the entry ever stands outside the quotes; and a C program reads it as one quote, once the
    // backslashes before it, which it would take as escapes, are doubled too (so are those
    // before the closing quote).
    QString result(1, u'"');
    qsizetype backslashes = 0;
    for (const QChar c : text) {
        if (c == u'"')
            result += QString(backslashes, u'\\') + u'"';
        backslashes = c == u'\\' ? backslashes + 1 : 0;
        result += c;
    }
    return result + QString(backslashes, u'\\') + u'"';
}

} // namespace

QString batchArgument(const QString& entry)
{
    // Expanded even inside quotes, so doubled wherever it stands.
    return quoted(QString(entry).replace(u'%', QStringLiteral("%%")));
}

QString commandLineArgument(const QString& entry)
{
    return quoted(entry);
}

QString interpreterPath(const QString& path)
{
#ifdef Q_OS_WIN
    return QDir::toNativeSeparators(QDir::current().absoluteFilePath(path));
#else
    return QStringLiteral("Z:") + QDir::current().absoluteFilePath(path).replace(u'/', u'\\');
#endif
}

bool fitsOnBatchLine(const QString& text)
{
    return std::none_of(text.cbegin(), text.cend(),
                        [](QChar c) { return c.unicode() < 0x20 && c != u'\t'; });
}
