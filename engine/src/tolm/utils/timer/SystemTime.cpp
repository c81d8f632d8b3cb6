#include "tolm/utils/timer/SystemTime.h"

namespace tolm {
namespace {

class CSystemTimer : public CTimeSource {
public:
    types::ticks GetTime() const override { return GetSystemTime(); }
};

CSmartPtr<CTimeSource>& Source() {
    static CSmartPtr<CTimeSource> source = CreateSdlTimeSource();
    return source;
}

// Creates the source before main runs, as the rest of the engine expects.
const bool ourSourceCreated = (Source(), true);

}  // namespace

types::ticks GetSystemTime() {
    const CSmartPtr<CTimeSource>& source = Source();
    return source ? source->GetTime() : 0;
}

CTimeSource* GetSystemTimer() {
    static CSystemTimer timer;
    return &timer;
}

CSmartPtr<CTimeSource> SetSystemTimeSource(CSmartPtr<CTimeSource> source) {
    CSmartPtr<CTimeSource> previous = Source();
    Source() = std::move(source);
    return previous;
}

CScopedManualTime::CScopedManualTime(types::ticks start)
    : mySource(std::make_shared<CManualTimeSource>(start)),
      myPrevious(SetSystemTimeSource(mySource)) {}

CScopedManualTime::~CScopedManualTime() {
    SetSystemTimeSource(myPrevious);
}

}  // namespace tolm
