// The edit commands of TEdit: undo, the clipboard and deleting, as the menu
// "Bearbeiten", the edit messages and the keys reach them.
#include "platform/services/Clipboard.h"
#include "platform/window/CommandEnabler.h"
#include "platform/window/CommandIds.h"
#include "platform/window/Edit.h"
#include "platform/window/detail/WindowImpl.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>

using window_detail::Qs;

namespace {
QLineEdit* lineOf(const TWindow* w) {
    return qobject_cast<QLineEdit*>(w->GetImpl().widget.data());
}
QPlainTextEdit* textOf(const TWindow* w) {
    return qobject_cast<QPlainTextEdit*>(w->GetImpl().widget.data());
}

// The line's own paste keeps the paste one undo step of its own. It reads
// Qt's clipboard, which holds the text for that moment when the service's
// text differs.
void pasteIntoLine(QLineEdit* e, const QString& text) {
    auto* board = QGuiApplication::clipboard();
    const QMimeData* held = board->mimeData();
    if (held && held->text() == text) {
        e->paste();
        return;
    }
    QMimeData* saved = nullptr;
    if (held) {
        saved = new QMimeData;
        for (const auto& format : held->formats()) saved->setData(format, held->data(format));
    }
    board->setText(text);
    e->paste();
    if (saved)
        board->setMimeData(saved);
    else
        board->clear();
}
} // namespace

void TEdit::setupEditCommands() {
    auto& r = Responses();
    const std::pair<int, void (TEdit::*)()> commands[] = {
        {CM_EDITUNDO, &TEdit::Undo},
        {CM_EDITCUT, &TEdit::Cut},
        {CM_EDITCOPY, &TEdit::Copy},
        {CM_EDITPASTE, &TEdit::Paste},
        {CM_EDITDELETE, &TEdit::DeleteSelection},
        {CM_EDITCLEAR, &TEdit::Clear},
    };
    for (auto [id, fn] : commands) r.Command(id, [this, f = fn] { (this->*f)(); });
    const std::pair<uint32_t, void (TEdit::*)()> messages[] = {
        {WM_UNDO, &TEdit::Undo},
        {WM_CUT, &TEdit::Cut},
        {WM_COPY, &TEdit::Copy},
        {WM_PASTE, &TEdit::Paste},
        {WM_CLEAR, &TEdit::DeleteSelection},
    };
    for (auto [msg, fn] : messages)
        r.Message(msg, [this, f = fn](WPARAM, LPARAM) {
            (this->*f)();
            return TResult(0);
        });
    r.CommandEnable(CM_EDITUNDO, [this](TCommandEnabler& ce) { ce.Enable(CanUndo()); });
    r.CommandEnable(CM_EDITCUT,
                    [this](TCommandEnabler& ce) { ce.Enable(HasSelection() && !IsReadOnly()); });
    r.CommandEnable(CM_EDITCOPY, [this](TCommandEnabler& ce) { ce.Enable(HasSelection()); });
    r.CommandEnable(CM_EDITPASTE, [this](TCommandEnabler& ce) {
        ce.Enable(!IsReadOnly() && Clipboard().HasText());
    });
    r.CommandEnable(CM_EDITDELETE,
                    [this](TCommandEnabler& ce) { ce.Enable(HasSelection() && !IsReadOnly()); });
    r.CommandEnable(CM_EDITCLEAR, [this](TCommandEnabler& ce) {
        ce.Enable(!GetText().empty() && !IsReadOnly());
    });
}

// The widgets' own operations keep their undo history and report the change
// as the user's, so the edit's checks and notifications run as for typing.
void TEdit::Undo() {
    if (IsReadOnly()) return;
    if (auto* e = lineOf(this)) e->undo();
    if (auto* e = textOf(this)) e->undo();
}

void TEdit::Copy() {
    if (HasSelection()) Clipboard().SetText(GetSelectedText());
}

void TEdit::Cut() {
    if (IsReadOnly() || !HasSelection()) return;
    Copy();
    DeleteSelection();
}

void TEdit::Paste() {
    if (IsReadOnly()) return;
    std::string text = Clipboard().GetText();
    if (auto* e = lineOf(this)) {
        // A line takes the clipboard's text up to its first line break.
        text = text.substr(0, text.find_first_of("\r\n"));
        if (!text.empty() || e->hasSelectedText()) pasteIntoLine(e, Qs(text));
    }
    if (auto* e = textOf(this)) e->insertPlainText(Qs(text));
}

void TEdit::DeleteSelection() {
    if (IsReadOnly() || !HasSelection()) return;
    if (auto* e = lineOf(this)) e->del();
    if (auto* e = textOf(this)) e->textCursor().removeSelectedText();
}

void TEdit::Clear() {
    if (IsReadOnly() || GetText().empty()) return;
    SetSelection(0, -1);
    DeleteSelection();
}

bool TEdit::CanUndo() const {
    if (IsReadOnly()) return false;
    if (auto* e = lineOf(this)) return e->isUndoAvailable();
    if (auto* e = textOf(this)) return e->document()->isUndoAvailable();
    return false;
}

bool TEdit::HasSelection() const {
    if (auto* e = lineOf(this)) return e->hasSelectedText();
    if (auto* e = textOf(this)) return e->textCursor().hasSelection();
    return false;
}

std::string TEdit::GetSelectedText() const {
    if (auto* e = lineOf(this)) return e->selectedText().toStdString();
    if (auto* e = textOf(this)) {
        // Qt marks paragraph ends in a selection with U+2029.
        return e->textCursor().selectedText().replace(QChar(0x2029), QChar('\n')).toStdString();
    }
    return {};
}
