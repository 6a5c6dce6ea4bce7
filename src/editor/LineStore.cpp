#include "editor/LineStore.h"

LineStore::LineStore()
{
    assign({QString()});
}

void LineStore::assign(const QStringList& lines)
{
    m_pages.clear();
    for (qsizetype at = 0; at < lines.size(); at += PageSize)
        m_pages.append(lines.mid(at, PageSize));
    if (m_pages.isEmpty())
        m_pages.append(QStringList());
    m_count = lines.size();
}

QStringList LineStore::toList() const
{
    QStringList lines;
    lines.reserve(m_count);
    for (const QStringList& page : m_pages)
        lines += page;
    return lines;
}

std::pair<qsizetype, qsizetype> LineStore::locate(qsizetype line) const
{
    qsizetype page = 0;
    while (page + 1 < m_pages.size() && line >= m_pages[page].size()) {
        line -= m_pages[page].size();
        ++page;
    }
    return {page, line};
}

QString LineStore::text(qsizetype first, qsizetype offset, qsizetype length, qsizetype* last) const
{
    QString text;
    auto [page, index] = locate(first);
    qsizetype line = first;
    qsizetype left = length;
    while (left > 0 && line < m_count) {
        const QString& current = m_pages[page][index];
        const qsizetype take = std::min(left, current.size() - offset);
        text += QStringView(current).mid(offset, take);
        left -= take;
        if (left == 0 || line + 1 == m_count)
            break;
        text += u'\n';
        --left;
        ++line;
        offset = 0;
        if (++index == m_pages[page].size()) {
            ++page;
            index = 0;
        }
    }
    *last = line;
    return text;
}

void LineStore::replace(qsizetype first, qsizetype count, const QStringList& lines)
{
    auto [page, index] = locate(first);
    // Fewer lines than before: remove the surplus first, page by page.
    const qsizetype kept = std::min(count, lines.size());
    qsizetype surplus = count - kept;
    auto [removePage, removeIndex] = locate(first + kept);
    while (surplus > 0) {
        QStringList& current = m_pages[removePage];
        const qsizetype take = std::min(surplus, current.size() - removeIndex);
        if (take == 0)
            break;
        current.remove(removeIndex, take);
        surplus -= take;
        m_count -= take;
        if (current.isEmpty() && m_pages.size() > 1)
            m_pages.removeAt(removePage);
        else if (surplus > 0)
            ++removePage, removeIndex = 0;
    }
    // Overwrite the lines that stay, then insert any beyond them where the last one stood.
    for (qsizetype i = 0; i < kept; ++i) {
        if (index == m_pages[page].size())
            ++page, index = 0;
        m_pages[page][index++] = lines[i];
    }
    if (lines.size() > kept) {
        std::tie(page, index) = locate(first + kept);
        QStringList& target = m_pages[page];
        const QStringList extra = lines.mid(kept);
        target.insert(index, extra.size(), QString());
        std::copy(extra.cbegin(), extra.cend(), target.begin() + index);
        m_count += extra.size();
        if (target.size() > 2 * PageSize) {
            const QStringList whole = target;
            m_pages.removeAt(page);
            for (qsizetype at = 0; at < whole.size(); at += PageSize)
                m_pages.insert(page++, whole.mid(at, PageSize));
        }
    }
}
