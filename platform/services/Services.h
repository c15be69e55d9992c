#pragma once
// The program's dialogs with the user that tests must script: message boxes,
// the input box and the help viewer (platform/services/HelpViewer.h). The current set hangs on the
// application state; a test installs scripted ones (testsupport/ScriptedServices.h), the program
// gets the Qt ones.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

class MessageService {
public:
    virtual ~MessageService() = default;
    virtual int MessageBox(std::string_view text, std::string_view caption, uint32_t type) = 0;
};

class InputService {
public:
    virtual ~InputService() = default;
    // The entered text, or nullopt when the user cancelled. Its edit takes at
    // most maxLength characters (0: no limit), each with a Windows-1252 form.
    virtual std::optional<std::string> InputBox(std::string_view caption, std::string_view prompt,
                                                std::string_view initial, unsigned maxLength) = 0;
};

// The help viewer's commands, numbered as the original passed them.
enum : uint32_t {
    HELP_CONTEXT = 0x0001,
    HELP_QUIT = 0x0002,
    HELP_INDEX = 0x0003,
    HELP_CONTENTS = 0x0003,
    HELP_HELPONHELP = 0x0004,
    HELP_SETINDEX = 0x0005,
    HELP_SETCONTENTS = 0x0005,
    HELP_CONTEXTPOPUP = 0x0008,
    HELP_CONTEXTMENU = 0x000A, // data: the context of the control clicked
    HELP_FINDER = 0x000B,
    HELP_KEY = 0x0101,
    HELP_COMMAND = 0x0102,
    HELP_PARTIALKEY = 0x0105,
};

class HelpService {
public:
    virtual ~HelpService() = default;
    // False when the viewer could not show the help. An empty file with
    // HELP_QUIT ends every viewer.
    virtual bool WinHelp(std::string_view helpFile, uint32_t command, uint32_t data) = 0;
    // The commands whose data is a text: HELP_KEY, HELP_PARTIALKEY, HELP_COMMAND.
    virtual bool WinHelpText(std::string_view helpFile, uint32_t command,
                             std::string_view text) = 0;
};

class DialogService;
class FileDialogService;
class ChooseService;
class ProcessService;
class PopupMenuService;
class ModalLoopService;
class PrinterInfoService;
class ClipboardService;
class PrintDialogService;

struct Services {
    std::shared_ptr<MessageService> messages;
    std::shared_ptr<InputService> input;
    std::shared_ptr<HelpService> help;
    // The services below have their Qt form in the window layer.
    std::shared_ptr<DialogService> dialogs;
    std::shared_ptr<FileDialogService> files;
    std::shared_ptr<ChooseService> choose;
    std::shared_ptr<ProcessService> processes;
    std::shared_ptr<PopupMenuService> popupMenus;
    std::shared_ptr<PrinterInfoService> printerInfo; // in the print layer
    std::shared_ptr<ClipboardService> clipboard;
    std::shared_ptr<ModalLoopService> modalLoops;
    std::shared_ptr<PrintDialogService> printDialogs; // in the print layer
};

// The services of the current application state; missing ones are the Qt ones.
Services& CurrentServices();
MessageService& Messages();
InputService& Input();
HelpService& Help();
