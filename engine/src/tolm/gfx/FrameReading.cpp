#include "tolm/gfx/FrameReading.h"

#include "tolm/gfx/CFrameFactory.h"
#include "tolm/utils/logger/CLogger.h"
#include "tolm/utils/xml/CXmlFileSys.h"
#include "tolm/utils/xml/CXmlNode.h"

namespace tolm::frame_reading {
namespace {

int ourDepth = 0;

}  // namespace

std::unique_ptr<CFrame> ReadFrame(CXmlNode* element) {
    if (element == nullptr || !element->HasAttribute("type")) return nullptr;
    if (ourDepth >= kMaxWrapDepth) {
        Logger().Warning() << "[WARNING] frame_reading::ReadFrame() - frames wrapped more than "
                           << kMaxWrapDepth << " deep are ignored\n";
        return nullptr;
    }
    std::unique_ptr<CFrame> frame = FrameFactory().CreateFrame(
        CFrameFactory::GetTypeId(element->GetAttribute("type").GetString()));
    ++ourDepth;
    CXmlFileSys filesys(element, CXmlFileSys::kReading);
    frame->Serialize(&filesys);
    --ourDepth;
    return frame;
}

}  // namespace tolm::frame_reading
