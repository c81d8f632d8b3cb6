// Where the program reads its data and writes its own files. In the developer's way (the
// working directory holds the start-up script and no data folder is named) everything stays
// in the working directory, as it always was. Otherwise the data folder is the one named with
// --data or the one installed beside the program (BIN/../share/NAME), found from the running
// executable so that a moved or DESTDIR install works too. The program then moves into that
// folder, so that the script's relative data paths hold, and writes nothing there: the log
// and the console history go to $XDG_STATE_HOME/NAME, screenshots and the player's files to
// $XDG_DATA_HOME/NAME. One process-wide instance (FileLocations()); until SetUp it answers
// the developer's way.
#ifndef TOLM_UTILS_FILES_CFILELOCATIONS_H
#define TOLM_UTILS_FILES_CFILELOCATIONS_H

#include <string>

namespace tolm {

class CFileLocations {
public:
    static constexpr const char* kScriptName = "autoexec.txt";

    // What the choice depends on; SetUp gathers them from the process, tests give their own.
    struct SFacts {
        std::string dataOption;  // the folder named with --data, empty when none was
        bool scriptInWorkingDirectory = false;
        std::string executable;  // the running program's own path
        std::string home;        // the player's home folder
        std::string stateHome;   // $XDG_STATE_HOME, empty when unset
        std::string dataHome;    // $XDG_DATA_HOME, empty when unset
    };

    // Decides the folders from the facts without making or changing anything. False, and
    // one line saying why in *error, when no data folder holds the start-up script.
    bool Choose(const SFacts& facts, const std::string& programName, std::string* error);

    // Chooses from the process's facts; when installed, makes the write folders and moves
    // into the data folder. A write folder that cannot be made is said in one line on
    // standard error (and in the log when the log has a folder) and play goes on. False, with
    // *error, only when there is no data folder to play from.
    bool SetUp(const std::string& dataOption, const std::string& programName, std::string* error);

    bool IsInstalled() const { return myInstalled; }
    // Empty in the developer's way: the working directory.
    const std::string& GetDataFolder() const { return myDataFolder; }
    const std::string& GetStateFolder() const { return myStateFolder; }
    const std::string& GetPlayerFolder() const { return myPlayerFolder; }

    // The name placed in the state or the player's folder; an absolute name stays as it is.
    // Empty (no file to write) when installed without a home folder to put it in.
    std::string StateFile(const std::string& name) const { return Join(myStateFolder, name); }
    std::string PlayerFile(const std::string& name) const { return Join(myPlayerFolder, name); }

    // Makes the folder and its missing parents, each with mode 0700 (only the player may look
    // inside). True when it exists as a folder afterwards; otherwise false and the reason.
    static bool MakeFolder(const std::string& folder, std::string* error);

private:
    std::string Join(const std::string& folder, const std::string& name) const;
    static std::string XdgFolder(const std::string& variable, const std::string& home,
                                 const char* fallback, const std::string& programName);
    void MakeWriteFolders(const std::string& programName);

    bool myInstalled = false;
    std::string myDataFolder;
    std::string myStateFolder;
    std::string myPlayerFolder;
};

// The process-wide locations, made on first use (then answering the developer's way).
CFileLocations& FileLocations();

}  // namespace tolm

#endif
