#include "EditorAccessible.h"

#include "TextEditor.h"

namespace {

using Sci = QsciScintillaBase;

QAccessibleInterface* editorFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("TextEditor") && object && object->isWidgetType())
        return new EditorAccessible(static_cast<TextEditor*>(object));
    return nullptr;
}

} // namespace

EditorAccessible::EditorAccessible(TextEditor* editor)
    : QAccessibleWidget(editor, QAccessible::EditableText)
{
}

void EditorAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(editorFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

TextEditor* EditorAccessible::editor() const
{
    return static_cast<TextEditor*>(widget());
}

void* EditorAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    if (type == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString EditorAccessible::text(QAccessible::Text kind) const
{
    if (kind == QAccessible::Value)
        return editor()->Text();
    return QAccessibleWidget::text(kind);
}

QAccessible::State EditorAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = true;
    state.multiLine = true;
    state.selectableText = true;
    return state;
}

void EditorAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const
{
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || selectionCount() == 0)
        return;
    *startOffset = int(editor()->SelStart());
    *endOffset = *startOffset + int(editor()->SelLength());
}

int EditorAccessible::selectionCount() const
{
    return editor()->SelLength() > 0 ? 1 : 0;
}

void EditorAccessible::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void EditorAccessible::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0)
        editor()->setSelStart(editor()->SelStart());
}

void EditorAccessible::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex != 0)
        return;
    editor()->setSelStart(startOffset);
    editor()->setSelLength(endOffset - startOffset);
}

int EditorAccessible::cursorPosition() const
{
    return int(editor()->position(editor()->SendScintilla(Sci::SCI_GETCURRENTPOS)));
}

void EditorAccessible::setCursorPosition(int position)
{
    editor()->setSelStart(position);
}

QString EditorAccessible::text(int startOffset, int endOffset) const
{
    return editor()->textRange(startOffset, endOffset - startOffset);
}

int EditorAccessible::characterCount() const
{
    return int(editor()->textLength());
}

QRect EditorAccessible::characterRect(int offset) const
{
    const TextEditor& e = *editor();
    const qsizetype byte = e.bytePosition(offset);
    const int x = int(e.SendScintilla(Sci::SCI_POINTXFROMPOSITION, 0, long(byte)));
    const int y = int(e.SendScintilla(Sci::SCI_POINTYFROMPOSITION, 0, long(byte)));
    const int height = int(e.SendScintilla(Sci::SCI_TEXTHEIGHT, 0L));
    const qsizetype next = e.SendScintilla(Sci::SCI_POSITIONAFTER, long(byte));
    const int width =
        std::max(1, int(e.SendScintilla(Sci::SCI_POINTXFROMPOSITION, 0, long(next))) - x);
    return {e.viewport()->mapToGlobal(QPoint(x, y)), QSize(width, height)};
}

int EditorAccessible::offsetAtPoint(const QPoint& point) const
{
    const QPoint local = editor()->viewport()->mapFromGlobal(point);
    const long byte =
        editor()->SendScintilla(Sci::SCI_POSITIONFROMPOINTCLOSE, local.x(), long(local.y()));
    return byte < 0 ? -1 : int(editor()->position(byte));
}

void EditorAccessible::scrollToSubstring(int startIndex, int endIndex)
{
    TextEditor& e = *editor();
    e.SendScintilla(Sci::SCI_SCROLLRANGE, e.bytePosition(endIndex),
                    long(e.bytePosition(startIndex)));
}

QString EditorAccessible::attributes(int offset, int* startOffset, int* endOffset) const
{
    *startOffset = *endOffset = offset;
    return {};
}

// Changes from a screen reader go through the editor like typed ones: into the history too.
void EditorAccessible::deleteText(int startOffset, int endOffset)
{
    replaceText(startOffset, endOffset, QString());
}

void EditorAccessible::insertText(int offset, const QString& text)
{
    replaceText(offset, offset, text);
}

void EditorAccessible::replaceText(int startOffset, int endOffset, const QString& text)
{
    const int length = characterCount();
    startOffset = std::clamp(startOffset, 0, length);
    endOffset = std::clamp(endOffset, startOffset, length);
    editor()->replaceRange(startOffset, endOffset - startOffset, text);
}
