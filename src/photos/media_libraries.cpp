// SPDX-License-Identifier: GPL-3.0-or-later
#include "media_libraries.h"

#include <libheif/heif.h>

#include <exiv2/exiv2.hpp>
#include <mutex>

namespace rodwick::photos::reading {

void prepareMediaLibraries() {
    static std::once_flag once;
    std::call_once(once, [] {
        try {
            Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute);
            Exiv2::XmpParser::initialize();
        } catch (...) {
            // Without its XMP parser Exiv2 still reads Exif, which is all this library asks.
        }
        // Kept for the program's life: libheif counts its users, and the last one leaving
        // would unload the decoders under another thread.
        heif_init(nullptr);
    });
}

}  // namespace rodwick::photos::reading
