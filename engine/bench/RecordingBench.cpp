// Cost of recording a run, per main-loop pass: the recorder reads the clock, fixes the
// engine's clock, notes the pass's input and hands the pass to the writer, which writes to
// a file under the temporary folder at most once a second (of the clock the benchmark
// advances by 16 ms a pass). With no input, and with N pointer motions a pass.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "tolm/tasks/demo/CRecorder.h"

namespace {

std::string ScratchName() {
    return (std::filesystem::temp_directory_path() /
            ("tolm-bench-" + std::to_string(::getpid()) + ".rec"))
        .string();
}

void RecordPasses(benchmark::State& state, int eventsPerPass) {
    tolm::CManualTimeSource real(1000);
    tolm::CManualTimeSource engine(1000);
    tolm::CRecorder recorder(real, engine);
    const std::string name = ScratchName();
    std::string error;
    if (!recorder.Start(name, tolm::recording::SHeader(), &error)) {
        state.SkipWithError(error.c_str());
        return;
    }
    int x = 0;
    for (auto _ : state) {
        // Clock steps as a paced loop has them: most 16 ms, some 17.
        real.Advance((x & 3) == 0 ? 17 : 16);
        recorder.OnPassBegin();
        for (int i = 0; i < eventsPerPass; ++i) {
            recorder.OnInput(tolm::SInputEvent{tolm::SInputEvent::kPointerMoved, x % 800, 300});
            ++x;
        }
        recorder.OnTaskUpdated(0);
        recorder.OnPassEnd();
        ++x;
    }
    recorder.Stop();
    state.counters["bytes_per_pass"] = static_cast<double>(recorder.GetWriter().GetBytesWritten()) /
                                       static_cast<double>(state.iterations());
    std::filesystem::remove(name);
}

void BM_RecordPassWithoutInput(benchmark::State& state) {
    RecordPasses(state, 0);
}
BENCHMARK(BM_RecordPassWithoutInput)->Unit(benchmark::kNanosecond);

void BM_RecordPassWithPointerMotions(benchmark::State& state) {
    RecordPasses(state, static_cast<int>(state.range(0)));
}
BENCHMARK(BM_RecordPassWithPointerMotions)->Arg(1)->Arg(4)->Arg(16)->Unit(benchmark::kNanosecond);

}  // namespace

BENCHMARK_MAIN();
