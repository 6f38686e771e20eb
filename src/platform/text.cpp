// SPDX-License-Identifier: GPL-3.0-or-later
#include "text.h"

#include <algorithm>

#include "codec.h"

namespace rodwick {

QString fromFileText(std::string_view bytes) {
    // Every Windows-1252 character lies in the basic plane: one UTF-16 unit per byte, written
    // straight into the string (a printout converts thousands of lines).
    QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    QChar* out = text.data();
    for (char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        *out++ = QChar(static_cast<char16_t>(b < 0x80 ? b : cp1252ToCodePoint(b)));
    }
    return text;
}

std::string toFileText(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    // Whole code points, so that a character outside the basic plane becomes one '?'.
    for (char32_t codePoint : text.toStdU32String())
        bytes.push_back(cp1252OrQuestionMark(codePoint));
    return bytes;
}

QString fromUtf8(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QString fromPath(const std::string& utf8Path) {
    return QString::fromUtf8(utf8Path.data(), static_cast<qsizetype>(utf8Path.size()));
}

std::string toPath(const QString& path) {
    return path.toStdString();
}

namespace {

bool isAscii(std::string_view bytes) {
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

char asciiCapital(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// True when the locale upper-cases every ASCII character to its ASCII capital, itself for
// all but the 26 small letters.
bool givesAsciiCapitals(const QLocale& locale) {
    for (int code = 0; code < 0x80; ++code) {
        const char c = static_cast<char>(code);
        const QString upper = locale.toUpper(QString(QChar::fromLatin1(c)));
        if (upper != QString(QChar::fromLatin1(asciiCapital(c)))) return false;
    }
    return true;
}

}  // namespace

WordMatcher::WordMatcher(const QLocale& locale)
    : locale_(locale), asciiCapitals_(givesAsciiCapitals(locale)) {}

void WordMatcher::setWord(const QString& upperWord) {
    word_ = upperWord;
    asciiWord_.reset();
    bool ascii = true;
    for (QChar c : upperWord) ascii = ascii && c.unicode() < 0x80;
    if (ascii) asciiWord_ = upperWord.toStdString();
}

bool WordMatcher::fieldHolds(std::string_view fieldBytes) const {
    if (asciiCapitals_ && isAscii(fieldBytes)) {
        if (!asciiWord_) return false;
        const std::string& word = *asciiWord_;
        return std::search(fieldBytes.begin(), fieldBytes.end(), word.begin(), word.end(),
                           [](char field, char w) { return asciiCapital(field) == w; }) !=
               fieldBytes.end();
    }
    return upperCase(fromFileText(fieldBytes)).contains(word_);
}

}  // namespace rodwick
