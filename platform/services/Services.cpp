#include "platform/services/Services.h"

#include "platform/base/ApplicationState.h"
#include "platform/services/MessageBox.h"
#include "platform/services/QtServices.h"

Services& CurrentServices() {
    return ApplicationState::Current().Get<Services>();
}

MessageService& Messages() {
    auto& s = CurrentServices();
    if (!s.messages) s.messages = MakeQtMessageService();
    return *s.messages;
}

InputService& Input() {
    auto& s = CurrentServices();
    if (!s.input) s.input = MakeQtInputService();
    return *s.input;
}

HelpService& Help() {
    auto& s = CurrentServices();
    if (!s.help) s.help = MakeQtHelpService();
    return *s.help;
}

int MessageBox(std::string_view text, std::string_view caption, uint32_t type) {
    return Messages().MessageBox(text, caption, type);
}
