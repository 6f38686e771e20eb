// SPDX-License-Identifier: GPL-3.0-or-later
#include "program_files.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "settings.h"

namespace rodwick {

namespace {

constexpr const char* kFolderName = "rodwick";

std::string withoutTrailingSlashes(std::string path) {
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

std::string join(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    return folder.back() == '/' ? folder + name : folder + "/" + name;
}

// The installed layout is PREFIX/bin beside PREFIX/share/rodwick; "" where exeDir is no "bin".
std::string installedShareFolder(const std::string& exeDir) {
    const std::string dir = withoutTrailingSlashes(exeDir);
    const std::size_t slash = dir.rfind('/');
    if (slash == std::string::npos || dir.substr(slash + 1) != "bin") return {};
    return dir.substr(0, slash) + "/share/" + kFolderName;
}

// A base folder of the XDG rules: the variable when it holds an absolute path (a relative one
// is to be ignored), else the fallback under the home folder; "" when neither is known.
std::string xdgFolder(const std::string& variable, const std::string& home, const char* fallback) {
    if (!variable.empty() && variable.front() == '/') return variable;
    if (!home.empty() && home.front() == '/') return join(home, fallback);
    return {};
}

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

Status makeFolder(const std::string& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) return Status::fail(folder + ": " + error.message());
    return Status::success();
}

}  // namespace

ProgramFiles locateProgramFiles(const std::string& exeDir, const UserFolders& user,
                                const FolderProbe& probe) {
    std::string shipped = withoutTrailingSlashes(exeDir);
    if (const std::string share = installedShareFolder(exeDir);
        !share.empty() && probe.isFolder(share)) {
        shipped = share;
    }
    ProgramFiles files;
    files.manual = join(shipped, kManualFileName);
    files.shippedExample = join(shipped, kExampleFileName);
    files.settings = join(shipped, kSettingsFileName);
    files.example = files.shippedExample;
    if (probe.isWritable(shipped)) return files;

    // Without a home folder there is nowhere else: the files stay where they are, and a save
    // there reports why it failed.
    const std::string config = xdgFolder(user.configHome, user.home, ".config");
    const std::string data = xdgFolder(user.dataHome, user.home, ".local/share");
    if (!config.empty()) files.settings = join(join(config, kFolderName), kSettingsFileName);
    if (!data.empty()) files.example = join(join(data, kFolderName), kExampleFileName);
    return files;
}

ProgramFiles locateProgramFiles(const std::string& exeDir) {
    return locateProgramFiles(exeDir, userFoldersFromEnvironment(), systemFolderProbe());
}

UserFolders userFoldersFromEnvironment() {
    return {environment("HOME"), environment("XDG_CONFIG_HOME"), environment("XDG_DATA_HOME"),
            environment("XDG_STATE_HOME")};
}

std::string recoveryFolder(const UserFolders& user) {
    const std::string state = xdgFolder(user.stateHome, user.home, ".local/state");
    return state.empty() ? state : join(state, kFolderName);
}

std::string backupFolder(const UserFolders& user) {
    const std::string data = xdgFolder(user.dataHome, user.home, ".local/share");
    return data.empty() ? data : join(join(data, kFolderName), "backups");
}

std::string untitledPhotoFolder(const UserFolders& user) {
    const std::string state = recoveryFolder(user);
    return state.empty() ? state : join(state, "untitled photos");
}

const FolderProbe& systemFolderProbe() {
    static const FolderProbe kProbe{
        [](const std::string& path) {
            std::error_code error;
            return std::filesystem::is_directory(path, error);
        },
        // The folder must take new files (a temporary file, then a rename) for saves to work.
        [](const std::string& path) { return ::access(path.c_str(), W_OK | X_OK) == 0; }};
    return kProbe;
}

Status provideUserFiles(const ProgramFiles& files, const FileOps& ops) {
    if (files.example == files.shippedExample) return Status::success();
    for (const std::string& file : {files.settings, files.example}) {
        const std::string folder = std::filesystem::path(file).parent_path().string();
        if (Status made = makeFolder(folder); !made) return made;
    }
    if (fileExists(files.example) || !fileExists(files.shippedExample)) return Status::success();
    Result<std::string> bytes = readFileBytes(files.shippedExample);
    if (!bytes) return Status::fail(bytes.error());
    if (Status written = writeFileAtomically(files.example, bytes.value(), ops); !written) {
        return Status::fail(files.example + ": " + written.message());
    }
    return Status::success();
}

}  // namespace rodwick
