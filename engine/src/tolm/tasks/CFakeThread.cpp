#include "tolm/tasks/CFakeThread.h"

#include <algorithm>
#include <vector>

namespace tolm {

namespace {

using Registry = std::vector<CFakeThread*>;

// Exists only while threads exist.
Registry* ourRegistry = nullptr;
// The pump's walk position while it runs, kept right when a thread before it leaves.
std::size_t* ourWalkPosition = nullptr;

void Register(CFakeThread* thread) {
    if (ourRegistry == nullptr) ourRegistry = new Registry;
    ourRegistry->push_back(thread);
}

void Unregister(CFakeThread* thread) {
    if (ourRegistry == nullptr) return;
    const auto found = std::find(ourRegistry->begin(), ourRegistry->end(), thread);
    if (found == ourRegistry->end()) return;
    const auto index = static_cast<std::size_t>(found - ourRegistry->begin());
    ourRegistry->erase(found);
    if (ourWalkPosition != nullptr && index < *ourWalkPosition) --*ourWalkPosition;
    if (ourRegistry->empty()) {
        delete ourRegistry;
        ourRegistry = nullptr;
    }
}

// Stable: b goes before a only when b IsLess a. Written out because IsLess is not a
// strict weak ordering (two dead threads are each "less" than the other), which the
// standard sorts do not allow.
void MergeSort(Registry& threads) {
    if (threads.size() < 2) return;
    const auto middle = threads.begin() + static_cast<std::ptrdiff_t>(threads.size() / 2);
    Registry left(threads.begin(), middle);
    Registry right(middle, threads.end());
    MergeSort(left);
    MergeSort(right);
    std::size_t l = 0;
    std::size_t r = 0;
    std::size_t out = 0;
    while (l < left.size() && r < right.size()) {
        if (right[r]->IsLess(*left[l])) {
            threads[out++] = right[r++];
        } else {
            threads[out++] = left[l++];
        }
    }
    while (l < left.size()) threads[out++] = left[l++];
    while (r < right.size()) threads[out++] = right[r++];
}

}  // namespace

CFakeThread::CRegistration::CRegistration(CFakeThread* thread) : myThread(thread) {
    Register(myThread);
}

CFakeThread::CRegistration::~CRegistration() {
    Unregister(myThread);
}

CFakeThread::CFakeThread() : myRegistration(this), myClock(std::make_unique<CTimer>()) {
    myClock->Pause();
    myClock->Reset();
}

CFakeThread::~CFakeThread() = default;

bool CFakeThread::IsLess(const CFakeThread& other) const {
    if (other.myDead) return true;
    if (myDead) return false;
    if (other.myPaused) return true;
    if (myPaused) return false;
    // Unsigned on purpose: an overdue thread's remainder wraps to a huge value.
    const types::ticks mine = myDueTime - GetTime();
    const types::ticks theirs = other.myDueTime - other.GetTime();
    return theirs < mine;
}

void CFakeThread::Start() {
    myPaused = false;
    myClock->Resume();
}

void CFakeThread::Kill() {
    myPaused = true;
    myDead = true;
}

void CFakeThread::Pause() {
    myPaused = true;
    myClock->Pause();
}

void CFakeThread::Resume() {
    myPaused = false;
    myClock->Resume();
}

types::ticks CFakeThread::GetTime() const {
    return myClock->GetTime();
}

void UpdateFakeThreads(types::ticks budget) {
    if (ourRegistry == nullptr) return;
    const CTimer budgetClock;
    std::size_t position = 0;
    ourWalkPosition = &position;
    // Deleting the thread at the walk position moves the next one into that position.
    const auto deleteAt = [&position](CFakeThread* thread) {
        delete thread;
        return ourRegistry == nullptr || position >= ourRegistry->size();
    };
    while (ourRegistry != nullptr) {
        MergeSort(*ourRegistry);
        position = 0;
        while (position < ourRegistry->size()) {
            CFakeThread* thread = (*ourRegistry)[position];
            if (thread->myDead) {
                if (deleteAt(thread)) {
                    ourWalkPosition = nullptr;
                    return;
                }
                continue;
            }
            if (thread->myPaused || thread->GetTime() < thread->myDueTime) break;
            thread->Step();
            thread->myDueTime = thread->GetTime() + thread->mySleepTime;
            const bool killed = thread->myDead;
            if (killed && deleteAt(thread)) {
                ourWalkPosition = nullptr;
                return;
            }
            if (budgetClock.GetTime() < budget) break;
            if (!killed) ++position;
        }
        if (budgetClock.GetTime() >= budget) break;
    }
    ourWalkPosition = nullptr;
}

std::optional<types::ticks> GetTimeUntilFakeThreadDue() {
    if (ourRegistry == nullptr) return std::nullopt;
    std::optional<types::ticks> soonest;
    for (const CFakeThread* thread : *ourRegistry) {
        if (thread->IsPaused() || thread->IsDead()) continue;
        const types::ticks now = thread->GetTime();
        const types::ticks wait = now >= thread->GetDueTime() ? 0 : thread->GetDueTime() - now;
        if (!soonest || wait < *soonest) soonest = wait;
    }
    return soonest;
}

std::size_t GetFakeThreadCount() {
    return ourRegistry == nullptr ? 0 : ourRegistry->size();
}

}  // namespace tolm
