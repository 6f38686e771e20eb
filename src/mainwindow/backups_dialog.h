// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "backups.h"
#include "platform.h"

class QWidget;

namespace rodwick {

// "Backups": the dated copies of the open database, newest first, with their date, trips and
// size: built, not yet shown.
std::unique_ptr<QDialog> makeBackupsDialog(QWidget* parent, const std::vector<Backup>& backups);

// The dialog shown; the path of the one chosen with Open, nothing when it is cancelled.
std::optional<std::string> chooseBackup(platform::Platform& platform, QWidget& parent,
                                        const std::vector<Backup>& backups);

}  // namespace rodwick
