#include "UndoHistory.h"

void UndoHistory::record(qsizetype position, const QString& removed, qsizetype insertedLength)
{
    for (qsizetype i = m_index; i < m_steps.size(); ++i)
        m_textSize -= m_steps[i].text.size();
    m_steps.resize(m_index);
    m_steps.append({position, removed.size(), insertedLength, removed});
    m_textSize += removed.size();
    ++m_index;
    // Every step is done here, so the oldest can go without cutting off a later one.
    while (m_steps.size() > Capacity ||
           (m_steps.size() > 1 && m_textSize * qsizetype(sizeof(QChar)) > m_textBudget)) {
        m_textSize -= m_steps.constFirst().text.size();
        m_steps.removeFirst();
        --m_index;
    }
}

bool UndoHistory::undo(Text& text)
{
    if (m_index == 0)
        return false;
    Step& step = m_steps[--m_index];
    const QString removed = swapText(step, text.mid(step.position, step.insertedLength));
    text.replace(step.position, step.insertedLength, removed);
    return true;
}

bool UndoHistory::redo(Text& text)
{
    if (m_index == m_steps.size())
        return false;
    Step& step = m_steps[m_index++];
    const QString inserted = swapText(step, text.mid(step.position, step.removedLength));
    text.replace(step.position, step.removedLength, inserted);
    return true;
}

qsizetype UndoHistory::memoryUsed() const
{
    qsizetype bytes = m_steps.capacity() * qsizetype(sizeof(Step));
    for (const Step& step : m_steps)
        bytes += step.text.capacity() * qsizetype(sizeof(QChar));
    return bytes;
}

// Keeps the text the step's change in direction takes away, and gives the one it puts back.
QString UndoHistory::swapText(Step& step, const QString& taken)
{
    m_textSize += taken.size() - step.text.size();
    return std::exchange(step.text, taken);
}
