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
    // The Menu key or Shift+F10 asked for the pop-up menu, at this place on the screen.
    void MenuKey(QPoint globalPosition);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};
