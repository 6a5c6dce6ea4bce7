#include "FileFilter.h"

// A pattern list is separated by semicolons. "*.*" means every file, also one without a dot,
// which Qt's wildcard matching would otherwise refuse.
QStringList filterPatterns(const QString& patterns)
{
    QStringList result;
    for (const QString& part : patterns.split(u';', Qt::SkipEmptyParts)) {
        const QString pattern = part.trimmed();
        if (pattern.isEmpty())
            continue;
        result.append(pattern == u"*.*" ? QStringLiteral("*") : pattern);
    }
    if (result.isEmpty())
        result.append(QStringLiteral("*"));
    return result;
}

QList<FileFilterEntry> parseFileFilter(const QString& filter)
{
    QList<FileFilterEntry> entries;
    if (filter.isEmpty())
        return entries;
    const QStringList parts = filter.split(u'|');
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        const QString patterns = i + 1 < parts.size() ? parts[i + 1] : QString();
        entries.append({parts[i], filterPatterns(patterns)});
    }
    return entries;
}

QStringList qtNameFilters(const QString& filter)
{
    QStringList result;
    for (const FileFilterEntry& entry : parseFileFilter(filter))
        result.append(entry.description + QStringLiteral(" (") + entry.patterns.join(u' ') + u')');
    return result;
}
