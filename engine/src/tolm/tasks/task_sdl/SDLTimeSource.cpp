// The SDL back end's clock behind the process-wide time base (utils/timer/SystemTime.h).
#include "SDL.h"
#include "tolm/utils/timer/SystemTime.h"

namespace tolm {
namespace {

class CSdlTimeSource : public CTimeSource {
public:
    CSdlTimeSource() {
        // SDL_GetTicks only counts from SDL_Init; no subsystem is needed for that.
        if (SDL_WasInit(0) == 0) SDL_Init(SDL_INIT_NOPARACHUTE);
    }
    types::ticks GetTime() const override { return SDL_GetTicks(); }
};

}  // namespace

CSmartPtr<CTimeSource> CreateSdlTimeSource() {
    return std::make_shared<CSdlTimeSource>();
}

}  // namespace tolm
