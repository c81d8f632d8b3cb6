// Cost of the widget tree's per-event and per-resize work: routing one pointer move through
// a tree of 100 widgets, laying out 100 formula-placed widgets again after their parent's
// size changed, and one frame of the developer console with 20 new log lines.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <optional>
#include <vector>

#include "SDL.h"
#include "support/CEngineFixture.h"
#include "tolm/gfx/CScreenLayer.h"
#include "tolm/gfx/Gfx.h"
#include "tolm/gfx/sdl/CGfxFactorySDL.h"
#include "tolm/gfx/sdl/CScreenBufferSDL.h"
#include "tolm/tasks/task_debug/CConsoleWidget.h"
#include "tolm/ui/CDesktopWidget.h"
#include "tolm/ui/CWidget.h"
#include "tolm/ui/CWindowWidget.h"
#include "tolm/utils/logger/CLogger.h"

namespace {

using tolm::types::rect;
using tolm::ui::CMouseEvent;
using tolm::ui::CWidget;

// Ten panels of nine children each under one root: 100 widgets. One point lies only in the
// last panel's last child, so the move tests every panel and child before it; the other
// lies in the first panel's first child.
void BM_RoutePointerMove(benchmark::State& state) {
    tolm::ui::CDesktopWidget root(rect(0, 0, 800, 600));
    for (int panel = 0; panel < 10; ++panel) {
        auto* parent = new CWidget(&root, rect(panel * 40, panel * 30, 400, 300));
        for (int child = 0; child < 9; ++child) {
            new CWidget(parent, rect((child % 3) * 120 + 10, (child / 3) * 90 + 10, 100, 80), true);
        }
    }
    // Alternating between the two changes the hovered widget on every move.
    const CMouseEvent moves[] = {CMouseEvent(CMouseEvent::kMoved, 700, 510),
                                 CMouseEvent(CMouseEvent::kMoved, 60, 50)};
    int next = 0;
    for (auto _ : state) {
        root.HandleMouseEvent(moves[next]);
        next ^= 1;
    }
}
BENCHMARK(BM_RoutePointerMove);

// 100 children of one parent, each with four formulas of the console window's kind.
void BM_RelayoutAfterResize(benchmark::State& state) {
    CWidget parent(nullptr, rect(0, 0, 800, 600));
    for (int i = 0; i < 100; ++i) {
        auto* child = new CWidget(&parent, rect());
        child->SetLayout("parent.x + ( parent.w / 2 - ( parent.w * 0.9 / 2 ) )", "parent.y + 22",
                         "parent.w - 4", "parent.h - 24");
    }
    bool wide = false;
    for (auto _ : state) {
        parent.Resize(wide ? 800 : 640, wide ? 600 : 480);
        wide = !wide;
    }
}
BENCHMARK(BM_RelayoutAfterResize)->Unit(benchmark::kMicrosecond);

// The console window over an 800 x 600 screen under the dummy driver. Each frame 20 lines
// reach the log; the console composes its text once and the screen layer redraws what
// changed, as the console's task and the graphics task do in one pass.
void BM_ConsoleFrameWithTwentyNewLines(benchmark::State& state) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    SDL_Init(SDL_INIT_VIDEO);
    SDL_SetVideoMode(800, 600, 32, SDL_SWSURFACE);
    std::optional<tolm::test::CEngineFixture> engine{std::in_place};
    tolm::Gfx::SetFactory(new tolm::CGfxFactorySDL);
    auto screen = std::make_unique<tolm::CScreenBufferSDL>(SDL_GetVideoSurface());
    tolm::Gfx::SetScreen(screen.get());
    {
        tolm::ui::CDesktopWidget desktop(rect(0, 0, 800, 600));
        auto* window = new tolm::ui::CWindowWidget(&desktop, rect(10, 10, 400, 200), false,
                                                   "Dev-tool", "data/gui/background.png");
        auto* console = new tolm::CConsoleWidget(window->GetClientArea(), "Dev-tool: console");
        tolm::ScreenLayer().Update();
        int line = 0;
        for (auto _ : state) {
            for (int i = 0; i < 20; ++i) tolm::Logger() << "log line number " << ++line << "\n";
            console->Render("a = 5", 5);
            tolm::ScreenLayer().Update();
        }
    }
    engine.reset();
    tolm::Gfx::SetScreen(nullptr);
    screen.reset();
    SDL_Quit();
}
BENCHMARK(BM_ConsoleFrameWithTwentyNewLines)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
