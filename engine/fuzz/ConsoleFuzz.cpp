// Feeds arbitrary text, line by line, to a console: parsing, quote handling, nested
// parameters, assignments and routes must never crash, hang or leak.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "tolm/tasks/CBoundVariable.h"
#include "tolm/tasks/CConsole.h"

namespace {

class CEchoCommand : public tolm::CCommand {
public:
    static constexpr std::size_t kMaxAnswer = 256;

    std::string Execute(tolm::CParameterList& parameters) override {
        std::string result;
        for (std::size_t i = 0; i < parameters.Size(); ++i) {
            result += parameters.GetString(i);
            result += std::to_string(parameters.GetNumber(i));
        }
        // Unbounded, "a = echo(a, a)" would double a variable on every line: growth of
        // this command's making, not the console's.
        if (result.size() > kMaxAnswer) result.resize(kMaxAnswer);
        return result;
    }
    std::string Execute() override { return "echo"; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 4096) return 0;
    int number = 0;
    bool flag = false;
    CEchoCommand echo;
    tolm::CConsole console;
    console.AddCommand("echo", &echo);
    tolm::BindConsoleVariable(console, "number", number);
    tolm::BindConsoleVariable(console, "flag", flag);
    std::istringstream lines(std::string(reinterpret_cast<const char*>(data), size));
    for (std::string line; std::getline(lines, line);) console.Execute(line);
    return 0;
}
