#include "ListBox.h"

#include <QKeyEvent>
#include <QMouseEvent>

ListBox::ListBox(QWidget* parent)
    : QListView(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformItemSizes(true);
}

int ListBox::ListIndex() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() && selectionModel()->isSelected(current) ? current.row() : -1;
}

void ListBox::setListIndex(int row)
{
    if (!model())
        return;
    if (row < 0 || row >= model()->rowCount()) {
        clearSelection();
        setCurrentIndex(QModelIndex());
        return;
    }
    setCurrentIndex(model()->index(row, 0));
}

int ListBox::ListCount() const
{
    return model() ? model()->rowCount() : 0;
}

QString ListBox::List(int row) const
{
    return model() ? model()->index(row, 0).data().toString() : QString();
}

void ListBox::keyPressEvent(QKeyEvent* event)
{
    const bool menuKey = (event->key() == Qt::Key_Menu && event->modifiers() == Qt::NoModifier) ||
                         (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier);
    if (!menuKey) {
        QListView::keyPressEvent(event);
        return;
    }
    // The menu opens below the current entry, where the eye already is.
    const QRect entry = visualRect(currentIndex());
    emit MenuKey(viewport()->mapToGlobal(entry.isValid() ? entry.bottomLeft() : QPoint()));
    event->accept();
}

void ListBox::mousePressEvent(QMouseEvent* event)
{
    emit MouseDown(event->button(), event->globalPosition().toPoint());
    if (event->button() == Qt::LeftButton)
        QListView::mousePressEvent(event);
    else
        event->accept();
}

void ListBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    QListView::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton && indexAt(event->position().toPoint()).isValid())
        emit DblClick();
}
