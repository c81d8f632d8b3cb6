// Shared by the game's tests: a game shown by the real presentation under the dummy video
// driver (the data files are absent, so every sprite is empty), with a stand-in "Audio" task
// that records the sound commands, a manual clock, and helpers that click, burst rows and
// pump the gliding groups. Process-wide level state is put back before and after each test.
#ifndef TESTS_GAME_GAMEFIXTURE_H
#define TESTS_GAME_GAMEFIXTURE_H

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>

#include "game/CGame.h"
#include "game/CGfxHandler.h"
#include "game/CLevelProgress.h"
#include "game/CLevelSettings.h"
#include "tolm/inputdevice/CMouse.h"
#include "tolm/tasks/CFakeThread.h"
#include "tolm/tasks/CTaskRegistrar.h"
#include "tolm/tasks/TaskTestSupport.h"
#include "tolm/utils/timer/SystemTime.h"

namespace game::test {

using tolm::test::Factory;
using tolm::test::Journal;
using tolm::test::Lines;

constexpr int kLeft = 1;

// Level index, approach divisor and level settings as a fresh process has them.
inline void ResetLevelState() {
    LevelProgress() = CLevelProgress();
    LevelSettings() = CLevelSettings();
}

// Takes the sound commands of the game in place of the audio task.
inline tolm::CTaskRegistrar<tolm::test::CRecordingTask> ourAudioStandIn("game_test_audio");

// Writes the animations it is asked to play into a journal.
class CJournalSprite : public tolm::CSprite {
public:
    CJournalSprite(std::string name, Lines& journal)
        : myName(std::move(name)), myJournal(journal) {}
    void PlayAnimation(const std::string& animation) override {
        myJournal.push_back(myName + " " + animation);
    }

private:
    std::string myName;
    Lines& myJournal;
};

class CGameFixture : public tolm::test::CRuntimeTest {
protected:
    void SetUp() override {
        CRuntimeTest::SetUp();
        ResetLevelState();
        Factory().StartTask("game_test_audio", "Audio", 10, nullptr);
        myGame = std::make_unique<CGame>(CGfxHandler::Factory());
        ShowGame();
    }
    void TearDown() override {
        myGame.reset();
        for (int i = 0; i < 20; ++i) Pump(30);
        EXPECT_EQ(tolm::GetFakeThreadCount(), 0u);
        CRuntimeTest::TearDown();
        ResetLevelState();
    }
    CGameArea& Area() { return myGame->GetArea(); }
    void ShowGame() {
        myHandler = CGfxHandler::Of(Area());
        myView = &myHandler->GetView();
    }
    void Pump(tolm::types::ticks ms) {
        myClock.Advance(ms);
        tolm::UpdateFakeThreads(0);
    }
    void ClickIntoPlay() {
        tolm::Mouse().OnButtonPressed(kLeft);
        tolm::Mouse().OnButtonPressed(kLeft);
    }
    void Burst(std::initializer_list<int> rows) {
        int number = 1;
        for (int row : rows) {
            for (int line = 0; line < 3; ++line) Area().SetCell(line, row, number);
            ++number;
        }
        Journal().clear();
        Area().Resolve();
    }
    // The sounds the audio task was asked for (the console takes off the closing ";").
    Lines Sounds() const {
        Lines sounds;
        for (const std::string& entry : Journal()) {
            if (entry.rfind("command Audio ", 0) == 0) sounds.push_back(entry.substr(14));
        }
        return sounds;
    }

    tolm::CScopedManualTime myClock{1000};
    // Outlives the game, whose released sprites may still write to it.
    Lines myPlayed;
    std::unique_ptr<CGame> myGame;
    CGfxHandler* myHandler = nullptr;
    CGameView* myView = nullptr;
};

}  // namespace game::test

#endif
