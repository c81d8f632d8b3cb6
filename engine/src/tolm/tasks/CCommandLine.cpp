#include "tolm/tasks/CCommandLine.h"

#include <algorithm>

#include "tolm/utils/Version.h"

namespace tolm {

CCommandLine::CCommandLine(const std::string& programName, const std::string& gameName)
    : myProgramName(programName), myGameName(gameName) {
    AddOption(
        {"--data", "DIR", "play with the game data in DIR (the folder holding autoexec.txt)"});
    AddOption({"--help", "", "print this help and exit"});
    AddOption({"--version", "", "print the version and exit"});
}

void CCommandLine::AddOption(const SOption& option) {
    myOptions.push_back(option);
}

const CCommandLine::SOption* CCommandLine::Find(const std::string& name) const {
    for (const SOption& option : myOptions)
        if (option.name == name) return &option;
    return nullptr;
}

CCommandLine::EAction CCommandLine::Parse(int argc, const char* const* argv) {
    myValues.clear();
    myError.clear();
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i] != nullptr ? argv[i] : "";
        const std::string::size_type equals = word.find('=');
        const std::string name = word.substr(0, equals);
        const SOption* option = word.rfind("--", 0) == 0 ? Find(name) : nullptr;
        if (option == nullptr) {
            myError = word.rfind("-", 0) == 0 ? "unknown option \"" + name + "\""
                                              : "unexpected argument \"" + word + "\"";
            return kUsageError;
        }
        if (option->argument.empty()) {
            if (equals != std::string::npos) {
                myError = "the option " + name + " takes no value";
                return kUsageError;
            }
            myValues[name] = "";
            continue;
        }
        std::string value;
        if (equals != std::string::npos) {
            value = word.substr(equals + 1);
        } else if (i + 1 < argc && argv[i + 1] != nullptr) {
            value = argv[++i];
        }
        if (value.empty()) {
            myError = "the option " + name + " needs a value (" + option->argument + ")";
            return kUsageError;
        }
        myValues[name] = value;
    }
    if (Has("--help")) return kHelp;
    if (Has("--version")) return kVersion;
    return kRun;
}

std::string CCommandLine::GetValue(const std::string& name) const {
    const auto found = myValues.find(name);
    return found == myValues.end() ? std::string() : found->second;
}

std::string CCommandLine::UsageLine() const {
    std::string line = "Usage: " + myProgramName;
    for (const SOption& option : myOptions)
        line += " [" + option.name + (option.argument.empty() ? "" : " " + option.argument) + "]";
    return line + "\n";
}

std::string CCommandLine::VersionText() const {
    return myGameName + "\n" + kVersionText + "\n";
}

std::string CCommandLine::HelpText() const {
    std::string text = myGameName + ", a game on " + kVersionText + ".\n" + UsageLine() + "\n";
    for (const SOption& option : myOptions) {
        std::string left = "  " + option.name;
        if (!option.argument.empty()) left += " " + option.argument;
        left.resize(std::max<std::size_t>(left.size() + 2, 18), ' ');
        text += left + option.help + "\n";
    }
    text +=
        "\nWithout --data the game data is the working directory when it holds autoexec.txt,\n"
        "otherwise the folder installed beside the program (../share/" +
        myProgramName +
        "). The installed game\n"
        "writes its log and console history to $XDG_STATE_HOME/" +
        myProgramName +
        " (~/.local/state), and\n"
        "screenshots and the player's files to $XDG_DATA_HOME/" +
        myProgramName + " (~/.local/share).\n";
    return text;
}

int CCommandLine::Answer(EAction action, std::ostream& out, std::ostream& err) const {
    switch (action) {
        case kHelp:
            out << HelpText();
            return 0;
        case kVersion:
            out << VersionText();
            return 0;
        case kUsageError:
            err << myProgramName << ": " << myError << "\n" << UsageLine();
            return kUsageErrorExitCode;
        case kRun:
            break;
    }
    return -1;
}

}  // namespace tolm
