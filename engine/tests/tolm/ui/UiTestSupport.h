// Helpers shared by the widget tests: a widget that records the events it receives, a slot
// that runs a function, and a fixture that gives the desktop a known size.
#ifndef TOLM_TESTS_UI_UITESTSUPPORT_H
#define TOLM_TESTS_UI_UITESTSUPPORT_H

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "tolm/ui/CDesktopWidget.h"
#include "tolm/ui/CWidget.h"
#include "tolm/utils/signalslot/CCallSlot.h"

namespace tolm::ui::test {

inline std::vector<std::string>& Events() {
    static std::vector<std::string> events;
    return events;
}

class CRecordingWidget : public CWidget {
public:
    using CWidget::CWidget;
    void OnMouseEvent(const CMouseEvent& event) override {
        Events().push_back(GetName() + ":" + std::to_string(event.type));
        if (myAction) myAction(event);
    }
    std::function<void(const CMouseEvent&)> myAction;
};

template <class... Args>
class CFunctionSlot : public CCallSlot<Args...> {
public:
    explicit CFunctionSlot(std::function<void(Args...)> function)
        : myFunction(std::move(function)) {}
    void Call(Args... args) override { myFunction(args...); }
    CSSObject* GetTarget() const override { return nullptr; }
    bool SameCall(const CSlot& other) const override { return &other == this; }

protected:
    void ForgetTarget() override {}

private:
    std::function<void(Args...)> myFunction;
};

template <class... Args, class F>
std::unique_ptr<CSlot> MakeFunctionSlot(F function) {
    return std::make_unique<CFunctionSlot<Args...>>(std::function<void(Args...)>(function));
}

class UiTest : public ::testing::Test {
protected:
    void SetUp() override {
        Events().clear();
        Desktop().Resize(800, 600);
    }
    void Route(int type, int x, int y, int buttons = 0) {
        Desktop().HandleMouseEvent(CMouseEvent(type, x, y, buttons));
    }
};

}  // namespace tolm::ui::test

#endif
