// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "backups.h"
#include "platform.h"

class QWidget;

namespace rodwick {

// "Backups": the dated copies of the open database, newest first, with their date, trips and
// size. The path of the one chosen with Open; nothing when the dialog is cancelled.
std::optional<std::string> chooseBackup(platform::Platform& platform, QWidget& parent,
                                        const std::vector<Backup>& backups);

}  // namespace rodwick
