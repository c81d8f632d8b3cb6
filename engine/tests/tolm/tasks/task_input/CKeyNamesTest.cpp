// Key names come from SDL itself, also before any window is open.
#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>

#include "SDL.h"
#include "tolm/tasks/task_input/CKeyNames.h"

namespace tolm::test {
namespace {

TEST(CKeyNames, NamesAreSDLsOwnAndReadableBeforeTheWindowOpens) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    ASSERT_EQ(SDL_WasInit(SDL_INIT_VIDEO), 0u);
    const struct {
        const char* name;
        int key;
    } keys[] = {{"backspace", 8},    {"return", 13},       {"space", 32},      {"a", 97},
                {"world 0", 160},    {"world 95", 255},    {"[0]", 256},       {"[+]", 270},
                {"enter", 271},      {"up", 273},          {"page down", 281}, {"f15", 296},
                {"left shift", 304}, {"right super", 312}, {"alt gr", 313},    {"undo", 322}};
    for (const auto& k : keys) {
        SCOPED_TRACE(k.name);
        EXPECT_EQ(CKeyNames::FindKey(k.name), k.key);
        EXPECT_EQ(CKeyNames::GetName(k.key), k.name);
    }
    // Video was only started for the reading.
    EXPECT_EQ(SDL_WasInit(SDL_INIT_VIDEO), 0u);
    for (const char* nameless : {"unknown key", "Space", "", " space", "[0"}) {
        EXPECT_EQ(CKeyNames::FindKey(nameless), -1) << nameless;
    }
    for (int key : {0, 1, 323, -1, INT_MAX}) {
        EXPECT_EQ(CKeyNames::GetName(key), "unknown key") << key;
    }
}

}  // namespace
}  // namespace tolm::test
