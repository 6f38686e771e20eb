// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include "platform.h"
#include "program_files.h"

namespace rodwick {

// The manual beside the program, or in the shared data folder once installed: programDir is
// the executable's directory.
QString manualPath(const QString& programDir);

// The word processors the help command starts, in the order it tries them.
QStringList wordProcessors();

// The help command: tells the user to open the manual by hand, then, when the manual is
// there, starts the first word processor that can be started, without arguments and without
// waiting. Reports a missing manual, and the failure of every word processor.
void openManual(platform::Platform& platform, const QString& manualPath,
                const QStringList& wordProcessors);

}  // namespace rodwick
