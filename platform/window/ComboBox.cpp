#include "platform/window/ComboBox.h"

#include "platform/window/ControlCodes.h"
#include "platform/window/detail/OwnerDrawPainter.h"
#include "platform/window/detail/TextTransfer.h"
#include "platform/window/detail/WindowBridge.h"
#include "platform/window/detail/WindowImpl.h"

#include <QComboBox>
#include <QLineEdit>
#include <QStylePainter>

using window_detail::Qs;

namespace {
QComboBox* comboOf(const TWindow& w) {
    return qobject_cast<QComboBox*>(w.GetImpl().widget.data());
}

// Tells the parent when the list opens and closes; an owner-drawn box has
// its selection field painted by the control.
class ComboWidget : public QComboBox {
public:
    ComboWidget(QWidget* parent, TControl* control)
        : QComboBox(parent), bridge_(control->GetImpl().bridge) {}

    void showPopup() override {
        if (auto* c = control()) c->NotifyParent(CBN_DROPDOWN);
        QComboBox::showPopup();
    }
    void hidePopup() override {
        QComboBox::hidePopup();
        if (auto* c = control()) c->NotifyParent(CBN_CLOSEUP);
    }

protected:
    void paintEvent(QPaintEvent* e) override {
        TControl* c = control();
        if (!c || c->GetOwnerDraw() == TOwnerDraw::None || isEditable()) {
            QComboBox::paintEvent(e);
            return;
        }
        QStylePainter painter(this);
        QStyleOptionComboBox option;
        initStyleOption(&option);
        option.currentText.clear();
        option.currentIcon = QIcon();
        painter.drawComplexControl(QStyle::CC_ComboBox, option);
        const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                    QStyle::SC_ComboBoxEditField, this);
        DRAWITEMSTRUCT draw;
        draw.CtlType = ODT_COMBOBOX;
        draw.itemID = currentIndex();
        draw.itemState = ODS_COMBOBOXEDIT;
        if (hasFocus()) draw.itemState |= ODS_SELECTED | ODS_FOCUS;
        if (!isEnabled()) draw.itemState |= ODS_DISABLED;
        draw.rcItem = {field.left(), field.top(), field.right() + 1, field.bottom() + 1};
        PaintOwnerDrawn(*c, painter, draw);
    }

private:
    TControl* control() const {
        return bridge_ ? dynamic_cast<TControl*>(bridge_->Window()) : nullptr;
    }
    QPointer<WindowBridge> bridge_;
};
} // namespace

TComboBox::TComboBox(TWindow* parent, int id, unsigned textLimit, bool editable)
    : TControl(parent, id), textLimit_(textLimit), editable_(editable) {
    EnableTransfer();
}

void TComboBox::CreateNativeWidget() {
    auto* c = new ComboWidget(window_detail::ParentWidget(this), this);
    c->setEditable(editable_);
    if (GetOwnerDraw() != TOwnerDraw::None)
        c->setItemDelegate(new OwnerDrawDelegate(c, this, ODT_COMBOBOX));
    if (editable_ && textLimit_) c->lineEdit()->setMaxLength(int(textLimit_) - 1);
    AdoptControl(c);
    sync();
    QObject::connect(c, &QComboBox::activated, [this](int index) {
        sel_ = index;
        text_ = GetString(index);
        NotifyParent(CBN_SELCHANGE);
    });
    if (editable_)
        QObject::connect(c->lineEdit(), &QLineEdit::textEdited, [this](const QString& t) {
            text_ = t.toStdString();
            NotifyParent(CBN_EDITCHANGE);
        });
}

void TComboBox::sync() {
    auto* c = comboOf(*this);
    if (!c) return;
    const bool block = c->blockSignals(true);
    c->clear();
    for (const auto& s : items_) c->addItem(Qs(s));
    c->setCurrentIndex(sel_);
    if (editable_) c->setEditText(Qs(text_));
    c->blockSignals(block);
}

int TComboBox::AddString(std::string_view text) {
    return InsertString(text, -1);
}

int TComboBox::InsertString(std::string_view text, int index) {
    if (index > GetCount()) return CB_ERR;
    if (index < 0) index = GetCount();
    items_.insert(items_.begin() + index, std::string(text));
    if (sel_ >= index) ++sel_;
    sync();
    return index;
}

int TComboBox::DeleteString(int index) {
    if (index < 0 || index >= GetCount()) return CB_ERR;
    items_.erase(items_.begin() + index);
    if (sel_ == index)
        sel_ = -1;
    else if (sel_ > index)
        --sel_;
    sync();
    return GetCount();
}

void TComboBox::ClearList() {
    items_.clear();
    sel_ = -1;
    sync();
}

std::string TComboBox::GetString(int index) const {
    return index >= 0 && index < GetCount() ? items_[size_t(index)] : std::string();
}

int TComboBox::SetSelIndex(int index) {
    if (index >= GetCount()) return CB_ERR;
    sel_ = index < 0 ? -1 : index;
    text_ = GetString(sel_);
    sync();
    return sel_;
}

std::string TComboBox::GetText() const {
    return editable_ ? text_ : GetString(sel_);
}

void TComboBox::SetText(std::string_view text) {
    text_ = CutToBufferSize(std::string(text), textLimit_);
    sel_ = -1;
    for (int i = 0; i < GetCount(); ++i)
        if (items_[size_t(i)] == text_) sel_ = i;
    sync();
}

bool TComboBox::Transfer(TTransferBuffer::Field& field, TTransferDirection dir) {
    auto* data = std::get_if<TComboBoxData*>(&field);
    if (!data) return false;
    if (dir == TTransferDirection::GetData) {
        (*data)->strings = items_;
        (*data)->selIndex = sel_;
        (*data)->selection = GetText();
    } else {
        items_ = (*data)->strings;
        sel_ = (*data)->selIndex < GetCount() ? (*data)->selIndex : -1;
        text_ = sel_ >= 0 ? items_[size_t(sel_)] : (*data)->selection;
        sync();
    }
    return true;
}
