#include "TextBox.h"

#include <QValidator>

#include <algorithm>

namespace {

qsizetype firstLineBreak(const QString& text)
{
    const qsizetype cr = text.indexOf(u'\r');
    const qsizetype lf = text.indexOf(u'\n');
    return cr < 0 ? lf : lf < 0 ? cr : std::min(cr, lf);
}

// Every insertion passes here with the caret just after the inserted text, so the part from the
// first line break to the caret is what came after the inserted text's first line break.
class SingleLine : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& text, int& caret) const override
    {
        const qsizetype lineBreak = firstLineBreak(text);
        if (lineBreak >= 0 && lineBreak < caret) {
            text.remove(lineBreak, caret - lineBreak);
            caret = int(lineBreak);
        }
        if (const qsizetype left = firstLineBreak(text); left >= 0)
            text.truncate(left);
        caret = std::min(caret, int(text.size()));
        return Acceptable;
    }
};

} // namespace

TextBox::TextBox(QWidget* parent)
    : QLineEdit(parent)
{
    setValidator(new SingleLine(this));
}
