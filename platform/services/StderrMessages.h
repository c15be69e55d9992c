#pragma once
// Message boxes of a tool that runs without a screen: nobody could answer a
// box there, and a box nobody answers hangs the tool. Each message goes to
// stderr as "caption: text" and gets the answer that changes nothing (Cancel,
// else No, Ignore for an assertion, OK). The tool asks afterwards whether
// any was written, so that it can end with a failure.
#include "platform/services/Services.h"

class StderrMessageService : public MessageService {
public:
    int MessageBox(std::string_view text, std::string_view caption, uint32_t type) override;
    int Shown() const { return shown_; }

private:
    int shown_ = 0;
};
