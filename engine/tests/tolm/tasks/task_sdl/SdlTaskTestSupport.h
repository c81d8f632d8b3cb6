// Shared by the tests of the "sdl" library's tasks: a fresh scheduler, console and task set
// per test, the library loaded, and helpers that start "window" and "gfx" as a script would.
// Everything runs under the dummy video driver; SDL is shut down after each test.
#ifndef TOLM_TESTS_TASKS_TASK_SDL_SDLTASKTESTSUPPORT_H
#define TOLM_TESTS_TASKS_TASK_SDL_SDLTASKTESTSUPPORT_H

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "SDL.h"
#include "support/CLogCapture.h"
#include "tolm/designpatterns/singleton/CSingletonPtr.h"
#include "tolm/gfx/CScreenLayer.h"
#include "tolm/gfx/Gfx.h"
#include "tolm/tasks/CConsoleHolder.h"
#include "tolm/tasks/CTaskFactory.h"
#include "tolm/tasks/CTaskLibraries.h"
#include "tolm/tasks/CTaskScheduler.h"
#include "tolm/tasks/task_sdl/CTaskGfxSDL.h"
#include "tolm/tasks/task_sdl/CTaskWindowSDL.h"

namespace tolm::test {

using Param = std::variant<double, std::string>;

inline CParameterList Params(const std::vector<Param>& values) {
    CParameterList list;
    for (const Param& value : values) {
        if (std::holds_alternative<double>(value)) {
            list.AddNumber(std::get<double>(value));
        } else {
            list.AddString(std::get<std::string>(value));
        }
    }
    return list;
}

class CSdlTaskTest : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        Reset();
        CTaskLibraries::Load("sdl");
        myLog = std::make_unique<CLogCapture>();
    }
    void TearDown() override {
        myLog.reset();
        Reset();
        QuitVideoOnce();
        setenv("SDL_VIDEODRIVER", "dummy", 1);
    }
    static void Reset() {
        CSingletonPtr<CTaskFactory>::Get()->DeleteAllTasks();
        CScreenLayer::Delete();
        CSingletonPtr<CTaskScheduler>::Delete();
        CSingletonPtr<CConsoleHolder>::Delete();
    }
    static CTaskFactory& Factory() { return *CSingletonPtr<CTaskFactory>::Get(); }

    static CTaskWindowSDL* StartWindow(const std::vector<Param>& values) {
        const CParameterList parameters = Params(values);
        Factory().StartTask("window", "window", 1000, &parameters);
        return dynamic_cast<CTaskWindowSDL*>(Factory().FindTask("window"));
    }
    static CTaskGfxSDL* StartGfx() {
        Factory().StartTask("gfx", "gfx", 100, nullptr);
        return dynamic_cast<CTaskGfxSDL*>(Factory().FindTask("gfx"));
    }

    std::unique_ptr<CLogCapture> myLog;
};

}  // namespace tolm::test

#endif
