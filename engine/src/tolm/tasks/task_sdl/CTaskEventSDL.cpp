#include "tolm/tasks/task_sdl/CTaskEventSDL.h"

#include <cstdint>
#include <vector>

#include "tolm/gfx/Gfx.h"
#include "tolm/platform/WebPlatform.h"
#include "tolm/tasks/CTaskLibraryRegistrar.h"
#include "tolm/tasks/CTaskScheduler.h"
#include "tolm/tasks/task_sdl/BuiltInCursors.h"
#include "tolm/tasks/task_sdl/CCursorImage.h"
#include "tolm/utils/logger/CLogger.h"

namespace tolm {

namespace {
CTaskLibraryRegistrar<CTaskEventSDL> ourRegistrar("sdl", "event");
}  // namespace

CTaskEventSDL::CTaskEventSDL() : myEventManager(&EventManager()) {}

CTaskEventSDL::~CTaskEventSDL() {
    myEventManager->ClearCursorHandler(this);
    ReleaseCursor();
}

bool CTaskEventSDL::Start() {
    myEventManager->SetCursorHandler(this);
    FollowTextEntry();
    return true;
}

void CTaskEventSDL::OnStop() {
    myEventManager->ClearCursorHandler(this);
}

void CTaskEventSDL::Update() {
    SDL_Event event;
    // SDL translates a key as it takes it from the display, so a request opened by one
    // event already counts for the next one.
    for (FollowTextEntry(); SDL_PollEvent(&event) != 0; FollowTextEntry()) HandleEvent(event);
}

void CTaskEventSDL::FollowTextEntry() {
    const int wanted = myEventManager->IsTextEntryOpen() ? 1 : 0;
    if (wanted == myTranslating) return;
    // Key presses then carry the character they type, for text fields.
    SDL_EnableUNICODE(wanted);
    myTranslating = wanted;
}

void CTaskEventSDL::HandleEvent(const SDL_Event& event) {
    switch (event.type) {
        case SDL_ACTIVEEVENT:
            if ((event.active.state & SDL_APPINPUTFOCUS) != 0) {
                myEventManager->Activity(event.active.gain != 0);
            }
            break;
        case SDL_KEYDOWN: {
            const int key = platform::EngineKey(event.key.keysym.sym);
            myEventManager->KeyDown(key);
            // The page's SDL gives a key without a character its own code as the character.
            const bool renumbered = key != static_cast<int>(event.key.keysym.sym);
            myEventManager->Character(renumbered ? 0 : event.key.keysym.unicode);
            break;
        }
        case SDL_KEYUP:
            myEventManager->KeyUp(platform::EngineKey(event.key.keysym.sym));
            break;
        case SDL_MOUSEMOTION:
            myEventManager->MouseMoved(event.motion.x, event.motion.y);
            break;
        case SDL_MOUSEBUTTONDOWN:
            myEventManager->ButtonDown(CEventManager::ButtonMask(event.button.button));
            break;
        case SDL_MOUSEBUTTONUP:
            myEventManager->ButtonUp(CEventManager::ButtonMask(event.button.button));
            break;
        case SDL_QUIT:
            myEventManager->Quit();
            break;
        case SDL_VIDEORESIZE:
            myEventManager->Resize(event.resize.w, event.resize.h);
            break;
        case SDL_VIDEOEXPOSE:
            // The window system lost part of the window's picture: send all of it again.
            if (CGfxBuffer* screen = Gfx::GetScreen()) screen->AddUpdateRect(screen->GetRect());
            break;
        default:
            break;
    }
}

void CTaskEventSDL::ShowCursor() {
    SDL_ShowCursor(1);
}

void CTaskEventSDL::HideCursor() {
    SDL_ShowCursor(0);
}

void CTaskEventSDL::SetCursor(int kind) {
    if (kind < kArrow || kind >= kKindCount) kind = kNone;
    if (kind == myCursorKind) return;
    if (kind == kNone) {
        myCursorKind = kind;
        return;
    }
    // SDL cannot make cursors (it crashes) before its video part is up; the kind is not
    // taken, so asking again once the window is open builds it.
    if (SDL_WasInit(SDL_INIT_VIDEO) == 0) {
        Logger().Warning() << "[WARNING] The cursor cannot change before the window is open\n";
        return;
    }

    int lineCount = 0;
    const char* const* lines = BuiltInCursorImage(kind, lineCount);
    CCursorImage image;
    if (!image.Read(lines, lineCount)) return;
    // SDL takes the planes as non-const but only reads them.
    std::vector<std::uint8_t> data = image.GetData();
    std::vector<std::uint8_t> mask = image.GetMask();
    SDL_Cursor* cursor = SDL_CreateCursor(data.data(), mask.data(), image.GetWidth(),
                                          image.GetHeight(), image.GetHotX(), image.GetHotY());
    if (cursor == nullptr) {
        Logger().Warning() << "[WARNING] Could not build the cursor " << kind << ": "
                           << SDL_GetError() << "\n";
        return;
    }
    // The previous cursor is live only while it is still SDL's current one (see
    // ReleaseCursor); it is freed after the new one is shown, so nothing flickers.
    SDL_Cursor* const previous = SDL_GetCursor() == myCursor ? myCursor : nullptr;
    SDL_SetCursor(cursor);
    if (previous != nullptr) SDL_FreeCursor(previous);
    myCursor = cursor;
    myCursorKind = kind;
}

void CTaskEventSDL::ReleaseCursor() {
    if (myCursor == nullptr) return;
    // Only the current cursor is freed here (SDL then shows its default one): when SDL's
    // video part shuts down it frees the current cursor itself, and freeing it again
    // would be a double free.
    if (SDL_WasInit(SDL_INIT_VIDEO) != 0 && SDL_GetCursor() == myCursor) {
        SDL_FreeCursor(myCursor);
    }
    myCursor = nullptr;
}

}  // namespace tolm
