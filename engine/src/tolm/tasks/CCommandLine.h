// The program's command line: a table of the options it knows, the values they were given
// and the texts of --help, --version and the usage line. Parsing only reads the arguments;
// the process entry acts on the result. New options (recording, replay) are new table rows.
#ifndef TOLM_TASKS_CCOMMANDLINE_H
#define TOLM_TASKS_CCOMMANDLINE_H

#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace tolm {

class CCommandLine {
public:
    // What the process entry is to do after parsing.
    enum EAction { kRun, kHelp, kVersion, kUsageError };
    static constexpr int kUsageErrorExitCode = 2;

    struct SOption {
        std::string name;      // with its dashes: "--data"
        std::string argument;  // the value's placeholder ("DIR"); empty for a flag
        std::string help;      // one line for --help
    };

    // programName is the installed command (bubble-hush), gameName what it is (Bubble Hush).
    // The table starts with --data DIR, --help and --version.
    CCommandLine(const std::string& programName, const std::string& gameName);

    void AddOption(const SOption& option);

    // Reads the arguments after the program's name. "--name value" and "--name=value" both
    // give a value; a later use of an option replaces the earlier value.
    EAction Parse(int argc, const char* const* argv);

    // Prints what the action asks for (help or version on out, the error and the usage line
    // on err) and gives the exit code; for kRun it prints nothing and gives -1.
    int Answer(EAction action, std::ostream& out, std::ostream& err) const;

    bool Has(const std::string& name) const { return myValues.count(name) != 0; }
    // The option's value, or empty when it was not given.
    std::string GetValue(const std::string& name) const;
    const std::string& GetError() const { return myError; }

    std::string UsageLine() const;
    std::string HelpText() const;
    std::string VersionText() const;

private:
    const SOption* Find(const std::string& name) const;

    std::string myProgramName;
    std::string myGameName;
    std::vector<SOption> myOptions;
    std::map<std::string, std::string> myValues;
    std::string myError;
};

}  // namespace tolm

#endif
