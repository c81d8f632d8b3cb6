#include "tolm/gfx/CFrameFactory.h"

#include "tolm/designpatterns/singleton/CSingletonPtr.h"
#include "tolm/gfx/CFrameRect.h"
#include "tolm/gfx/CFrameSound.h"

namespace tolm {
namespace {

const char* const kFrameTypeNames[] = {"frame_rect", "frame_sound"};
constexpr int kFrameTypeCount = 2;

}  // namespace

CFrameFactory& FrameFactory() {
    return *CSingletonPtr<CFrameFactory>::Get();
}

CFrameFactory::CFrameFactory() {
    myCreators[CFrame::kFrameRect] = [] { return std::make_unique<CFrameRect>(); };
    myCreators[CFrame::kFrameSound] = [] { return std::make_unique<CFrameSound>(); };
}

std::unique_ptr<CFrame> CFrameFactory::CreateFrame(int type) const {
    auto found = myCreators.find(type);
    if (found == myCreators.end()) found = myCreators.find(CFrame::kFrameRect);
    return found->second();
}

int CFrameFactory::GetTypeId(const std::string& name) {
    for (int id = 0; id < kFrameTypeCount; ++id) {
        if (name == kFrameTypeNames[id]) return id;
    }
    return CFrame::kFrameRect;
}

std::string CFrameFactory::GetTypeName(int id) {
    if (id < 0 || id >= kFrameTypeCount) return "";
    return kFrameTypeNames[id];
}

}  // namespace tolm
