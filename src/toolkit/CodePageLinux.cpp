#include "SystemCodePages.h"

#include <QStringDecoder>

#include <locale.h>

namespace {

// Where the converters Qt offers differ from the tables of Windows and Wine.
struct Correction {
    int page;
    uchar byte;
    char16_t character; // 0: unassigned
};
constexpr Correction corrections[] = {
    {437, 0xE6, u'\u00B5'},  {862, 0xE6, u'\u00B5'}, {852, 0xAA, u'\u00AC'},
    {1255, 0xCA, u'\u05BA'}, {1253, 0xAA, 0},
};

QByteArray converterName(int page)
{
    return (page == 874 || (page >= 1250 && page <= 1258) ? "windows-" : "IBM") +
           QByteArray::number(page);
}

} // namespace

// The pages Wine takes from the locale of a process started with the present environment.
CodePageNumbers SystemCodePages::current()
{
    const locale_t loaded = newlocale(LC_ALL_MASK, "", locale_t(nullptr));
    if (loaded)
        freelocale(loaded);
    return codePagesForLocale(localeForCodePages(
        [](const char* variable) { return qEnvironmentVariable(variable); }, loaded != nullptr));
}

bool SystemCodePages::isSingleByte(int)
{
    return true;
}

bool SystemCodePages::converterExists(int page)
{
    return QStringDecoder(converterName(page).constData()).isValid();
}

std::optional<char16_t> SystemCodePages::characterOfByte(int page, uchar byte)
{
    for (const Correction& correction : corrections) {
        if (correction.page == page && correction.byte == byte)
            return correction.character ? std::optional(correction.character) : std::nullopt;
    }
    QStringDecoder decoder(converterName(page).constData());
    const QString text = decoder.decode(QByteArrayView(reinterpret_cast<const char*>(&byte), 1));
    if (decoder.hasError() || text.size() != 1 || text[0] == QChar::ReplacementCharacter)
        return std::nullopt;
    return text[0].unicode();
}
