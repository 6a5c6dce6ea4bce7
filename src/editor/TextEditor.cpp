#include "TextEditor.h"

#include "EditorAccessible.h"
#include "EditorLook.h"
#include "KeyboardState.h"
#include "Logging.h"
#include "TextFile.h"

#include <QAbstractTextDocumentLayout>
#include <QAccessible>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMimeData>
#include <QPrinter>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextOption>

namespace {

const QString CrLf = QStringLiteral("\r\n");
// Text goes into the widget in pieces of this many characters, so that no second whole copy
// of a large file is held while it loads.
constexpr qsizetype LoadPiece = 1 << 20;
// Paper left blank around the printed text: two centimetres.
constexpr double PrintMarginInches = 2 / 2.54;

// Every kind of line break becomes CR LF: a line separator would show as a break but count as
// none, and no code page stores it. Returns `bytes` itself when they need no change, otherwise
// `normalized`. Text may come in pieces: `afterCr` tells whether the piece before ended in a CR,
// which was given its LF then, and the same of this piece on return.
QByteArrayView normalizedUtf8(QByteArrayView bytes, bool& afterCr, QByteArray& normalized)
{
    normalized.truncate(0);
    qsizetype kept = 0; // the bytes before it are in `normalized` once that is in use
    bool changed = false;
    const auto replace = [&](qsizetype at, qsizetype length, QByteArrayView with) {
        if (!std::exchange(changed, true))
            normalized.reserve(bytes.size() + bytes.size() / 8);
        normalized.append(bytes.sliced(kept, at - kept)).append(with);
        kept = at + length;
    };
    const qsizetype size = bytes.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char c = bytes[i];
        if (c == '\n') {
            replace(i, 1, i == 0 && afterCr ? "" : "\r\n");
        } else if (c == '\r') {
            if (i + 1 < size && bytes[i + 1] == '\n')
                ++i;
            else
                replace(i, 1, "\r\n");
        } else if (c == '\xe2' && bytes.sliced(i).startsWith("\xe2\x80\xa8")) {
            replace(i, 3, "\r\n");
            i += 2;
        }
    }
    afterCr = size > 0 && bytes[size - 1] == '\r';
    if (!changed)
        return bytes;
    normalized.append(bytes.sliced(kept));
    return normalized;
}

bool isAscii(const char* bytes, qsizetype length)
{
    unsigned char any = 0;
    for (qsizetype i = 0; i < length; ++i)
        any |= static_cast<unsigned char>(bytes[i]);
    return any < 0x80;
}

QByteArray normalizedUtf8(QStringView text)
{
    const QByteArray bytes = text.toUtf8();
    bool afterCr = false;
    QByteArray normalized;
    return normalizedUtf8(bytes, afterCr, normalized).data() == bytes.constData() ? bytes
                                                                                  : normalized;
}

} // namespace

TextEditor::ChangeScope::ChangeScope(TextEditor& editor)
    : m_editor(editor)
{
    ++m_editor.m_scopeDepth;
}

TextEditor::ChangeScope::~ChangeScope()
{
    if (--m_editor.m_scopeDepth > 0 || !m_editor.m_pending)
        return;
    m_editor.settlePendingSpan();
    m_editor.m_pending = false;
    const QString removed = std::exchange(m_editor.m_pendingRemoved, QString());
    // The widget's own change signals come from the notices we no longer let through.
    emit m_editor.textChanged();
    if (const qsizetype lines = m_editor.lineCount(); lines != m_editor.m_lineCount) {
        m_editor.m_lineCount = lines;
        fitLineNumberMargin(m_editor);
        emit m_editor.linesChanged();
    }
    const qsizetype at = m_editor.m_spanStart;
    const qsizetype inserted = m_editor.m_spanEnd - at;
    if (QAccessible::isActive()) {
        const int offset = EditorAccessible::offset(m_editor, m_editor.bytePosition(at));
        QAccessibleTextUpdateEvent update(&m_editor, offset, removed,
                                          m_editor.textRange(at, inserted));
        QAccessible::updateAccessibility(&update);
    }
    emit m_editor.Change(at, removed, inserted);
}

TextEditor::TextEditor(QWidget* parent)
    : QsciScintilla(parent)
{
    setObjectName(QStringLiteral("rtfText"));
    EditorAccessible::install();
    setUtf8(true);
    setEolMode(EolWindows);
    SendScintilla(SCI_SETPASTECONVERTENDINGS, 1);
    // The document's history is the only one: the widget keeps no undo stack of its own.
    SendScintilla(SCI_SETUNDOCOLLECTION, 0);
    setWrapMode(WrapNone);
    // The horizontal scroll bar only once a line drawn is wider than the window: the width
    // grows with the lines painted, and the whole text is never measured.
    SendScintilla(SCI_SETSCROLLWIDTH, 1);
    SendScintilla(SCI_SETSCROLLWIDTHTRACKING, true);
    setTabWidth(4);
    setIndentationsUseTabs(true);
    // Every command is the main window's: the widget offers none of its own.
    setContextMenuPolicy(Qt::NoContextMenu);
    SendScintilla(SCI_USEPOPUP, SC_POPUP_NEVER);
    setUpKeys();
    applyEditorLook(*this);
    // Only the notices sent before a change reach us: every notice after one would make the
    // widget's accessibility layer count the text from its start.
    SendScintilla(SCI_SETMODEVENTMASK, SC_MOD_BEFOREINSERT | SC_MOD_BEFOREDELETE);
    connect(this, &QsciScintillaBase::SCN_MODIFIED, this,
            [this](int position, int type, const char* text, int length, int, int, int, int, int,
                   int) { onModified(position, type, text, length); });
    connect(this, &QsciScintillaBase::SCN_UPDATEUI, this, [this](int updated) {
        // Typing moves the caret without a selection update: told after every change too.
        if (QAccessible::isActive() && (updated & (SC_UPDATE_SELECTION | SC_UPDATE_CONTENT)))
            announceCaretAndSelection();
    });
    // Overwriting while the Insert key's toggle is on, as its indicator shows.
    const KeyboardState& keys = KeyboardState::instance();
    setOverwriteMode(keys.insert());
    connect(&keys, &KeyboardState::changed, this,
            [this, &keys] { setOverwriteMode(keys.insert()); });
}

void TextEditor::announceCaretAndSelection()
{
    const int caret = EditorAccessible::offset(*this, send(SCI_GETCURRENTPOS));
    const int anchor = EditorAccessible::offset(*this, send(SCI_GETANCHOR));
    const QPair selection(std::min(caret, anchor), std::max(caret, anchor));
    if (selection != m_announcedSelection &&
        (selection.first != selection.second ||
         m_announcedSelection.first != m_announcedSelection.second)) {
        QAccessibleTextSelectionEvent selected(this, selection.first, selection.second);
        QAccessible::updateAccessibility(&selected);
    }
    m_announcedSelection = selection;
    if (caret != std::exchange(m_announcedCaret, caret)) {
        QAccessibleTextCursorEvent moved(this, caret);
        QAccessible::updateAccessibility(&moved);
    }
}

QString TextEditor::Text() const
{
    return QString::fromUtf8(utf8Text());
}

QByteArrayView TextEditor::utf8Text() const
{
    const auto* bytes = static_cast<const char*>(SendScintillaPtrResult(SCI_GETCHARACTERPOINTER));
    return QByteArrayView(bytes, SendScintilla(SCI_GETLENGTH));
}

void TextEditor::setText(const QString& text)
{
    ChangeScope scope(*this);
    startLoad(text.size());
    Load load;
    for (qsizetype from = 0; from < text.size();) {
        qsizetype to = std::min(text.size(), from + LoadPiece);
        // A piece never ends inside a surrogate pair.
        if (to < text.size() && text[to - 1].isHighSurrogate())
            ++to;
        appendNormalized(QStringView(text).mid(from, to - from).toUtf8(), load);
        from = to;
    }
    SendScintilla(SCI_GOTOPOS, 0);
}

void TextEditor::clear()
{
    ChangeScope scope(*this);
    QsciScintilla::clear();
    dropCharacterIndex();
}

void TextEditor::startLoad(qsizetype length)
{
    SendScintilla(SCI_CLEARALL);
    dropCharacterIndex();
    SendScintilla(SCI_SETSCROLLWIDTH, 1); // the old text's long lines are gone
    // Room for the whole text at once: growing the buffer later stalls the first edit.
    send(SCI_ALLOCATE, length + length / 6);
}

void TextEditor::appendNormalized(QByteArrayView utf8, Load& load)
{
    const QByteArrayView bytes = normalizedUtf8(utf8, load.afterCr, load.normalized);
    SendScintilla(SCI_APPENDTEXT, bytes.size(), bytes.constData());
}

qsizetype TextEditor::SelStart() const
{
    return position(SendScintilla(SCI_GETSELECTIONSTART));
}

void TextEditor::setSelStart(qsizetype position)
{
    send(SCI_GOTOPOS, caretBytePosition(position));
}

qsizetype TextEditor::SelLength() const
{
    return position(SendScintilla(SCI_GETSELECTIONEND)) - SelStart();
}

void TextEditor::setSelLength(qsizetype length)
{
    const qsizetype start = SelStart();
    // The view stays where it is: bringing the far end into view would colour all before it.
    send(SCI_SETANCHOR, caretBytePosition(start));
    send(SCI_SETCURRENTPOS, caretBytePosition(start + std::max<qsizetype>(0, length)));
}

void TextEditor::selectAll(bool select)
{
    if (!select)
        return QsciScintilla::selectAll(false);
    // The widget's own Select All leaves the caret at the start.
    SendScintilla(SCI_SETANCHOR, 0);
    SendScintilla(SCI_SETCURRENTPOS, SendScintilla(SCI_GETLENGTH));
}

QString TextEditor::SelText() const
{
    return bytesAsString(SendScintilla(SCI_GETSELECTIONSTART), SendScintilla(SCI_GETSELECTIONEND));
}

void TextEditor::setSelText(const QString& text)
{
    ChangeScope scope(*this);
    SendScintilla(SCI_REPLACESEL, normalizedUtf8(text).constData());
}

void TextEditor::paste()
{
    ChangeScope scope(*this);
    QsciScintilla::paste();
}

void TextEditor::cut()
{
    ChangeScope scope(*this);
    QsciScintilla::cut();
}

Result<> TextEditor::LoadFile(const QString& path)
{
    ChangeScope scope(*this);
    // The old text goes only once the file's first piece is read.
    bool started = false;
    const auto start = [&] {
        if (!std::exchange(started, true))
            startLoad(QFileInfo(path).size());
    };
    Load load;
    const Result<> read = readTextFileInPieces(path, [&](QByteArrayView piece) {
        start();
        appendNormalized(piece, load);
    });
    if (!read) {
        // Reading failed midway: the old text comes back, and nothing changed.
        if (started) {
            const QByteArray old = m_pendingRemoved.toUtf8();
            SendScintilla(SCI_CLEARALL);
            SendScintilla(SCI_APPENDTEXT, old.size(), old.constData());
            // Settled before it is dropped: the old text may need the character index back.
            settlePendingSpan();
            m_pending = false;
            m_pendingRemoved.clear();
        }
        return read;
    }
    start();
    SendScintilla(SCI_GOTOPOS, 0);
    return {};
}

void TextEditor::SelPrint(QPrinter* printer) const
{
    // What is printed follows the selection alone, not the range picked in the dialog.
    printer->setPrintRange(QPrinter::AllPages);
    printer->setFromTo(0, 0);
    printDocument(*printer)->print(printer);
    // A printer that refuses the job leaves only its state behind: no message tells of it.
    if (printer->printerState() == QPrinter::Error)
        qCWarning(lcLarkspan) << "Printing failed:" << printer->printerName()
                              << printer->outputFileName();
}

std::unique_ptr<QTextDocument> TextEditor::printDocument(QPaintDevice& device) const
{
    auto printed = std::make_unique<QTextDocument>();
    printed->documentLayout()->setPaintDevice(&device);
    printed->setDefaultFont(font());
    QTextOption option = printed->defaultTextOption();
    option.setTabStopDistance(tabWidth() * QFontMetricsF(font(), &device).horizontalAdvance(u' '));
    printed->setDefaultTextOption(option);
    const QString text = SendScintilla(SCI_GETSELECTIONEMPTY) ? Text() : SelText();
    printed->setPlainText(QString(text).replace(CrLf, QStringLiteral("\n")));
    // Laid out in pages here: a document that Qt pages itself gets a page number on each.
    QTextFrameFormat frame = printed->rootFrame()->frameFormat();
    frame.setLeftMargin(device.logicalDpiX() * PrintMarginInches);
    frame.setRightMargin(device.logicalDpiX() * PrintMarginInches);
    frame.setTopMargin(device.logicalDpiY() * PrintMarginInches);
    frame.setBottomMargin(device.logicalDpiY() * PrintMarginInches);
    printed->rootFrame()->setFrameFormat(frame);
    printed->setPageSize(QSizeF(device.width(), device.height()));
    return printed;
}

QString TextEditor::textRange(qsizetype position, qsizetype length) const
{
    return bytesAsString(bytePosition(position), bytePosition(position + length));
}

void TextEditor::replaceRange(qsizetype position, qsizetype length, const QString& text)
{
    ChangeScope scope(*this);
    const QByteArray bytes = text.toUtf8();
    SendScintilla(SCI_SETTARGETRANGE, bytePosition(position), bytePosition(position + length));
    SendScintilla(SCI_REPLACETARGET, bytes.size(), bytes.constData());
}

qsizetype TextEditor::textLength() const
{
    return position(SendScintilla(SCI_GETLENGTH));
}

qsizetype TextEditor::lineOfPosition(qsizetype position) const
{
    const long after = long(std::max<qsizetype>(0, position + 1));
    const qsizetype line = m_indexed ? SendScintilla(SCI_LINEFROMINDEXPOSITION, after,
                                                     long(SC_LINECHARACTERINDEX_UTF16))
                                     : SendScintilla(SCI_LINEFROMPOSITION, after);
    return std::min(line, lineCount() - 1);
}

qsizetype TextEditor::lineCount() const
{
    return SendScintilla(SCI_GETLINECOUNT);
}

void TextEditor::dropCharacterIndex()
{
    if (std::exchange(m_indexed, false))
        SendScintilla(SCI_RELEASELINECHARACTERINDEX, SC_LINECHARACTERINDEX_UTF16);
}

qsizetype TextEditor::bytePosition(qsizetype position) const
{
    const qsizetype at = std::max<qsizetype>(0, position);
    if (!m_indexed)
        return std::min<qsizetype>(at, SendScintilla(SCI_GETLENGTH));
    const qsizetype line =
        SendScintilla(SCI_LINEFROMINDEXPOSITION, at, long(SC_LINECHARACTERINDEX_UTF16));
    const qsizetype lineStart = send(SCI_POSITIONFROMLINE, line);
    const qsizetype lineEnd = line + 1 < lineCount()
                                  ? qsizetype(send(SCI_POSITIONFROMLINE, line + 1))
                                  : qsizetype(SendScintilla(SCI_GETLENGTH));
    const qsizetype within =
        at - SendScintilla(SCI_INDEXPOSITIONFROMLINE, line, long(SC_LINECHARACTERINDEX_UTF16));
    if (within <= 0)
        return lineStart;
    const qsizetype byte = SendScintilla(SCI_POSITIONRELATIVECODEUNITS, lineStart, long(within));
    return byte > lineStart && byte <= lineEnd ? byte : lineEnd;
}

qsizetype TextEditor::position(qsizetype bytePosition) const
{
    if (!m_indexed)
        return bytePosition;
    const qsizetype line = send(SCI_LINEFROMPOSITION, bytePosition);
    const qsizetype lineStart = send(SCI_POSITIONFROMLINE, line);
    return SendScintilla(SCI_INDEXPOSITIONFROMLINE, line, long(SC_LINECHARACTERINDEX_UTF16)) +
           SendScintilla(SCI_COUNTCODEUNITS, lineStart, long(bytePosition));
}

// The caret never stands between a CR and its LF.
qsizetype TextEditor::caretBytePosition(qsizetype position) const
{
    const qsizetype byte = bytePosition(position);
    if (byte > 0 && send(SCI_GETCHARAT, byte - 1) == '\r' && send(SCI_GETCHARAT, byte) == '\n')
        return byte - 1;
    return byte;
}

QString TextEditor::bytesAsString(qsizetype from, qsizetype to) const
{
    if (to <= from)
        return {};
    QByteArray bytes(to - from + 1, Qt::Uninitialized);
    SendScintilla(SCI_GETTEXTRANGE, long(from), long(to), bytes.data());
    return QString::fromUtf8(bytes.constData(), to - from);
}

void TextEditor::onModified(int bytePosition, int type, const char*, int byteLength)
{
    if (!(type & (SC_MOD_BEFOREINSERT | SC_MOD_BEFOREDELETE)))
        return;
    settlePendingSpan();
    const qsizetype at = position(bytePosition);
    const QString removed = type & SC_MOD_BEFOREDELETE
                                ? bytesAsString(bytePosition, bytePosition + byteLength)
                                : QString();
    if (!m_pending) {
        m_pending = true;
        m_spanStart = at;
        m_spanEnd = at + removed.size();
        m_pendingRemoved = removed;
    } else {
        // The span grows over the text between it and this change, still as it first stood.
        const qsizetype start = std::min(m_spanStart, at);
        const qsizetype end = std::max(m_spanEnd, at + removed.size());
        m_pendingRemoved = textRange(start, m_spanStart - start) + m_pendingRemoved +
                           textRange(m_spanEnd, end - m_spanEnd);
        m_spanStart = start;
        m_spanEnd = end;
    }
    // How much the change inserts is known only once it is done, from the length it leaves.
    m_lengthBefore = textLength();
    m_insertAt = bytePosition;
    m_insertBytes = type & SC_MOD_BEFOREINSERT ? byteLength : 0;
    // A change made outside any of our entry points is reported just after it.
    if (m_scopeDepth == 0)
        QMetaObject::invokeMethod(
            this, [this] { ChangeScope flush(*this); }, Qt::QueuedConnection);
}

void TextEditor::settlePendingSpan()
{
    if (!m_pending)
        return;
    // The text before this insert is ASCII, so the positions kept so far hold either way.
    if (!m_indexed && m_insertBytes > 0) {
        const auto* inserted = reinterpret_cast<const char*>(
            send(SCI_GETRANGEPOINTER, m_insertAt, long(m_insertBytes)));
        if (!isAscii(inserted, m_insertBytes)) {
            SendScintilla(SCI_ALLOCATELINECHARACTERINDEX, SC_LINECHARACTERINDEX_UTF16);
            m_indexed = true;
        }
    }
    m_insertBytes = 0;
    const qsizetype length = textLength();
    m_spanEnd += length - m_lengthBefore;
    m_lengthBefore = length;
}

bool TextEditor::event(QEvent* event)
{
    // The main window's menu takes its Ctrl+letter keys and the standard clipboard keys
    // (Shift+Insert and the like) before the editor sees them: the editor's own undo and
    // clipboard keys must not act.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        static const QList<int> menuKeys{Qt::Key_A, Qt::Key_C, Qt::Key_O, Qt::Key_P, Qt::Key_S,
                                         Qt::Key_V, Qt::Key_X, Qt::Key_Y, Qt::Key_Z};
        if ((key->modifiers() == Qt::ControlModifier && menuKeys.contains(key->key())) ||
            key->matches(QKeySequence::Cut) || key->matches(QKeySequence::Copy) ||
            key->matches(QKeySequence::Paste)) {
            event->ignore();
            return true;
        }
    }
    ChangeScope scope(*this);
    return QsciScintilla::event(event);
}

bool TextEditor::viewportEvent(QEvent* event)
{
    // With Ctrl the widget zooms at the wheel and selects a column with the mouse, commands
    // the menus do not have: the wheel only scrolls and the mouse selects running text.
    switch (event->type()) {
    case QEvent::Wheel:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease: {
        auto* input = static_cast<QInputEvent*>(event);
        input->setModifiers(input->modifiers() & ~Qt::ControlModifier);
        break;
    }
    default:
        break;
    }
    ChangeScope scope(*this);
    return QsciScintilla::viewportEvent(event);
}

void TextEditor::keyPressEvent(QKeyEvent* event)
{
    emit KeyDown();
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (event->key() == Qt::Key_Insert && modifiers == Qt::NoModifier) {
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
    // A Ctrl key that is no editing command types nothing.
    if ((modifiers & Qt::ControlModifier) && !(modifiers & Qt::AltModifier) &&
        event->key() < Qt::Key_Escape) {
        event->accept();
        return;
    }
    // Tab puts in a tab in place of the selection, even one over several lines.
    if (event->key() == Qt::Key_Tab && modifiers == Qt::NoModifier) {
        SendScintilla(SCI_REPLACESEL, "\t");
        event->accept();
        return;
    }
    QsciScintilla::keyPressEvent(event);
}

// Input methods see the caret's line only: the widget would hand them its whole paragraph,
// which in a file with no blank line is the whole text.
QVariant TextEditor::inputMethodQuery(Qt::InputMethodQuery query) const
{
    if (query != Qt::ImSurroundingText && query != Qt::ImCursorPosition &&
        query != Qt::ImAnchorPosition)
        return QsciScintilla::inputMethodQuery(query);
    const qsizetype caret = SendScintilla(SCI_GETCURRENTPOS);
    const qsizetype line = send(SCI_LINEFROMPOSITION, caret);
    const qsizetype start = send(SCI_POSITIONFROMLINE, line);
    const qsizetype end = send(SCI_GETLINEENDPOSITION, line);
    if (query == Qt::ImSurroundingText)
        return bytesAsString(start, end);
    const qsizetype byte = query == Qt::ImCursorPosition
                               ? caret
                               : std::clamp<qsizetype>(SendScintilla(SCI_GETANCHOR), start, end);
    return int(position(byte) - position(start));
}

void TextEditor::changeEvent(QEvent* event)
{
    QsciScintilla::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        applyEditorLook(*this);
}

void TextEditor::mouseReleaseEvent(QMouseEvent* event)
{
    QsciScintilla::mouseReleaseEvent(event);
    emit Click();
}

bool TextEditor::canInsertFromMimeData(const QMimeData* source) const
{
    return source->hasText();
}

// Only the plain text of what is pasted or dropped.
QByteArray TextEditor::fromMimeData(const QMimeData* source, bool& rectangular) const
{
    rectangular = false;
    return normalizedUtf8(source->text());
}

QMimeData* TextEditor::toMimeData(const QByteArray& text, bool) const
{
    auto* data = new QMimeData;
    data->setText(QString::fromUtf8(text));
    return data;
}

void TextEditor::setUpKeys()
{
    // The keys a plain text box has, and no more.
    SendScintilla(SCI_CLEARALLCMDKEYS);
    const auto bind = [this](int key, int modifiers, int command) {
        SendScintilla(SCI_ASSIGNCMDKEY, key + (modifiers << 16), command);
    };
    struct Move {
        int key, command, wordCommand;
    };
    for (const Move& move :
         {Move{SCK_LEFT, SCI_CHARLEFT, SCI_WORDLEFT}, Move{SCK_RIGHT, SCI_CHARRIGHT, SCI_WORDRIGHT},
          Move{SCK_UP, SCI_LINEUP, SCI_LINEUP}, Move{SCK_DOWN, SCI_LINEDOWN, SCI_LINEDOWN},
          Move{SCK_HOME, SCI_HOME, SCI_DOCUMENTSTART}, Move{SCK_END, SCI_LINEEND, SCI_DOCUMENTEND},
          Move{SCK_PRIOR, SCI_PAGEUP, SCI_PAGEUP}, Move{SCK_NEXT, SCI_PAGEDOWN, SCI_PAGEDOWN}}) {
        // Each command's extending form follows it.
        bind(move.key, 0, move.command);
        bind(move.key, SCMOD_SHIFT, move.command + 1);
        bind(move.key, SCMOD_CTRL, move.wordCommand);
        bind(move.key, SCMOD_CTRL | SCMOD_SHIFT, move.wordCommand + 1);
    }
    bind(SCK_BACK, 0, SCI_DELETEBACK);
    bind(SCK_BACK, SCMOD_SHIFT, SCI_DELETEBACK);
    bind(SCK_BACK, SCMOD_CTRL, SCI_DELWORDLEFT);
    bind(SCK_DELETE, 0, SCI_CLEAR);
    bind(SCK_DELETE, SCMOD_CTRL, SCI_DELWORDRIGHT);
    bind(SCK_RETURN, 0, SCI_NEWLINE);
    bind(SCK_RETURN, SCMOD_SHIFT, SCI_NEWLINE);
}
