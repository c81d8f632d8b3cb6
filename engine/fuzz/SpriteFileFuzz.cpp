// Fuzz entry for sprite and animation description files: the bytes are written to a file
// and loaded through the sprite factory, as the game loads data/gfx/*.xml. An animated
// sprite then plays each of its animations on the animation manager while the screen layer
// draws, so that fuzzed rectangles, frame lengths and wrapped frames reach the blits.
//
// Pictures are found relative to the working directory, as the game finds them:
// scripts/fuzz.sh runs the targets in a folder holding the game's data/. A sound frame may
// only play its file: a stand-in "Audio" task records what it is asked to play, which must
// be a "sound_file" value of the document, and every command of the process-wide console
// and every other task a hostile sound name could route to is a tripwire.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "tolm/gfx/CAnimatedSprite.h"
#include "tolm/gfx/CAnimation.h"
#include "tolm/gfx/CAnimationManager.h"
#include "tolm/gfx/CScreenLayer.h"
#include "tolm/gfx/CSprite.h"
#include "tolm/gfx/CSpriteFactory.h"
#include "tolm/tasks/CTask.h"
#include "tolm/tasks/CTaskCreatorOf.h"
#include "tolm/tasks/CTaskFactory.h"
#include "tolm/tasks/CTaskGfx.h"
#include "tolm/utils/xml/CXmlNode.h"
#include "tolm/utils/xml/XmlLoadSave.h"

namespace {

using namespace tolm;

// Stands for a task that commands can be routed to ("gfx::Screenshot(...)").
class CTripwireTask : public CTask {
public:
    void Update() override {}
    bool HandleCommand(const std::string&) override {
        fuzz::Require(false, "a sound frame's name was routed to a task as a command");
        return true;
    }
};

// Records the files that PlayEffect is given.
class CPlayEffectRecorder : public CCommand {
public:
    std::string Execute(CParameterList& parameters) override {
        myFiles.push_back(parameters.Size() > 0 ? parameters.GetString(0) : std::string());
        return std::string();
    }
    std::string Execute() override { return Execute(myNoParameters); }

    std::vector<std::string> myFiles;

private:
    CParameterList myNoParameters;
};

// Runs the lines routed to it in a console of its own, as the real audio task does.
class CAudioStandIn : public CTask {
public:
    static inline CPlayEffectRecorder ourRecorder;

    using CTask::Start;
    bool Start() override {
        myConsole = CreateConsole();
        myConsole->AddCommand("PlayEffect", &ourRecorder);
        return true;
    }
    void Update() override {}
    bool HandleCommand(const std::string& line) override {
        myConsole->Execute(line);
        return true;
    }

private:
    std::unique_ptr<CConsole> myConsole;
};

void CollectSoundFiles(const CXmlNode& node, std::set<std::string>& files) {
    if (node.HasAttribute("sound_file")) files.insert(node.GetAttribute("sound_file").GetString());
    for (int i = 0; i < node.GetChildCount(); ++i) CollectSoundFiles(*node.GetChild(i), files);
}

constexpr std::size_t kMaxAnimationsPlayed = 8;
constexpr int kTicksPerAnimation = 12;
// Frames are 16 ms apart in the game; a larger step reaches long frames sooner.
constexpr types::ticks kTickStep = 97;

bool Initialise() {
    fuzz::QuietLogger();
    if (!fuzz::OpenHeadlessScreen(320, 240)) return false;
    static fuzz::CTripwireCommand tripwire;
    fuzz::ReplaceConsoleCommands(&tripwire);
    Console().AddCommand("fuzzcanary", &tripwire);
    CTaskFactory* tasks = &TaskFactory();
    tasks->RegisterType("fuzz_tripwire", std::make_unique<CTaskCreatorOf<CTripwireTask>>());
    for (const char* name : {"gfx", "Game", "Debug", "keyboard"}) {
        tasks->StartTask("fuzz_tripwire", name, 0, nullptr);
    }
    // The graphics task plays the sound frames while it runs; here only that part of it.
    static CTaskGfx graphics;
    graphics.Start();
    tasks->RegisterType("fuzz_audio", std::make_unique<CTaskCreatorOf<CAudioStandIn>>());
    return tasks->StartTask("fuzz_audio", "Audio", 0, nullptr);
}

void Frame() {
    ScreenLayer().Update();
}

void PlayAnimations(CAnimatedSprite& sprite, types::ticks& now) {
    std::vector<std::string> names{std::string()};
    for (const auto& animation : sprite.GetAnimations()) {
        if (names.size() > kMaxAnimationsPlayed) break;
        names.push_back(animation->name);
    }
    // The first pass runs whatever the file started; later ones select by name, as the game.
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0) sprite.PlayAnimation(names[i]);
        for (int tick = 0; tick < kTicksPerAnimation; ++tick) {
            now += kTickStep;
            AnimationManager().Tick(now);
            Frame();
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool ready = Initialise();
    fuzz::Require(ready, "no headless screen");
    static const fuzz::CScratchFile file("sprite.xml");
    fuzz::CLogBudget& budget = fuzz::QuietLogger();
    budget.Start();

    CAudioStandIn::ourRecorder.myFiles.clear();
    const std::string& path = file.Write(data, size);
    std::unique_ptr<CSprite> sprite(SpriteFactory().LoadSprite(path));
    fuzz::Require(sprite != nullptr, "the factory gave no sprite");
    Frame();
    types::ticks now = 1000;
    if (auto* animated = dynamic_cast<CAnimatedSprite*>(sprite.get()))
        PlayAnimations(*animated, now);
    sprite.reset();
    Frame();
    fuzz::Require(AnimationManager().GetSprites().empty(),
                  "a deleted sprite is still on the animation manager's list");

    if (!CAudioStandIn::ourRecorder.myFiles.empty()) {
        std::set<std::string> named;
        if (std::unique_ptr<CXmlNode> root = XmlLoadTree(path)) CollectSoundFiles(*root, named);
        for (const std::string& played : CAudioStandIn::ourRecorder.myFiles) {
            fuzz::Require(named.count(played) == 1, "a sound frame played a file it does not name");
        }
    }
    budget.Check(size);
    return 0;
}
