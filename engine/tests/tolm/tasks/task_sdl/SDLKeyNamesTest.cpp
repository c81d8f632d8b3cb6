// The engine's own key names, used where SDL names no key (a web page), must be exactly what
// SDL 1.2 calls the same key codes on the desktop, or a start-up script's bindings would
// mean other keys there.
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

#include "tolm/tasks/task_sdl/SDLKeyNames.h"

namespace tolm::test {
namespace {

TEST(SDLKeyNames, TheOwnNamesAreSDLsNamesForTheSameCodes) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    const std::optional<std::vector<std::string>> sdl = ReadSDLKeyNames();
    ASSERT_TRUE(sdl.has_value());
    std::set<int> codes;
    std::set<std::string> names;
    for (const auto& [code, name] : OwnKeyNames()) {
        SCOPED_TRACE(name);
        ASSERT_GE(code, 0);
        ASSERT_LT(static_cast<std::size_t>(code), sdl->size());
        EXPECT_EQ((*sdl)[static_cast<std::size_t>(code)], name);
        EXPECT_TRUE(codes.insert(code).second) << "code " << code << " twice";
        EXPECT_TRUE(names.insert(name).second) << "named twice";
    }
    // The keys the game's start-up script binds are among them.
    for (const char* bound : {"f1", "f11", "f12", "escape", "`", "1", "0", "left", "down", "right",
                              "space", "return", "n"})
        EXPECT_EQ(names.count(bound), 1u) << bound;
}

}  // namespace
}  // namespace tolm::test
