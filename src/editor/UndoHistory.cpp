#include "UndoHistory.h"

void UndoHistory::record(qsizetype position, const QString& removed, qsizetype insertedLength)
{
    for (qsizetype i = m_index; i < m_steps.size(); ++i)
        m_waste += storedLength(i);
    m_steps.resize(m_index);
    if (m_steps.size() == Capacity) {
        m_waste += storedLength(0);
        m_steps.removeFirst();
        --m_index;
    }
    m_steps.append({position, removed.size(), insertedLength, m_pool.size()});
    m_pool += removed;
    ++m_index;
    compactPoolIfWasteful();
}

bool UndoHistory::undo(Text& text)
{
    if (m_index == 0)
        return false;
    Step& step = m_steps[m_index - 1];
    const QString removed =
        storeAndTake(step, step.removedLength, text.mid(step.position, step.insertedLength));
    --m_index;
    const Step applied = step;
    compactPoolIfWasteful();
    text.replace(applied.position, applied.insertedLength, removed);
    return true;
}

bool UndoHistory::redo(Text& text)
{
    if (m_index == m_steps.size())
        return false;
    Step& step = m_steps[m_index];
    const QString inserted =
        storeAndTake(step, step.insertedLength, text.mid(step.position, step.removedLength));
    ++m_index;
    const Step applied = step;
    compactPoolIfWasteful();
    text.replace(applied.position, applied.removedLength, inserted);
    return true;
}

qsizetype UndoHistory::memoryUsed() const
{
    return m_steps.capacity() * qsizetype(sizeof(Step)) +
           m_pool.capacity() * qsizetype(sizeof(QChar));
}

qsizetype UndoHistory::storedLength(qsizetype step) const
{
    const Step& s = m_steps[step];
    return step < m_index ? s.removedLength : s.insertedLength;
}

// Takes the step's stored text (of the given length) out of the pool and stores the other one.
QString UndoHistory::storeAndTake(Step& step, qsizetype length, const QString& text)
{
    const QString taken = m_pool.mid(step.textStart, length);
    m_waste += length;
    step.textStart = m_pool.size();
    m_pool += text;
    return taken;
}

void UndoHistory::compactPoolIfWasteful()
{
    if (m_waste < 4096 || m_waste < m_pool.size() / 2)
        return;
    QString pool;
    pool.reserve(m_pool.size() - m_waste);
    for (qsizetype i = 0; i < m_steps.size(); ++i) {
        const qsizetype length = storedLength(i);
        const qsizetype start = pool.size();
        pool += QStringView(m_pool).mid(m_steps[i].textStart, length);
        m_steps[i].textStart = start;
    }
    m_pool = pool;
    m_waste = 0;
}
