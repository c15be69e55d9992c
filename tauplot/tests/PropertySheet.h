#pragma once
// A property dialog with simple pages for the tests: each page has a label,
// an edit and a check box and records what the strip asked of it.
#include "platform/services/MessageBox.h"
#include "platform/window/Button.h"
#include "platform/window/CheckBox.h"
#include "platform/window/Edit.h"
#include "platform/window/Static.h"
#include "tauplot/property/TPropertyDialog.h"
#include "tauplot/property/TPropertyPage.h"
#include "tauplot/property/TPropertyTab.h"

#include <string>
#include <vector>

namespace proptest {

constexpr int ID_LABEL = 201, ID_NAME = 202, ID_CHECK = 203;

inline TDialogResource sheetResource(int width = 260, int height = 170) {
    return {
        "Eigenschaften",
        {width, height},
        {
            {TControlKind::DefButton,
             IDOK,
             "OK",
             {width - 165, height - 20, width - 115, height - 6}},
            {TControlKind::Button,
             IDCANCEL,
             "Abbrechen",
             {width - 110, height - 20, width - 60, height - 6}},
            {TControlKind::Button, 9, "&Hilfe", {width - 55, height - 20, width - 5, height - 6}},
        }};
}

inline TDialogResource pageResource(const std::string& label) {
    return {"",
            {},
            {
                {TControlKind::Static, ID_LABEL, label, {5, 5, 60, 15}},
                {TControlKind::Edit, ID_NAME, "", {65, 5, 180, 17}},
                {TControlKind::CheckBox, ID_CHECK, "Mar&kiert", {5, 25, 100, 35}},
            }};
}

struct Page : TPropertyPage {
    Page(TPropertyDialog* d, const std::string& label, std::string text = "")
        : TPropertyPage(d, pageResource(label)), name(std::move(text)) {
        buffer.Text(name, 30).Check(check);
        SetTransferBuffer(&buffer);
    }
    bool CanLeavePage() override {
        ++leaveAsked;
        return allowLeave;
    }
    bool CanClosePage() override {
        ++closeAsked;
        return allowClose;
    }
    bool SaveData() override {
        ++saved;
        return allowSave && TPropertyPage::SaveData();
    }
    void PageSelected() override { ++selected; }
    void CallHelp() override { ++help; }
    void TabRightClick(uint32_t, TPoint) override { ++rightClicks; }
    TEdit* Name() const { return Item<TEdit>(ID_NAME); }

    std::string name;
    uint16_t check = 0;
    TTransferBuffer buffer;
    bool allowLeave = true, allowClose = true, allowSave = true;
    int leaveAsked = 0, closeAsked = 0, saved = 0, selected = 0, help = 0, rightClicks = 0;
};

struct Sheet : TPropertyDialog {
    explicit Sheet(Tab::Style style = Tab::SingleHeight, int width = 260, int height = 170,
                   int bitmapId = 0, int maskedBitmaps = 0)
        : TPropertyDialog(nullptr, sheetResource(width, height), style, bitmapId, maskedBitmaps) {}
    bool CanSelectTab(int index) override {
        asked.push_back(index);
        return veto != index;
    }
    void TabSelected(int index) override { shown.push_back(index); }
    Page* AddPage(const std::string& title, std::string text = "", int enabled = 1) {
        auto* p = new Page(this, "&Bezeichnung", std::move(text));
        Add(title.c_str(), p, enabled);
        pages.push_back(p);
        return p;
    }
    std::vector<int> asked, shown;
    int veto = -1;
    std::vector<Page*> pages;
};

} // namespace proptest
