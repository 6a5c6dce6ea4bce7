#include "build/BatchArgument.h"

#include <algorithm>

namespace {

bool needsQuotes(QChar c)
{
    static const QString specials = QStringLiteral(" \t&|<>^(),;=\"");
    return specials.contains(c);
}

} // namespace

QString batchArgument(const QString& entry)
{
    QString text = entry;
    // Expanded even inside quotes, so doubled wherever it stands.
    text.replace(u'%', QStringLiteral("%%"));
    if (!std::any_of(text.cbegin(), text.cend(), needsQuotes))
        return text;
    // A doubled quote closes and reopens the quoting at once, so no character of the entry ever
    // stands outside the quotes.
    text.replace(u'"', QStringLiteral("\"\""));
    return u'"' + text + u'"';
}

bool fitsOnBatchLine(const QString& text)
{
    return std::none_of(text.cbegin(), text.cend(),
                        [](QChar c) { return c.unicode() < 0x20 && c != u'\t'; });
}
