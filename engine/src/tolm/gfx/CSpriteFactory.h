// Makes sprites from picture files, sprite description files or type ids, and maps sprite
// type names to ids. Sprites it returns belong to the caller; loaded sprites are already on
// the screen layer. Process-wide (SpriteFactory(), tolm/Services.h); it files the creators
// of every sprite type itself.
#ifndef TOLM_GFX_CSPRITEFACTORY_H
#define TOLM_GFX_CSPRITEFACTORY_H

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>

#include "tolm/Services.h"
#include "tolm/gfx/CSprite.h"
#include "tolm/utils/xml/CXmlNode.h"

namespace tolm {

class CSpriteFactory {
public:
    static constexpr int kSpriteBase = 0;
    static constexpr int kSpriteLayer = 1;
    static constexpr int kSpriteScreenLayer = 2;
    static constexpr int kSpriteText = 3;
    static constexpr int kSpriteAnimated = 4;

    using CCreator = std::function<CSprite*()>;

    CSpriteFactory();

    // Never null; the caller owns the sprite. A description file that is missing, empty,
    // not a regular file, without an element or cut off before its root element closes
    // gives an empty sprite, and so does a description of the screen layer (which is not
    // ownable); each is reported with one error line per file, however often it is loaded.
    CSprite* LoadSprite(const std::string& filename);
    // A new sprite of the type with default members, owned by the caller, except for the
    // screen layer's id, which gives the process-wide screen layer itself (never delete it);
    // null for an id outside the table or one whose module registered no creator.
    CSprite* CreateSprite(int type);

    static int GetTypeId(const std::string& name);
    static std::string GetTypeName(int id);

    // Text and animated sprites live in their own modules, which register their creators.
    void RegisterCreator(int type, CCreator creator);

private:
    CSprite* LoadDescription(const std::string& filename);
    // The document's root element, or null after reporting why there is none.
    std::unique_ptr<CXmlNode> ReadDescription(const std::string& filename);
    void ReportOnce(const std::string& filename, const std::string& problem);

    std::map<int, CCreator> myCreators;
    // Files already reported: the game loads some descriptions again for every new sprite.
    std::set<std::string> myReported;
};

}  // namespace tolm

#endif
