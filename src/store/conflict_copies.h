// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rodwick {

// Where a log book lives in a folder that a sync program keeps alike on two machines, a save on
// each before they meet leaves the losing version beside the log book, named by the program:
//   Syncthing           NAME.sync-conflict-YYYYMMDD-HHMMSS-DEVICE7.RWK
//   Nextcloud, ownCloud NAME (conflicted copy YYYY-MM-DD HHMMSS).RWK
//   Dropbox             NAME (WHO's conflicted copy YYYY-MM-DD).RWK
// The extension is matched without regard to case, as the folder's log books are. Other files
// kept alike (the index of a log book's photos, photos.txt) get copies of the same forms.

// The file name of the log book a conflict copy was made of ("A.RWK" for
// "A.sync-conflict-20261207-101530-ABCDEF1.RWK"), the extension as the copy writes it; nothing
// for a name of any other form, a date that no calendar has included. kind is the extension
// of the files meant, in lower case with its dot (".txt" for the photos' index).
std::optional<std::string> conflictCopyOf(std::string_view fileName,
                                          std::string_view kind = ".rwk");

// The paths of the conflict copies of the file at path (a log book, the photos' index) that
// stand beside it, sorted by name: for Syncthing and Nextcloud that is oldest first.
std::vector<std::string> listConflictCopies(const std::string& logBookPath);

}  // namespace rodwick
