// Shared by the tests of the "sdl" library's tasks: a fresh scheduler, console and task set
// per test, the library loaded, and helpers that start "window" and "gfx" as a script would.
// Everything runs under the dummy video driver; SDL is shut down after each test.
#ifndef TOLM_TESTS_TASKS_TASK_SDL_SDLTASKTESTSUPPORT_H
#define TOLM_TESTS_TASKS_TASK_SDL_SDLTASKTESTSUPPORT_H

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <optional>
#include <variant>
#include <vector>

#include "support/CEngineFixture.h"
#include "support/CLogCapture.h"
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

    void SetUp() override { Restart(); }
    void TearDown() override {
        myLog.reset();
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        myEngine.reset();
        QuitVideoOnce();
        setenv("SDL_VIDEODRIVER", "dummy", 1);
    }
    // Fresh services with the "sdl" library loaded and a new capture (also within a test).
    void Restart() {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        myLog.reset();
        myEngine.reset();
        myEngine.emplace();
        CTaskLibraries::Load("sdl");
        myLog = std::make_unique<CLogCapture>();
    }
    static CTaskFactory& Factory() { return TaskFactory(); }

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

    std::optional<CEngineFixture> myEngine;
    std::unique_ptr<CLogCapture> myLog;
};

}  // namespace tolm::test

#endif
