#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// A long list of lines kept in pages, so that lines come and go in the middle in time that
// does not grow with the length of the list.
class LineStore {
public:
    LineStore();

    void assign(const QStringList& lines);
    qsizetype count() const { return m_count; }
    QStringList toList() const;

    // `length` characters from `offset` in line `first` on, a line break counting as one
    // character and given as '\n'; *last is set to the line where they end.
    QString text(qsizetype first, qsizetype offset, qsizetype length, qsizetype* last) const;
    // Replaces `count` lines from `first` on with `lines`.
    void replace(qsizetype first, qsizetype count, const QStringList& lines);

private:
    static constexpr qsizetype PageSize = 512;

    // The page that holds the line, and the line's place in it.
    std::pair<qsizetype, qsizetype> locate(qsizetype line) const;

    QList<QStringList> m_pages;
    qsizetype m_count = 0;
};
