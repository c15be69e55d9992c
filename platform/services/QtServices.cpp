#include "platform/services/QtServices.h"

#include "platform/detail/Cp1252Validator.h"
#include "platform/detail/QtValues.h"
#include "platform/services/HelpViewer.h"
#include "platform/services/MessageBox.h"
#include "platform/services/Services.h"
#include "platform/services/detail/DialogOwner.h"

#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QString>

#include <filesystem>
#include <map>
#include <vector>

namespace {

using qt_detail::Qs;

class QtMessageService : public MessageService {
public:
    int MessageBox(std::string_view text, std::string_view caption, uint32_t type) override {
        QMessageBox box(iconOf(type), Qs(caption), Qs(text), QMessageBox::NoButton,
                        qt_detail::DialogOwner());
        struct Button {
            QMessageBox::StandardButton button;
            int answer;
            const char* label;
        };
        std::vector<Button> buttons;
        static const std::vector<Button> ok = {{QMessageBox::Ok, IDOK, "OK"}};
        static const std::vector<Button> okCancel = {{QMessageBox::Ok, IDOK, "OK"},
                                                     {QMessageBox::Cancel, IDCANCEL, "Abbrechen"}};
        static const std::vector<Button> yesNo = {{QMessageBox::Yes, IDYES, "&Ja"},
                                                  {QMessageBox::No, IDNO, "&Nein"}};
        static const std::vector<Button> yesNoCancel = {
            {QMessageBox::Yes, IDYES, "&Ja"},
            {QMessageBox::No, IDNO, "&Nein"},
            {QMessageBox::Cancel, IDCANCEL, "Abbrechen"}};
        static const std::vector<Button> retryCancel = {
            {QMessageBox::Retry, IDRETRY, "&Wiederholen"},
            {QMessageBox::Cancel, IDCANCEL, "Abbrechen"}};
        static const std::vector<Button> abortRetryIgnore = {
            {QMessageBox::Abort, IDABORT, "&Abbrechen"},
            {QMessageBox::Retry, IDRETRY, "&Wiederholen"},
            {QMessageBox::Ignore, IDIGNORE, "&Ignorieren"}};
        switch (type & MB_TYPEMASK) {
        case MB_OKCANCEL:
            buttons = okCancel;
            break;
        case MB_YESNO:
            buttons = yesNo;
            break;
        case MB_YESNOCANCEL:
            buttons = yesNoCancel;
            break;
        case MB_RETRYCANCEL:
            buttons = retryCancel;
            break;
        case MB_ABORTRETRYIGNORE:
            buttons = abortRetryIgnore;
            break;
        default:
            buttons = ok;
            break;
        }
        const unsigned defaultIndex = (type & MB_DEFMASK) >> 8;
        unsigned i = 0;
        for (const auto& b : buttons) {
            auto* button = box.addButton(b.button);
            button->setText(QString::fromUtf8(b.label));
            if (i++ == defaultIndex) box.setDefaultButton(b.button);
        }
        const auto chosen = static_cast<QMessageBox::StandardButton>(box.exec());
        for (const auto& b : buttons)
            if (b.button == chosen) return b.answer;
        // Closing the box answers like its cancel button, or OK when it has none.
        return buttons.size() == 1 ? IDOK : ((type & MB_TYPEMASK) == MB_YESNO ? IDNO : IDCANCEL);
    }

private:
    static QMessageBox::Icon iconOf(uint32_t type) {
        switch (type & MB_ICONMASK) {
        case MB_ICONHAND:
            return QMessageBox::Critical;
        case MB_ICONQUESTION:
            return QMessageBox::Question;
        case MB_ICONEXCLAMATION:
            return QMessageBox::Warning;
        case MB_ICONASTERISK:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
        }
    }
};

class QtInputService : public InputService {
public:
    std::optional<std::string> InputBox(std::string_view caption, std::string_view prompt,
                                        std::string_view initial, unsigned maxLength) override {
        QInputDialog box(qt_detail::DialogOwner());
        box.setWindowTitle(Qs(caption));
        box.setLabelText(Qs(prompt));
        box.setTextValue(Qs(initial));
        // The answer goes into a fixed-width field: the edit takes no more
        // than it holds, and nothing the files could not hold, as it is typed.
        if (auto* line = box.findChild<QLineEdit*>()) {
            if (maxLength > 0) line->setMaxLength(int(maxLength));
            line->setValidator(new Cp1252Validator(line));
        }
        if (box.exec() != QDialog::Accepted) return std::nullopt;
        return box.textValue().toStdString();
    }
};

// One viewer per help file, made at its first request and kept (hidden when
// closed, and started again at the next request) until the process ends.
class QtHelpService : public HelpService {
public:
    bool WinHelp(std::string_view helpFile, uint32_t command, uint32_t data) override {
        if (command == HELP_QUIT) return quit(helpFile);
        HelpViewer* v = viewer(helpFile);
        return v && v->Command(command, data);
    }
    bool WinHelpText(std::string_view helpFile, uint32_t command, std::string_view text) override {
        if (command == HELP_QUIT) return quit(helpFile);
        HelpViewer* v = viewer(helpFile);
        return v && v->Command(command, text);
    }

private:
    HelpViewer* viewer(std::string_view helpFile) {
        // "file>window" names a window of the viewer; ours has one per file.
        helpFile = helpFile.substr(0, helpFile.find('>'));
        const std::string key = std::filesystem::absolute(std::string(helpFile)).lexically_normal();
        auto& v = viewers_[key];
        if (v && !v->IsEnded()) return v.get();
        // A viewer the user closed starts again as a new one would.
        auto made = v ? std::move(v) : std::make_unique<HelpViewer>();
        std::string error;
        if (!made->Open(key, &error)) {
            viewers_.erase(key);
            ::MessageBox(error, "Hilfe", MB_OK | MB_ICONSTOP);
            return nullptr;
        }
        v = std::move(made);
        return v.get();
    }
    bool quit(std::string_view helpFile) {
        for (auto& [path, v] : viewers_)
            if (helpFile.empty() ||
                path == std::filesystem::absolute(std::string(helpFile)).lexically_normal())
                v->Close();
        return true;
    }

    std::map<std::string, std::unique_ptr<HelpViewer>> viewers_;
};

} // namespace

std::shared_ptr<MessageService> MakeQtMessageService() {
    return std::make_shared<QtMessageService>();
}
std::shared_ptr<InputService> MakeQtInputService() {
    return std::make_shared<QtInputService>();
}
std::shared_ptr<HelpService> MakeQtHelpService() {
    return std::make_shared<QtHelpService>();
}
