// Shared by the input tests: a mouse-device listener that writes its calls into the
// journal (and can run a hook inside a call), and a fixture with SDL's video part up under
// the dummy driver, the "sdl" library loaded and helpers that push events into SDL's real
// queue.
#ifndef TOLM_TESTS_INPUTDEVICE_INPUTTESTSUPPORT_H
#define TOLM_TESTS_INPUTDEVICE_INPUTTESTSUPPORT_H

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>

#include "SDL.h"
#include "tolm/inputdevice/CMouseListener.h"
#include "tolm/tasks/CTaskLibraries.h"
#include "tolm/tasks/TaskTestSupport.h"

namespace tolm::test {

class CJournalMouseListener : public CMouseListener {
public:
    CJournalMouseListener(const std::string& name, types::rect area, bool blocks)
        : myName(name), myArea(area), myBlocks(blocks) {}

    void OnMouseMove(int x, int y) override { Note("move " + Point(x, y)); }
    void OnMouseLeave(int x, int y) override { Note("leave " + Point(x, y)); }
    void OnMouseDown(int mask) override { Note("down " + std::to_string(mask)); }
    void OnMouseUp(int mask) override { Note("up " + std::to_string(mask)); }
    bool Blocks() const override { return myBlocks; }
    types::rect GetArea() const override { return myArea; }
    int GetDepth() const override { return 0; }

    // Runs inside the next calls; it may delete this listener.
    std::function<void()> myHook;

private:
    static std::string Point(int x, int y) { return std::to_string(x) + "," + std::to_string(y); }
    void Note(const std::string& what) {
        Journal().push_back(myName + " " + what);
        if (myHook) {
            // Moved out first: the hook may destroy this object and with it the member.
            const std::function<void()> hook = myHook;
            hook();
        }
    }

    std::string myName;
    types::rect myArea;
    bool myBlocks;
};

class CInputTest : public CRuntimeTest {
protected:
    void SetUp() override {
        CRuntimeTest::SetUp();
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO | SDL_INIT_NOPARACHUTE), 0) << SDL_GetError();
        CTaskLibraries::Load("sdl");
    }
    void TearDown() override {
        // The tasks go first: the event task's cursor belongs to SDL's video part.
        CRuntimeTest::TearDown();
        SDL_Quit();
    }

    // The journal lines of commands that reached the recorder "rec".
    static Lines Commands() {
        Lines commands;
        for (const std::string& line : Journal())
            if (line.rfind("command rec ", 0) == 0) commands.push_back(line.substr(12));
        return commands;
    }
    static bool PushKey(Uint8 type, int key) {
        SDL_Event event{};
        event.type = type;
        event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
        event.key.keysym.sym = static_cast<SDLKey>(key);
        return SDL_PushEvent(&event) == 0;
    }
    static bool PushMotion(int x, int y) {
        SDL_Event event{};
        event.type = SDL_MOUSEMOTION;
        event.motion.x = static_cast<Uint16>(x);
        event.motion.y = static_cast<Uint16>(y);
        return SDL_PushEvent(&event) == 0;
    }
    static bool PushButton(Uint8 type, int button) {
        SDL_Event event{};
        event.type = type;
        event.button.button = static_cast<Uint8>(button);
        return SDL_PushEvent(&event) == 0;
    }
};

}  // namespace tolm::test

#endif
