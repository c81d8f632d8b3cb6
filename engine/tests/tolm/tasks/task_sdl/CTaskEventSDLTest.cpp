// The event task over SDL's real event queue (dummy video driver): each kind of event
// reaches the event manager, odd codes are harmless, and the built-in cursors.
#include <gtest/gtest.h>

#include <string>

#include "tolm/inputdevice/CEventManager.h"
#include "tolm/inputdevice/InputTestSupport.h"
#include "tolm/tasks/CConsoleHolder.h"
#include "tolm/tasks/task_sdl/BuiltInCursors.h"
#include "tolm/tasks/task_sdl/CTaskEventSDL.h"

namespace tolm::test {
namespace {

// Writes what the event manager hands out into the journal.
class CEventJournal : public CKeyboardListener, public CMouseEventListener, public CScreenListener {
public:
    CEventJournal() {
        EventManager().AddKeyboardListener(this);
        EventManager().AddMouseListener(this);
        EventManager().AddScreenListener(this);
    }
    ~CEventJournal() override {
        EventManager().RemoveKeyboardListener(this);
        EventManager().RemoveMouseListener(this);
        EventManager().RemoveScreenListener(this);
    }
    void OnKeyDown(int key) override { Note("key down", key); }
    void OnKeyUp(int key) override { Note("key up", key); }
    void OnCharacter(std::uint16_t unicode) override { Note("character", unicode); }
    void OnPointerMoved(int x, int y) override { Note("moved", x, y); }
    void OnButtonPressed(int mask) override { Note("pressed", mask); }
    void OnButtonReleased(int mask) override { Note("released", mask); }
    void OnResize(int width, int height) override { Note("resized", width, height); }
    void OnActivityChanged(bool active) override { Note("active", active ? 1 : 0); }

private:
    static void Note(const std::string& what, int a, int b = -1) {
        Journal().push_back(what + " " + std::to_string(a) +
                            (b >= 0 ? " " + std::to_string(b) : std::string()));
    }
};

class CTaskEventSDLTest : public CInputTest {
protected:
    void SetUp() override {
        CInputTest::SetUp();
        ASSERT_TRUE(Factory().StartTask("event", "event", 1, nullptr));
        myTask = dynamic_cast<CTaskEventSDL*>(Factory().FindTask("event"));
        ASSERT_NE(myTask, nullptr);
        Journal().clear();
    }
    static void PushActive(int state, int gain) {
        SDL_Event event{};
        event.type = SDL_ACTIVEEVENT;
        event.active.state = static_cast<Uint8>(state);
        event.active.gain = static_cast<Uint8>(gain);
        SDL_PushEvent(&event);
    }

    CTaskEventSDL* myTask = nullptr;
};

TEST_F(CTaskEventSDLTest, EveryKindOfEventReachesTheEventManagerInQueueOrder) {
    CEventJournal journal;
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.keysym.sym = SDLK_a;
    event.key.keysym.unicode = 'A';
    SDL_PushEvent(&event);
    PushKey(SDL_KEYUP, SDLK_a);
    PushMotion(640, 12);
    PushButton(SDL_MOUSEBUTTONDOWN, 3);
    PushButton(SDL_MOUSEBUTTONUP, 5);
    PushButton(SDL_MOUSEBUTTONDOWN, 9);  // no such button: mask 0
    PushActive(SDL_APPINPUTFOCUS | SDL_APPMOUSEFOCUS, 0);
    PushActive(SDL_APPMOUSEFOCUS, 1);  // pointer focus only: not an activity change
    PushActive(SDL_APPINPUTFOCUS, 1);
    event = SDL_Event{};
    event.type = SDL_VIDEORESIZE;
    event.resize.w = 1024;
    event.resize.h = 700;
    SDL_PushEvent(&event);
    EXPECT_FALSE(Scheduler().IsQuitting());
    PushKey(SDL_KEYDOWN, 400);  // outside SDL's key codes: passed on, listeners decide

    myTask->Update();
    EXPECT_EQ(Journal(), (Lines{"key down 97", "character 65", "key up 97", "moved 640 12",
                                "pressed 4", "released 16", "pressed 0", "active 0", "active 1",
                                "resized 1024 700", "key down 400"}));
    EXPECT_EQ(EventManager().GetWidth(), 1024);
    EXPECT_EQ(EventManager().GetHeight(), 700);
    SDL_Event left;
    EXPECT_EQ(SDL_PollEvent(&left), 0);

    event = SDL_Event{};
    event.type = SDL_QUIT;
    SDL_PushEvent(&event);
    myTask->Update();
    EXPECT_TRUE(Scheduler().IsQuitting());
}

// Opens a text-entry request on "t" and closes one on "c", and notes whether SDL
// translated keys when each key reached it.
class CTextEntryKeys : public CKeyboardListener {
public:
    CTextEntryKeys() { EventManager().AddKeyboardListener(this); }
    ~CTextEntryKeys() override { EventManager().RemoveKeyboardListener(this); }
    void OnKeyDown(int key) override {
        myTranslated += SDL_EnableUNICODE(-1) == 1 ? '1' : '0';
        if (key == SDLK_t) EventManager().OpenTextEntry();
        if (key == SDLK_c) EventManager().CloseTextEntry();
    }
    void OnKeyUp(int /*key*/) override {}
    std::string myTranslated;
};

TEST_F(CTaskEventSDLTest, KeysAreTranslatedFromTheEventAfterARequestOpensUntilTheLastCloses) {
    // Nothing asked for characters yet.
    EXPECT_EQ(SDL_EnableUNICODE(-1), 0);
    CTextEntryKeys keys;
    for (int key : {SDLK_a, SDLK_t, SDLK_a, SDLK_t, SDLK_c, SDLK_a, SDLK_c, SDLK_a, SDLK_c, SDLK_a})
        PushKey(SDL_KEYDOWN, key);
    myTask->Update();
    EXPECT_EQ(keys.myTranslated, "0011111000");
    EXPECT_FALSE(EventManager().IsTextEntryOpen());
    EventManager().OpenTextEntry();
    myTask->Update();
    EXPECT_EQ(SDL_EnableUNICODE(-1), 1);
    EventManager().CloseTextEntry();
    myTask->Update();
    EXPECT_EQ(SDL_EnableUNICODE(-1), 0);
}

TEST_F(CTaskEventSDLTest, AFullQueueIsEmptiedInOnePass) {
    CEventJournal journal;
    int pushed = 0;
    while (pushed < 10000 && PushMotion(pushed % 800, 1)) ++pushed;
    ASSERT_GT(pushed, 50);  // SDL 1.2 holds about 128
    Scheduler().RunOnce();
    EXPECT_EQ(Journal().size(), static_cast<std::size_t>(pushed));
    SDL_Event left;
    EXPECT_EQ(SDL_PollEvent(&left), 0);
}

TEST_F(CTaskEventSDLTest, EachBuiltInCursorIsBuiltWithItsHotSpotAndOnlyOnAChangeOfKind) {
    EXPECT_EQ(EventManager().GetCursorHandler(), myTask);
    SDL_Cursor* const systemCursor = SDL_GetCursor();
    const struct {
        const char* name;
        int kind;
        int hotX;
        int hotY;
    } cursors[] = {{"cursor_arrow", 1, 0, 0},
                   {"cursor_cross", 2, 16, 16},
                   {"cursor_text", 3, 3, 7},
                   {"cursor_hand", 4, 5, 0},
                   {"cursor_busy", 5, 0, 0},
                   {"cursor_resize_horizontal", 6, 10, 4},
                   {"cursor_resize_vertical", 7, 6, 9},
                   {"cursor_resize_diagonal1", 8, 6, 7},
                   {"cursor_resize_diagonal2", 9, 6, 7}};
    for (const auto& c : cursors) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(CursorKindFromName(c.name), c.kind);
        SDL_Cursor* const before = SDL_GetCursor();
        EventManager().SetCursor(c.kind);
        SDL_Cursor* const built = SDL_GetCursor();
        EXPECT_NE(built, before);
        EXPECT_NE(built, systemCursor);
        EXPECT_EQ(built->area.w, 32);
        EXPECT_EQ(built->area.h, 32);
        EXPECT_EQ(built->hot_x, c.hotX);
        EXPECT_EQ(built->hot_y, c.hotY);
        EventManager().SetCursor(c.kind);
        EXPECT_EQ(SDL_GetCursor(), built);
    }

    // Kind 0 and kinds out of range keep the picture, but the next real kind is a change.
    SDL_Cursor* const last = SDL_GetCursor();
    for (int kind : {0, 10, -1, 1 << 30}) {
        EventManager().SetCursor(kind);
        EXPECT_EQ(SDL_GetCursor(), last) << kind;
        EXPECT_EQ(myTask->GetCursorKind(), 0);
    }
    EventManager().SetCursor(9);
    EXPECT_NE(SDL_GetCursor(), last);
    Factory().StopTask("event");  // the task is the cursor handler only while it runs
    EXPECT_EQ(EventManager().GetCursorHandler(), nullptr);
}

TEST_F(CTaskEventSDLTest, CursorCommandsOfTheMouseTaskReachTheCursor) {
    ASSERT_TRUE(Factory().StartTask("mouse", "mouse", 2, nullptr));
    CConsole& console = Console();
    console.Execute("mouse::CursorChangeTo(\"cursor_hand\")");
    SDL_Cursor* const hand = SDL_GetCursor();
    EXPECT_EQ(hand->hot_x, 5);
    console.Execute("mouse::CursorChangeTo(\"cursor_hand\")");
    console.Execute("mouse::CursorChangeTo(\"Cursor_Arrow\")");  // names are case-sensitive
    console.Execute("mouse::CursorChangeTo(4)");
    console.Execute("mouse::CursorChangeTo()");
    EXPECT_EQ(SDL_GetCursor(), hand);
    console.Execute("mouse::CursorHide()");
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), 0);
    console.Execute("mouse::CursorShow");
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), 1);
}

}  // namespace
}  // namespace tolm::test
