// What the program does differently in a web page, kept in one place: there the browser owns
// the main loop, the player's folder lives in IndexedDB, files meant for the player leave as
// downloads, and the compiler's JavaScript SDL lacks a few SDL 1.2 functions and pixel-format
// members (this file's source gives them). On the desktop every function here does the
// desktop's thing or nothing. Nothing here owns anything of the caller's.
#ifndef TOLM_PLATFORM_WEBPLATFORM_H
#define TOLM_PLATFORM_WEBPLATFORM_H

#include <cstdint>
#include <functional>
#include <string>

struct SDL_Surface;

namespace tolm {
namespace platform {

// True in a web page.
bool InBrowser();

// Calls pass once per animation frame of the page until it answers false, then end once.
// Returns at once in a page; on the desktop it loops here and returns after end.
void RunLoop(std::function<bool()> pass, std::function<void()> end);

// Copies the player's folder to lasting storage after a write (the page's IndexedDB); several
// requests while a copy is under way give one more copy after it.
void KeepPlayerFiles();

// Hands a written file to the player: a download in a page. False on the desktop, where the
// file already is where the player finds it.
bool OfferDownload(const std::string& fileName, const std::string& mimeType);

// Asks the page to show the canvas on the whole screen, or to leave it; false on the desktop.
bool ToggleFullscreen();

// The engine numbers keys as SDL 1.2 does; the page's SDL gives the keys without a
// character codes from 1024 up. The SDL 1.2 code of a key code that SDL gave, or -1 for a
// key that SDL 1.2 does not have.
int EngineKey(int sdlKey);

// The per-surface alpha and colour key that SDL 1.2 keeps in the pixel format; the page's
// SDL keeps neither there (its surfaces have no key, and their alpha is the canvas's own).
std::uint8_t SurfaceAlpha(const SDL_Surface* surface);
std::uint32_t SurfaceColorKey(const SDL_Surface* surface);

}  // namespace platform
}  // namespace tolm

#endif
