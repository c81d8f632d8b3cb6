// Something that follows the main loop pass by pass: a recorder or a replay, which must see
// each pass begin (to fix the clock for it), each task's update end (the place in the pass
// where input arrived or is fed again) and each pass end. The scheduler does not own it.
#ifndef TOLM_TASKS_CPASSOBSERVER_H
#define TOLM_TASKS_CPASSOBSERVER_H

namespace tolm {

class CPassObserver {
public:
    virtual ~CPassObserver() = default;
    virtual void OnPassBegin() = 0;
    // After the pass's updateIndex-th task update (counted from 0) has returned.
    virtual void OnTaskUpdated(int updateIndex) = 0;
    virtual void OnPassEnd() = 0;
    // False when the observer paces the loop itself (or wants no pacing at all): the loop
    // then neither sleeps between passes nor yields while inactive.
    virtual bool LetsLoopPace() const { return true; }
};

}  // namespace tolm

#endif
