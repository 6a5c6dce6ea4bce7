#include "editor/TextEditor.h"

#include <QClipboard>
#include <QMimeData>
#include <QRandomGenerator>
#include <QtTest>

namespace {

// Rebuilds the editor's text from its change notices alone; a notice that names the wrong
// removed text or length shows up as a difference from the editor's own text.
class ChangeFollower {
public:
    explicit ChangeFollower(TextEditor& editor)
        : m_editor(editor)
        , m_text(editor.textRange(0, editor.document()->characterCount() - 1))
    {
        QObject::connect(&editor, &TextEditor::Change, &editor,
                         [this](qsizetype position, const QString& removed, qsizetype inserted) {
                             if (m_text.mid(position, removed.size()) != removed)
                                 ++wrongRemovals;
                             m_text.replace(position, removed.size(),
                                            m_editor.textRange(position, inserted));
                             ++notices;
                         });
    }
    QString text() const { return QString(m_text).replace(u'\n', QStringLiteral("\r\n")); }
    int notices = 0;
    int wrongRemovals = 0;

private:
    TextEditor& m_editor;
    QString m_text;
};

} // namespace

class TextEditorTest : public QObject {
    Q_OBJECT

private slots:
    void textIsRawWithCrLf();
    void selectionCountsCrLfAsTwo();
    void changeNoticesDescribeEveryEdit();
    void copiesAndPastesPlainText();
};

void TextEditorTest::textIsRawWithCrLf()
{
    TextEditor editor;
    // Every kind of line break becomes a line; a no-break space stays one.
    editor.setText(QStringLiteral("a\u00a0b\r\nc\nd\re\t\x01"));
    QCOMPARE(editor.Text(), QStringLiteral("a\u00a0b\r\nc\r\nd\r\ne\t\x01"));
    QCOMPARE(editor.lineCount(), 4);
    QCOMPARE(editor.objectName(), QString("rtfText"));
    QVERIFY(!editor.isUndoRedoEnabled());
    const QFontMetrics metrics(editor.font());
    QCOMPARE(metrics.horizontalAdvance("iiii"), metrics.horizontalAdvance("WWWW"));
}

void TextEditorTest::selectionCountsCrLfAsTwo()
{
    TextEditor editor;
    editor.setText("ab\r\ncd\r\nef");
    editor.setSelStart(4); // before the c
    QCOMPARE(editor.SelStart(), 4);
    editor.setSelLength(4); // "cd", CR LF
    QCOMPARE(editor.SelLength(), 4);
    QCOMPARE(editor.SelText(), QString("cd\r\n"));

    editor.setSelStart(0);
    editor.setSelLength(editor.Text().size());
    QCOMPARE(editor.SelText(), editor.Text());

    // Replacing the selection leaves the caret after the new text.
    editor.setSelStart(2);
    editor.setSelLength(2); // the line break
    editor.setSelText("-\r\n+");
    QCOMPARE(editor.Text(), QString("ab-\r\n+cd\r\nef"));
    QCOMPARE(editor.SelStart(), 6);
    QCOMPARE(editor.SelLength(), 0);

    // Positions past the end or inside a CR LF are held to the text.
    editor.setSelStart(1000);
    QCOMPARE(editor.SelStart(), editor.Text().size());
    editor.setSelStart(4); // between CR and LF
    QCOMPARE(editor.SelStart(), 3);
}

void TextEditorTest::changeNoticesDescribeEveryEdit()
{
    TextEditor editor;
    editor.resize(300, 200);
    editor.show();
    editor.setText("first line\r\nsecond\r\n\r\nlast");
    ChangeFollower follower(editor);
    QRandomGenerator random(11);
    const QList<int> keys{Qt::Key_A,         Qt::Key_B,      Qt::Key_Space, Qt::Key_Return,
                          Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Left,  Qt::Key_Right,
                          Qt::Key_Up,        Qt::Key_Down,   Qt::Key_Home,  Qt::Key_End,
                          Qt::Key_Insert};
    for (int round = 0; round < 1500; ++round) {
        const int action = random.bounded(20);
        if (action < 14) {
            const Qt::KeyboardModifiers modifiers =
                random.bounded(5) == 0 ? Qt::ShiftModifier : Qt::NoModifier;
            QTest::keyClick(&editor, Qt::Key(keys[random.bounded(keys.size())]), modifiers);
        } else if (action < 16) {
            const qsizetype length = editor.Text().size();
            editor.setSelStart(random.bounded(int(length + 1)));
            editor.setSelLength(random.bounded(int(length + 1)));
            editor.setSelText(random.bounded(2) ? QString() : QStringLiteral("x\r\ny\nz"));
        } else if (action < 17) {
            if (random.bounded(2))
                editor.clear(); // reports its change in two parts that do not add up
            else
                editor.setText(QStringLiteral("new\r\ntext"));
        } else {
            const int position = random.bounded(editor.document()->characterCount());
            QTest::keyClick(&editor, Qt::Key_Down, Qt::ShiftModifier);
            QTextCursor cursor = editor.textCursor();
            cursor.setPosition(position);
            editor.setTextCursor(cursor);
        }
        QCOMPARE(follower.text(), editor.Text());
        QCOMPARE(editor.Text(),
                 editor.document()->toRawText().replace(QChar::ParagraphSeparator, "\r\n"));
    }
    QCOMPARE(follower.wrongRemovals, 0);
    QVERIFY(follower.notices > 100);
}

void TextEditorTest::copiesAndPastesPlainText()
{
    TextEditor editor;
    editor.setText("a\u00a0b\r\nc");
    editor.selectAll();
    editor.copy();
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    QCOMPARE(data->formats(), QStringList{"text/plain"});
    QCOMPARE(data->text(), QString("a\u00a0b\r\nc"));

    // Whatever else the clipboard offers, the plain text goes in; a line separator breaks the
    // line like any other break.
    auto* offered = new QMimeData;
    offered->setData("text/markdown", "# Title\n\n* item\n");
    offered->setHtml("<b>bold</b>");
    offered->setText(QString("plain\u2028next"));
    QGuiApplication::clipboard()->setMimeData(offered);
    editor.setText("");
    editor.paste();
    QCOMPARE(editor.Text(), QString("plain\r\nnext"));
    editor.setSelText(QString("x\u2028y"));
    QCOMPARE(editor.Text(), QString("plain\r\nnextx\r\ny"));
}

QTEST_MAIN(TextEditorTest)
#include "tst_texteditor.moc"
