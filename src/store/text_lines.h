// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace rodwick {

// The line helpers every text file of the program shares: database, settings and export.

// Lines of a text file: CR LF or a lone CR ends a line; a lone LF stays in the text.
// A final line without an ending still counts; an empty input has no lines.
std::vector<std::string> splitLines(std::string_view bytes);

// Appends text as one line ended by CR LF. A CR or CR LF inside the text, which would end the
// line on reading, is written as one blank; a lone LF is written as it stands.
void appendTextLine(std::string& out, std::string_view text);

// A number as the program writes it: one space, the digits (with '-' if negative), one space.
std::string formatNumber(long long n);
// A whole number from 0 up, surrounding spaces ignored; -1 when the line is anything else.
long long parseCount(std::string_view line);

}  // namespace rodwick
