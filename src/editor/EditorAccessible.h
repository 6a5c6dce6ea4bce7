#pragma once

#include <QAccessibleWidget>

class TextEditor;

// What screen readers see of the editor: its text through the text interface, in the
// editor's positions, each query answered without reading the text from its start.
class EditorAccessible : public QAccessibleWidget,
                         public QAccessibleTextInterface,
                         public QAccessibleEditableTextInterface {
public:
    explicit EditorAccessible(TextEditor* editor);

    // Gives every TextEditor this interface; asked before the widget's own factory.
    static void install();

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text kind) const override;
    QAccessible::State state() const override;

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString& text) override;
    void replaceText(int startOffset, int endOffset, const QString& text) override;

    // Between the editor's byte offsets and the offsets screen readers count in: code points
    // under AT-SPI, UTF-16 code units (the editor's positions) elsewhere.
    static int offset(const TextEditor& editor, qsizetype bytePosition);
    static qsizetype bytePosition(const TextEditor& editor, int offset);

private:
    TextEditor* editor() const;
};
