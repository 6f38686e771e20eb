// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace rodwick {

// The window boundary: file text (Windows-1252 bytes) to Unicode and back, through the
// store's one codec. Characters Windows-1252 cannot carry become '?'.
QString fromFileText(std::string_view bytes);
std::string toFileText(const QString& text);

// The program's own texts (captions, prompts) are UTF-8.
QString fromUtf8(std::string_view utf8);

// Paths are UTF-8 in the store.
QString fromPath(const std::string& utf8Path);
std::string toPath(const QString& path);

}  // namespace rodwick
