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

// A colour for light backgrounds and one for dark ones, each at least 4.5 : 1 against white or
// near-black (WCAG AA) and to spare. No one colour can be both: the best reaches 4.1 : 1.
struct Shade {
    QRgb onLight;
    QRgb onDark;
};
constexpr Shade Comment{0x287a2c, 0x74c476};
constexpr Shade Number{0x8e3cad, 0xd39cf0};
constexpr Shade Keyword{0x1a5fb4, 0x7aaefc};
constexpr Shade String{0xa0500a, 0xf0a35e};
constexpr Shade PreProcessor{0x00756c, 0x4cc9c0};
constexpr Shade UnmatchedBrace{0xc62828, 0xff8080};

struct TokenColour {
    int style;
    Shade shade;
};
constexpr TokenColour TokenColours[] = {
    {QsciLexerCPP::Comment, Comment},
    {QsciLexerCPP::CommentLine, Comment},
    {QsciLexerCPP::CommentDoc, Comment},
    {QsciLexerCPP::CommentLineDoc, Comment},
    {QsciLexerCPP::CommentDocKeyword, Comment},
    {QsciLexerCPP::CommentDocKeywordError, Comment},
    {QsciLexerCPP::PreProcessorComment, Comment},
    {QsciLexerCPP::PreProcessorCommentLineDoc, Comment},
    {QsciLexerCPP::Number, Number},
    {QsciLexerCPP::Keyword, Keyword},
    {QsciLexerCPP::KeywordSet2, Keyword},
    {QsciLexerCPP::DoubleQuotedString, String},
    {QsciLexerCPP::SingleQuotedString, String},
    {QsciLexerCPP::UnclosedString, String},
    {QsciLexerCPP::VerbatimString, String},
    {QsciLexerCPP::RawString, String},
    {QsciLexerCPP::PreProcessor, PreProcessor},
};

constexpr int LineNumberMargin = 0;

// The shades follow the background the palette gives, not the name of a theme.
bool isDark(const QPalette& palette)
{
    return palette.color(QPalette::Base).lightness() < 128;
}

QColor shade(Shade shade, const QPalette& palette)
{
    return QColor(isDark(palette) ? shade.onDark : shade.onLight);
}

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
        lexer.setColor(shade(token.shade, palette), token.style);
        lexer.setColor(shade(token.shade, palette), token.style + 64);
    }
    // Keywords stand out by their weight too, for those who tell colours apart poorly.
    QFont bold = font;
    bold.setBold(true);
    for (const int style : {QsciLexerCPP::Keyword, QsciLexerCPP::KeywordSet2}) {
        lexer.setFont(bold, style);
        lexer.setFont(bold, style + 64);
    }
    // `#include <file>`: the directive, the file and a comment after it each in their colour.
    lexer.setStylePreprocessor(true);
}

void styleLineNumbers(QsciScintilla& editor, const QPalette& palette, const QFont& font)
{
    editor.setMarginsBackgroundColor(palette.color(QPalette::Window));
    // The placeholder colour is no choice here: the widget drops its transparency, and some
    // dark themes leave it black.
    editor.setMarginsForegroundColor(palette.color(QPalette::WindowText));
    editor.setMarginsFont(font);
    editor.setMarginType(LineNumberMargin, QsciScintilla::NumberMargin);
    editor.setMarginLineNumbers(LineNumberMargin, true);
    editor.setMarginWidth(1, 0); // no symbol margin
    // Half a character between the line numbers and the text, so that they do not run together.
    editor.SendScintilla(QsciScintillaBase::SCI_SETMARGINLEFT, 0,
                         QFontMetrics(font).horizontalAdvance(u' ') / 2);
    editor.setProperty("lineNumberDigits", 0);
    fitLineNumberMargin(editor);
}

// A matched pair in bold on a tint of the hue opposite the selection's, so that it is never
// taken for a selected character; an unmatched brace in bold red.
void styleBraces(QsciScintilla& editor, const QPalette& palette)
{
    editor.setBraceMatching(QsciScintilla::SloppyBraceMatch);
    const int selectionHue = palette.color(QPalette::Highlight).hslHue();
    const int braceHue = selectionHue < 0 ? 40 : (selectionHue + 180) % 360;
    editor.setMatchedBraceBackgroundColor(
        QColor::fromHsl(braceHue, 150, isDark(palette) ? 70 : 200));
    editor.setMatchedBraceForegroundColor(palette.color(QPalette::Text));
    editor.setUnmatchedBraceForegroundColor(shade(UnmatchedBrace, palette));
    editor.setUnmatchedBraceBackgroundColor(palette.color(QPalette::Base));
    for (const int style : {QsciScintillaBase::STYLE_BRACELIGHT, QsciScintillaBase::STYLE_BRACEBAD})
        editor.SendScintilla(QsciScintillaBase::SCI_STYLESETBOLD, style, true);
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
