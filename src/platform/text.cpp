#include "text.h"

#include "codec.h"

namespace rodwick {

QString FromFileText(std::string_view bytes) {
    std::u32string codePoints;
    codePoints.reserve(bytes.size());
    for (char byte : bytes) {
        codePoints.push_back(Cp1252ToCodePoint(static_cast<unsigned char>(byte)));
    }
    return QString::fromStdU32String(codePoints);
}

std::string ToFileText(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    // Whole code points, so that a character outside the basic plane becomes one '?'.
    for (char32_t codePoint : text.toStdU32String())
        bytes.push_back(Cp1252OrQuestionMark(codePoint));
    return bytes;
}

QString FromPath(const std::string& utf8Path) {
    return QString::fromUtf8(utf8Path.data(), static_cast<qsizetype>(utf8Path.size()));
}

std::string ToPath(const QString& path) {
    return path.toStdString();
}

}  // namespace rodwick
