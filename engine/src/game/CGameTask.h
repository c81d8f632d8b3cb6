// The task of type "game": owns one CGame from Start until the task stops and gives it its
// presentation (CGfxHandler), updates it, stops its clock while the task is paused and passes
// text messages to it as the silenced line. Declared as a built-in task type (CTaskRegistrar).
#ifndef GAME_CGAMETASK_H
#define GAME_CGAMETASK_H

#include <memory>
#include <string>

#include "game/CGame.h"
#include "tolm/tasks/CTask.h"

namespace game {

class CGameTask : public tolm::CTask {
public:
    CGameTask() = default;
    ~CGameTask() override;

    // Creates the game; a game that exists already is kept. The list is not used.
    bool Start(const tolm::CParameterList& parameters) override;
    bool Start() override;
    void Update() override;
    // Deletes the game; its presentation, sprites and mouse registration go with it.
    void OnStop() override;
    void OnPause() override;
    void OnResume() override;
    // The text is read as a signed decimal number (-1 when none can be read) and becomes the
    // area's silenced line. Ignored while there is no game.
    bool HandleCommand(const std::string& line) override;
    bool PausesWhenInactive() const override { return true; }

    // Null before Start and after the task stopped.
    CGame* GetGame() const { return myGame.get(); }

    // The line a message text selects.
    static int ParseLine(const std::string& text);

private:
    std::unique_ptr<CGame> myGame;
};

}  // namespace game

#endif
