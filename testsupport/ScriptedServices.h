#pragma once
// Scripted stand-ins for the dialogs with the user: each answers from its
// queue in order, records what was asked, and fails the test on a call it
// was not told to expect or when expected calls never came.
#include "platform/base/ApplicationState.h"
#include "platform/services/Clipboard.h"
#include "platform/services/Services.h"
#include "testsupport/FixedPrinterInfo.h"
#include "testsupport/ScriptedModalLoop.h"
#include "testsupport/ScriptedPrintDialogs.h"
#include "testsupport/ScriptedWindowServices.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace testsupport {

class ScriptedMessageService : public MessageService {
public:
    struct Call {
        std::string text;
        std::string caption;
        uint32_t type = 0;
    };
    ~ScriptedMessageService() override;
    void Answer(int answer) { answers_.push_back({answer, false}); }
    // Answers once the posted and deferred work has run, as it runs in the
    // real box's own loop while the user reads it.
    void AnswerAfterEvents(int answer) { answers_.push_back({answer, true}); }
    int MessageBox(std::string_view text, std::string_view caption, uint32_t type) override;
    const std::vector<Call>& Calls() const { return calls_; }
    size_t Pending() const { return answers_.size(); }

private:
    struct Planned {
        int answer;
        bool runEvents;
    };
    std::deque<Planned> answers_;
    std::vector<Call> calls_;
};

class ScriptedInputService : public InputService {
public:
    struct Call {
        std::string caption;
        std::string prompt;
        std::string initial;
    };
    ~ScriptedInputService() override;
    void Answer(std::optional<std::string> answer) { answers_.push_back(std::move(answer)); }
    std::optional<std::string> InputBox(std::string_view caption, std::string_view prompt,
                                        std::string_view initial, unsigned maxLength) override;
    const std::vector<Call>& Calls() const { return calls_; }

private:
    std::deque<std::optional<std::string>> answers_;
    std::vector<Call> calls_;
};

// Help requests are recorded, never scripted: showing help has no answer.
class RecordingHelpService : public HelpService {
public:
    struct Call {
        std::string file;
        uint32_t command = 0;
        uint32_t data = 0;
        std::string text; // the text of a text command
    };
    bool WinHelp(std::string_view helpFile, uint32_t command, uint32_t data) override;
    bool WinHelpText(std::string_view helpFile, uint32_t command, std::string_view text) override;
    const std::vector<Call>& Calls() const { return calls_; }

private:
    std::vector<Call> calls_;
};

// A clipboard of the test's own, so that tests never touch the system's.
class MemoryClipboard : public ClipboardService {
public:
    std::string GetText() override { return text_; }
    void SetText(std::string_view text) override { text_ = text; }
    bool HasText() override { return !text_.empty(); }

private:
    std::string text_;
};

// A fresh application state with scripted services, for one test.
class ScriptedServices {
public:
    ScriptedServices();
    ScriptedMessageService& Messages() { return *messages_; }
    ScriptedInputService& Input() { return *input_; }
    RecordingHelpService& Help() { return *help_; }
    ScriptedDialogService& Dialogs() { return *dialogs_; }
    ScriptedFileDialogService& Files() { return *files_; }
    ScriptedChooseService& Choose() { return *choose_; }
    RecordingProcessService& Processes() { return *processes_; }
    ScriptedPopupMenuService& PopupMenus() { return *popupMenus_; }
    FixedPrinterInfoService& PrinterInfo() { return *printerInfo_; }
    MemoryClipboard& Clipboard() { return *clipboard_; }
    ScriptedPrintDialogService& PrintDialogs() { return *printDialogs_; }
    ScriptedModalLoopService& ModalLoops() { return *modalLoops_; }
    ApplicationState& State() { return scope_.State(); }

private:
    ScopedApplicationState scope_;
    std::shared_ptr<ScriptedMessageService> messages_;
    std::shared_ptr<ScriptedInputService> input_;
    std::shared_ptr<RecordingHelpService> help_;
    std::shared_ptr<ScriptedDialogService> dialogs_;
    std::shared_ptr<ScriptedFileDialogService> files_;
    std::shared_ptr<ScriptedChooseService> choose_;
    std::shared_ptr<RecordingProcessService> processes_;
    std::shared_ptr<ScriptedPopupMenuService> popupMenus_;
    std::shared_ptr<FixedPrinterInfoService> printerInfo_;
    std::shared_ptr<MemoryClipboard> clipboard_;
    std::shared_ptr<ScriptedPrintDialogService> printDialogs_;
    std::shared_ptr<ScriptedModalLoopService> modalLoops_;
};

} // namespace testsupport
