// Shares decoded pictures between buffers: one SDL surface per file name, counted by the
// buffers that use it. The manager owns the registered surfaces and frees each when its last
// user releases it. Process-wide, created on first use, alive until process exit.
#ifndef TOLM_GFX_SDL_CTEXTUREMANAGER_H
#define TOLM_GFX_SDL_CTEXTUREMANAGER_H

#include <cstdint>
#include <map>
#include <string>

#include "SDL.h"
#include "tolm/Services.h"

namespace tolm {

class CTextureManager {
public:
    bool Exists(const std::string& filename) const;
    // Registers a new file's surface with one user. A name already known is refused and the
    // caller keeps ownership of the given surface.
    void AddNew(const std::string& filename, SDL_Surface* surface, bool keep);
    // Counts one more user of the file and returns its surface, or null for unknown names.
    SDL_Surface* GetPointer(const std::string& filename);
    // Counts one user less; surfaces that were never registered are freed at once.
    void Release(SDL_Surface* surface);

    void SetLogging(bool log) { myLog = log; }
    std::int32_t GetCount(const std::string& filename) const;

private:
    struct CEntry {
        SDL_Surface* surface = nullptr;
        std::int32_t count = 0;
        bool keep = false;
    };
    std::map<std::string, CEntry> myTextures;
    bool myLog = true;
};

}  // namespace tolm

#endif
