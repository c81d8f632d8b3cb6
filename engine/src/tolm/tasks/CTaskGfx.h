// The graphics task's back-end-free half: per frame it advances the animations by its own
// clock and brings the process-wide screen layer up to date. A back end (the "gfx" task of
// the "sdl" library) decides when a frame is due and puts the picture on the display. The
// screen layer is process-wide; stopping this task deletes it. While it runs it is the
// sound frames' player: it hands their files to the audio task's PlayEffect command.
#ifndef TOLM_TASKS_CTASKGFX_H
#define TOLM_TASKS_CTASKGFX_H

#include <string>

#include "tolm/gfx/CSoundPlayer.h"
#include "tolm/tasks/CTask.h"
#include "tolm/utils/timer/CTimer.h"

namespace tolm {

class CTaskGfx : public CTask, public CSoundPlayer {
public:
    // The task and the command that play a sound frame's file.
    static constexpr const char* kAudioTask = "Audio";
    static constexpr const char* kPlayCommand = "PlayEffect";

    ~CTaskGfx() override;

    using CTask::Start;
    bool Start() override;
    // One frame: animation tick, then the screen layer's update.
    void Update() override;
    void OnStop() override;

    // Reaches the audio task through the process-wide console as a ready-made call: the
    // file name is never parsed as a command line.
    void PlaySound(const std::string& file) override;

    const CTimer& GetAnimationClock() const { return myAnimationClock; }
    // Frames made by every graphics task of the process (one per Update), for a timing run.
    static unsigned long GetFramesMade();

private:
    CTimer myAnimationClock;
};

}  // namespace tolm

#endif
