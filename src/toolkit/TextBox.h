#pragma once

#include <QLineEdit>

// A single-line text box: it never holds a line break. Text that arrives with one, pasted,
// dropped or set, is kept up to its first line break, as a single-line box does on Windows.
class TextBox : public QLineEdit {
public:
    explicit TextBox(QWidget* parent = nullptr);
};
