#include "tolm/tasks/task_debug/CConsoleWidget.h"

#include <algorithm>

#include "tolm/gfx/CScreenLayer.h"
#include "tolm/gfx/font/CSystemFontLoader.h"
#include "tolm/tasks/task_debug/ConsoleTextLayout.h"

namespace tolm {

CConsoleWidget::CConsoleWidget(ui::CWidget* parent, const std::string& name)
    : ui::CWidget(parent, types::rect(), false, name) {
    auto font = std::make_unique<CFont>();
    CSystemFontLoader loader(font.get());
    font->SetLayout(CTextLayout::kLeft);
    myGlyphWidth = std::max(1, font->GetTextWidth("M"));
    myLineHeight = std::max(1, font->GetLineHeight());
    myText = std::make_unique<CTextSprite>(font.release(), kTextWidth, kTextHeight);
    myText->SetLayer(&ScreenLayer());
    myLog = std::make_unique<CConsoleLogListener>(1);
    SetLayout("parent.x", "parent.y", "parent.w", "parent.h");
    UpdateDepth();
}

CConsoleWidget::~CConsoleWidget() = default;

void CConsoleWidget::OnRectChanged() {
    ui::CWidget::OnRectChanged();
    if (!myText) return;
    const types::rect& r = GetRect();
    myText->SetPosition(r.x, r.y);
    myText->Resize(std::max(1, r.w), std::max(1, r.h));
    myColumns = static_cast<std::size_t>(std::max(1, r.w / myGlyphWidth));
    myRows = static_cast<std::size_t>(std::max(1, r.h / myLineHeight));
    // One row is the command line's; the ring keeps what can fill the rest unwrapped.
    if (myLog) myLog->SetCapacity(myRows > 1 ? myRows - 1 : 1);
    myLayoutChanged = true;
}

void CConsoleWidget::UpdateDepth() {
    ui::CWidget::UpdateDepth();
    if (myText) myText->SetZ(DepthToZ(GetDepth()));
}

std::string CConsoleWidget::InputRow(const std::string& inputLine, std::size_t cursor) const {
    std::string row = "> " + inputLine;
    std::size_t at = std::min(cursor, inputLine.size()) + 2;
    row.insert(at, 1, '_');
    // Keep the cursor in sight when the line is wider than the window.
    if (row.size() > myColumns && at >= myColumns) row.erase(0, at + 1 - myColumns);
    return row.substr(0, myColumns);
}

void CConsoleWidget::Render(const std::string& inputLine, std::size_t cursor) {
    if (!myLayoutChanged && myShownVersion == myLog->GetVersion() && myShownInput == inputLine &&
        myShownCursor == cursor)
        return;
    myLayoutChanged = false;
    myShownVersion = myLog->GetVersion();
    myShownInput = inputLine;
    myShownCursor = cursor;
    std::string text;
    if (myRows > 1) {
        for (const std::string& row : LayOutConsoleRows(myLog->GetLines(), myColumns, myRows - 1)) {
            text += row;
            text += '\n';
        }
    }
    text += InputRow(inputLine, cursor);
    myText->SetText(text);
}

}  // namespace tolm
