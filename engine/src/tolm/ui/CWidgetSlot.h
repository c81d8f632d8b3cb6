// A slot that calls a member function of a widget for as long as the widget lives: it holds
// the widget's alive flag, so a signal that outlives its target calls nothing instead of a
// destroyed widget. The widget is not owned.
#ifndef TOLM_UI_CWIDGETSLOT_H
#define TOLM_UI_CWIDGETSLOT_H

#include <memory>

#include "tolm/ui/CWidget.h"
#include "tolm/utils/signalslot/CCallSlot.h"

namespace tolm::ui {

template <class T, class... Args>
class CWidgetSlot : public CCallSlot<Args...> {
public:
    using Function = void (T::*)(Args...);

    CWidgetSlot(T* widget, Function function)
        : myWidget(widget), myFunction(function), myAlive(widget->GetAliveFlag()) {}

    void Call(Args... args) override {
        if (IsTargetAlive()) (myWidget->*myFunction)(args...);
    }
    CSSObject* GetTarget() const override { return nullptr; }
    bool SameCall(const CSlot& other) const override {
        const auto* same = dynamic_cast<const CWidgetSlot*>(&other);
        return same && same->myWidget == myWidget && same->myFunction == myFunction;
    }
    bool IsTargetAlive() const {
        const std::shared_ptr<const bool> alive = myAlive.lock();
        return alive && *alive;
    }

protected:
    void ForgetTarget() override {}

private:
    T* myWidget;
    Function myFunction;
    std::weak_ptr<const bool> myAlive;
};

template <class T, class... Args>
std::unique_ptr<CSlot> MakeWidgetSlot(T* widget, void (T::*function)(Args...)) {
    return std::make_unique<CWidgetSlot<T, Args...>>(widget, function);
}

}  // namespace tolm::ui

#endif
