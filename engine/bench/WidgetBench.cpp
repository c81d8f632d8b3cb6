// Cost of the widget tree's per-event and per-resize work: routing one pointer move through
// a tree of 100 widgets, and laying out 100 formula-placed widgets again after their
// parent's size changed.
#include <benchmark/benchmark.h>

#include <vector>

#include "tolm/ui/CDesktopWidget.h"
#include "tolm/ui/CWidget.h"

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

}  // namespace

BENCHMARK_MAIN();
