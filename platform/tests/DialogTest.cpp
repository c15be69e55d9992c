// Dialogs: transfer records in creation order, OK/Cancel, controls by id,
// the default button, and the scripted modal loop.
#include "platform/window/Dialog.h"
#include "platform/services/FileDialogs.h"
#include "platform/services/MessageBox.h"
#include "platform/window/Button.h"
#include "platform/window/CheckBox.h"
#include "platform/window/ComboBox.h"
#include "platform/window/Edit.h"
#include "platform/window/ListBox.h"
#include "platform/window/RadioButton.h"
#include "testsupport/DialogFit.h"
#include "testsupport/ScriptedServices.h"

#include <gtest/gtest.h>

namespace {

// Two radio groups, a check box, an edit of 5 bytes and a combo box.
const TDialogResource kResource{
    "Gebäudehüllfläche",
    {200, 120},
    {
        {TControlKind::Edit, 101, "", {5, 5, 100, 17}},
        {TControlKind::CheckBox, 102, "Fassade", {5, 20, 100, 30}},
        {TControlKind::RadioButton, 103, "Nord", {5, 35, 60, 45}, true},
        {TControlKind::RadioButton, 104, "Süd", {5, 45, 60, 55}},
        {TControlKind::RadioButton, 105, "Ja", {70, 35, 120, 45}, true},
        {TControlKind::RadioButton, 106, "Nein", {70, 45, 120, 55}},
        {TControlKind::ComboBox, 107, "", {5, 60, 100, 100}},
        {TControlKind::Static, 108, "Hinweis", {5, 80, 100, 90}},
        {TControlKind::DefButton, IDOK, "OK", {40, 100, 80, 114}},
        {TControlKind::Button, IDCANCEL, "Abbrechen", {90, 100, 140, 114}},
    }};

struct Record {
    std::string name = "Fassade Nord";
    uint16_t facade = 1, north = 0, south = 1, yes = 0, no = 1;
    TComboBoxData choice{{"A", "B", "C"}, 1, {}};
};

class RecordDialog : public TDialog {
public:
    RecordDialog(Record& r) : TDialog(nullptr, kResource) {
        new TEdit(this, 101, 5);
        buffer_.Text(r.name, 5)
            .Check(r.facade)
            .Check(r.north)
            .Check(r.south)
            .Check(r.yes)
            .Check(r.no)
            .Combo(r.choice);
        SetTransferBuffer(&buffer_);
    }

private:
    TTransferBuffer buffer_;
};

TEST(Dialog, TransferFillsControlsAndReadsThemBackOnOk) {
    testsupport::ScriptedServices services;
    Record r;
    services.Dialogs().Expect([](TDialog& d) {
        // Filled from the record: the text cut to 4 bytes, the checks, the combo.
        EXPECT_EQ(d.Item<TEdit>(101)->GetText(), "Fass");
        EXPECT_EQ(d.Item<TCheckBox>(102)->GetCheck(), 1u);
        EXPECT_EQ(d.Item<TRadioButton>(104)->GetCheck(), 1u);
        EXPECT_EQ(d.Item<TComboBox>(107)->GetSelIndex(), 1);
        d.Item<TEdit>(101)->Type("Süd");
        d.Item<TCheckBox>(102)->Click();
        d.Item<TRadioButton>(103)->Click(); // only its own group changes
        d.Item<TComboBox>(107)->SetSelIndex(2);
        d.Item<TButton>(IDOK)->Click();
    });
    RecordDialog dlg(r);
    EXPECT_EQ(dlg.Execute(), IDOK);
    EXPECT_EQ(r.name, "Süd");
    EXPECT_EQ(r.facade, 0);
    EXPECT_EQ(r.north, 1);
    EXPECT_EQ(r.south, 0);
    EXPECT_EQ(r.yes, 0);
    EXPECT_EQ(r.no, 1);
    EXPECT_EQ(r.choice.selIndex, 2);
    EXPECT_EQ(r.choice.selection, "C");
    EXPECT_FALSE(dlg.IsCreated());
}

TEST(Dialog, CancelLeavesTheRecordAlone) {
    testsupport::ScriptedServices services;
    Record r;
    services.Dialogs().Expect([](TDialog& d) {
        d.Item<TEdit>(101)->Type("Dach");
        d.SendMessage(WM_COMMAND, IDCANCEL, 0);
    });
    RecordDialog dlg(r);
    EXPECT_EQ(dlg.Execute(), IDCANCEL);
    EXPECT_EQ(r.name, "Fassade Nord");
}

TEST(Dialog, RefusingCanCloseKeepsItOpen) {
    testsupport::ScriptedServices services;
    struct Checked : TDialog {
        using TDialog::TDialog;
        bool CanClose() override { return ++asked > 1; }
        int asked = 0;
    };
    Checked dlg(nullptr, kResource);
    services.Dialogs().Expect([](TDialog& d) {
        d.SendMessage(WM_COMMAND, IDOK, 0);
        EXPECT_FALSE(d.Ended());
        d.SendMessage(WM_COMMAND, IDOK, 0);
        EXPECT_TRUE(d.Ended());
    });
    EXPECT_EQ(dlg.Execute(), IDOK);
}

TEST(Dialog, EditRefusesTextWithoutWindows1252FormAndKeepsItsLimit) {
    testsupport::ScriptedServices services;
    TDialog dlg(nullptr, kResource);
    auto* edit = new TEdit(&dlg, 101, 6);
    ASSERT_TRUE(dlg.Create());
    edit->Type("Wand ✓");
    EXPECT_EQ(edit->GetText(), "");
    EXPECT_FALSE(edit->IsModified());
    edit->SetText("Außenwand");
    EXPECT_EQ(edit->GetText(), "Außen");
    edit->SetReadOnly(true);
    edit->Type("X");
    EXPECT_EQ(edit->GetText(), "Außen");
}

TEST(Dialog, DefaultButtonSwitches) {
    testsupport::ScriptedServices services;
    TDialog dlg(nullptr, kResource);
    ASSERT_TRUE(dlg.Create());
    EXPECT_EQ(dlg.GetDefaultButton(), IDOK);
    EXPECT_TRUE(dlg.Item<TButton>(IDOK)->IsDefault());
    dlg.SetDefaultButton(IDCANCEL);
    EXPECT_FALSE(dlg.Item<TButton>(IDOK)->IsDefault());
    EXPECT_TRUE(dlg.Item<TButton>(IDCANCEL)->IsDefault());
    // Dialog units: x in quarters, y in eighths of the base units.
    const TRect r = dlg.MapDialogRect({0, 0, 4, 8});
    EXPECT_GT(r.Width(), 3);
    EXPECT_GT(r.Height(), 8);
}

// Resources were measured in 8-point "MS Sans Serif": a text that filled its
// control there fits here too, whatever font the desktop gives widgets.
TEST(Dialog, TextsMeasuredForTheResourceFontFitTheirControls) {
    testsupport::ScriptedServices services;
    const TDialogResource r{
        "Bauteil-Typ",
        {170, 60},
        {{TControlKind::RadioButton,
          105,
          "Trennwand zu Räumen niedriger Temperatur",
          {8, 8, 160, 18},
          true},
         {TControlKind::CheckBox, 106, "Wärmebrücken pauschal berücksichtigen", {8, 22, 150, 32}},
         {TControlKind::Static, -1, "Neuer Name", {8, 40, 48, 48}}}};
    TDialog dlg(nullptr, r);
    ASSERT_TRUE(dlg.Create());
    dlg.ShowWindow(SW_SHOW);
    std::string alle;
    for (const auto& f : testsupport::FitProblems(dlg)) alle += f + "\n";
    EXPECT_TRUE(alle.empty()) << alle;
}

TEST(Dialog, LabelsThatShareAnIdEachTakeTheirOwnPlaceAndText) {
    testsupport::ScriptedServices services;
    const TDialogResource r{"Seite",
                            {172, 93},
                            {{TControlKind::GroupBox, -1, "Rahmen", {8, 6, 164, 58}},
                             {TControlKind::Static, -1, "Gehe zu Seite", {20, 28, 80, 38}},
                             {TControlKind::Static, -1, "von", {90, 40, 120, 50}}}};
    TDialog dlg(nullptr, r);
    ASSERT_TRUE(dlg.Create());
    std::vector<std::pair<std::string, TRect>> gesehen;
    for (auto* w : dlg.Children()) gesehen.emplace_back(w->GetCaption(), w->GetWindowRect());
    ASSERT_EQ(gesehen.size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(gesehen[i].first, r.controls[i].text);
        const TRect soll = dlg.MapDialogRect(r.controls[i].rect);
        EXPECT_EQ(gesehen[i].second.Width(), soll.Width()) << gesehen[i].first;
    }
    EXPECT_NE(gesehen[1].second.left, gesehen[2].second.left);
}

TEST(Dialog, ListBoxKeepsOrderAndSelection) {
    testsupport::ScriptedServices services;
    TDialog dlg(nullptr, kResource);
    auto* list = new TListBox(&dlg, 200, 0, 0, 100, 100);
    ASSERT_TRUE(dlg.Create());
    for (const char* s : {"Putz", "Ziegel", "Dämmung"}) list->AddString(s);
    EXPECT_EQ(list->InsertString("Luft", 1), 1);
    EXPECT_EQ(list->InsertString("x", 9), LB_ERR);
    list->SetSelIndex(2);
    EXPECT_EQ(list->GetString(2), "Ziegel");
    EXPECT_EQ(list->DeleteString(0), 3);
    EXPECT_EQ(list->GetSelIndex(), 1);
    EXPECT_EQ(list->GetString(0), "Luft");
    EXPECT_GT(list->GetItemHeight(), 0);
}

TEST(FileDialogs, FilterAndDefaultExtension) {
    testsupport::ScriptedServices services;
    EXPECT_EQ(QtFilterOf("Projekt Dateien *.pro |*.pro|Alle Dateien *.* |*.*"),
              "Projekt Dateien *.pro (*.pro);;Alle Dateien *.* (*)");
    TOpenSaveDialog::TData data;
    data.defExt = "pro";
    data.filter = "Projekt Dateien *.pro |*.pro";
    services.Files().Answer("/home/x/haus");
    services.Files().Answer(std::nullopt);
    EXPECT_TRUE(ExecuteSaveDialog(data));
    EXPECT_EQ(data.fileName, "/home/x/haus.pro");
    EXPECT_FALSE(ExecuteOpenDialog(data));
    EXPECT_EQ(data.fileName, "/home/x/haus.pro"); // a cancelled dialog keeps the name
    EXPECT_EQ(WithDefaultExtension("a.txt", "pro"), "a.txt");
}

} // namespace
