#pragma once

#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <QStringView>

#include <array>
#include <functional>

// The two Windows code pages that go with a locale: the ANSI page of documents and settings, and
// the OEM page in which the command interpreter reads batch files.
struct CodePageNumbers {
    int ansi = 1252;
    int oem = 437;
    bool operator==(const CodePageNumbers&) const = default;
};

// The pages of a locale named as on Unix ("de_DE.UTF-8", "sr_RS@latin"), as Wine 8 maps it:
// 1252 and 437 for C, POSIX, a language or territory it does not know, and a locale without a
// single-byte page of its own.
CodePageNumbers codePagesForLocale(const QString& name);

// The locale Wine maps to code pages, given the environment's `variable`s: the first set of
// LC_ALL, LC_CTYPE and LANG when a process can load that locale (`loads`); LC_ALL when it
// cannot, or when that is C.
QString localeForCodePages(const std::function<QString(const char*)>& variable, bool loads);

// A code page of the system's. A single-byte page converts through a table of its 256 bytes, so
// that every byte comes back unchanged (an unassigned one as a character of its own) and a
// character the page has no byte for is refused, never replaced.
class CodePage {
public:
    enum Use { Ansi, Oem };

    // The page for that use at this moment: on Windows the system's own; elsewhere the one Wine
    // takes from the locale of the environment, or 1252 and 437 when a converter is missing.
    static const CodePage& current(Use use);

    int number() const { return m_number; }
    QString name() const;
    // False when the system offers no converter for the page.
    bool isValid() const { return m_valid; }
    // The most bytes one UTF-16 unit can take.
    qsizetype maxBytesPerUnit() const { return m_systemConverter ? 3 : 1; }

    // A single-byte page decodes each byte alone, so its text may be split anywhere.
    bool isSingleByte() const { return !m_systemConverter; }
    // Single-byte pages only: writes the bytes' text as UTF-8 from `out` on, at most three
    // bytes for each, and returns the end.
    char* decodeToUtf8(QByteArrayView bytes, char* out) const;
    // Writes the bytes of the text from `out` on and returns the end; nullptr when a character
    // cannot be stored, with its index in `unstorableAt`.
    char* encode(QStringView text, char* out, qsizetype& unstorableAt) const;

private:
    explicit CodePage(int number);

    int m_number;
    bool m_valid = false;
    bool m_systemConverter = false; // Windows' multi-byte pages, converted by the system
    std::array<std::array<char, 4>, 256> m_toUtf8{}; // the last one counts the others
    QHash<char16_t, char> m_fromUnicode;             // the bytes from 0x80 up
};
