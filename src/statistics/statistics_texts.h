// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <string>
#include <vector>

#include "figures.h"

namespace rodwick::stats {

// The statistics window's texts made from the figures, in the windows' language.

// A moon's phase or a part of the day, as the almanac names it.
QString almanacText(const std::string& name);
// "3 trips without a readable date" a line each, the count in the language's plural form;
// "Every trip counted." where none was left out.
QString leftOutText(const std::vector<LeftOut>& notes);
// What the values of a page mean: the figures' own note, or the parts of the day with their
// bounds.
QString aboutText(const ValueTable& values);
// "25%" under English, "25 %" under German and French.
QString localShare(double share);
// "2001-04" under English, the locale's short month name and the year otherwise ("Apr. 2001").
QString localMonth(int year, int month);

}  // namespace rodwick::stats
