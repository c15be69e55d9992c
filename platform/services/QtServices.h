#pragma once
// The real dialogs, over Qt widgets; they need the application object.
#include <memory>

class MessageService;
class InputService;
class HelpService;

std::shared_ptr<MessageService> MakeQtMessageService();
std::shared_ptr<InputService> MakeQtInputService();
std::shared_ptr<HelpService> MakeQtHelpService();
