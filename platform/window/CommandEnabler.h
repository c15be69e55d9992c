#pragma once
// Asks the windows on a command's route whether the command is available; menu
// items, tool buttons and popup menus each answer through one of these.
#include <string>
#include <string_view>

class TCommandEnabler {
public:
    explicit TCommandEnabler(int id) : id_(id) {}
    virtual ~TCommandEnabler() = default;

    int GetId() const { return id_; }
    virtual void Enable(bool enable = true) {
        enabled_ = enable;
        handled_ = true;
    }
    enum { Unchecked = 0, Checked = 1, Indeterminate = 2 };
    virtual void SetCheck(int state) { check_ = state; }
    virtual void SetText(std::string_view text) { text_ = text; }

    bool IsHandled() const { return handled_; }
    bool IsEnabled() const { return enabled_; }
    int Check() const { return check_; }
    const std::string& Text() const { return text_; }
    void MarkHandled() { handled_ = true; }

private:
    int id_;
    bool handled_ = false;
    bool enabled_ = false;
    int check_ = Unchecked;
    std::string text_;
};
