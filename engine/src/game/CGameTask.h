// The task of type "game": owns one CGame from Start until the task stops and gives it its
// presentation (CGfxHandler), updates it, stops its clock while the task is paused and passes
// text messages to it: a number silences that line as pointing would, and words step the
// level flow as clicks would, for the keyboard. Declared as a built-in task type
// (CTaskRegistrar).
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
    // kContinue goes on from a picture as a left click does; kNewGame starts again from level 1
    // on the title that offers it; kSpace does what the space bar does: kContinue on a
    // picture, nobody silenced in play. Any other text is read as a signed decimal number (-1
    // when none can be read) and silences that line exactly as pointing at it would. Ignored
    // while there is no game.
    bool HandleCommand(const std::string& line) override;
    bool PausesWhenInactive() const override { return true; }

    // Null before Start and after the task stopped.
    CGame* GetGame() const { return myGame.get(); }

    // The line a message text selects.
    static int ParseLine(const std::string& text);

    static constexpr const char* kContinue = "Continue";
    static constexpr const char* kNewGame = "NewGame";
    static constexpr const char* kSpace = "Space";

private:
    std::unique_ptr<CGame> myGame;
};

}  // namespace game

#endif
