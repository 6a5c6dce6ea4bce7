#include "EditorLook.h"

#include <Qsci/qscilexercpp.h>
#include <Qsci/qsciscintilla.h>

#include <QFontDatabase>

namespace {

// Users edit C: columns must line up.
QFont fixedPitchFont()
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    const QFontMetrics metrics(font);
    if (metrics.horizontalAdvance(QStringLiteral("iiii")) !=
        metrics.horizontalAdvance(QStringLiteral("WWWW"))) {
#ifdef Q_OS_WIN
        font.setFamily(QStringLiteral("Courier New")); // on every Windows
#else
        font.setFamily(QStringLiteral("monospace")); // fontconfig's alias
#endif
        font.setStyleHint(QFont::TypeWriter);
    }
    return font;
}

// Mid-tone colours, each readable on a white and on a near-black background.
struct TokenColour {
    int style;
    QRgb colour;
};
constexpr TokenColour TokenColours[] = {
    {QsciLexerCPP::Comment, 0x3f9a3f},
    {QsciLexerCPP::CommentLine, 0x3f9a3f},
    {QsciLexerCPP::CommentDoc, 0x3f9a3f},
    {QsciLexerCPP::CommentLineDoc, 0x3f9a3f},
    {QsciLexerCPP::CommentDocKeyword, 0x3f9a3f},
    {QsciLexerCPP::CommentDocKeywordError, 0x3f9a3f},
    {QsciLexerCPP::PreProcessorComment, 0x3f9a3f},
    {QsciLexerCPP::PreProcessorCommentLineDoc, 0x3f9a3f},
    {QsciLexerCPP::Number, 0xb05ac8},
    {QsciLexerCPP::Keyword, 0x3b7de0},
    {QsciLexerCPP::KeywordSet2, 0x3b7de0},
    {QsciLexerCPP::DoubleQuotedString, 0xd2691e},
    {QsciLexerCPP::SingleQuotedString, 0xd2691e},
    {QsciLexerCPP::UnclosedString, 0xd2691e},
    {QsciLexerCPP::VerbatimString, 0xd2691e},
    {QsciLexerCPP::RawString, 0xd2691e},
    {QsciLexerCPP::PreProcessor, 0x1f9e9e},
};

constexpr int LineNumberMargin = 0;

void styleTokens(QsciLexerCPP& lexer, const QPalette& palette, const QFont& font)
{
    lexer.setDefaultFont(font);
    lexer.setFont(font, -1);
    lexer.setDefaultPaper(palette.color(QPalette::Base));
    lexer.setPaper(palette.color(QPalette::Base), -1);
    lexer.setDefaultColor(palette.color(QPalette::Text));
    lexer.setColor(palette.color(QPalette::Text), -1);
    // Code the preprocessor leaves out keeps its colours: the 64 styles above are its own.
    for (const TokenColour& token : TokenColours) {
        lexer.setColor(QColor(token.colour), token.style);
        lexer.setColor(QColor(token.colour), token.style + 64);
    }
}

void styleLineNumbers(QsciScintilla& editor, const QPalette& palette, const QFont& font)
{
    editor.setMarginsBackgroundColor(palette.color(QPalette::Window));
    editor.setMarginsForegroundColor(palette.color(QPalette::PlaceholderText));
    editor.setMarginsFont(font);
    editor.setMarginType(LineNumberMargin, QsciScintilla::NumberMargin);
    editor.setMarginLineNumbers(LineNumberMargin, true);
    editor.setMarginWidth(1, 0); // no symbol margin
    editor.setProperty("lineNumberDigits", 0);
    fitLineNumberMargin(editor);
}

void styleBraces(QsciScintilla& editor, const QPalette& palette)
{
    editor.setBraceMatching(QsciScintilla::SloppyBraceMatch);
    editor.setMatchedBraceBackgroundColor(QColor(0x3b7de0).lighter(100));
    editor.setMatchedBraceForegroundColor(palette.color(QPalette::HighlightedText));
    editor.setUnmatchedBraceForegroundColor(QColor(0xe04040));
    editor.setUnmatchedBraceBackgroundColor(palette.color(QPalette::Base));
}

} // namespace

void applyEditorLook(QsciScintilla& editor)
{
    const QPalette palette = editor.palette();
    const QFont font = fixedPitchFont();
    editor.QWidget::setFont(font);
    auto* lexer = qobject_cast<QsciLexerCPP*>(editor.lexer());
    if (!lexer)
        lexer = new QsciLexerCPP(&editor);
    styleTokens(*lexer, palette, font);
    if (editor.lexer() != lexer)
        editor.setLexer(lexer);
    // Inactive code looks like active code here, so the lexer need not replay every
    // #define above a change on each keystroke (thousands in a long file).
    editor.SendScintilla(QsciScintillaBase::SCI_SETPROPERTY, "lexer.cpp.track.preprocessor", "0");

    editor.setCaretForegroundColor(palette.color(QPalette::Text));
    editor.setSelectionBackgroundColor(palette.color(QPalette::Highlight));
    editor.setSelectionForegroundColor(palette.color(QPalette::HighlightedText));
    styleLineNumbers(editor, palette, font);
    styleBraces(editor, palette);
    // Styling runs in idle time for text not yet seen, so a jump far down stays quick.
    editor.SendScintilla(QsciScintillaBase::SCI_SETIDLESTYLING,
                         QsciScintillaBase::SC_IDLESTYLING_ALL);
    // Qt already paints into a back buffer; a second one per line only costs time.
    editor.SendScintilla(QsciScintillaBase::SCI_SETBUFFEREDDRAW, false);
    editor.SendScintilla(QsciScintillaBase::SCI_SETLAYOUTCACHE, QsciScintillaBase::SC_CACHE_PAGE);
}

void fitLineNumberMargin(QsciScintilla& editor)
{
    const int digits = int(QString::number(editor.lines()).size());
    if (editor.property("lineNumberDigits").toInt() == digits)
        return;
    editor.setProperty("lineNumberDigits", digits);
    // One digit to spare, as the margin's padding.
    editor.setMarginWidth(LineNumberMargin, QString(digits + 1, u'9'));
}
