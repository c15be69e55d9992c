#pragma once
// Scripted stand-ins for the window layer's dialogs with the user: modal
// dialogs run a test's script instead of a loop; file, font and colour
// dialogs and popup menus answer from queues; started programs are recorded.
// Each fails the test on a call it was not told to expect.
#include "platform/gdi/LogRecords.h"
#include "platform/services/ChooseDialogs.h"
#include "platform/services/FileDialogs.h"
#include "platform/services/Processes.h"
#include "platform/window/Dialog.h"
#include "platform/window/PopupMenu.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace testsupport {

class ScriptedDialogService : public DialogService {
public:
    using Script = std::function<void(TDialog&)>;
    ~ScriptedDialogService() override;
    // The script plays the user: it sets controls and presses a button. A
    // dialog the script left open is cancelled and fails the test.
    void Expect(Script script) { scripts_.push_back(std::move(script)); }
    int Execute(TDialog& dialog) override;
    const std::vector<std::string>& Captions() const { return captions_; }

private:
    std::deque<Script> scripts_;
    std::vector<std::string> captions_;
};

class ScriptedFileDialogService : public FileDialogService {
public:
    ~ScriptedFileDialogService() override;
    void Answer(std::optional<std::string> path) { answers_.push_back(std::move(path)); }
    std::optional<std::string> GetOpenFileName(const TOpenSaveDialog::TData& data) override;
    std::optional<std::string> GetSaveFileName(const TOpenSaveDialog::TData& data) override;
    const std::vector<TOpenSaveDialog::TData>& Calls() const { return calls_; }

private:
    std::optional<std::string> next(const TOpenSaveDialog::TData& data);
    std::deque<std::optional<std::string>> answers_;
    std::vector<TOpenSaveDialog::TData> calls_;
};

class ScriptedChooseService : public ChooseService {
public:
    ~ScriptedChooseService() override;
    void AnswerFont(std::optional<LOGFONT> font) { fonts_.push_back(font); }
    void AnswerColor(std::optional<TColor> color) { colors_.push_back(color); }
    bool ChooseFont(LOGFONT& font, TColor& color) override;
    bool ChooseColor(TColor& color) override;

private:
    std::deque<std::optional<LOGFONT>> fonts_;
    std::deque<std::optional<TColor>> colors_;
};

class RecordingProcessService : public ProcessService {
public:
    struct Call {
        std::string program;
        std::vector<std::string> args;
    };
    bool StartProcess(std::string_view program, const std::vector<std::string>& args) override {
        calls_.push_back({std::string(program), args});
        return succeed_;
    }
    void FailStarts() { succeed_ = false; }
    const std::vector<Call>& Calls() const { return calls_; }

private:
    std::vector<Call> calls_;
    bool succeed_ = true;
};

class ScriptedPopupMenuService : public PopupMenuService {
public:
    ~ScriptedPopupMenuService() override;
    // The id to choose; the menu offered is checked by the test afterwards.
    void Answer(int id) { answers_.push_back(id); }
    int Track(const TMenu& menu, TPoint screenPoint) override;
    // What each tracked menu showed: id and enabled state of every command.
    struct Shown {
        std::vector<std::pair<int, bool>> items;
        TPoint point;
    };
    const std::vector<Shown>& Calls() const { return calls_; }

private:
    std::deque<int> answers_;
    std::vector<Shown> calls_;
};

} // namespace testsupport
