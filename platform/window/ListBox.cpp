#include "platform/window/ListBox.h"

#include "platform/window/ControlCodes.h"
#include "platform/window/detail/OwnerDrawPainter.h"
#include "platform/window/detail/WindowImpl.h"

#include <QListWidget>
#include <QScrollBar>

#include <algorithm>

using window_detail::Qs;

namespace {
QListWidget* listOf(const TWindow& w) {
    return qobject_cast<QListWidget*>(w.GetImpl().widget.data());
}
} // namespace

TListBox::TListBox(TWindow* parent, int id, int x, int y, int w, int h, bool multipleSelection)
    : TControl(parent, id, {}, x, y, w, h), multiple_(multipleSelection) {
    EnableTransfer();
}

void TListBox::CreateNativeWidget() {
    auto* l = new QListWidget(window_detail::ParentWidget(this));
    l->setSelectionMode(multiple_ ? QAbstractItemView::MultiSelection
                                  : QAbstractItemView::SingleSelection);
    l->setUniformItemSizes(GetOwnerDraw() != TOwnerDraw::Variable);
    if (GetOwnerDraw() != TOwnerDraw::None)
        l->setItemDelegate(new OwnerDrawDelegate(l, this, ODT_LISTBOX));
    for (const auto& s : items_) l->addItem(Qs(s));
    QObject::connect(l, &QListWidget::itemSelectionChanged, [this, l] {
        for (int i = 0; i < GetCount(); ++i) selected_[size_t(i)] = l->item(i)->isSelected();
        NotifyParent(LBN_SELCHANGE);
    });
    QObject::connect(l, &QListWidget::itemDoubleClicked, [this] { NotifyParent(LBN_DBLCLK); });
    QObject::connect(l->verticalScrollBar(), &QScrollBar::valueChanged,
                     [this](int v) { top_ = v; });
    AdoptControl(l, l->viewport());
    syncSelection();
}

int TListBox::AddString(std::string_view text) {
    return InsertString(text, -1);
}

int TListBox::InsertString(std::string_view text, int index) {
    if (index > GetCount()) return LB_ERR;
    if (index < 0) index = GetCount();
    items_.insert(items_.begin() + index, std::string(text));
    selected_.insert(selected_.begin() + index, false);
    if (auto* l = listOf(*this)) {
        const bool block = l->blockSignals(true);
        l->insertItem(index, Qs(text));
        l->blockSignals(block);
    }
    return index;
}

int TListBox::DeleteString(int index) {
    if (index < 0 || index >= GetCount()) return LB_ERR;
    items_.erase(items_.begin() + index);
    selected_.erase(selected_.begin() + index);
    if (auto* l = listOf(*this)) {
        const bool block = l->blockSignals(true);
        delete l->takeItem(index);
        l->blockSignals(block);
    }
    return GetCount();
}

void TListBox::ClearList() {
    items_.clear();
    selected_.clear();
    top_ = 0;
    if (auto* l = listOf(*this)) {
        const bool block = l->blockSignals(true);
        l->clear();
        l->blockSignals(block);
    }
}

std::string TListBox::GetString(int index) const {
    return index >= 0 && index < GetCount() ? items_[size_t(index)] : std::string();
}

int TListBox::GetSelIndex() const {
    for (int i = 0; i < GetCount(); ++i)
        if (selected_[size_t(i)]) return i;
    return LB_ERR;
}

int TListBox::SetSelIndex(int index) {
    if (index >= GetCount()) return LB_ERR;
    for (size_t i = 0; i < selected_.size(); ++i) selected_[i] = int(i) == index;
    syncSelection();
    return index < 0 ? LB_ERR : 0;
}

int TListBox::GetSelCount() const {
    return int(std::count(selected_.begin(), selected_.end(), true));
}

std::vector<int> TListBox::GetSelIndexes() const {
    std::vector<int> result;
    for (int i = 0; i < GetCount(); ++i)
        if (selected_[size_t(i)]) result.push_back(i);
    return result;
}

int TListBox::SetSel(int index, bool select) {
    if (index < 0 || index >= GetCount()) return LB_ERR;
    if (!multiple_ && select) return SetSelIndex(index);
    selected_[size_t(index)] = select;
    syncSelection();
    return 0;
}

void TListBox::syncSelection() {
    auto* l = listOf(*this);
    if (!l) return;
    const bool block = l->blockSignals(true);
    for (int i = 0; i < GetCount(); ++i) l->item(i)->setSelected(selected_[size_t(i)]);
    if (int s = GetSelIndex(); s >= 0) l->setCurrentRow(s, QItemSelectionModel::NoUpdate);
    l->blockSignals(block);
}

int TListBox::GetTopIndex() const {
    return top_;
}

int TListBox::SetTopIndex(int index) {
    if (index < 0 || index >= std::max(1, GetCount())) return LB_ERR;
    top_ = index;
    if (auto* l = listOf(*this)) l->verticalScrollBar()->setValue(index);
    return 0;
}

int TListBox::GetItemHeight() const {
    auto* l = listOf(*this);
    if (!l) return 16;
    const int h = GetCount() ? l->sizeHintForRow(0) : l->fontMetrics().height() + 2;
    return h > 0 ? h : l->fontMetrics().height() + 2;
}

int TListBox::VisibleRows() const {
    return std::max(1, GetClientRect().Height() / GetItemHeight());
}

bool TListBox::Transfer(TTransferBuffer::Field& field, TTransferDirection dir) {
    auto* data = std::get_if<TListBoxData*>(&field);
    if (!data) return false;
    if (dir == TTransferDirection::GetData) {
        (*data)->strings = items_;
        (*data)->selIndices = GetSelIndexes();
    } else {
        ClearList();
        for (const auto& s : (*data)->strings) AddString(s);
        for (int i : (*data)->selIndices) SetSel(i, true);
    }
    return true;
}
