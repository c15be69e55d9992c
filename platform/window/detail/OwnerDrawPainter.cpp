#include "platform/window/detail/OwnerDrawPainter.h"

#include "platform/gdi/QtPainterDC.h"
#include "platform/window/Control.h"
#include "platform/window/PaintScope.h"
#include "platform/window/detail/WindowBridge.h"
#include "platform/window/detail/WindowImpl.h"

#include <QAbstractItemView>
#include <QPainter>

void PaintOwnerDrawn(TControl& control, QPainter& painter, DRAWITEMSTRUCT& draw) {
    const PaintScope painting;
    const TRect& r = draw.rcItem;
    painter.save();
    painter.setClipRect(QRect(r.left, r.top, r.Width(), r.Height()), Qt::IntersectClip);
    {
        auto dc = MakePainterDC(painter);
        const TFont* font = control.GetWindowFont();
        dc->SelectObject(font ? *font : TFont::Stock(DEFAULT_GUI_FONT));
        draw.CtlID = uint32_t(control.GetId());
        draw.hwndItem = control.GetHandle();
        draw.dc = dc.get();
        control.DrawItem(draw);
        draw.dc = nullptr;
    }
    painter.restore();
}

uint32_t OwnerDrawState(const QStyleOptionViewItem& option) {
    uint32_t state = 0;
    if (option.state & QStyle::State_Selected) state |= ODS_SELECTED;
    if (option.state & QStyle::State_HasFocus) state |= ODS_FOCUS;
    if (!(option.state & QStyle::State_Enabled)) state |= ODS_DISABLED;
    return state;
}

OwnerDrawDelegate::OwnerDrawDelegate(QObject* parent, TControl* control, uint32_t ctlType)
    : QStyledItemDelegate(parent), bridge_(control->GetImpl().bridge), ctlType_(ctlType) {}

TControl* OwnerDrawDelegate::control() const {
    return bridge_ ? dynamic_cast<TControl*>(bridge_->Window()) : nullptr;
}

void OwnerDrawDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
    TControl* c = control();
    if (!c) return;
    const QRect r = option.rect;
    DRAWITEMSTRUCT draw;
    draw.CtlType = ctlType_;
    draw.itemID = index.row();
    draw.itemState = OwnerDrawState(option);
    draw.rcItem = {r.left(), r.top(), r.right() + 1, r.bottom() + 1};
    PaintOwnerDrawn(*c, *painter, draw);
}

QSize OwnerDrawDelegate::sizeHint(const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
    const QSize standard = QStyledItemDelegate::sizeHint(option, index);
    TControl* c = control();
    if (!c) return standard;
    const bool fixed = c->GetOwnerDraw() != TOwnerDraw::Variable;
    if (fixed && fixedHeight_ >= 0) return {standard.width(), fixedHeight_};
    MEASUREITEMSTRUCT measure;
    measure.CtlType = ctlType_;
    measure.CtlID = uint32_t(c->GetId());
    measure.itemID = fixed ? 0 : index.row();
    const auto* view = qobject_cast<const QAbstractItemView*>(option.widget);
    measure.itemWidth = uint32_t(view ? view->viewport()->width() : option.rect.width());
    measure.itemHeight = uint32_t(standard.height());
    c->MeasureItem(measure);
    const int height = int(measure.itemHeight);
    if (fixed) fixedHeight_ = height;
    return {standard.width(), height};
}
