// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace rodwick::photos::reading {

// Sets up Exiv2 and libheif once for the whole program, whichever thread asks first: Exiv2's
// XMP parser must be set up before two threads read photos at once, and both libraries stay
// silent (a damaged photo is reported by the caller, not on the terminal). Every reading of
// this library calls it first; calling it again costs nothing.
void prepareMediaLibraries();

}  // namespace rodwick::photos::reading
