// SPDX-License-Identifier: GPL-3.0-or-later
// The media module's entry: the program resolves this one symbol by name.
#include "media_reading.h"

extern "C" __attribute__((visibility("default"))) const rodwick::photos::MediaReading*
rodwickMediaReading() {
    return &rodwick::photos::reading::mediaReadingTable();
}
