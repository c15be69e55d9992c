#include "platform/window/detail/KeyboardRouter.h"

#include "platform/window/Application.h"
#include "platform/window/Dialog.h"
#include "platform/window/Edit.h"
#include "platform/window/FrameWindow.h"
#include "platform/window/MDIClient.h"
#include "platform/window/detail/TabChain.h"
#include "platform/window/detail/WindowBridge.h"
#include "platform/window/detail/WindowImpl.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QKeySequence>
#include <QPointer>

namespace window_detail {

namespace {

// One key event as Qt may hand it to several receivers (the focus widget,
// then its parents): it is looked at once.
struct KeyStamp {
    QEvent::Type type = QEvent::None;
    int key = 0;
    Qt::KeyboardModifiers modifiers;
    quint64 timestamp = 0;
    bool operator==(const KeyStamp&) const = default;
};

KeyStamp stampOf(const QKeyEvent* k) {
    return {k->type(), k->key(), k->modifiers(), k->timestamp()};
}

void noteModifiers(Qt::KeyboardModifiers mods) {
    SetKeyDown(VK_SHIFT, mods & Qt::ShiftModifier);
    SetKeyDown(VK_CONTROL, mods & Qt::ControlModifier);
    SetKeyDown(VK_MENU, mods & Qt::AltModifier);
}

// The letter of Alt+letter (Latin-1 keys are their upper-case code points).
char32_t letterOf(const QKeyEvent* k) {
    const auto mods = k->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    if (mods != Qt::AltModifier) return 0;
    const int key = k->key();
    const bool printable = (key > 0x20 && key < 0x7F) || (key >= 0xC0 && key <= 0xDE);
    return printable ? char32_t(key) : 0;
}

uint32_t editMessageOf(const QKeyEvent* k) {
    if (k->matches(QKeySequence::Undo)) return WM_UNDO;
    if (k->matches(QKeySequence::Cut)) return WM_CUT;
    if (k->matches(QKeySequence::Copy)) return WM_COPY;
    if (k->matches(QKeySequence::Paste)) return WM_PASTE;
    return WM_NULL;
}

class KeyboardRouter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        const auto type = e->type();
        if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress &&
            type != QEvent::KeyRelease)
            return false;
        if (!watched->isWidgetType()) return false;
        auto* k = static_cast<QKeyEvent*>(e);
        auto* widget = static_cast<QWidget*>(watched);
        // Qt hands an unwanted key on to the parents of its receiver.
        const bool passedOn = e == lastEvent_ && stampOf(k) == seen_ && lastReceiver_ &&
                              widget != lastReceiver_ && widget->isAncestorOf(lastReceiver_);
        lastEvent_ = e;
        lastReceiver_ = widget;
        seen_ = stampOf(k);
        if (passedOn) return false;
        return route(widget, k);
    }

private:
    bool route(QWidget* receiver, QKeyEvent* k) {
        TWindow* focus = WindowOf(QApplication::focusWidget());
        if (!focus) focus = WindowOf(receiver);
        const uint32_t vk = VirtualKeyOf(k->key());
        noteModifiers(k->modifiers());
        if (k->type() == QEvent::KeyRelease) {
            pressSeen_ = {};
            if (vk) SetKeyDown(vk, false);
            return vk && filter(focus, WM_KEYUP, vk, k);
        }
        // The shortcut query comes before the key press and may end it: the
        // filters and mnemonics answer there, once per press.
        KeyStamp press = stampOf(k);
        press.type = QEvent::KeyPress;
        if (k->type() == QEvent::ShortcutOverride) {
            pressSeen_ = press;
            pressSwallowed_ = pressFirst(focus, vk, k);
            if (pressSwallowed_) k->accept();
            return pressSwallowed_;
        }
        if (press == pressSeen_) {
            pressSeen_ = {};
            if (pressSwallowed_) return true;
        } else if (pressFirst(focus, vk, k)) {
            return true;
        }
        return editKey(focus, k);
    }

    bool pressFirst(TWindow* focus, uint32_t vk, QKeyEvent* k) {
        if (vk) SetKeyDown(vk, true);
        if (vk && filter(focus, WM_KEYDOWN, vk, k)) return true;
        if (vk && mdiKey(focus, vk)) return true;
        const char32_t letter = letterOf(k);
        return letter && DispatchMnemonic(letter);
    }

    static bool filter(TWindow* focus, uint32_t message, uint32_t vk, const QKeyEvent* k) {
        LPARAM lp = k->isAutoRepeat() ? 0x40000001 : 1;
        if (message == WM_KEYUP) lp = LPARAM(0xC0000001u);
        const MSG key{focus ? focus->GetHandle() : 0, message, vk, lp, {}};
        return RunKeyFilters(key);
    }

    // The MDI keys act on the client of the window with the focus, not from
    // inside a dialog or another window of its own.
    static bool mdiKey(TWindow* focus, uint32_t vk) {
        for (TWindow* w = focus; w; w = w->GetParent()) {
            auto* client = dynamic_cast<TMDIClient*>(w);
            if (auto* frame = dynamic_cast<TFrameWindow*>(w); frame && !client)
                client = dynamic_cast<TMDIClient*>(frame->GetClientWindow());
            if (client)
                return client->TranslateMDISysAccel({focus->GetHandle(), WM_KEYDOWN, vk, 1, {}});
            const QWidget* widget = w->GetImpl().widget;
            if (!widget || widget->isWindow()) break;
        }
        return false;
    }

    // The edit keys go through the edit's messages, so that its clipboard
    // is the program's clipboard service.
    static bool editKey(TWindow* focus, QKeyEvent* k) {
        auto* edit = dynamic_cast<TEdit*>(focus);
        const uint32_t msg = editMessageOf(k);
        if (!edit || msg == WM_NULL) return false;
        edit->SendMessage(msg);
        return true;
    }

    const QEvent* lastEvent_ = nullptr;
    QPointer<QWidget> lastReceiver_;
    KeyStamp seen_;
    KeyStamp pressSeen_;
    bool pressSwallowed_ = false;
};

QPointer<KeyboardRouter> g_router;

} // namespace

void EnsureKeyboardRouter() {
    if (g_router || !qApp) return;
    g_router = new KeyboardRouter(qApp);
    qApp->installEventFilter(g_router);
}

bool DispatchMnemonic(char32_t letter) {
    TWindow* focus = WindowOf(QApplication::focusWidget());
    auto* dialog = NearestDialog(focus);
    // Outside dialogs Alt+letter stays with Qt (the menu bar).
    if (!dialog) return false;
    if (dialog->ActivateMnemonic(letter)) return true;
    for (TWindow* w = focus; w; w = w->GetParent()) {
        auto& impl = w->GetImpl();
        impl.defaultProcessing = false;
        w->HandleMessage(WM_SYSCOMMAND, SC_KEYMENU, LPARAM(letter));
        if (!impl.defaultProcessing) return true;
        if (!impl.widget || impl.widget->isWindow()) break;
    }
    // Nobody took it: the dialog around the page and its other pages.
    auto* root = ChainRoot(focus);
    if (root && root != dialog && ActivateMnemonicIn(ChainOf(*root, ChainDepth::Nested), letter))
        return true;
    // A dialog window has no menu bar for it: the letter must not reach an
    // edit and replace its text.
    const QWidget* focusWidget = QApplication::focusWidget();
    return focusWidget && qobject_cast<const QDialog*>(focusWidget->window());
}

} // namespace window_detail
