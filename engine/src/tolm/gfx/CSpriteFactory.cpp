#include "tolm/gfx/CSpriteFactory.h"

#include "tolm/designpatterns/singleton/CSingletonPtr.h"
#include "tolm/gfx/CScreenLayer.h"
#include "tolm/gfx/CSpriteLayer.h"
#include "tolm/gfx/Gfx.h"
#include "tolm/types/Color.h"
#include "tolm/utils/logger/CLogger.h"
#include "tolm/utils/xml/CXmlFileSys.h"
#include "tolm/utils/xml/XmlLoadSave.h"

namespace tolm {
namespace {

const char* const kTypeNames[] = {"sprite_base", "sprite_layer", "sprite_screenlayer",
                                  "sprite_text", "sprite_animated"};
constexpr int kTypeCount = 5;

bool EndsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace

CSpriteFactory* CSpriteFactory::Get() {
    return CSingletonPtr<CSpriteFactory>::Get();
}

CSpriteFactory::CSpriteFactory() {
    myCreators[kSpriteBase] = [] { return new CSprite; };
    myCreators[kSpriteLayer] = [] { return new CSpriteLayer; };
    myCreators[kSpriteScreenLayer] = [] { return CScreenLayer::Get(); };
}

int CSpriteFactory::GetTypeId(const std::string& name) {
    for (int id = 0; id < kTypeCount; ++id) {
        if (name == kTypeNames[id]) return id;
    }
    return kSpriteBase;
}

std::string CSpriteFactory::GetTypeName(int id) {
    if (id < 0 || id >= kTypeCount) return "";
    return kTypeNames[id];
}

void CSpriteFactory::RegisterCreator(int type, CCreator creator) {
    if (type < 0 || type >= kTypeCount) return;
    myCreators[type] = std::move(creator);
}

CSprite* CSpriteFactory::CreateSprite(int type) {
    auto found = myCreators.find(type);
    if (found == myCreators.end() || !found->second) return nullptr;
    return found->second();
}

CSprite* CSpriteFactory::LoadSprite(const std::string& filename) {
    CSprite* sprite = EndsWith(filename, "xml")
                          ? LoadDescription(filename)
                          : new CSprite(Gfx::LoadImage(filename, types::kColorKeyMagenta));
    sprite->SetLayer(CScreenLayer::Get());
    return sprite;
}

CSprite* CSpriteFactory::LoadDescription(const std::string& filename) {
    std::unique_ptr<CXmlNode> root = XmlLoadTree(filename);
    if (!root) return new CSprite;
    const int type = root->HasAttribute("type") ? GetTypeId(root->GetAttribute("type").GetString())
                                                : kSpriteBase;
    if (type == kSpriteScreenLayer) {
        // The screen layer belongs to the process; a caller deleting it would free it twice.
        Logger().Error() << "[ERROR] CSpriteFactory::LoadSprite() - " << filename
                         << " describes the screen layer, which cannot be handed out; an empty "
                            "sprite is returned instead.\n";
        return new CSprite;
    }
    CSprite* sprite = CreateSprite(type);
    // A type whose module is not linked in still gives a sprite, as an unknown name does.
    if (sprite == nullptr) sprite = new CSprite;
    CXmlFileSys filesys(root.get(), CXmlFileSys::kReading);
    sprite->Serialize(&filesys);
    return sprite;
}

}  // namespace tolm
