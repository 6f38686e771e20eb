// SPDX-License-Identifier: GPL-3.0-or-later
// A media module of another version: the entry is there, its table is not this program's.
#include "media_reading.h"

extern "C" __attribute__((visibility("default"))) const rodwick::photos::MediaReading*
rodwickMediaReading() {
    static const rodwick::photos::MediaReading kTable{
        .version = rodwick::photos::kMediaReadingVersion + 1};
    return &kTable;
}
