// Self-checks of the runtime core, run by the "unittest" task. Each leaves the
// process-wide state (random state, time source, consoles) as it found it.
#include <sstream>
#include <string>

#include "tolm/selftest/CSelfCheckRegistrar.h"
#include "tolm/tasks/CCommand.h"
#include "tolm/tasks/CConsole.h"
#include "tolm/utils/random/Random.h"
#include "tolm/utils/timer/CTimer.h"
#include "tolm/utils/timer/SystemTime.h"

namespace tolm {
namespace {

template <class T>
std::string Describe(const char* what, T got, T expected) {
    std::ostringstream text;
    text << what << " is " << got << ", expected " << expected;
    return text.str();
}

bool CheckRandomSequence(std::string& message) {
    const double saved = GetRandomState();
    SetRandomSeed(1);
    const double expected[] = {16807.0, 282475249.0, 1622650073.0};
    bool ok = true;
    for (double value : expected) {
        const double got = RandomStep();
        if (got != value) {
            message = Describe("random step from seed 1", got, value);
            ok = false;
            break;
        }
    }
    SetRandomSeed(saved);
    return ok;
}

bool CheckTimerPause(std::string& message) {
    CManualTimeSource base(5000);
    CTimer timer(&base);
    base.Advance(40);
    timer.Pause();
    base.Advance(1000);
    timer.Resume();
    base.Advance(10);
    if (timer.GetTime() != 50) {
        message = Describe("timer after 40 ms, a pause and 10 ms", timer.GetTime(), 50u);
        return false;
    }
    timer.Reset();
    if (timer.GetTime() != 0) {
        message = Describe("timer after reset", timer.GetTime(), 0u);
        return false;
    }
    return true;
}

// Records what the console handed over.
class CProbeCommand : public CCommand {
public:
    std::string Execute(CParameterList& parameters) override {
        myParameters = parameters;
        myHadList = true;
        return "probed";
    }
    std::string Execute() override {
        myHadList = false;
        return "probed";
    }
    CParameterList myParameters;
    bool myHadList = false;
};

bool CheckConsoleParsing(std::string& message) {
    CConsole console;
    CProbeCommand probe;
    console.AddCommand("probe", &probe);
    console.Execute("x = 7");
    const std::string answer = console.Execute("PROBE( \"a, b\", 2.5, x, word, )");
    const CParameterList& got = probe.myParameters;
    if (answer != "probed" || !probe.myHadList) {
        message = "the command was not called with a list";
        return false;
    }
    // The blank piece after the last comma reads as the number 0.
    if (got.Size() != 5 || got.GetString(0) != "a, b" || got.GetNumber(1) != 2.5 ||
        got.GetNumber(2) != 7 || !got.IsType(2, CParameter::kNumber) ||
        got.GetString(3) != "word" || !got.IsType(4, CParameter::kNumber) ||
        got.GetNumber(4) != 0) {
        message = "parameters are not (\"a, b\", 2.5, 7, word, 0)";
        return false;
    }
    if (console.Execute("probe; probe // probe") != "probed\nprobed\n") {
        message = "two commands before a comment did not both answer";
        return false;
    }
    return true;
}

CSelfCheckRegistrar ourRandomCheck("random sequence from seed 1", CheckRandomSequence);
CSelfCheckRegistrar ourTimerCheck("timer pause and reset", CheckTimerPause);
CSelfCheckRegistrar ourConsoleCheck("console parameter parsing", CheckConsoleParsing);

}  // namespace
}  // namespace tolm
