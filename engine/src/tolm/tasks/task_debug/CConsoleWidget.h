// The widget inside the developer console's window: a text sprite showing the latest log
// lines, newest at the bottom and long lines wrapped, with the command line under them.
// It owns the text sprite (which owns its font) and the log listener that collects the
// lines; the text is composed only in Render, which the console's task calls once a pass.
#ifndef TOLM_TASKS_TASK_DEBUG_CCONSOLEWIDGET_H
#define TOLM_TASKS_TASK_DEBUG_CCONSOLEWIDGET_H

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "tolm/gfx/CTextSprite.h"
#include "tolm/tasks/task_debug/CConsoleLogListener.h"
#include "tolm/ui/CWidget.h"

namespace tolm {

class CConsoleWidget : public ui::CWidget {
public:
    static constexpr int kTextWidth = 400;
    static constexpr int kTextHeight = 200;

    // Fills the parent (its client area) through layout formulas.
    CConsoleWidget(ui::CWidget* parent, const std::string& name);
    ~CConsoleWidget() override;

    void OnRectChanged() override;
    void UpdateDepth() override;

    // Redraws the text when a log line arrived, the command line changed or the size did.
    void Render(const std::string& inputLine, std::size_t cursor);

    CTextSprite* GetTextSprite() const { return myText.get(); }
    const CConsoleLogListener& GetLog() const { return *myLog; }
    std::size_t GetColumns() const { return myColumns; }
    std::size_t GetRows() const { return myRows; }

private:
    std::string InputRow(const std::string& inputLine, std::size_t cursor) const;

    std::unique_ptr<CTextSprite> myText;
    std::unique_ptr<CConsoleLogListener> myLog;
    int myGlyphWidth = 8;
    int myLineHeight = 15;
    std::size_t myColumns = 1;
    std::size_t myRows = 1;
    bool myLayoutChanged = true;
    std::uint32_t myShownVersion = 0;
    std::string myShownInput;
    std::size_t myShownCursor = 0;
};

}  // namespace tolm

#endif
