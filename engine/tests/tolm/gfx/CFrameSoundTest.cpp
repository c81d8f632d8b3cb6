// Sound frames hand their file name to the audio task's PlayEffect as it is: names made of
// the command language's own characters must reach the command unchanged and run nothing
// else, through a stand-in audio task with a console of its own and through the real one.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/TestFiles.h"
#include "tolm/gfx/CAnimatedSprite.h"
#include "tolm/gfx/CAnimationManager.h"
#include "tolm/gfx/CFrameRect.h"
#include "tolm/gfx/CFrameSound.h"
#include "tolm/tasks/CTaskGfx.h"
#include "tolm/tasks/CTaskRegistrar.h"
#include "tolm/tasks/TaskTestSupport.h"
#include "tolm/tasks/task_sdl_mixer/AudioTestSupport.h"
#include "tolm/tasks/task_sdl_mixer/CSDLMixerData.h"
#include "tolm/utils/timer/SystemTime.h"
#include "tolm/utils/xml/XmlLoadSave.h"

namespace tolm::test {
namespace {

// Keeps every parameter list it is called with, as text: "s:" for a string, "n:" for a
// number, "-" for none.
class CSpyCommand : public CCommand {
public:
    std::string Execute(CParameterList& parameters) override {
        std::vector<std::string> call;
        for (std::size_t i = 0; i < parameters.Size(); ++i) {
            if (parameters.IsType(i, CParameter::kString)) {
                call.push_back("s:" + parameters.GetString(i));
            } else if (parameters.IsType(i, CParameter::kNumber)) {
                call.push_back("n:" + parameters.GetString(i));
            } else {
                call.push_back("-");
            }
        }
        myCalls.push_back(call);
        return std::string();
    }
    std::string Execute() override {
        myCalls.emplace_back();
        return std::string();
    }
    std::vector<std::vector<std::string>> myCalls;
};

// Stands in for the audio task: reached the way the real one is, with a console of its own
// where PlayEffect and a bystander command wait.
class CFakeAudioTask : public CTask {
public:
    bool Start() override {
        myConsole = CreateConsole();
        myConsole->AddCommand("PlayEffect", &myPlayEffect);
        myConsole->AddCommand("Spy", &mySpy);
        return true;
    }
    void Update() override {}
    bool HandleCommand(const std::string& line) override {
        myConsole->Execute(line);
        return true;
    }
    bool HandleCommandCall(const std::string& command, const CParameterList& parameters) override {
        myConsole->ExecuteCommand(command, parameters);
        return true;
    }

    CSpyCommand myPlayEffect;
    CSpyCommand mySpy;
    std::unique_ptr<CConsole> myConsole;
};

CTaskRegistrar<CFakeAudioTask> ourFakeAudio("fake_audio");

std::string Repeat(const std::string& piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) text += piece;
    return text;
}

class CFrameSoundTest : public CRuntimeTest {
protected:
    void SetUp() override {
        CRuntimeTest::SetUp();
        // The graphics task, which plays sound frames while it runs.
        ASSERT_TRUE(myGraphics.Start());
        ASSERT_TRUE(Factory().StartTask("fake_audio", "Audio", 1, nullptr));
        myAudio = dynamic_cast<CFakeAudioTask*>(Factory().FindTask("Audio"));
        ASSERT_NE(myAudio, nullptr);
        // A task that a route to "gfx" would reach, and a bystander in the main console.
        ASSERT_NE(Start("gfx", 2), nullptr);
        auto spy = std::make_unique<CSpyCommand>();
        myMainSpy = spy.get();
        Console().AddOwnedCommand("Spy", std::move(spy));
        Journal().clear();
    }
    // Nothing but the one PlayEffect call may have happened since SetUp.
    void ExpectOnlyPlayed(const std::vector<std::vector<std::string>>& plays) {
        EXPECT_EQ(myAudio->myPlayEffect.myCalls, plays);
        EXPECT_TRUE(myAudio->mySpy.myCalls.empty());
        EXPECT_TRUE(myMainSpy->myCalls.empty());
        EXPECT_TRUE(Journal().empty()) << Journal().front();
        EXPECT_FALSE(Scheduler().IsQuitting());
        EXPECT_TRUE(Console().GetVariableNames().empty());
        EXPECT_TRUE(myAudio->myConsole->GetVariableNames().empty());
    }

    CTaskGfx myGraphics;
    CFakeAudioTask* myAudio = nullptr;
    CSpyCommand* myMainSpy = nullptr;
};

TEST_F(CFrameSoundTest, EveryNameReachesPlayEffectExactlyAndRunsNothingElse) {
    const struct {
        const char* what;
        std::string name;
    } cases[] = {
        {"the reported file", "(gfx::Screenshot(/tmp/x.png))"},
        {"brackets", "a(Spy(1))b.wav"},
        {"a call", "Spy()"},
        {"a quote that ends the parameter", "x.wav\" ); Spy(); quit; //"},
        {"a quoted name keeps its quotes", "\"data/a.wav\""},
        {"an unclosed quote", "\"a.wav"},
        {"semicolons", "a.wav;Spy();quit"},
        {"a comment", "a.wav // Spy()"},
        {"a comment first", "//Spy();"},
        {"a route back to the audio task", "Audio::Spy()"},
        {"a route to another task", "gfx::Screenshot(x.png)"},
        {"commas", "a,Spy(),b.wav"},
        {"a line feed", "a.wav\nSpy()"},
        {"a carriage return and line feed", "a.wav\r\nquit"},
        {"an assignment", "x = Spy()"},
        {"blanks at both ends", "  a b.wav\t"},
        {"a name that reads as a number", "1.5"},
        {"very long", std::string(100000, 'x') + "\";Spy();("},
        {"very long, of every character", Repeat("();\"//::,=\n\r quit", 20000)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        myAudio->myPlayEffect.myCalls.clear();
        CFrameSound frame(c.name);
        EXPECT_EQ(frame.GetSoundFile(), c.name);
        EXPECT_TRUE(frame.Update(nullptr, 0));
        ExpectOnlyPlayed({{"s:" + c.name}});
    }
}

TEST_F(CFrameSoundTest, TheReportedDescriptionFilePlaysItsNameOnceAndKeepsIt) {
    CTempDir dir;
    const std::string file = dir.File("character.xml");
    const std::string name = "(gfx::Screenshot(/tmp/x.png))";
    WriteFile(file,
              "<sprite type=\"sprite_animated\" >\n"
              "  <CurrentAnimation>talk</CurrentAnimation>\n"
              "  <Animation loop=\"1\" name=\"talk\" >\n"
              "    <Frame type=\"frame_rect\" ><Rect h=\"1\" w=\"1\" x=\"0\" y=\"0\" ></Rect>\n"
              "      <FrameLength>100</FrameLength></Frame>\n"
              "    <Frame type=\"frame_sound\" sound_file=\"" +
                  name +
                  "\" ></Frame>\n"
                  "  </Animation>\n"
                  "</sprite>\n");
    CScopedManualTime time(1000);
    CAnimatedSprite sprite;
    ASSERT_TRUE(XmlLoad(sprite, file));
    ASSERT_NE(sprite.GetAnimation(), nullptr);
    ASSERT_EQ(sprite.GetAnimation()->GetFrameCount(), 2);
    // Two loops of the animation: the sound frame plays twice, one call each.
    for (types::ticks t = 1000; t <= 1210; t += 10) {
        time.Set(t);
        AnimationManager().Tick(t);
    }
    ExpectOnlyPlayed({{"s:" + name}, {"s:" + name}});

    // Written out and read again, the name is the same.
    const std::string copy = dir.File("copy.xml");
    ASSERT_TRUE(XmlSave(sprite, copy, "sprite"));
    CAnimatedSprite again;
    ASSERT_TRUE(XmlLoad(again, copy));
    const auto* sound = dynamic_cast<const CFrameSound*>(again.GetAnimation()->GetFrame(1));
    ASSERT_NE(sound, nullptr);
    EXPECT_EQ(sound->GetSoundFile(), name);
}

TEST_F(CFrameSoundTest, WithoutAnAudioTaskNothingHappensButTheRoutingError) {
    Factory().StopTask("Audio");
    Scheduler().RunOnce();
    Factory().DeleteAllTasks();
    myLog->Clear();
    CFrameSound frame("Spy()");
    EXPECT_TRUE(frame.Update(nullptr, 0));
    EXPECT_EQ(myLog->Lines(),
              (Lines{"[ERROR] Sorry the namespace or task Audio doesn't exist.\n"}));
    EXPECT_TRUE(myMainSpy->myCalls.empty());
    // An empty name plays nothing at all.
    myLog->Clear();
    CFrameSound silent;
    EXPECT_TRUE(silent.Update(nullptr, 0));
    EXPECT_TRUE(myLog->Lines().empty());
}

TEST_F(CFrameSoundTest, OnlyARunningGraphicsTaskPlaysSoundFrames) {
    CFrameSound frame("a.wav");
    {
        // A second graphics task takes over; its end leaves the sound frames silent, but
        // the end of the one it replaced does not.
        CTaskGfx second;
        ASSERT_TRUE(second.Start());
        myGraphics.OnStop();
        EXPECT_TRUE(frame.Update(nullptr, 0));
        ExpectOnlyPlayed({{"s:a.wav"}});
    }
    myAudio->myPlayEffect.myCalls.clear();
    EXPECT_TRUE(frame.Update(nullptr, 0));
    ExpectOnlyPlayed({});
    ASSERT_TRUE(myGraphics.Start());
    EXPECT_TRUE(frame.Update(nullptr, 0));
    ExpectOnlyPlayed({{"s:a.wav"}});
    myGraphics.OnStop();
    myAudio->myPlayEffect.myCalls.clear();
    EXPECT_TRUE(frame.Update(nullptr, 0));
    ExpectOnlyPlayed({});
    EXPECT_TRUE(myLog->Lines().empty());
}

// The real audio task under the dummy driver plays a file whose name is made of the
// command language's characters.
class CFrameSoundAudioTest : public CAudioTest {
protected:
    CTaskGfx myGraphics;
};

TEST_F(CFrameSoundAudioTest, TheAudioTaskPlaysTheFileOfThatExactName) {
    ASSERT_TRUE(myGraphics.Start());
    ASSERT_NE(StartAudio(), nullptr);
    // A file name cannot hold "/", so no comment here; the other characters all can.
    const std::string file = File("a (b::c(\"d\")); quit, e = 1\nf.wav");
    WriteFile(file, MakeWav(22050, 11025, 12000));
    myLog->Clear();
    CFrameSound frame(file);
    EXPECT_TRUE(frame.Update(nullptr, 0));
    ASSERT_EQ(CSDLMixerEffectData::GetRegistry().size(), 1u);
    EXPECT_EQ(CSDLMixerEffectData::GetRegistry().begin()->first, file);
    EXPECT_EQ(Mix_Playing(-1), 1);
    EXPECT_FALSE(Scheduler().IsQuitting());
}

}  // namespace
}  // namespace tolm::test
