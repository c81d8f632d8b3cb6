// Shared by the tests of the "sdl" library's tasks: a fresh scheduler, console and task set
// per test, the library loaded, and helpers that start "window" and "gfx" as a script would.
// Everything runs under the dummy video driver; SDL is shut down after each test.
#ifndef TOLM_TESTS_TASKS_TASK_SDL_SDLTASKTESTSUPPORT_H
#define TOLM_TESTS_TASKS_TASK_SDL_SDLTASKTESTSUPPORT_H

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <variant>
#include <vector>

#include "support/CLogCapture.h"
#include "tolm/designpatterns/singleton/CSingletonPtr.h"
#include "tolm/gfx/CScreenLayer.h"
#include "tolm/gfx/sdl/PixelAccess.h"
#include "tolm/tasks/CConsoleHolder.h"
#include "tolm/tasks/CTaskFactory.h"
#include "tolm/tasks/CTaskLibraries.h"
#include "tolm/tasks/CTaskScheduler.h"
#include "tolm/tasks/task_sdl/CTaskGfxSDL.h"
#include "tolm/tasks/task_sdl/CTaskWindowSDL.h"

namespace tolm::test {

class CSdlTaskTest : public ::testing::Test {
protected:
    using Param = std::variant<double, std::string>;

    void SetUp() override { Reset(true); }
    void TearDown() override {
        myLog.reset();
        Reset(false);
        QuitVideoOnce();
        setenv("SDL_VIDEODRIVER", "dummy", 1);
    }
    void Reset(bool again) {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        CSingletonPtr<CTaskFactory>::Get()->DeleteAllTasks();
        CScreenLayer::Delete();
        CSingletonPtr<CTaskScheduler>::Delete();
        CSingletonPtr<CConsoleHolder>::Delete();
        if (!again) return;
        CTaskLibraries::Load("sdl");
        if (!myLog) myLog = std::make_unique<CLogCapture>();
    }
    static CTaskFactory& Factory() { return *CSingletonPtr<CTaskFactory>::Get(); }
    static CTaskScheduler& Scheduler() { return *CSingletonPtr<CTaskScheduler>::Get(); }

    static CTaskWindowSDL* StartWindow(const std::vector<Param>& values) {
        CParameterList list;
        for (const Param& v : values) {
            if (auto* number = std::get_if<double>(&v))
                list.AddNumber(*number);
            else
                list.AddString(std::get<std::string>(v));
        }
        Factory().StartTask("window", "window", 1000, &list);
        return dynamic_cast<CTaskWindowSDL*>(Factory().FindTask("window"));
    }
    static CTaskGfxSDL* StartGfx() {
        Factory().StartTask("gfx", "gfx", 100, nullptr);
        return dynamic_cast<CTaskGfxSDL*>(Factory().FindTask("gfx"));
    }
    static types::color Pixel(SDL_Surface* s, int x, int y) {
        types::color c;
        SDL_GetRGB(GetRawPixel(s, x, y), s->format, &c.r, &c.g, &c.b);
        return c;
    }
    static types::color ScreenPixel(int x, int y) { return Pixel(SDL_GetVideoSurface(), x, y); }

    std::unique_ptr<CLogCapture> myLog;
};

}  // namespace tolm::test

#endif
