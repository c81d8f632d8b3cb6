// The "gfxtest" task: a small scene that shows a person (and the end-to-end test) that the
// engine draws: a chequered background, keyed sprites, one sprite that glides back and
// forth, an animated disc that changes colour and a line of text in the built-in font. It needs the
// graphics task running first. The task owns its sprites; they sit on the process-wide screen layer
// while the task runs.
#ifndef TOLM_SELFTEST_CGFXTESTTASK_H
#define TOLM_SELFTEST_CGFXTESTTASK_H

#include <functional>
#include <memory>
#include <vector>

#include "tolm/gfx/CSprite.h"
#include "tolm/tasks/CTask.h"
#include "tolm/types/Color.h"
#include "tolm/types/Types.h"

namespace tolm {

class CAnimatedSprite;

class CGfxTestTask : public CTask {
public:
    // The scene's layout, fixed so that a screenshot can be checked pixel by pixel.
    static constexpr int kSquare = 100;  // background chequer
    static constexpr int kMoverY = 300;
    static constexpr int kMoverSize = 48;
    static constexpr int kMoverLeft = 50;
    static constexpr int kMoverTravel = 650;
    static constexpr types::ticks kMoverLegTime = 4000;  // one way, in milliseconds
    static constexpr int kAnimationX = 650;
    static constexpr int kAnimationY = 100;
    static constexpr int kAnimationSize = 32;
    static constexpr int kAnimationFrames = 5;
    static constexpr types::ticks kAnimationFrameTime = 300;

    static const types::color kDark;
    static const types::color kLight;
    static const types::color kRed;
    static const types::color kGreen;
    static const types::color kYellow;
    static const types::color kWhite;

    // The colour of a picture's pixel (x, y) for a picture of w x h.
    using Painter = std::function<types::color(int x, int y, int w, int h)>;

    using CTask::Start;
    bool Start() override;
    void Update() override;
    void OnStop() override;

    // The mover's left edge at a time since start: a triangle wave over the travel.
    static int MoverX(types::ticks sinceStart);
    const CSprite* GetMover() const { return myMover; }
    const CAnimatedSprite* GetAnimated() const { return myAnimated; }
    // The colour of each animation frame.
    static types::color AnimationColor(int frame);

private:
    CSprite* AddSprite(int w, int h, int x, int y, int z, const Painter& paint);

    std::vector<std::unique_ptr<CSprite>> mySprites;
    void AddAnimatedSprite();
    void AddText();

    CSprite* myMover = nullptr;
    CAnimatedSprite* myAnimated = nullptr;
    types::ticks myStartTime = 0;
};

}  // namespace tolm

#endif
