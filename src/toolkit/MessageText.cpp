#include "MessageText.h"

#include <QDir>

QString quotedForMessage(const QString& value, qsizetype shownCharacters)
{
    QString shown = value;
    if (value.size() > shownCharacters) {
        // The start and the end: a path's folder and its file name.
        qsizetype head = shownCharacters / 2;
        qsizetype tail = shownCharacters - head - 1;
        if (value[head - 1].isHighSurrogate())
            --head;
        if (value[value.size() - tail].isLowSurrogate())
            --tail;
        shown = value.left(head) + QChar(0x2026) + value.right(tail);
    }
    for (QChar& c : shown) {
        if (c.unicode() < 0x20)
            c = QChar(0x2400 + c.unicode());
        else if (c.unicode() == 0x7f)
            c = QChar(0x2421);
    }
    return u'"' + shown + u'"';
}

QString quotedPathForMessage(const QString& path)
{
    return quotedForMessage(QDir::toNativeSeparators(path), 160);
}

QString cannotRead(const QString& path, const QString& reason)
{
    return QStringLiteral("Cannot read %1: %2").arg(quotedPathForMessage(path), reason);
}

QString cannotWrite(const QString& path, const QString& reason)
{
    return QStringLiteral("Cannot write %1: %2").arg(quotedPathForMessage(path), reason);
}
