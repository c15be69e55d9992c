#include "platform/window/detail/ControlLook.h"

#include "platform/gdi/QtBackend.h"
#include "platform/gdi/RecordingDC.h"
#include "platform/window/Control.h"
#include "platform/window/ControlCodes.h"
#include "platform/window/detail/WindowBridge.h"
#include "platform/window/detail/WindowImpl.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollBar>

namespace {

uint32_t colorKindOf(const QWidget* w) {
    if (qobject_cast<const QLineEdit*>(w) || qobject_cast<const QPlainTextEdit*>(w) ||
        qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractSpinBox*>(w))
        return CTLCOLOR_EDIT;
    if (qobject_cast<const QAbstractItemView*>(w)) return CTLCOLOR_LISTBOX;
    if (qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QGroupBox*>(w))
        return CTLCOLOR_BTN;
    if (qobject_cast<const QScrollBar*>(w)) return CTLCOLOR_SCROLLBAR;
    return CTLCOLOR_STATIC;
}

class ColorHook : public QObject {
public:
    ColorHook(QWidget* widget, WindowBridge* bridge)
        : QObject(widget), widget_(widget), bridge_(bridge), kind_(colorKindOf(widget)) {
        widget->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* e) override {
        switch (e->type()) {
        case QEvent::Polish:
        case QEvent::Show:
        case QEvent::EnabledChange:
            apply();
            break;
        case QEvent::Paint:
            // Before the widget draws itself: the colours of this paint, and
            // the face under a widget that leaves its background alone.
            apply();
            if (coloured_ && kind_ != CTLCOLOR_EDIT && kind_ != CTLCOLOR_LISTBOX)
                QPainter(widget_).fillRect(widget_->rect(), face_);
            break;
        default:
            break;
        }
        return false;
    }

private:
    void apply() {
        TWindow* self = bridge_ ? bridge_->Window() : nullptr;
        TWindow* parent = self ? self->GetParent() : nullptr;
        if (!parent) return;
        TRecordingDC dc;
        const TBrush* brush = parent->EvCtlColor(dc, self->GetHandle(), kind_);
        if (!brush) {
            if (coloured_) widget_->setPalette(QPalette());
            coloured_ = false;
            return;
        }
        // All colour groups: the parent decides the colours of a disabled child too.
        QPalette p = widget_->palette();
        const QColor text = qt_detail::Qc(dc.GetTextColor());
        face_ = qt_detail::Qc(brush->Color());
        for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            p.setColor(role, text);
        for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
            p.setColor(role, face_);
        coloured_ = true;
        if (!(p == widget_->palette())) widget_->setPalette(p);
    }

    QWidget* widget_;
    QPointer<WindowBridge> bridge_;
    uint32_t kind_;
    bool coloured_ = false;
    QColor face_;
};

} // namespace

void ApplyControlFont(QWidget* widget, const LOGFONT& font) {
    widget->setFont(MakeQFont(font, widget->logicalDpiY()));
}

void FollowParentColors(TControl* control, QWidget* widget) {
    new ColorHook(widget, control->GetImpl().bridge);
}
