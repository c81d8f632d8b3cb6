#include "tolm/gfx/CSpriteFactory.h"

#include <filesystem>
#include <fstream>

#include "tolm/designpatterns/singleton/CSingletonPtr.h"
#include "tolm/gfx/CAnimatedSprite.h"
#include "tolm/gfx/CScreenLayer.h"
#include "tolm/gfx/CSpriteLayer.h"
#include "tolm/gfx/CTextSprite.h"
#include "tolm/gfx/Gfx.h"
#include "tolm/types/Color.h"
#include "tolm/utils/logger/CLogger.h"
#include "tolm/utils/xml/CXmlFileSys.h"
#include "tolm/utils/xml/CXmlParser.h"
#include "tolm/utils/xml/CXmlTreeBuilder.h"

namespace tolm {
namespace {

const char* const kTypeNames[] = {"sprite_base", "sprite_layer", "sprite_screenlayer",
                                  "sprite_text", "sprite_animated"};
constexpr int kTypeCount = 5;

bool EndsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// Text from a file as it may go into the log: a corrupt file's bytes would make the log
// unreadable as text, and its length is the file's to choose.
std::string Printable(const std::string& text) {
    constexpr std::size_t kMaxShown = 64;
    std::string shown;
    for (char c : text.substr(0, kMaxShown)) shown += c >= ' ' && c <= '~' ? c : '?';
    if (text.size() > kMaxShown) shown += "...";
    return shown;
}

}  // namespace

CSpriteFactory& SpriteFactory() {
    return *CSingletonPtr<CSpriteFactory>::Get();
}

CSpriteFactory::CSpriteFactory() {
    myCreators[kSpriteBase] = [] { return new CSprite; };
    myCreators[kSpriteLayer] = [] { return new CSpriteLayer; };
    myCreators[kSpriteScreenLayer] = [] { return &ScreenLayer(); };
    myCreators[kSpriteText] = [] { return new CTextSprite; };
    myCreators[kSpriteAnimated] = [] { return new CAnimatedSprite; };
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
    sprite->SetLayer(&ScreenLayer());
    return sprite;
}

void CSpriteFactory::ReportOnce(const std::string& filename, const std::string& problem) {
    if (!myReported.insert(filename).second) return;
    Logger().Error() << "[ERROR] CSpriteFactory::LoadSprite() - " << filename << " " << problem
                     << "\n";
}

std::unique_ptr<CXmlNode> CSpriteFactory::ReadDescription(const std::string& filename) {
    const char* const kEmptySprite = "; an empty sprite is returned instead.";
    std::error_code error;
    const auto type = std::filesystem::status(filename, error).type();
    if (type == std::filesystem::file_type::not_found) {
        ReportOnce(filename, std::string("does not exist") + kEmptySprite);
        return nullptr;
    }
    // A directory is no description, and devices or pipes may never end.
    if (type != std::filesystem::file_type::regular) {
        ReportOnce(filename, std::string("is not a regular file") + kEmptySprite);
        return nullptr;
    }
    std::ifstream in(filename, std::ios::binary);
    if (!in) {
        ReportOnce(filename, std::string("cannot be read") + kEmptySprite);
        return nullptr;
    }
    if (in.peek() == std::char_traits<char>::eof()) {
        ReportOnce(filename, std::string("is empty") + kEmptySprite);
        return nullptr;
    }
    CXmlTreeBuilder builder;
    CXmlParser parser(&builder);
    parser.Parse(in);
    // The builder still has an open element only when the file ends before its root
    // element is closed: a truncated file, whose members would be read half.
    const bool cutOff = builder.GetCurrent() != nullptr;
    std::unique_ptr<CXmlNode> root = builder.ReleaseRoot();
    if (!root) {
        ReportOnce(filename, std::string("holds no XML element") + kEmptySprite);
        return nullptr;
    }
    if (cutOff) {
        ReportOnce(filename,
                   std::string("is cut off or not XML: it ends before its root element is closed") +
                       kEmptySprite);
        return nullptr;
    }
    return root;
}

CSprite* CSpriteFactory::LoadDescription(const std::string& filename) {
    std::unique_ptr<CXmlNode> root = ReadDescription(filename);
    if (!root) return new CSprite;
    int type = kSpriteBase;
    if (root->HasAttribute("type")) {
        const std::string name = root->GetAttribute("type").GetString();
        type = GetTypeId(name);
        if (GetTypeName(type) != name) {
            ReportOnce(filename, "names the unknown sprite type \"" + Printable(name) + "\"; a " +
                                     GetTypeName(kSpriteBase) + " is made instead.");
        }
    }
    if (type == kSpriteScreenLayer) {
        // The screen layer belongs to the process; a caller deleting it would free it twice.
        ReportOnce(filename,
                   "describes the screen layer, which cannot be handed out; an empty sprite is "
                   "returned instead.");
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
