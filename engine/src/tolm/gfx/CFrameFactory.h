// Makes animation frames by type id and maps frame type names to ids ("frame_rect" 0,
// "frame_sound" 1). Process-wide (FrameFactory(), tolm/Services.h); frames it makes belong to the caller.
#ifndef TOLM_GFX_CFRAMEFACTORY_H
#define TOLM_GFX_CFRAMEFACTORY_H

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "tolm/Services.h"
#include "tolm/gfx/CFrame.h"

namespace tolm {

class CFrameFactory {
public:
    using CCreator = std::function<std::unique_ptr<CFrame>()>;

    CFrameFactory();

    // An id without a creator gives a rect frame, as an unknown name does.
    std::unique_ptr<CFrame> CreateFrame(int type) const;

    // Unknown names map to the rect frame's id; unknown ids to "".
    static int GetTypeId(const std::string& name);
    static std::string GetTypeName(int id);

private:
    std::map<int, CCreator> myCreators;
};

}  // namespace tolm

#endif
