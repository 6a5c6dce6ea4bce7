#include "frmDocument.h"

#include "StatusBar.h"
#include "TextEditor.h"
#include "Toolkit.h"
#include "modLines.h"

#include <QMenu>
#include <QResizeEvent>
#include <QShortcut>

namespace {

// Design sizes, in twips.
constexpr int ClientWidth = 5670;
constexpr int ClientHeight = 4500;
constexpr int StatusBarHeight = 255;

// The history works on the editor's text in its positions.
class EditorText : public UndoHistory::Text {
public:
    explicit EditorText(TextEditor& editor)
        : m_editor(editor)
    {
    }
    QString mid(qsizetype position, qsizetype length) const override
    {
        return m_editor.textRange(position, length);
    }
    void replace(qsizetype position, qsizetype length, const QString& text) override
    {
        m_editor.replaceRange(position, length, text);
    }

private:
    TextEditor& m_editor;
};

// The client area, which asks for the design size until it is given another.
class DocumentClient : public QWidget {
public:
    QSize sizeHint() const override
    {
        return {Toolkit::twipsToPixels(ClientWidth), Toolkit::twipsToPixels(ClientHeight)};
    }
};

} // namespace

frmDocument::frmDocument(QWidget* parent)
    : QMdiSubWindow(parent)
{
    setObjectName(QStringLiteral("frmDocument"));
    setWindowTitle(QStringLiteral("frmDocument"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* client = new DocumentClient;
    rtfText = new TextEditor(client);
    StatusBar1 = new StatusBar(client);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->addPanel(StatusBar::PanelKind::Text, QStringLiteral("Line 1 of 1"), 1440);
    StatusBar1->addPanel(StatusBar::PanelKind::Text, QString(), 2100);
    StatusBar1->addPanel(StatusBar::PanelKind::CapsLock, QStringLiteral("CAPS"), 600);
    StatusBar1->addPanel(StatusBar::PanelKind::NumLock, QStringLiteral("NUM"), 600);
    StatusBar1->addPanel(StatusBar::PanelKind::Insert, QStringLiteral("INS"), 600);
    client->setMinimumSize(0, 0);
    // Laid out when the client area has taken its new size, which happens after the window's.
    client->installEventFilter(this);
    setWidget(client);

    // A screen reader names the editor after its document, whose caption changes on Save As.
    const auto nameEditor = [this] {
        rtfText->setAccessibleName(QStringLiteral("Editor: ") + windowTitle());
    };
    nameEditor();
    connect(this, &QWidget::windowTitleChanged, rtfText, nameEditor);
    // Closing asks nothing, so of the keys Qt gives the window's own menu only the
    // long-standing Ctrl+F4 is kept: its Ctrl+W sits beside Ctrl+Q, Ctrl+S and Ctrl+E.
    const QKeySequence closeKey(Qt::CTRL | Qt::Key_F4);
    for (QAction* action : systemMenu()->actions())
        action->setShortcuts(action->shortcuts().contains(closeKey) ? QList{closeKey}
                                                                    : QList<QKeySequence>());
    // Alt+- opens a document's own menu, as in other multiple-document programs.
    auto* menuKey =
        new QShortcut(Qt::ALT | Qt::Key_Minus, this, this, &QMdiSubWindow::showSystemMenu);
    menuKey->setContext(Qt::WidgetWithChildrenShortcut);
    connect(rtfText, &TextEditor::KeyDown, this, &frmDocument::rtfText_KeyDown);
    connect(rtfText, &TextEditor::Click, this, &frmDocument::rtfText_Click);
    connect(rtfText, &TextEditor::Change, this, &frmDocument::rtfText_Change);
}

void frmDocument::Form_Load()
{
    Form_Resize();
}

void frmDocument::Form_Resize()
{
    QWidget* client = widget();
    Q_ASSERT(client); // set once, when the window is made
    // The status bar stays docked along the bottom edge over the full width.
    const int barHeight = Toolkit::twipsToPixels(StatusBarHeight);
    StatusBar1->setGeometry(0, std::max(0, client->height() - barHeight), client->width(),
                            barHeight);

    const float barWidth = float(Toolkit::pixelsToTwips(StatusBar1->width()));
    const float others = float(StatusBar1->panelWidth(1) + StatusBar1->panelWidth(3) +
                               StatusBar1->panelWidth(4) + StatusBar1->panelWidth(5));
    StatusBar1->setPanelWidth(2, std::max(0.0f, barWidth - 350 - others));
    // Measured on the client area, not on the outer size less a frame and title bar: a
    // maximised child has neither.
    rtfText->setGeometry(0, 0, client->width(), std::max(0, client->height() - barHeight));
}

bool frmDocument::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == widget() && event->type() == QEvent::Resize)
        Form_Resize();
    return QMdiSubWindow::eventFilter(watched, event);
}

void frmDocument::rtfText_KeyDown()
{
    refreshLinePanel();
}

void frmDocument::rtfText_Click()
{
    refreshLinePanel();
}

void frmDocument::rtfText_Change(qsizetype position, const QString& removed,
                                 qsizetype insertedLength)
{
    if (!InUndo)
        m_history.record(position, removed, insertedLength);
    LineCount = CountLines(*rtfText);
}

void frmDocument::Undo()
{
    stepHistory(false);
}

void frmDocument::Redo()
{
    stepHistory(true);
}

void frmDocument::refreshLinePanel()
{
    const qsizetype line = LineAtPosition(*rtfText, rtfText->SelStart());
    StatusBar1->setPanelText(1, QStringLiteral("Line %1 of %2").arg(line).arg(LineCount));
}

void frmDocument::stepHistory(bool forward)
{
    InUndo = true;
    EditorText text(*rtfText);
    const bool stepped = forward ? m_history.redo(text) : m_history.undo(text);
    InUndo = false;
    if (!stepped)
        return;
    rtfText->setSelStart(rtfText->textLength());
}
