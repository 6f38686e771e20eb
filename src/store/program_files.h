// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>

#include "file_io.h"
#include "result.h"

namespace rodwick {

inline constexpr const char* kManualFileName = "ANGLEBOX.doc";

// Where the program's own files are. The shipped files (example database, manual) stand beside
// the executable in the build tree and in PREFIX/share/rodwick once installed. The settings and
// the example the user works on stay with them while that folder is writable; where it is not (a
// system install run by an ordinary user) they move to the user's own configuration and data
// folders.
struct ProgramFiles {
    std::string settings;        // read at start, written when the preferences are confirmed
    std::string example;         // the example database loaded when no other is set
    std::string shippedExample;  // the installed example, copied to `example` when they differ
    std::string manual;
    bool operator==(const ProgramFiles&) const = default;
};

// The values of HOME, XDG_CONFIG_HOME, XDG_DATA_HOME and XDG_STATE_HOME; empty where unset.
struct UserFolders {
    std::string home;
    std::string configHome;
    std::string dataHome;
    std::string stateHome;
};

// What the file system says about a folder.
struct FolderProbe {
    std::function<bool(const std::string& path)> isFolder;
    std::function<bool(const std::string& path)> isWritable;
};

// exeDir is the executable's folder, absolute, "/" as separator.
ProgramFiles locateProgramFiles(const std::string& exeDir, const UserFolders& user,
                                const FolderProbe& probe);

// The same, with this process's environment and the real file system.
ProgramFiles locateProgramFiles(const std::string& exeDir);
UserFolders userFoldersFromEnvironment();

// The user's folder of recovery copies (STATE/rodwick) and of dated backups
// (DATA/rodwick/backups); "" where neither the variable nor a home folder is known.
std::string recoveryFolder(const UserFolders& user);
std::string backupFolder(const UserFolders& user);
// Where the photos of a table never saved wait for its first save (STATE/rodwick/untitled
// photos, beside the table's recovery copy); "" as above.
std::string untitledPhotoFolder(const UserFolders& user);
const FolderProbe& systemFolderProbe();

// Makes the folders of the settings and of the user's example, and gives the user a copy of the
// shipped example when there is none yet. Does nothing where the files stay beside the program.
Status provideUserFiles(const ProgramFiles& files, const FileOps& ops);

}  // namespace rodwick
