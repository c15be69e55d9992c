#include "lmbpilot32/CPropertiesBar.h"

#include "platform/window/ControlCodes.h"
#include "platform/window/Edit.h"
#include "platform/window/ResponseTable.h"
#include "platform/window/Static.h"

namespace {
constexpr int kRow = 26, kLabel = 96, kNumber = 70, kEditHeight = 22, kMargin = 6;
constexpr int kWideLeft = kLabel + kNumber + 2 * kMargin + kLabel;

// A label and its edit; the wide edits stretch to the bar's right edge.
struct Field {
    int id;
    const char* label;
    int row;
    bool wide;
};
constexpr Field kFields[] = {{CPropertiesBar::IDC_LEVEL, "Heading Level:", 0, false},
                             {CPropertiesBar::IDC_TITLE, "Topic Title:", 0, true},
                             {CPropertiesBar::IDC_MAPNUMBER, "Map Number:", 1, false},
                             {CPropertiesBar::IDC_CONTEXT, "Context String:", 1, true}};
} // namespace

CPropertiesBar::CPropertiesBar(TWindow* parent) : TWindow(parent) {
    Attr().Id = IDD;
    Attr().H = 2 * kRow + 6;
    for (const Field& f : kFields) {
        const int y = 4 + f.row * kRow;
        const int x = f.wide ? kWideLeft - kLabel : kMargin;
        new TStatic(this, -1, f.label, x, y + 3, kLabel - 4, kEditHeight - 4);
        new TEdit(this, f.id, "", x + kLabel, y, f.wide ? 200 : kNumber, kEditHeight,
                  f.wide ? 0 : 12);
        // The whole text is selected when the field gets the focus, so that
        // typing replaces it.
        Responses().Notify(f.id, EN_SETFOCUS, [this, id = f.id] {
            Defer([this, id] {
                if (auto* e = dynamic_cast<TEdit*>(ChildWithId(id))) e->SetSelection(0, -1);
            });
        });
    }
}

void CPropertiesBar::SetupWindow() {
    TWindow::SetupWindow();
    transfer();
}

void CPropertiesBar::Show(std::string title, std::string context, int32_t mapNumber,
                          uint8_t level) {
    Title = std::move(title);
    ContextString = std::move(context);
    MapNumber = mapNumber;
    HeadingLevel = level;
    if (IsCreated()) transfer();
}

void CPropertiesBar::transfer() {
    const auto set = [this](int id, const std::string& text) {
        if (auto* e = dynamic_cast<TEdit*>(ChildWithId(id))) e->SetText(text);
    };
    set(IDC_TITLE, Title);
    set(IDC_CONTEXT, ContextString);
    set(IDC_MAPNUMBER, std::to_string(MapNumber));
    set(IDC_LEVEL, std::to_string(HeadingLevel));
}

std::string CPropertiesBar::FieldText(int id) const {
    const auto* e = dynamic_cast<const TEdit*>(ChildWithId(id));
    return e ? e->GetText() : std::string();
}

void CPropertiesBar::EvSize(uint32_t, const TSize& size) {
    // The two text fields end 6 pixels left of the bar's right edge.
    for (int id : {IDC_TITLE, IDC_CONTEXT})
        if (auto* e = ChildWithId(id); e && e->IsCreated()) {
            TRect r = e->GetWindowRect();
            const TPoint topLeft = ScreenToClient({r.left, r.top});
            e->MoveWindow({topLeft.x, topLeft.y, std::max(topLeft.x + 20, size.cx - kMargin),
                           topLeft.y + r.Height()});
        }
}
