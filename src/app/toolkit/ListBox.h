#pragma once

#include <QListView>

// A list of texts with one selectable entry. Only the left button selects: a press of another
// button is reported and changes nothing, so a pop-up menu acts on the entry selected before.
class ListBox : public QListView {
    Q_OBJECT

public:
    explicit ListBox(QWidget* parent = nullptr);

    // The selected row, -1 when none.
    int ListIndex() const;
    void setListIndex(int row);
    int ListCount() const;
    QString List(int row) const;

signals:
    // A mouse button went down over the list, at that place on the screen.
    void MouseDown(Qt::MouseButton button, QPoint globalPosition);
    void DblClick();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};
