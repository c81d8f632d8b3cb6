#include "tolm/platform/WebPlatform.h"

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

bool RequestFullscreen() {
    return EM_ASM_INT({
               var canvas = Module['canvas'];
               if (!canvas || !canvas.requestFullscreen) return 0;
               canvas.requestFullscreen().catch(function(){});
               return 1;
           }) != 0;
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

bool RequestFullscreen() {
    return false;
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
