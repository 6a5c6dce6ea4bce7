#include "CodePage.h"

#include "SystemCodePages.h"

#include <QStringConverter>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <map>
#include <memory>
#include <mutex>
#include <optional>

namespace {

// Measured under Wine 8: a language's own pages, then its territories and scripts that differ.
struct LocalePages {
    CodePageNumbers pages;
    const char* names;
};
const LocalePages localePages[] = {
    {{874, 874}, "th"},
    {{1250, 852}, "bs cs hr hu pl ro sk sl sq sr tk sr@latin"},
    {{1251, 855}, "bs@cyrillic sr@cyrillic"},
    {{1251, 866}, "be bg ky mk mn ru sah tg tt uk az@cyrillic mn@cyrillic uz@cyrillic"},
    {{1252, 850},
     "af br ca cy da de dsb es eu ff fi fo fr fy ga gd gl hsb id is it kl lb ms nb "
     "nl nn nso oc pt quz se sv tn wo xh zu en_AU en_CA en_GB en_HK en_IE en_NZ"},
    {{1253, 737}, "el"},
    {{1254, 857}, "az tr uz az@latin uz@latin"},
    {{1255, 862}, "he"},
    {{1256, 720}, "ar ckb fa ku sd ug ur"},
    {{1257, 775}, "et lt lv"},
    {{1258, 1258}, "vi"},
    // Pairs Wine does not know fall back to these.
    {{1252, 437},
     "ar_IN ar_SD ar_SS az_AZ az_IR bs_BA ca_AD ca_FR ca_IT de_BE de_IT el_CY eu_FR "
     "fy_DE ku_TR nl_AW ru_UA sd_IN sq_MK sr_ME sr_RS tr_CY uz_UZ"},
};

std::optional<CodePageNumbers> pagesOf(const QString& key)
{
    static const QHash<QString, CodePageNumbers> pages = [] {
        QHash<QString, CodePageNumbers> byName;
        for (const LocalePages& entry : localePages) {
            for (const QString& name : QString::fromLatin1(entry.names).split(u' '))
                byName.insert(name, entry.pages);
        }
        return byName;
    }();
    const auto found = pages.constFind(key);
    return found == pages.cend() ? std::nullopt : std::optional(*found);
}

} // namespace

CodePageNumbers codePagesForLocale(const QString& name)
{
    // language[_territory][.codeset][@modifier]; a modifier naming a script is part of the
    // locale, any other ("euro") is not.
    const QString rest = name.section(u'@', 0, 0).section(u'.', 0, 0).replace(u'-', u'_');
    const QString language = rest.section(u'_', 0, 0).toLower();
    const QString territory = rest.section(u'_', 1).toUpper();
    const QString modifier = name.section(u'@', 1).toLower();
    const bool script =
        modifier == u"latin" || modifier == u"cyrillic" || modifier == u"devanagari";
    const QString ofScript = script ? u'@' + modifier : QString();
    for (const QString& key : {language + u'_' + territory + ofScript, language + ofScript}) {
        if (const std::optional<CodePageNumbers> pages = pagesOf(key))
            return *pages;
    }
    return {};
}

QString localeForCodePages(const std::function<QString(const char*)>& variable, bool loads)
{
    QString name;
    if (loads) {
        for (const char* each : {"LC_ALL", "LC_CTYPE", "LANG"}) {
            name = variable(each);
            if (!name.isEmpty())
                break;
        }
    }
    return name.isEmpty() || name == u"C" ? variable("LC_ALL") : name;
}

CodePage::CodePage(int number)
    : m_number(number)
{
    if (!SystemCodePages::converterExists(number))
        return;
    m_valid = true;
    m_systemConverter = !SystemCodePages::isSingleByte(number);
    if (m_systemConverter)
        return;
    for (int byte = 0; byte < 256; ++byte) {
        // Bytes without a character get one of their own: a C1 control as Windows gives the
        // holes of 1252, or a private-use character.
        const char16_t character =
            byte < 0x80 ? char16_t(byte)
                        : SystemCodePages::characterOfByte(number, uchar(byte))
                              .value_or(char16_t(byte < 0xA0 ? byte : 0xF700 + byte));
        if (byte >= 0x80)
            m_fromUnicode.insert(character, char(byte));
        const QByteArray utf8 = QString(QChar(character)).toUtf8();
        std::copy(utf8.cbegin(), utf8.cend(), m_toUtf8[byte].begin());
        m_toUtf8[byte][3] = char(utf8.size());
    }
}

const CodePage& CodePage::current(Use use)
{
    static std::mutex mutex;
    static std::map<int, std::unique_ptr<CodePage>> pages;
    const auto page = [](int number) -> const CodePage& {
        std::unique_ptr<CodePage>& made = pages[number];
        if (!made)
            made.reset(new CodePage(number));
        return *made;
    };
    const std::lock_guard lock(mutex);
    CodePageNumbers numbers = SystemCodePages::current();
    if (!page(numbers.ansi).isValid() || !page(numbers.oem).isValid())
        numbers = CodePageNumbers();
    return page(use == Ansi ? numbers.ansi : numbers.oem);
}

QString CodePage::name() const
{
    const bool windowsPage = m_number == 874 || (m_number >= 1250 && m_number <= 1258);
    return (windowsPage || m_systemConverter ? QStringLiteral("Windows-%1")
                                             : QStringLiteral("OEM %1"))
        .arg(m_number);
}

char* CodePage::decodeToUtf8(QByteArrayView bytes, char* out) const
{
    for (const char byte : bytes) {
        if (uchar(byte) < 0x80) {
            *out++ = byte;
            continue;
        }
        const std::array<char, 4>& utf8 = m_toUtf8[uchar(byte)];
        out = std::copy_n(utf8.cbegin(), utf8[3], out);
    }
    return out;
}

char* CodePage::encode(QStringView text, char* out, qsizetype& unstorableAt) const
{
    if (m_systemConverter) {
        // The system's converter may put a look-alike in place of a character it cannot store.
        QStringEncoder encoder(QStringConverter::System);
        const QByteArray bytes = encoder.encode(text);
        const QString back = QStringDecoder(QStringConverter::System).decode(bytes);
        if (encoder.hasError() || back != text) {
            qsizetype at = 0;
            while (at < text.size() && at < back.size() && text[at] == back[at])
                ++at;
            unstorableAt = at;
            return nullptr;
        }
        return std::copy(bytes.cbegin(), bytes.cend(), out);
    }
    for (qsizetype at = 0; at < text.size(); ++at) {
        const char16_t c = text[at].unicode();
        if (c < 0x80) {
            *out++ = char(c);
            continue;
        }
        const auto found = m_fromUnicode.constFind(c);
        if (found == m_fromUnicode.cend()) {
            unstorableAt = at;
            return nullptr;
        }
        *out++ = *found;
    }
    return out;
}
