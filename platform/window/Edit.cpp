#include "platform/window/Edit.h"

#include "platform/base/Cp1252.h"
#include "platform/detail/Cp1252Validator.h"
#include "platform/services/MessageBox.h"
#include "platform/window/ControlCodes.h"
#include "platform/window/detail/EditLines.h"
#include "platform/window/detail/SpinField.h"
#include "platform/window/detail/TextTransfer.h"
#include "platform/window/detail/WindowImpl.h"

#include <QLineEdit>
#include <QPlainTextEdit>

#include <algorithm>

using window_detail::Qs;

namespace {
QLineEdit* lineOf(const TWindow& w) {
    return qobject_cast<QLineEdit*>(w.GetImpl().client.data());
}
QPlainTextEdit* textOf(const TWindow& w) {
    return qobject_cast<QPlainTextEdit*>(w.GetImpl().widget.data());
}

} // namespace

TEdit::TEdit(TWindow* parent, int id, unsigned textLimit, bool multiline)
    : TControl(parent, id), textLimit_(textLimit), multiline_(multiline) {
    EnableTransfer();
    setupEditCommands();
}

TEdit::TEdit(TWindow* parent, int id, std::string_view text, int x, int y, int w, int h,
             unsigned textLimit, bool multiline)
    : TControl(parent, id, text, x, y, w, h), textLimit_(textLimit), multiline_(multiline),
      text_(text) {
    EnableTransfer();
    setupEditCommands();
}

void TEdit::CreateNativeWidget() {
    auto* parent = window_detail::ParentWidget(this);
    if (multiline_)
        createMultiLine(parent);
    else
        createSingleLine(parent);
    // The parent hears when the edit gains the focus (losing it: EvKillFocus).
    window_detail::OnEvent(*this, GetImpl().client.data(), QEvent::FocusIn,
                           [this] { NotifyParent(EN_SETFOCUS); });
}

void TEdit::createSingleLine(QWidget* parent) {
    auto* spin = spinArrows_ ? new SpinField(parent, this) : nullptr;
    auto* e = spin ? spin->Line() : new QLineEdit(parent);
    e->setText(Qs(text_));
    e->setValidator(new Cp1252Validator(e));
    if (textLimit_) e->setMaxLength(int(textLimit_) - 1);
    e->setReadOnly(readOnly_);
    QObject::connect(e, &QLineEdit::textEdited, [this, e](const QString& t) {
        std::string typed = t.toStdString();
        const int cursor = e->cursorPosition();
        if (!acceptTyped(typed, cursor == int(t.size()))) {
            // Refused: the field keeps what it held before the keystroke.
            e->setText(Qs(text_));
            e->setCursorPosition(std::max(0, cursor - 1));
            return;
        }
        if (typed != t.toStdString()) {
            e->setText(Qs(typed));
            e->setCursorPosition(cursor);
        }
        text_ = typed;
        modified_ = true;
        notifyChanged();
    });
    if (spin)
        AdoptControl(spin, e);
    else
        AdoptControl(e);
}

void TEdit::createMultiLine(QWidget* parent) {
    auto* e = new QPlainTextEdit(parent);
    e->setPlainText(WidgetTextOf(text_));
    e->setReadOnly(readOnly_);
    QObject::connect(e, &QPlainTextEdit::textChanged, [this, e] {
        if (settingText_) return;
        const std::string t = EditTextOf(e->toPlainText());
        if (!cp1252::Representable(t) || CutToBufferSize(t, textLimit_) != t) {
            settingText_ = true;
            e->setPlainText(WidgetTextOf(text_)); // refuse what the files could not hold
            settingText_ = false;
            return;
        }
        std::string checked = t;
        const bool accepted = acceptTyped(checked, true);
        if (!accepted || checked != t) {
            settingText_ = true;
            e->setPlainText(WidgetTextOf(accepted ? checked : text_));
            settingText_ = false;
            if (!accepted) return;
        }
        text_ = checked;
        modified_ = true;
        notifyChanged();
    });
    AdoptControl(e);
}

void TEdit::notifyChanged() {
    NotifyParent(EN_UPDATE);
    NotifyParent(EN_CHANGE);
}

std::string TEdit::GetText() const {
    return text_;
}

void TEdit::SetText(std::string_view text) {
    const std::string plain = multiline_ ? NormalizeEditLines(text) : std::string(text);
    text_ = CutToBufferSize(plain, textLimit_);
    settingText_ = true;
    if (auto* e = lineOf(*this)) e->setText(Qs(text_));
    if (auto* e = textOf(*this)) e->setPlainText(WidgetTextOf(text_));
    settingText_ = false;
}

int TEdit::GetNumLines() const {
    if (auto* e = textOf(*this)) return DisplayLineCount(e);
    if (!multiline_) return 1;
    return 1 + int(std::count(text_.begin(), text_.end(), '\n'));
}

std::string TEdit::GetLine(int lineNumber) const {
    if (auto* e = textOf(*this)) return DisplayLine(e, lineNumber);
    if (!multiline_) return lineNumber == 0 ? text_ : std::string();
    size_t start = 0;
    for (int i = 0; i < lineNumber; ++i) {
        start = text_.find("\r\n", start);
        if (start == std::string::npos) return {};
        start += 2;
    }
    return text_.substr(start, text_.find("\r\n", start) - start);
}

void TEdit::Type(std::string_view text) {
    if (readOnly_ || !cp1252::Representable(text)) return;
    std::string typed(text);
    if (!acceptTyped(typed, true)) return;
    SetText(typed);
    modified_ = true;
    notifyChanged();
}

void TEdit::LimitText(unsigned textLimit) {
    textLimit_ = textLimit;
    if (auto* e = lineOf(*this)) e->setMaxLength(textLimit ? int(textLimit) - 1 : 32767);
}

void TEdit::SetReadOnly(bool readOnly) {
    readOnly_ = readOnly;
    if (auto* e = lineOf(*this)) e->setReadOnly(readOnly);
    if (auto* e = textOf(*this)) e->setReadOnly(readOnly);
}

void TEdit::SetSelection(int start, int end) {
    if (auto* e = lineOf(*this))
        e->setSelection(start, end < 0 ? int(e->text().size()) - start : end - start);
    if (auto* e = qobject_cast<QPlainTextEdit*>(GetImpl().widget.data())) {
        auto cursor = e->textCursor();
        const int length = int(e->document()->characterCount()) - 1;
        cursor.setPosition(std::clamp(start, 0, length));
        cursor.setPosition(end < 0 ? length : std::clamp(end, 0, length), QTextCursor::KeepAnchor);
        e->setTextCursor(cursor);
    }
}

void TEdit::GetSelection(int& start, int& end) const {
    start = end = 0;
    if (auto* e = lineOf(*this)) {
        start = e->hasSelectedText() ? e->selectionStart() : e->cursorPosition();
        end = e->hasSelectedText() ? e->selectionEnd() : start;
    }
    if (auto* e = textOf(*this)) {
        start = e->textCursor().selectionStart();
        end = e->textCursor().selectionEnd();
    }
}

void TEdit::ReplaceSelection(std::string_view text) {
    if (IsReadOnly()) return;
    if (auto* e = lineOf(*this)) {
        e->insert(Qs(text));
        text_ = e->text().toStdString();
        modified_ = true;
        notifyChanged();
    }
    if (auto* e = textOf(*this)) e->insertPlainText(Qs(text));
}

bool TEdit::Transfer(TTransferBuffer::Field& field, TTransferDirection dir) {
    return TransferText(
        field, dir, [this] { return GetText(); }, [this](const std::string& s) { SetText(s); });
}

void TEdit::SetValidator(TValidator* validator) {
    validator_.reset(validator);
}

bool TEdit::acceptTyped(std::string& text, bool appending) {
    return !validator_ || validator_->IsValidInput(text, !appending);
}

bool TEdit::IsValid(bool reportError) {
    if (!validator_ || validator_->IsValid(text_)) return true;
    if (reportError) validator_->Error(this);
    return false;
}

bool TEdit::CanClose() {
    if (!TControl::CanClose()) return false;
    if (!IsWindowEnabled() || IsValid(true)) return true;
    SetFocus();
    return false;
}

void TEdit::EvKillFocus(HWND getFocus) {
    DefaultProcessing();
    NotifyParent(EN_KILLFOCUS);
    // Leaving for another window of the program (not for a message box, not
    // for the Cancel button) checks the entry and brings the user back.
    auto* to = TWindow::FromHandle(getFocus);
    if (!validator_ || !to || to == this || to->GetId() == IDCANCEL) return;
    if (!IsValid(true)) Defer([this] { SetFocus(); });
}
