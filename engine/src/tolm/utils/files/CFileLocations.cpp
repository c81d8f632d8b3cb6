#include "tolm/utils/files/CFileLocations.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>

#include "tolm/designpatterns/singleton/CSingletonPtr.h"
#include "tolm/utils/logger/CLogger.h"

namespace tolm {
namespace {

namespace fs = std::filesystem;

bool HoldsScript(const std::string& folder) {
    std::error_code ignored;
    return fs::is_regular_file(fs::path(folder) / CFileLocations::kScriptName, ignored);
}

// Without a trailing slash, so that names joined to it read cleanly.
std::string Normal(const fs::path& path) {
    const fs::path normal = path.lexically_normal();
    return (normal.has_filename() || normal == normal.root_path() ? normal : normal.parent_path())
        .string();
}

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// $HOME, or the password database's entry when HOME is unset (as under some service managers).
std::string HomeFolder() {
    std::string home = Environment("HOME");
    if (home.empty()) {
        const passwd* entry = ::getpwuid(::getuid());
        if (entry != nullptr && entry->pw_dir != nullptr) home = entry->pw_dir;
    }
    return home;
}

std::string RunningExecutable() {
    std::error_code error;
    const fs::path self = fs::read_symlink("/proc/self/exe", error);
    return error ? std::string() : self.string();
}

}  // namespace

bool CFileLocations::Choose(const SFacts& facts, const std::string& programName,
                            std::string* error) {
    *this = CFileLocations();
    if (facts.dataOption.empty() && facts.scriptInWorkingDirectory) return true;

    if (!facts.dataOption.empty()) {
        if (!HoldsScript(facts.dataOption)) {
            *error = programName + ": no game data in \"" + facts.dataOption + "\": it holds no " +
                     kScriptName;
            return false;
        }
        myDataFolder = Normal(fs::absolute(facts.dataOption));
    } else {
        const fs::path installed =
            (fs::path(facts.executable).parent_path() / ".." / "share" / programName)
                .lexically_normal();
        if (facts.executable.empty() || !HoldsScript(installed.string())) {
            *error = programName + ": no game data: neither the working directory nor \"" +
                     installed.string() + "\" holds " + kScriptName +
                     "; name the folder with --data DIR";
            return false;
        }
        myDataFolder = installed.string();
    }
    myInstalled = true;
    myStateFolder = XdgFolder(facts.stateHome, facts.home, ".local/state", programName);
    myPlayerFolder = XdgFolder(facts.dataHome, facts.home, ".local/share", programName);
    return true;
}

// Relative values of the XDG variables are ignored, as the desktop conventions ask.
std::string CFileLocations::XdgFolder(const std::string& variable, const std::string& home,
                                      const char* fallback, const std::string& programName) {
    fs::path base;
    if (!variable.empty() && variable[0] == '/') {
        base = variable;
    } else if (!home.empty()) {
        base = fs::path(home) / fallback;
    } else {
        return std::string();
    }
    return (base / programName).lexically_normal().string();
}

bool CFileLocations::SetUp(const std::string& dataOption, const std::string& programName,
                           std::string* error) {
    SFacts facts;
    facts.dataOption = dataOption;
    facts.scriptInWorkingDirectory = HoldsScript(".");
    if (!facts.scriptInWorkingDirectory || !dataOption.empty()) {
        facts.executable = RunningExecutable();
        facts.home = HomeFolder();
        facts.stateHome = Environment("XDG_STATE_HOME");
        facts.dataHome = Environment("XDG_DATA_HOME");
    }
    if (!Choose(facts, programName, error)) return false;
    if (!myInstalled) {
        // Started now, so that the log holds its header even when nothing else is logged.
        Logger().SetFileName("log.txt");
        return true;
    }
    if (::chdir(myDataFolder.c_str()) != 0) {
        *error = programName + ": cannot enter the game data folder \"" + myDataFolder +
                 "\": " + std::strerror(errno);
        return false;
    }
    MakeWriteFolders(programName);
    return true;
}

void CFileLocations::MakeWriteFolders(const std::string& programName) {
    std::string reason;
    if (myStateFolder.empty()) reason = "no home folder is known";
    if (reason.empty() && MakeFolder(myStateFolder, &reason)) {
        Logger().SetFileName(StateFile("log.txt"));
    } else {
        // Said here once instead of once per lost line; the console's own log still works.
        Logger().DropDefaultFile();
        std::cerr << programName << ": the log and the console history are not kept: " << reason
                  << std::endl;
    }
    reason.clear();
    if (myPlayerFolder.empty()) reason = "no home folder is known";
    if (reason.empty() && MakeFolder(myPlayerFolder, &reason)) return;
    const std::string line =
        programName + ": screenshots and the player's files are not kept: " + reason;
    std::cerr << line << std::endl;
    Logger().Warning() << "[WARNING] " << line << std::endl;
}

bool CFileLocations::MakeFolder(const std::string& folder, std::string* error) {
    const fs::path path = fs::path(folder).lexically_normal();
    fs::path made;
    for (const fs::path& part : path) {
        made /= part;
        if (::mkdir(made.c_str(), 0700) == 0 || errno == EEXIST) continue;
        // Some systems answer EINVAL for the root instead of EEXIST.
        struct stat existing {};
        if (::stat(made.c_str(), &existing) == 0 && S_ISDIR(existing.st_mode)) continue;
        *error = "cannot make the folder " + made.string() + ": " + std::strerror(errno);
        return false;
    }
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        *error = "cannot make the folder " + path.string() + ": " + std::strerror(errno);
        return false;
    }
    if (!S_ISDIR(info.st_mode)) {
        *error = "cannot make the folder " + path.string() + ": " + std::strerror(EEXIST);
        return false;
    }
    return true;
}

std::string CFileLocations::Join(const std::string& folder, const std::string& name) const {
    if (!name.empty() && name[0] == '/') return name;
    // Installed, a relative name would land beside the data.
    if (folder.empty()) return myInstalled ? std::string() : name;
    return folder + "/" + name;
}

CFileLocations& FileLocations() {
    return *CSingletonPtr<CFileLocations>::Get();
}

}  // namespace tolm
