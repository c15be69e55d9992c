// The edit commands of the "Bearbeiten" menu on the edit with the focus:
// through the layer, by the frame's command route, and by the keys.
#include "platform/services/FileDialogs.h"
#include "platform/services/MessageBox.h"
#include "platform/window/Application.h"
#include "platform/window/CommandEnabler.h"
#include "platform/window/CommandIds.h"
#include "platform/window/ControlCodes.h"
#include "platform/window/Dialog.h"
#include "platform/window/Edit.h"
#include "platform/window/FrameWindow.h"
#include "platform/window/detail/WindowImpl.h"
#include "testsupport/ScriptedServices.h"
#include "testsupport/TempDir.h"

#include <QApplication>
#include <QFileDialog>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

constexpr int ID_LINE = 101, ID_TEXT = 102;

struct Form : TDialog {
    Form() : TDialog(nullptr, {"Bearbeiten", {}, {}}) {
        line = new TEdit(this, ID_LINE, 20);
        text = new TEdit(this, ID_TEXT, 0, true);
        Responses().Notify(ID_LINE, EN_CHANGE, [this] { ++changes; });
        Responses().Notify(ID_TEXT, EN_CHANGE, [this] { ++changes; });
    }
    TEdit* line;
    TEdit* text;
    int changes = 0;
};

bool enabled(TEdit& edit, int id) {
    TCommandEnabler ce(id);
    edit.EvCommandEnable(ce);
    return ce.IsHandled() && ce.IsEnabled();
}

class EditCommands : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(form.Create()); }
    testsupport::ScriptedServices services;
    Form form;
};

TEST_F(EditCommands, CommandsActOnTheSelectionThroughTheClipboardService) {
    for (TEdit* e : {form.line, form.text}) {
        SCOPED_TRACE(e->GetId());
        form.changes = 0;
        e->SetText("Putz Ziegel");
        e->SetSelection(0, 4);
        EXPECT_TRUE(enabled(*e, CM_EDITCOPY));
        e->SendMessage(WM_COMMAND, CM_EDITCOPY);
        EXPECT_EQ(services.Clipboard().GetText(), "Putz");
        e->SetSelection(5, -1);
        e->SendMessage(WM_COMMAND, CM_EDITCUT);
        EXPECT_EQ(e->GetText(), "Putz ");
        EXPECT_EQ(services.Clipboard().GetText(), "Ziegel");
        EXPECT_TRUE(e->IsModified());
        e->SetSelection(0, 4);
        e->SendMessage(WM_PASTE); // the message does what the command does
        EXPECT_EQ(e->GetText(), "Ziegel ");
        EXPECT_TRUE(enabled(*e, CM_EDITUNDO));
        e->SendMessage(WM_COMMAND, CM_EDITUNDO);
        EXPECT_EQ(e->GetText(), "Putz ");
        e->SetSelection(0, 1);
        e->SendMessage(WM_COMMAND, CM_EDITDELETE);
        EXPECT_EQ(e->GetText(), "utz ");
        EXPECT_FALSE(enabled(*e, CM_EDITCOPY)); // nothing selected now
        EXPECT_FALSE(enabled(*e, CM_EDITCUT));
        e->SendMessage(WM_COMMAND, CM_EDITCLEAR);
        EXPECT_EQ(e->GetText(), "");
        EXPECT_FALSE(enabled(*e, CM_EDITCLEAR));
        EXPECT_EQ(form.changes, 5); // cut, paste, undo, delete, clear
    }
}

TEST_F(EditCommands, PasteKeepsTheEditsRules) {
    // A line takes the first line of the clipboard, within its limit.
    services.Clipboard().SetText("Dämmung\r\nPutz");
    form.line->SendMessage(WM_COMMAND, CM_EDITPASTE);
    EXPECT_EQ(form.line->GetText(), "Dämmung");
    services.Clipboard().SetText("Holzfaserplatte");
    form.line->LimitText(10);
    form.line->SetText("");
    form.line->Paste();
    EXPECT_EQ(form.line->GetText(), "Holzfaser");
    form.text->Paste();
    EXPECT_EQ(form.text->GetText(), "Holzfaserplatte");
    // Text that the files cannot hold is refused, as when typed.
    services.Clipboard().SetText("Wand ✓");
    form.line->SetText("");
    form.line->Paste();
    form.text->SetText("");
    form.text->Paste();
    EXPECT_EQ(form.line->GetText(), "");
    EXPECT_EQ(form.text->GetText(), "");
    // Read-only: copying only.
    form.line->SetText("Estrich");
    form.line->SetReadOnly(true);
    form.line->SetSelection(0, -1);
    EXPECT_TRUE(enabled(*form.line, CM_EDITCOPY));
    for (int id : {CM_EDITCUT, CM_EDITPASTE, CM_EDITDELETE, CM_EDITCLEAR, CM_EDITUNDO})
        EXPECT_FALSE(enabled(*form.line, id)) << id;
    form.line->SendMessage(WM_COMMAND, CM_EDITCUT);
    form.line->SendMessage(WM_COMMAND, CM_EDITCLEAR);
    EXPECT_EQ(form.line->GetText(), "Estrich");
    form.line->SendMessage(WM_COMMAND, CM_EDITCOPY);
    EXPECT_EQ(services.Clipboard().GetText(), "Estrich");
}

TEST_F(EditCommands, KeysReachTheClipboardService) {
    auto* top = window_detail::WidgetOf(&form);
    top->show();
    top->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(top));
    form.line->SetFocus();
    QWidget* w = window_detail::WidgetOf(form.line);
    QTest::keyClicks(w, "Kies");
    EXPECT_EQ(form.line->GetText(), "Kies");
    QTest::keyClick(w, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(w, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(services.Clipboard().GetText(), "Kies");
    QTest::keyClick(w, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(form.line->GetText(), "");
    services.Clipboard().SetText("Sand");
    QTest::keyClick(w, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(form.line->GetText(), "Sand");
    QTest::keyClick(w, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(form.line->GetText(), "");
    EXPECT_TRUE(form.line->IsModified());
}

TEST(EditCommandRoute, TheFramesMenuCommandGoesToTheEditWithTheFocus) {
    testsupport::ScriptedServices services;
    auto* form = new Form;
    TFrameWindow frame(nullptr, "Korvalin", form);
    ASSERT_TRUE(frame.Create());
    auto* top = window_detail::WidgetOf(&frame);
    top->show();
    top->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(top));
    form->line->SetText("Beton");
    form->text->SetText("Mörtel");
    form->text->SetFocus();
    form->text->SetSelection(0, -1);
    frame.SendMessage(WM_COMMAND, CM_EDITCOPY);
    EXPECT_EQ(services.Clipboard().GetText(), "Mörtel");
    form->line->SetFocus();
    form->line->SetSelection(0, -1);
    frame.SendMessage(WM_COMMAND, CM_EDITPASTE);
    EXPECT_EQ(form->line->GetText(), "Mörtel");
    TCommandEnabler ce(CM_EDITCUT);
    frame.EvCommandEnable(ce);
    EXPECT_TRUE(ce.IsHandled());
    EXPECT_FALSE(ce.IsEnabled()); // the caret, no selection
}

// The open dialog with OFN_CREATEPROMPT, as the project client uses it.
class OpenDialog : public ::testing::Test {
protected:
    void SetUp() override {
        data.flags = OFN_EXPLORER | OFN_CREATEPROMPT | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY |
                     OFN_OVERWRITEPROMPT;
        data.filter = "Projekt Dateien *.pro |*.pro|Alle Dateien *.* |*.*";
        data.defExt = "pro";
        data.fileName = "alt.pro";
        std::ofstream(existing()) << "x";
    }
    std::string existing() const { return (dir.Path() / "haus.pro").string(); }
    std::string fresh() const { return (dir.Path() / "neu.pro").string(); }
    testsupport::ScriptedServices services;
    testsupport::TempDir dir;
    TOpenSaveDialog::TData data;
};

TEST_F(OpenDialog, NewNameIsOfferedForCreation) {
    struct Case {
        uint32_t flags;
        std::string chosen;
        std::vector<int> answers; // to the message boxes, in order
        bool opened;
        std::vector<std::string> asked; // first line of each message
    };
    const std::string missingFolder = (dir.Path() / "fehlt" / "neu.pro").string();
    const uint32_t create = OFN_CREATEPROMPT | OFN_FILEMUSTEXIST;
    const std::vector<Case> cases = {
        {create, existing(), {}, true, {}},
        {create, (dir.Path() / "neu").string(), {IDYES}, true, {"Diese Datei existiert nicht."}},
        {create, fresh(), {IDNO}, false, {"Diese Datei existiert nicht."}},
        {OFN_FILEMUSTEXIST, fresh(), {IDOK}, false, {"Datei nicht gefunden."}},
        {create, missingFolder, {IDOK}, false, {"Der Pfad existiert nicht."}},
        {0, fresh(), {}, true, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.chosen);
        testsupport::ScriptedServices s;
        TOpenSaveDialog::TData d = data;
        d.flags = c.flags;
        s.Files().Answer(c.chosen);
        // A refused name leaves the dialog open: the user then cancels.
        if (!c.opened) s.Files().Answer(std::nullopt);
        for (int a : c.answers) s.Messages().Answer(a);
        EXPECT_EQ(ExecuteOpenDialog(d), c.opened);
        EXPECT_EQ(d.fileName,
                  c.opened ? std::filesystem::path(c.chosen).replace_extension(".pro").string()
                           : "alt.pro");
        ASSERT_EQ(s.Messages().Calls().size(), c.asked.size());
        for (size_t i = 0; i < c.asked.size(); ++i) {
            const auto& call = s.Messages().Calls()[i];
            EXPECT_NE(call.text.find("\n" + c.asked[i] + "\n"), std::string::npos) << call.text;
            EXPECT_EQ(call.caption, "Öffnen");
        }
        // Shown again with the refused name in it.
        if (!c.opened && s.Files().Calls().size() > 1) {
            EXPECT_EQ(s.Files().Calls()[1].fileName, c.chosen);
        }
    }
}

TEST_F(OpenDialog, QtDialogTakesANameThatDoesNotExist) {
    services.State().Get<Services>().files.reset(); // the real dialog
    services.Messages().Answer(IDYES);
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* dlg = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dlg, nullptr);
        seen = true;
        EXPECT_EQ(dlg->fileMode(), QFileDialog::AnyFile);
        dlg->setDirectory(QString::fromStdString(dir.Path().string()));
        dlg->selectFile("neu.pro");
        static_cast<QDialog*>(dlg)->accept();
    });
    data.initialDir = dir.Path().string();
    EXPECT_TRUE(ExecuteOpenDialog(data));
    EXPECT_TRUE(seen);
    EXPECT_EQ(data.fileName, fresh());
}

} // namespace
