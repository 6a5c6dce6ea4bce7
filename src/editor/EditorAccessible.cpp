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

#if QT_CONFIG(accessibility_atspi_bridge)
// AT-SPI counts characters in code points, and Qt's bridge passes our offsets on unchanged.
constexpr bool CodePointOffsets = true;
#else
constexpr bool CodePointOffsets = false;
#endif

long send(const TextEditor& editor, unsigned int message, qsizetype wParam, qsizetype lParam = 0)
{
    return editor.SendScintilla(message, static_cast<unsigned long>(wParam), long(lParam));
}

// The widget's index of code points per line, kept from the first question on.
void indexCodePoints(const TextEditor& editor)
{
    if (!(editor.SendScintilla(Sci::SCI_GETLINECHARACTERINDEX) & Sci::SC_LINECHARACTERINDEX_UTF32))
        editor.SendScintilla(Sci::SCI_ALLOCATELINECHARACTERINDEX, Sci::SC_LINECHARACTERINDEX_UTF32);
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

int EditorAccessible::offset(const TextEditor& editor, qsizetype bytePosition)
{
    if (!CodePointOffsets)
        return int(editor.position(bytePosition));
    indexCodePoints(editor);
    const long line = send(editor, Sci::SCI_LINEFROMPOSITION, bytePosition);
    const long lineStart = send(editor, Sci::SCI_POSITIONFROMLINE, line);
    return int(
        send(editor, Sci::SCI_INDEXPOSITIONFROMLINE, line, Sci::SC_LINECHARACTERINDEX_UTF32) +
        send(editor, Sci::SCI_COUNTCHARACTERS, lineStart, bytePosition));
}

qsizetype EditorAccessible::bytePosition(const TextEditor& editor, int offset)
{
    if (!CodePointOffsets)
        return editor.bytePosition(offset);
    indexCodePoints(editor);
    const long at = std::max(0, offset);
    const long line =
        send(editor, Sci::SCI_LINEFROMINDEXPOSITION, at, Sci::SC_LINECHARACTERINDEX_UTF32);
    const long lineStart = send(editor, Sci::SCI_POSITIONFROMLINE, line);
    const long nextLine = line + 1 < editor.lineCount()
                              ? send(editor, Sci::SCI_POSITIONFROMLINE, line + 1)
                              : editor.SendScintilla(Sci::SCI_GETLENGTH);
    const long within =
        at - send(editor, Sci::SCI_INDEXPOSITIONFROMLINE, line, Sci::SC_LINECHARACTERINDEX_UTF32);
    if (within <= 0)
        return lineStart;
    const long byte = send(editor, Sci::SCI_POSITIONRELATIVE, lineStart, within);
    return byte > lineStart && byte <= nextLine ? byte : nextLine;
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
    const TextEditor& e = *editor();
    *startOffset = offset(e, e.SendScintilla(Sci::SCI_GETSELECTIONSTART));
    *endOffset = offset(e, e.SendScintilla(Sci::SCI_GETSELECTIONEND));
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
    TextEditor& e = *editor();
    const qsizetype start = e.position(bytePosition(e, startOffset));
    e.setSelStart(start);
    e.setSelLength(e.position(bytePosition(e, endOffset)) - start);
}

int EditorAccessible::cursorPosition() const
{
    return offset(*editor(), editor()->SendScintilla(Sci::SCI_GETCURRENTPOS));
}

void EditorAccessible::setCursorPosition(int position)
{
    editor()->setSelStart(editor()->position(bytePosition(*editor(), position)));
}

QString EditorAccessible::text(int startOffset, int endOffset) const
{
    const TextEditor& e = *editor();
    const qsizetype start = e.position(bytePosition(e, startOffset));
    return e.textRange(start, e.position(bytePosition(e, endOffset)) - start);
}

int EditorAccessible::characterCount() const
{
    return offset(*editor(), editor()->SendScintilla(Sci::SCI_GETLENGTH));
}

QRect EditorAccessible::characterRect(int offset) const
{
    const TextEditor& e = *editor();
    const qsizetype byte = bytePosition(e, offset);
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
    return byte < 0 ? -1 : offset(*editor(), byte);
}

void EditorAccessible::scrollToSubstring(int startIndex, int endIndex)
{
    TextEditor& e = *editor();
    e.SendScintilla(Sci::SCI_SCROLLRANGE, bytePosition(e, endIndex),
                    long(bytePosition(e, startIndex)));
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
    TextEditor& e = *editor();
    const qsizetype start = e.position(bytePosition(e, startOffset));
    const qsizetype end = std::max(start, e.position(bytePosition(e, endOffset)));
    e.replaceRange(start, end - start, text);
}
