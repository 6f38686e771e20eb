// SPDX-License-Identifier: GPL-3.0-or-later
#include "text.h"

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

}  // namespace rodwick
