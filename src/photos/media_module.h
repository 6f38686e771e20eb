// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "media_reading.h"
#include "result.h"

namespace rodwick::photos {

// The media module as loaded: its readings, or why there are none.
struct MediaModule {
    const MediaReading* reading = nullptr;
    QString error;
};

// The module beside the executable (the build tree) or in its installed folder, loaded by the
// first reading of a photo, whichever thread makes it; every later call answers the same.
const MediaModule& mediaModule();

// Where the module of the program in that folder is: beside it (the build tree), else in the
// installed folder of modules.
QString findMediaModule(const QString& programDir);

// The module in that file, whatever it holds.
MediaModule loadMediaModule(const QString& file);

// What mediaModule() takes instead of looking for the module: the module in that file, or the
// readings linked into the executable (a fuzz target). Only before the first reading.
void useMediaModuleFile(const QString& file);
void useMediaReading(const MediaReading& reading);

// Success where the module is loaded, else the reason a reading fails with.
Status mediaModuleReady();

}  // namespace rodwick::photos
