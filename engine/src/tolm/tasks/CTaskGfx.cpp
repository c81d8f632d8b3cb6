#include "tolm/tasks/CTaskGfx.h"

#include "tolm/gfx/CAnimationManager.h"
#include "tolm/gfx/CFrameSound.h"
#include "tolm/gfx/CScreenLayer.h"
#include "tolm/tasks/CConsoleHolder.h"

namespace tolm {
namespace {

unsigned long ourFramesMade = 0;

}  // namespace

CTaskGfx::~CTaskGfx() {
    CFrameSound::ClearSoundPlayer(this);
}

bool CTaskGfx::Start() {
    CFrameSound::SetSoundPlayer(this);
    return true;
}

void CTaskGfx::Update() {
    ++ourFramesMade;
    AnimationManager().Tick(myAnimationClock.GetTime());
    ScreenLayer().Update();
}

unsigned long CTaskGfx::GetFramesMade() {
    return ourFramesMade;
}

void CTaskGfx::OnStop() {
    CFrameSound::ClearSoundPlayer(this);
    CScreenLayer::Delete();
}

void CTaskGfx::PlaySound(const std::string& file) {
    CParameterList parameters;
    parameters.AddString(file);
    Console().ExecuteCommandInNamespace(kAudioTask, kPlayCommand, parameters);
}

}  // namespace tolm
