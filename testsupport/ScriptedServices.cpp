#include "testsupport/ScriptedServices.h"

#include "testsupport/ScriptQueue.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

namespace testsupport {

ScriptedMessageService::~ScriptedMessageService() {
    if (!answers_.empty())
        ADD_FAILURE() << answers_.size() << " expected message box(es) never shown";
}

int ScriptedMessageService::MessageBox(std::string_view text, std::string_view caption,
                                       uint32_t type) {
    calls_.push_back({std::string(text), std::string(caption), type});
    if (auto planned = TakeNext(answers_)) {
        if (planned->runEvents) QCoreApplication::processEvents();
        return planned->answer;
    }
    ADD_FAILURE() << "unexpected message box \"" << caption << "\": " << text;
    return 2; // IDCANCEL: the safest answer to an unplanned question
}

ScriptedInputService::~ScriptedInputService() {
    if (!answers_.empty())
        ADD_FAILURE() << answers_.size() << " expected input box(es) never shown";
}

std::optional<std::string> ScriptedInputService::InputBox(std::string_view caption,
                                                          std::string_view prompt,
                                                          std::string_view initial, unsigned) {
    calls_.push_back({std::string(caption), std::string(prompt), std::string(initial)});
    if (auto answer = TakeNext(answers_)) return *answer;
    ADD_FAILURE() << "unexpected input box \"" << caption << "\": " << prompt;
    return std::nullopt;
}

bool RecordingHelpService::WinHelp(std::string_view helpFile, uint32_t command, uint32_t data) {
    calls_.push_back({std::string(helpFile), command, data, {}});
    return true;
}

bool RecordingHelpService::WinHelpText(std::string_view helpFile, uint32_t command,
                                       std::string_view text) {
    calls_.push_back({std::string(helpFile), command, 0, std::string(text)});
    return true;
}

ScriptedServices::ScriptedServices()
    : messages_(std::make_shared<ScriptedMessageService>()),
      input_(std::make_shared<ScriptedInputService>()),
      help_(std::make_shared<RecordingHelpService>()),
      dialogs_(std::make_shared<ScriptedDialogService>()),
      files_(std::make_shared<ScriptedFileDialogService>()),
      choose_(std::make_shared<ScriptedChooseService>()),
      processes_(std::make_shared<RecordingProcessService>()),
      popupMenus_(std::make_shared<ScriptedPopupMenuService>()),
      printerInfo_(std::make_shared<FixedPrinterInfoService>()),
      clipboard_(std::make_shared<MemoryClipboard>()),
      printDialogs_(std::make_shared<ScriptedPrintDialogService>()),
      modalLoops_(std::make_shared<ScriptedModalLoopService>()) {
    auto& s = scope_.State().Get<::Services>();
    s.messages = messages_;
    s.input = input_;
    s.help = help_;
    s.dialogs = dialogs_;
    s.files = files_;
    s.choose = choose_;
    s.processes = processes_;
    s.popupMenus = popupMenus_;
    s.printerInfo = printerInfo_;
    s.clipboard = clipboard_;
    s.printDialogs = printDialogs_;
    s.modalLoops = modalLoops_;
}

} // namespace testsupport
