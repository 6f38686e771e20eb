#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace rodwick {

// The window boundary: file text (Windows-1252 bytes) to Unicode and back, through the
// store's one codec. Characters Windows-1252 cannot carry become '?'.
QString FromFileText(std::string_view bytes);
std::string ToFileText(const QString& text);

// The program's own texts (captions, prompts) are UTF-8.
QString FromUtf8(std::string_view utf8);

// Paths are UTF-8 in the store.
QString FromPath(const std::string& utf8Path);
std::string ToPath(const QString& path);

}  // namespace rodwick
