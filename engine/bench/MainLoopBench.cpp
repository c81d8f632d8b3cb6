// Cost of the runtime core's hot paths: one main-loop pass over ten trivial tasks, typical
// script lines in the process-wide console, and deeply nested lines. Log output is detached
// from the file while measuring (the logger still formats and splits every line, but
// nothing is written), so the figures are the interpreter's and the factory's own cost.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "support/CEngineFixture.h"
#include "tolm/tasks/CConsoleHolder.h"
#include "tolm/tasks/CTaskScheduler.h"
#include "tolm/utils/logger/CLogger.h"

namespace {

class CTrivialTask : public tolm::CTask {
public:
    CTrivialTask(int priority) : CTask(priority, "trivial") {}
    void Update() override { benchmark::DoNotOptimize(++myCount); }
    long myCount = 0;
};

constexpr int kTasks = 10;

void BM_MainLoopPass(benchmark::State& state) {
    tolm::test::CEngineFixture engine;
    tolm::CTaskScheduler* scheduler = &tolm::Scheduler();
    std::vector<std::unique_ptr<CTrivialTask>> tasks;
    for (int i = 0; i < kTasks; ++i) {
        tasks.push_back(std::make_unique<CTrivialTask>(i * 10));
        scheduler->AddTask(tasks.back().get());
    }
    for (auto _ : state) benchmark::DoNotOptimize(scheduler->RunOnce());
    state.counters["per_task_update"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * kTasks,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    tasks.clear();
}
BENCHMARK(BM_MainLoopPass);

// Runs one line repeatedly with the log file detached.
void RunLine(benchmark::State& state, const char* line) {
    tolm::CConsole* console = &tolm::Console();
    tolm::CLogger& logger = tolm::Logger();
    logger.RemoveListener(logger.GetDefaultListener());
    for (auto _ : state) benchmark::DoNotOptimize(console->Execute(line));
    logger.AddListener(logger.GetDefaultListener());
}

void BM_StartTaskUnknownType(benchmark::State& state) {
    RunLine(state, "starttask(\"x\", \"y\", 10, 1, 2)");
}
BENCHMARK(BM_StartTaskUnknownType);

void BM_Assignment(benchmark::State& state) {
    RunLine(state, "a = 5");
}
BENCHMARK(BM_Assignment);

void BM_RoutedLine(benchmark::State& state) {
    RunLine(state, "Audio::PlayEffect( \"data/sfx/fan_hit.wav\" );");
}
BENCHMARK(BM_RoutedLine);

// A line of k nested brackets, assignments inside and outside them: its cost must grow
// with its length, not with two to the power of k.
void BM_NestedAssignmentLine(benchmark::State& state) {
    std::string line = "flag =8 h2 ech (";
    for (int i = 0; i < state.range(0); ++i) line += "/ = ()e =(/h (";
    line += ")";
    state.counters["bytes"] = static_cast<double>(line.size());
    RunLine(state, line.c_str());
}
BENCHMARK(BM_NestedAssignmentLine)->Arg(8)->Arg(16)->Arg(32)->Arg(64);

}  // namespace

BENCHMARK_MAIN();
