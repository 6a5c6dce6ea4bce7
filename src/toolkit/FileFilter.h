#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One entry of a dialog filter such as "C File (*.c)|*.c|All Files (*.*)|*.*".
struct FileFilterEntry {
    QString description;
    QStringList patterns; // as QDir and QFileDialog match them

    bool operator==(const FileFilterEntry&) const = default;
};

// The patterns of one filter entry ("*.c;*.h"), as QDir matches them.
QStringList filterPatterns(const QString& patterns);

QList<FileFilterEntry> parseFileFilter(const QString& filter);

// Qt's name-filter list ("Description (patterns)" per entry) for QFileDialog::setNameFilters.
QStringList qtNameFilters(const QString& filter);
