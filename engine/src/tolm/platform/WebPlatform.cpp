#include "tolm/platform/WebPlatform.h"

#include <map>
#include <memory>
#include <utility>

#include "SDL.h"

#ifdef __EMSCRIPTEN__

#include <SDL_mixer.h>
#include <emscripten.h>

namespace tolm {
namespace platform {
namespace {

struct SLoop {
    std::function<bool()> pass;
    std::function<void()> end;
};
std::unique_ptr<SLoop> ourLoop;

void RunPass(void*) {
    if (!ourLoop || ourLoop->pass()) return;
    emscripten_cancel_main_loop();
    const std::unique_ptr<SLoop> finished = std::move(ourLoop);
    finished->end();
    EM_ASM({
        if (Module['onGameEnded']) Module['onGameEnded']();
    });
}

}  // namespace

bool InBrowser() {
    return true;
}

void RunLoop(std::function<bool()> pass, std::function<void()> end) {
    ourLoop = std::make_unique<SLoop>(SLoop{std::move(pass), std::move(end)});
    // 0: at the page's animation frames; 0: main returns and the page keeps the program.
    emscripten_set_main_loop_arg(RunPass, nullptr, 0, 0);
}

void KeepPlayerFiles() {
    EM_ASM({
        if (Module['keepPlayerFiles']) Module['keepPlayerFiles']();
    });
}

bool OfferDownload(const std::string& fileName, const std::string& mimeType) {
    return EM_ASM_INT(
               {
                   try {
                       var name = UTF8ToString($0);
                       var bytes = FS.readFile(name);
                       var link = document.createElement('a');
                       link.href = URL.createObjectURL(new Blob([bytes], {
                           type:
                               UTF8ToString($1)
                       }));
                       link.download = name.substring(name.lastIndexOf('/') + 1);
                       document.body.appendChild(link);
                       link.click();
                       link.remove();
                       return 1;
                   } catch (e) {
                       return 0;
                   }
               },
               fileName.c_str(), mimeType.c_str()) != 0;
}

bool ToggleFullscreen() {
    return EM_ASM_INT({
               if (document.fullscreenElement) {
                   document.exitFullscreen().catch(function(){});
                   return 1;
               }
               var canvas = Module['canvas'];
               if (!canvas || !canvas.requestFullscreen) return 0;
               canvas.requestFullscreen().catch(function(){});
               return 1;
           }) != 0;
}

int EngineKey(int sdlKey) {
    if (sdlKey < SDLK_SCANCODE_MASK) return sdlKey;
    static const std::map<int, int> kSDL12Codes = [] {
        std::map<int, int> codes = {
            {SDLK_KP_PERIOD, 266},   {SDLK_KP_DIVIDE, 267},    {SDLK_KP_MULTIPLY, 268},
            {SDLK_KP_MINUS, 269},    {SDLK_KP_PLUS, 270},      {SDLK_KP_ENTER, 271},
            {SDLK_KP_EQUALS, 272},   {SDLK_UP, 273},           {SDLK_DOWN, 274},
            {SDLK_RIGHT, 275},       {SDLK_LEFT, 276},         {SDLK_INSERT, 277},
            {SDLK_HOME, 278},        {SDLK_END, 279},          {SDLK_PAGEUP, 280},
            {SDLK_PAGEDOWN, 281},    {SDLK_NUMLOCKCLEAR, 300}, {SDLK_CAPSLOCK, 301},
            {SDLK_SCROLLLOCK, 302},  {SDLK_RSHIFT, 303},       {SDLK_LSHIFT, 304},
            {SDLK_RCTRL, 305},       {SDLK_LCTRL, 306},        {SDLK_RALT, 307},
            {SDLK_LALT, 308},        {SDLK_LGUI, 311},         {SDLK_RGUI, 312},
            {SDLK_APPLICATION, 319}, {SDLK_PAUSE, 19},         {SDLK_PRINTSCREEN, 316},
        };
        const int keypad[] = {SDLK_KP_0, SDLK_KP_1, SDLK_KP_2, SDLK_KP_3, SDLK_KP_4,
                              SDLK_KP_5, SDLK_KP_6, SDLK_KP_7, SDLK_KP_8, SDLK_KP_9};
        for (int i = 0; i < 10; ++i) codes[keypad[i]] = 256 + i;
        const int function[] = {SDLK_F1,  SDLK_F2,  SDLK_F3,  SDLK_F4,  SDLK_F5,
                                SDLK_F6,  SDLK_F7,  SDLK_F8,  SDLK_F9,  SDLK_F10,
                                SDLK_F11, SDLK_F12, SDLK_F13, SDLK_F14, SDLK_F15};
        for (int i = 0; i < 15; ++i) codes[function[i]] = 282 + i;
        return codes;
    }();
    const auto found = kSDL12Codes.find(sdlKey);
    // Unknown to SDL 1.2: no key of the engine's.
    return found != kSDL12Codes.end() ? found->second : -1;
}

std::uint8_t SurfaceAlpha(const SDL_Surface* surface) {
    return static_cast<std::uint8_t>(EM_ASM_INT(
        {
            var data = SDL.surfaces[$0];
            return data ? data.alpha : 255;
        },
        surface));
}

std::uint32_t SurfaceColorKey(const SDL_Surface*) {
    return 0;
}

}  // namespace platform
}  // namespace tolm

// SDL 1.2 functions that the page's SDL lacks, in the sense the engine uses them.
struct SDL_Cursor {
    int unused;
};

extern "C" {

namespace {
SDL_Cursor* ourCursor = nullptr;
}  // namespace

// Every surface there is 32-bit RGBA on a canvas, which is the display's format.
SDL_Surface* SDL_DisplayFormat(SDL_Surface* surface) {
    return SDL_DisplayFormatAlpha(surface);
}

// The page shows the browser's own pointer; the engine's cursors are only kept track of.
SDL_Cursor* SDL_CreateCursor(const Uint8*, const Uint8*, int, int, int, int) {
    return new SDL_Cursor{0};
}
void SDL_SetCursor(SDL_Cursor* cursor) {
    ourCursor = cursor;
}
SDL_Cursor* SDL_GetCursor(void) {
    return ourCursor;
}
void SDL_FreeCursor(SDL_Cursor* cursor) {
    if (cursor == ourCursor) ourCursor = nullptr;
    delete cursor;
}

// Music never fades there.
Mix_Fading Mix_FadingMusic(void) {
    return MIX_NO_FADING;
}

const SDL_version* Mix_Linked_Version(void) {
    static SDL_version version;
    MIX_VERSION(&version);
    return &version;
}

// What Mix_OpenAudio was given: that is what the page's mixer plays at.
int Mix_QuerySpec(int* frequency, Uint16* format, int* channels) {
    const int opened = EM_ASM_INT({ return SDL.audioContext ? 1 : 0; });
    if (opened == 0) return 0;
    if (frequency != nullptr) *frequency = EM_ASM_INT({ return SDL.mixerFrequency; });
    if (format != nullptr) *format = static_cast<Uint16>(EM_ASM_INT({ return SDL.mixerFormat; }));
    if (channels != nullptr) *channels = EM_ASM_INT({ return SDL.mixerNumChannels; });
    return opened;
}

// No BMP writer there; the engine writes its pictures as PNG or TGA instead.
int SDL_SaveBMP_RW(SDL_Surface*, SDL_RWops* out, int freeOut) {
    if (freeOut != 0 && out != nullptr) SDL_RWclose(out);
    SDL_SetError("BMP files cannot be written in a web page");
    return -1;
}

}  // extern "C"

#else

namespace tolm {
namespace platform {

bool InBrowser() {
    return false;
}

void RunLoop(std::function<bool()> pass, std::function<void()> end) {
    while (pass()) {
    }
    end();
}

void KeepPlayerFiles() {}

bool OfferDownload(const std::string&, const std::string&) {
    return false;
}

bool ToggleFullscreen() {
    return false;
}

int EngineKey(int sdlKey) {
    return sdlKey;
}

std::uint8_t SurfaceAlpha(const SDL_Surface* surface) {
    return surface->format->alpha;
}

std::uint32_t SurfaceColorKey(const SDL_Surface* surface) {
    return surface->format->colorkey;
}

}  // namespace platform
}  // namespace tolm

#endif
