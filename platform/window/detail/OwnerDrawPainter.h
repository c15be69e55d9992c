#pragma once
// Owner-drawn items painted through their control: one call for a button or a
// combo box's selection field, and the delegate of list and combo items.
#include "platform/window/OwnerDraw.h"

#include <QPointer>
#include <QStyledItemDelegate>

class QPainter;
class TControl;
class WindowBridge;

// Paints draw.rcItem on an active painter, clipped to it, with the control's
// font selected; CtlID, hwndItem and dc are filled in here.
void PaintOwnerDrawn(TControl& control, QPainter& painter, DRAWITEMSTRUCT& draw);

// The state of an item as the view shows it.
uint32_t OwnerDrawState(const QStyleOptionViewItem& option);

class OwnerDrawDelegate : public QStyledItemDelegate {
public:
    OwnerDrawDelegate(QObject* parent, TControl* control, uint32_t ctlType);
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    // Measures the fixed height again.
    void Forget() { fixedHeight_ = -1; }

private:
    TControl* control() const;
    // Ends with the control: a late paint of the widget draws nothing.
    QPointer<WindowBridge> bridge_;
    uint32_t ctlType_;
    mutable int fixedHeight_ = -1;
};
