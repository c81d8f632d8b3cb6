#include "game/CLevelProgress.h"

#include "tolm/designpatterns/singleton/CSingletonPtr.h"

namespace game {

CLevelProgress& LevelProgress() {
    return *tolm::CSingletonPtr<CLevelProgress>::Get();
}

}  // namespace game
