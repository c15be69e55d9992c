#include "platform/services/Clipboard.h"

#include "platform/detail/QtValues.h"
#include "platform/services/Services.h"

#include <QClipboard>
#include <QGuiApplication>

namespace {

class QtClipboardService : public ClipboardService {
public:
    std::string GetText() override {
        auto* c = QGuiApplication::clipboard();
        return c ? c->text().toStdString() : std::string();
    }
    void SetText(std::string_view text) override {
        if (auto* c = QGuiApplication::clipboard()) c->setText(qt_detail::Qs(text));
    }
    bool HasText() override { return !GetText().empty(); }
};

} // namespace

ClipboardService& Clipboard() {
    auto& s = CurrentServices();
    if (!s.clipboard) s.clipboard = std::make_shared<QtClipboardService>();
    return *s.clipboard;
}
