#include "program_files.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "settings.h"

namespace rodwick {

namespace {

constexpr const char* kFolderName = "rodwick";

std::string WithoutTrailingSlashes(std::string path) {
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

std::string Join(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    return folder.back() == '/' ? folder + name : folder + "/" + name;
}

// The installed layout is PREFIX/bin beside PREFIX/share/rodwick; "" where exeDir is no "bin".
std::string InstalledShareFolder(const std::string& exeDir) {
    const std::string dir = WithoutTrailingSlashes(exeDir);
    const std::size_t slash = dir.rfind('/');
    if (slash == std::string::npos || dir.substr(slash + 1) != "bin") return {};
    return dir.substr(0, slash) + "/share/" + kFolderName;
}

// A base folder of the XDG rules: the variable when it holds an absolute path (a relative one
// is to be ignored), else the fallback under the home folder; "" when neither is known.
std::string XdgFolder(const std::string& variable, const std::string& home, const char* fallback) {
    if (!variable.empty() && variable.front() == '/') return variable;
    if (!home.empty() && home.front() == '/') return Join(home, fallback);
    return {};
}

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

Status MakeFolder(const std::string& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) return Status::Fail(folder + ": " + error.message());
    return Status::Ok();
}

}  // namespace

ProgramFiles LocateProgramFiles(const std::string& exeDir, const UserFolders& user,
                                const FolderProbe& probe) {
    std::string shipped = WithoutTrailingSlashes(exeDir);
    if (const std::string share = InstalledShareFolder(exeDir);
        !share.empty() && probe.isFolder(share)) {
        shipped = share;
    }
    ProgramFiles files;
    files.manual = Join(shipped, kManualFileName);
    files.shippedExample = Join(shipped, kExampleFileName);
    files.settings = Join(shipped, kSettingsFileName);
    files.example = files.shippedExample;
    if (probe.isWritable(shipped)) return files;

    // Without a home folder there is nowhere else: the files stay where they are, and a save
    // there reports why it failed.
    const std::string config = XdgFolder(user.configHome, user.home, ".config");
    const std::string data = XdgFolder(user.dataHome, user.home, ".local/share");
    if (!config.empty()) files.settings = Join(Join(config, kFolderName), kSettingsFileName);
    if (!data.empty()) files.example = Join(Join(data, kFolderName), kExampleFileName);
    return files;
}

ProgramFiles LocateProgramFiles(const std::string& exeDir) {
    return LocateProgramFiles(exeDir, UserFoldersFromEnvironment(), SystemFolderProbe());
}

UserFolders UserFoldersFromEnvironment() {
    return {Environment("HOME"), Environment("XDG_CONFIG_HOME"), Environment("XDG_DATA_HOME")};
}

const FolderProbe& SystemFolderProbe() {
    static const FolderProbe probe{
        [](const std::string& path) {
            std::error_code error;
            return std::filesystem::is_directory(path, error);
        },
        // The folder must take new files (a temporary file, then a rename) for saves to work.
        [](const std::string& path) { return ::access(path.c_str(), W_OK | X_OK) == 0; }};
    return probe;
}

Status ProvideUserFiles(const ProgramFiles& files, const FileOps& ops) {
    if (files.example == files.shippedExample) return Status::Ok();
    for (const std::string& file : {files.settings, files.example}) {
        const std::string folder = std::filesystem::path(file).parent_path().string();
        if (Status made = MakeFolder(folder); !made) return made;
    }
    if (FileExists(files.example) || !FileExists(files.shippedExample)) return Status::Ok();
    Result<std::string> bytes = ReadFileBytes(files.shippedExample);
    if (!bytes) return Status::Fail(bytes.error());
    if (Status written = WriteFileAtomically(files.example, bytes.value(), ops); !written) {
        return Status::Fail(files.example + ": " + written.message());
    }
    return Status::Ok();
}

}  // namespace rodwick
