#include "editor/TextEditor.h"

#include <QFontDatabase>
#include <QKeyEvent>
#include <QMimeData>
#include <QPrinter>
#include <QTextBlock>
#include <QTextDocument>

#include "app/KeyboardState.h"
#include "app/TextFile.h"

namespace {

const QString CrLf = QStringLiteral("\r\n");

// Users edit C: columns must line up.
QFont fixedPitchFont()
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    const QFontMetrics metrics(font);
    if (metrics.horizontalAdvance(QStringLiteral("iiii")) !=
        metrics.horizontalAdvance(QStringLiteral("WWWW"))) {
        font.setFamily(QStringLiteral("monospace"));
        font.setStyleHint(QFont::TypeWriter);
    }
    return font;
}

// A line separator would show as a break but count as none, and no code page stores it: it
// becomes a line break like the others.
QString asPlainLines(const QString& text)
{
    QString lines = text;
    lines.replace(QChar::LineSeparator, u'\n');
    return lines;
}

// Whether the widget would type the key's text, by the widget's own rule.
bool typesText(const QKeyEvent& event)
{
    const QString text = event.text();
    if (text.isEmpty())
        return false;
    const QChar first = text.front();
    if (first.category() == QChar::Other_Format)
        return true;
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    if (modifiers == Qt::ControlModifier || modifiers == (Qt::ControlModifier | Qt::ShiftModifier))
        return false;
    return first.isPrint() || first == u'\t' || first.category() == QChar::Other_PrivateUse ||
           (first.isHighSurrogate() && text.size() > 1 && text[1].isLowSurrogate());
}

} // namespace

TextEditor::TextEditor(QWidget* parent)
    : QPlainTextEdit(parent)
{
    setObjectName(QStringLiteral("rtfText"));
    // The document's history is the only one: the widget keeps no undo stack of its own.
    setUndoRedoEnabled(false);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    // Every command is the main window's: the widget offers none of its own.
    setContextMenuPolicy(Qt::NoContextMenu);
    setFont(fixedPitchFont());
    connect(document(), &QTextDocument::contentsChange, this, &TextEditor::onContentsChange);
    // Overwriting while the Insert key's toggle is on, as its indicator shows.
    const KeyboardState& keys = KeyboardState::instance();
    setOverwriteMode(keys.insert());
    connect(&keys, &KeyboardState::changed, this,
            [this, &keys] { setOverwriteMode(keys.insert()); });
}

QString TextEditor::Text() const
{
    return Lines().join(CrLf);
}

QStringList TextEditor::Lines() const
{
    // The kept lines are what a save writes: should they ever disagree with the document in
    // size, the document's own are taken.
    const bool agree =
        m_lines.count() == document()->blockCount() && m_length == document()->characterCount() - 1;
    Q_ASSERT(agree);
    return agree ? m_lines.toList() : linesOfDocument();
}

void TextEditor::setText(const QString& text)
{
    qsizetype lastLine = 0;
    const QString removed = m_lines.text(0, 0, m_length, &lastLine);
    m_replacingAll = true;
    setPlainText(text);
    m_replacingAll = false;
    reloadLines();
    emit Change(0, removed, m_length);
}

qsizetype TextEditor::SelStart() const
{
    return toCrlfPosition(textCursor().selectionStart());
}

void TextEditor::setSelStart(qsizetype position)
{
    QTextCursor cursor = textCursor();
    cursor.setPosition(int(toEditorPosition(position)));
    setTextCursor(cursor);
}

qsizetype TextEditor::SelLength() const
{
    const QTextCursor cursor = textCursor();
    return toCrlfPosition(cursor.selectionEnd()) - toCrlfPosition(cursor.selectionStart());
}

void TextEditor::setSelLength(qsizetype length)
{
    QTextCursor cursor = textCursor();
    const qsizetype start = SelStart();
    cursor.setPosition(int(toEditorPosition(start)));
    cursor.setPosition(int(toEditorPosition(start + std::max<qsizetype>(0, length))),
                       QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

QString TextEditor::SelText() const
{
    return textCursor().selectedText().replace(QChar::ParagraphSeparator, CrLf);
}

void TextEditor::setSelText(const QString& text)
{
    QTextCursor cursor = textCursor();
    cursor.insertText(asPlainLines(text));
    setTextCursor(cursor);
}

QString TextEditor::LoadFile(const QString& path)
{
    const TextFileContent file = readTextFile(path);
    if (!file.ok())
        return file.error;
    setText(file.text);
    return {};
}

void TextEditor::SelPrint(QPrinter* printer) const
{
    QTextDocument printed;
    printed.setDefaultFont(font());
    const QTextCursor cursor = textCursor();
    printed.setPlainText(cursor.hasSelection() ? cursor.selectedText() : document()->toRawText());
    // What is printed follows the selection alone, not the range picked in the dialog.
    printer->setPrintRange(QPrinter::AllPages);
    printer->setFromTo(0, 0);
    printed.print(printer);
}

QString TextEditor::textRange(qsizetype position, qsizetype length) const
{
    QTextCursor cursor(document());
    cursor.setPosition(int(position));
    cursor.setPosition(int(position + length), QTextCursor::KeepAnchor);
    return cursor.selectedText().replace(QChar::ParagraphSeparator, u'\n');
}

void TextEditor::replaceRange(qsizetype position, qsizetype length, const QString& text)
{
    QTextCursor cursor(document());
    cursor.setPosition(int(position));
    cursor.setPosition(int(position + length), QTextCursor::KeepAnchor);
    cursor.insertText(text);
}

qsizetype TextEditor::lineOfPosition(qsizetype position) const
{
    // The last line whose CR LF-counted start is at most one past the position.
    qsizetype low = 0;
    qsizetype high = lineCount() - 1;
    while (low < high) {
        const qsizetype middle = (low + high + 1) / 2;
        if (crlfStartOfLine(middle) <= position + 1)
            low = middle;
        else
            high = middle - 1;
    }
    return low;
}

qsizetype TextEditor::lineCount() const
{
    return document()->blockCount();
}

bool TextEditor::event(QEvent* event)
{
    // The main window's menu takes its Ctrl+letter keys before the editor sees them: the
    // editor's own undo and clipboard keys must not act.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        static const QList<int> menuKeys{Qt::Key_A, Qt::Key_C, Qt::Key_O, Qt::Key_P, Qt::Key_S,
                                         Qt::Key_V, Qt::Key_X, Qt::Key_Y, Qt::Key_Z};
        if (key->modifiers() == Qt::ControlModifier && menuKeys.contains(key->key())) {
            event->ignore();
            return true;
        }
    }
    return QPlainTextEdit::event(event);
}

void TextEditor::keyPressEvent(QKeyEvent* event)
{
    emit KeyDown();
    if (event->key() == Qt::Key_Insert &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        event->accept(); // the keyboard state toggles, and the editor with it
        return;
    }
    // The widget's own undo and clipboard keys (Shift+Insert and the like) do nothing: those
    // commands are the main window's.
    for (const QKeySequence::StandardKey own :
         {QKeySequence::Undo, QKeySequence::Redo, QKeySequence::Cut, QKeySequence::Copy,
          QKeySequence::Paste}) {
        if (event->matches(own)) {
            event->accept();
            return;
        }
    }
    // Overwriting a character, the widget would delete it and then insert: two changes for one
    // key. Only the text change goes in the edit block: the widget's caret moves and layout must
    // not run while the document is mid-change.
    QTextCursor cursor = textCursor();
    if (overwriteMode() && !cursor.hasSelection() && !cursor.atBlockEnd() && typesText(*event)) {
        cursor.beginEditBlock();
        cursor.deleteChar();
        cursor.insertText(event->text());
        cursor.endEditBlock();
        setTextCursor(cursor);
        ensureCursorVisible();
        event->accept();
        return;
    }
    // Shift+Enter would put in a line separator, which shows as a break but is none, and which
    // no code page stores: it breaks the line like Enter.
    if (event->matches(QKeySequence::InsertLineSeparator)) {
        QKeyEvent enter(event->type(), Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        QPlainTextEdit::keyPressEvent(&enter);
        event->setAccepted(enter.isAccepted());
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

bool TextEditor::canInsertFromMimeData(const QMimeData* source) const
{
    return source->hasText();
}

// Only the plain text of what is pasted or dropped.
void TextEditor::insertFromMimeData(const QMimeData* source)
{
    if (!source->hasText())
        return;
    QTextCursor cursor = textCursor();
    cursor.insertText(asPlainLines(source->text()));
    setTextCursor(cursor);
    ensureCursorVisible();
}

void TextEditor::mouseReleaseEvent(QMouseEvent* event)
{
    QPlainTextEdit::mouseReleaseEvent(event);
    emit Click();
}

QMimeData* TextEditor::createMimeDataFromSelection() const
{
    auto* data = new QMimeData;
    data->setText(SelText());
    return data;
}

void TextEditor::onContentsChange(int position, int removed, int added)
{
    if (m_replacingAll)
        return;
    // The reported counts may take in the document's closing separator; a report that does not
    // add up is taken as a change of the whole text.
    const qsizetype oldLength = m_length;
    const qsizetype newLength = document()->characterCount() - 1;
    qsizetype at = position;
    qsizetype removedLength = std::min<qsizetype>(removed, oldLength - at);
    qsizetype addedLength = std::min<qsizetype>(added, newLength - at);
    if (at < 0 || removedLength < 0 || addedLength < 0 ||
        oldLength - removedLength + addedLength != newLength) {
        at = 0;
        removedLength = oldLength;
        addedLength = newLength;
    }
    if (removedLength == 0 && addedLength == 0)
        return;

    const QTextBlock first = document()->findBlock(int(at));
    const qsizetype firstLine = first.blockNumber();
    qsizetype lastLine = firstLine;
    const QString removedText =
        m_lines.text(firstLine, at - first.position(), removedLength, &lastLine);
    if (removedLength == addedLength && removedText == textRange(at, addedLength))
        return; // only the formatting changed

    const qsizetype lastNewLine = document()->findBlock(int(at + addedLength)).blockNumber();
    QStringList newLines;
    QTextBlock block = first;
    for (qsizetype line = firstLine; line <= lastNewLine && block.isValid(); ++line) {
        newLines.append(block.text());
        block = block.next();
    }
    m_lines.replace(firstLine, lastLine - firstLine + 1, newLines);
    m_length = newLength;
    emit Change(at, removedText, addedLength);
}

void TextEditor::reloadLines()
{
    m_lines.assign(linesOfDocument());
    m_length = document()->characterCount() - 1;
}

// Each block's raw text: toPlainText() would turn a no-break space into a blank.
QStringList TextEditor::linesOfDocument() const
{
    QStringList lines;
    lines.reserve(document()->blockCount());
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next())
        lines.append(block.text());
    return lines;
}

qsizetype TextEditor::crlfStartOfLine(qsizetype line) const
{
    // Every line break before it counts one character more than in the editor.
    return document()->findBlockByNumber(int(line)).position() + line;
}

qsizetype TextEditor::toEditorPosition(qsizetype crlfPosition) const
{
    const qsizetype position = std::max<qsizetype>(0, crlfPosition);
    qsizetype low = 0;
    qsizetype high = lineCount() - 1;
    while (low < high) {
        const qsizetype middle = (low + high + 1) / 2;
        if (crlfStartOfLine(middle) <= position)
            low = middle;
        else
            high = middle - 1;
    }
    const QTextBlock block = document()->findBlockByNumber(int(low));
    return block.position() +
           std::min<qsizetype>(position - crlfStartOfLine(low), block.length() - 1);
}

qsizetype TextEditor::toCrlfPosition(qsizetype editorPosition) const
{
    return editorPosition + document()->findBlock(int(editorPosition)).blockNumber();
}
