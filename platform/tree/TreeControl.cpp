#include "platform/tree/TreeControl.h"

#include "platform/detail/QtValues.h"
#include "platform/window/ComboBox.h"
#include "platform/window/Edit.h"
#include "platform/window/Picture.h"
#include "platform/window/Validator.h"
#include "platform/window/detail/PictureRenderer.h"
#include "platform/window/detail/WindowBridge.h"
#include "platform/window/detail/WindowImpl.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <QTreeWidget>

#include <algorithm>
#include <functional>
#include <map>
#include <utility>

using qt_detail::Qc;
using window_detail::Qs;

namespace {

constexpr int kEditorId = 500;

uint32_t modKeysOf(Qt::KeyboardModifiers mods) {
    return (mods & Qt::ShiftModifier ? MK_SHIFT : 0) |
           (mods & Qt::ControlModifier ? MK_CONTROL : 0);
}

// Enter and Escape of the in-place editor; Shift+Enter passes in a
// multi-line one.
class EditorKeys : public QObject {
public:
    EditorKeys(QObject* owner, bool multiLine, std::function<void()> enter,
               std::function<void()> escape)
        : QObject(owner), multiLine_(multiLine), enter_(std::move(enter)),
          escape_(std::move(escape)) {}
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() != QEvent::KeyPress) return false;
        auto* k = static_cast<QKeyEvent*>(e);
        if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
            if (multiLine_ && (k->modifiers() & Qt::ShiftModifier)) return false;
            enter_();
        } else if (k->key() == Qt::Key_Escape) {
            escape_();
        } else {
            return false;
        }
        return true;
    }

private:
    bool multiLine_;
    std::function<void()> enter_, escape_;
};

// The tree's navigation keys, with the modifiers of the event itself.
class NavigationKeys : public QObject {
public:
    NavigationKeys(QObject* owner, std::function<bool(uint32_t, uint32_t)> press)
        : QObject(owner), press_(std::move(press)) {}
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() != QEvent::KeyPress) return false;
        auto* k = static_cast<QKeyEvent*>(e);
        const uint32_t vk = VirtualKeyOf(k->key());
        return vk && press_(vk, modKeysOf(k->modifiers()));
    }

private:
    std::function<bool(uint32_t, uint32_t)> press_;
};

// Lends the editor the caller's validator, which may serve several editors.
class SharedValidator : public TValidator {
public:
    explicit SharedValidator(std::shared_ptr<TValidator> v) : v_(std::move(v)) {}
    void Error(TWindow* owner) override { v_->Error(owner); }
    bool IsValidInput(std::string& text, bool suppressFill) override {
        return v_->IsValidInput(text, suppressFill);
    }
    bool IsValid(std::string_view text) override { return v_->IsValid(text); }

private:
    std::shared_ptr<TValidator> v_;
};
} // namespace

struct TTreeControl::View {
    QPointer<QTreeWidget> tree;
    std::vector<QTreeWidgetItem*> items; // by row
    std::map<int, QIcon> icons;          // by picture id
    // A click on the selected row activates its cell only when no double
    // click follows.
    QTimer activation;
    int activationRow = -1, activationColumn = -1;

    // -1 for an item that is no row.
    int RowOf(const QTreeWidgetItem* it) const {
        auto found = std::find(items.begin(), items.end(), it);
        return it && found != items.end() ? int(found - items.begin()) : -1;
    }
    // Null while the widget has not shown the row yet.
    QTreeWidgetItem* ItemOf(int row) const {
        return row >= 0 && size_t(row) < items.size() ? items[size_t(row)] : nullptr;
    }
    const QIcon& Icon(int id) {
        auto it = icons.find(id);
        if (it != icons.end()) return it->second;
        const auto* pic = FindPicture(id);
        return icons[id] = pic ? RenderPicture(*pic, 16) : QIcon();
    }
};

TTreeControl::TTreeControl(TWindow* parent, int id, int x, int y, int w, int h)
    : TControl(parent, id, {}, x, y, w, h), columns_{TTreeColumn{}}, view_(new View) {
    view_->activation.setSingleShot(true);
    QObject::connect(&view_->activation, &QTimer::timeout, [this] {
        const int row = view_->activationRow;
        if (validRow(row) && rows_[size_t(row)].selected && caret_ == row) {
            lastColumn_ = view_->activationColumn;
            NotifyParent(TN_CELLACTIVATE);
        }
    });
}

TTreeControl::~TTreeControl() {
    CloseEditor();
    Destroy();
    delete view_;
}

// Rows ---------------------------------------------------------------------

int TTreeControl::AddItem(std::string_view text) {
    return InsertItem(-1, text);
}

int TTreeControl::InsertItem(int position, std::string_view text) {
    if (position < 0 || position > GetCount()) position = GetCount();
    Row row;
    row.cells.resize(columns_.size());
    row.cells[0].text = text;
    rows_.insert(rows_.begin() + position, std::move(row));
    if (caret_ >= position) ++caret_;
    if (anchor_ >= position) ++anchor_;
    if (editRow_ >= position) ++editRow_;
    changed();
    return position;
}

bool TTreeControl::DeleteItem(int item) {
    if (!validRow(item)) return false;
    rows_.erase(rows_.begin() + item);
    if (caret_ == item)
        caret_ = -1;
    else if (caret_ > item)
        --caret_;
    if (anchor_ >= item) anchor_ = anchor_ == item ? -1 : anchor_ - 1;
    // The editor stays on its row: an edit ending later must not land in another.
    if (editRow_ == item)
        CloseEditor();
    else if (editRow_ > item)
        --editRow_;
    changed();
    return true;
}

void TTreeControl::DeleteAll() {
    CloseEditor();
    rows_.clear();
    caret_ = anchor_ = -1;
    top_ = 0;
    dropTarget_ = dropHighlight_ = -1;
    changed();
}

bool TTreeControl::SetLevel(int item, int level) {
    if (!validRow(item) || level < 0) return false;
    rows_[size_t(item)].level = level;
    changed();
    return true;
}

int TTreeControl::GetLevel(int item) const {
    return validRow(item) ? rows_[size_t(item)].level : -1;
}

bool TTreeControl::IsExpanded(int item) const {
    return validRow(item) && rows_[size_t(item)].expanded;
}

bool TTreeControl::HasChildren(int item) const {
    return validRow(item + 1) && validRow(item) &&
           rows_[size_t(item + 1)].level > rows_[size_t(item)].level;
}

bool TTreeControl::Expand(int item, bool expand, bool allLevels) {
    if (!validRow(item)) return false;
    rows_[size_t(item)].expanded = expand;
    rowChanged(item);
    if (allLevels)
        for (int i = item + 1; validRow(i) && rows_[size_t(i)].level > rows_[size_t(item)].level;
             ++i) {
            rows_[size_t(i)].expanded = expand;
            rowChanged(i);
        }
    return true;
}

bool TTreeControl::IsShown(int item) const {
    if (!validRow(item)) return false;
    int level = rows_[size_t(item)].level;
    for (int i = item - 1; i >= 0 && level > 0; --i)
        if (rows_[size_t(i)].level < level) {
            if (!rows_[size_t(i)].expanded) return false;
            level = rows_[size_t(i)].level;
        }
    return true;
}

bool TTreeControl::SetMarkText(int item, std::string_view text) {
    if (!validRow(item)) return false;
    rows_[size_t(item)].mark = text;
    // The first mark brings the row header, and a longer one widens it.
    changed();
    return true;
}

std::string TTreeControl::GetMarkText(int item) const {
    return validRow(item) ? rows_[size_t(item)].mark : std::string();
}

// Columns and cells ----------------------------------------------------------

void TTreeControl::SetColumns(std::vector<TTreeColumn> columns) {
    if (columns.empty()) columns.push_back({});
    columns_ = std::move(columns);
    for (auto& r : rows_) r.cells.resize(columns_.size());
    changed();
}

bool TTreeControl::SetColumnTitle(int column, std::string_view title) {
    if (column < 0 || column >= int(columns_.size())) return false;
    columns_[size_t(column)].title = title;
    changed();
    return true;
}

void TTreeControl::SetRowHeaderTitle(std::string_view title) {
    rowHeaderTitle_ = title;
    changed();
}

bool TTreeControl::IsRowHeaderShown() const {
    return !rowHeaderTitle_.empty() ||
           std::any_of(rows_.begin(), rows_.end(), [](const Row& r) { return !r.mark.empty(); });
}

int TTreeControl::GetColumnWidth(int column) const {
    if (column < 0 || column >= int(columns_.size())) return -1;
    const_cast<TTreeControl*>(this)->refreshView();
    if (auto* t = view_->tree.data()) return t->header()->sectionSize(column + columnOffset());
    return columns_[size_t(column)].width;
}

void TTreeControl::FitColumns() {
    auto* t = view_->tree.data();
    for (size_t c = 0; c < columns_.size(); ++c) {
        int width = t ? t->fontMetrics().horizontalAdvance(Qs(columns_[c].title)) + 12 : 0;
        for (const auto& r : rows_) {
            const int w = t ? t->fontMetrics().horizontalAdvance(Qs(r.cells[c].text)) + 12 +
                                  (c == 0 ? t->indentation() * (r.level + 1) : 0)
                            : int(r.cells[c].text.size()) * 7;
            width = std::max(width, w);
        }
        columns_[c].width = width;
    }
    changed();
}

TTreeControl::Cell* TTreeControl::cell(int item, int column) {
    if (!validRow(item) || column < 0 || column >= int(columns_.size())) return nullptr;
    return &rows_[size_t(item)].cells[size_t(column)];
}

const TTreeControl::Cell* TTreeControl::cell(int item, int column) const {
    return const_cast<TTreeControl*>(this)->cell(item, column);
}

bool TTreeControl::SetCellText(int item, int column, std::string_view text) {
    auto* c = cell(item, column);
    if (!c) return false;
    c->text = text;
    rowChanged(item);
    return true;
}

std::optional<std::string> TTreeControl::GetCellText(int item, int column) const {
    const auto* c = cell(item, column);
    return c ? std::optional<std::string>(c->text) : std::nullopt;
}

bool TTreeControl::SetCellColors(int item, int column, TTreeCellColors colors) {
    auto* c = cell(item, column);
    if (!c) return false;
    c->colors = colors;
    rowChanged(item);
    return true;
}

std::optional<TTreeCellColors> TTreeControl::GetCellColors(int item, int column) const {
    const auto* c = cell(item, column);
    return c ? std::optional<TTreeCellColors>(c->colors) : std::nullopt;
}

bool TTreeControl::SetCellPicture(int item, int column, int pictureId) {
    auto* c = cell(item, column);
    if (!c) return false;
    c->picture = pictureId;
    rowChanged(item);
    return true;
}

int TTreeControl::GetCellPicture(int item, int column) const {
    const auto* c = cell(item, column);
    return c ? c->picture : 0;
}

void TTreeControl::SetItemPictures(int closed, int open, int leaf) {
    itemPictures_[0] = closed;
    itemPictures_[1] = open;
    itemPictures_[2] = leaf;
    changed();
}

int TTreeControl::GetItemPicture(int item) const {
    if (!validRow(item)) return 0;
    if (int own = rows_[size_t(item)].cells[0].picture) return own;
    return !HasChildren(item) ? itemPictures_[2] : itemPictures_[IsExpanded(item) ? 1 : 0];
}

void TTreeControl::SetBackgroundColor(TColor color) {
    background_ = color;
    changed();
}

void TTreeControl::SetSelectionColors(std::optional<TTreeCellColors> colors) {
    if (colors == selectionColors_) return;
    selectionColors_ = colors;
    for (int i = 0; i < GetCount(); ++i)
        if (rows_[size_t(i)].selected) rowChanged(i);
}

// Selection ------------------------------------------------------------------

int TTreeControl::SetCaret(int item) {
    if (!validRow(item)) return -1;
    const int old = caret_;
    caret_ = item;
    rowChanged(old);
    rowChanged(item);
    return item;
}

int TTreeControl::GetSelectedItem() const {
    if (validRow(caret_) && rows_[size_t(caret_)].selected) return caret_;
    for (int i = 0; i < GetCount(); ++i)
        if (rows_[size_t(i)].selected) return i;
    return -1;
}

int TTreeControl::SelectItem(int item) {
    if (!validRow(item)) return -1;
    selectRange(item, item);
    SetCaret(item);
    anchor_ = item;
    return item;
}

void TTreeControl::selectRange(int from, int to) {
    if (from > to) std::swap(from, to);
    for (int i = 0; i < GetCount(); ++i) {
        const bool select = i >= from && i <= to;
        if (rows_[size_t(i)].selected == select) continue;
        rows_[size_t(i)].selected = select;
        rowChanged(i);
    }
}

int TTreeControl::SetSelection(bool select, int item) {
    if (item == -1) {
        for (int i = 0; i < GetCount(); ++i) {
            if (rows_[size_t(i)].selected == (select && multi_)) continue;
            rows_[size_t(i)].selected = select && multi_;
            rowChanged(i);
        }
        return 0;
    }
    if (!validRow(item)) return -1;
    if (select && !multi_) return SelectItem(item) < 0 ? -1 : 0;
    rows_[size_t(item)].selected = select;
    rowChanged(item);
    return 0;
}

int TTreeControl::GetSelCount() const {
    return int(std::count_if(rows_.begin(), rows_.end(), [](const Row& r) { return r.selected; }));
}

std::vector<int> TTreeControl::GetSelectedItems() const {
    std::vector<int> result;
    for (int i = 0; i < GetCount(); ++i)
        if (rows_[size_t(i)].selected) result.push_back(i);
    return result;
}

// View -----------------------------------------------------------------------

bool TTreeControl::SetTopItem(int item) {
    if (!validRow(item)) return false;
    top_ = item;
    refreshView();
    if (auto* t = view_->tree.data(); t && view_->ItemOf(item))
        t->scrollToItem(view_->ItemOf(item), QAbstractItemView::PositionAtTop);
    return true;
}

void TTreeControl::EnsureVisible(int item) {
    if (!validRow(item)) return;
    if (item < top_) top_ = item;
    refreshView();
    if (auto* t = view_->tree.data(); t && view_->ItemOf(item))
        t->scrollToItem(view_->ItemOf(item));
}

void TTreeControl::EnsureColumnVisible(int column) {
    auto* t = view_->tree.data();
    if (!t || column < 0 || column >= int(columns_.size())) return;
    refreshView();
    const int x = t->header()->sectionPosition(column + columnOffset());
    t->horizontalScrollBar()->setValue(std::min(x, t->horizontalScrollBar()->maximum()));
}

std::optional<TRect> TTreeControl::GetCellRect(int item, int column) const {
    if (!validRow(item) || column < 0 || column >= int(columns_.size()) || !IsShown(item))
        return std::nullopt;
    auto* t = view_->tree.data();
    if (!t) return std::nullopt;
    const_cast<TTreeControl*>(this)->refreshView();
    auto* it = view_->items[size_t(item)];
    const QRect r = t->visualItemRect(it);
    if (!r.isValid()) return std::nullopt;
    const int x = t->header()->sectionViewportPosition(column + columnOffset());
    const int w = t->header()->sectionSize(column + columnOffset());
    return TRect{x, r.top(), x + w, r.bottom() + 1};
}

int TTreeControl::ItemAt(TPoint p) const {
    auto* t = view_->tree.data();
    if (!t) return -1;
    const_cast<TTreeControl*>(this)->refreshView();
    return view_->RowOf(t->itemAt(QPoint(p.x, p.y)));
}

int TTreeControl::shownRowFrom(int item, int steps) const {
    const int dir = steps < 0 ? -1 : 1;
    int found = item;
    for (int i = item + dir; validRow(i) && steps != 0; i += dir)
        if (IsShown(i)) {
            found = i;
            steps -= dir;
        }
    return found;
}

int TTreeControl::pageRows() const {
    auto* t = view_->tree.data();
    if (!t || view_->items.empty()) return 10;
    const int h = t->visualItemRect(view_->items[0]).height();
    return h > 0 ? std::max(1, t->viewport()->height() / h - 1) : 10;
}

// In-place editor --------------------------------------------------------------

bool TTreeControl::OpenEditor(int item, int column, TTreeEditorStyle style) {
    if (!cell(item, column)) return false;
    CloseEditor();
    editRow_ = item;
    editColumn_ = column;
    editStyle_ = std::move(style);
    const std::string text = cell(item, column)->text;
    if (editStyle_.kind == TTreeEditorStyle::DropDown) {
        auto* combo = new TComboBox(this, kEditorId, editStyle_.textLimit);
        for (const auto& c : editStyle_.choices) combo->AddString(c);
        const auto found = std::find(editStyle_.choices.begin(), editStyle_.choices.end(), text);
        combo->SetSelIndex(
            found == editStyle_.choices.end() ? -1 : int(found - editStyle_.choices.begin()));
        editor_ = combo;
    } else {
        auto* edit = new TEdit(this, kEditorId, text, 0, 0, 0, 0, editStyle_.textLimit,
                               editStyle_.kind == TTreeEditorStyle::MultiLine);
        edit->SetReadOnly(editStyle_.readOnly);
        if (editStyle_.validator) edit->SetValidator(new SharedValidator(editStyle_.validator));
        editor_ = edit;
    }
    editor_->EnableTransfer(false);
    if (!IsCreated()) return true;
    EnsureVisible(item);
    editor_->Create();
    auto* w = window_detail::WidgetOf(editor_);
    if (auto r = GetCellRect(item, column)) {
        const int lines = editStyle_.kind == TTreeEditorStyle::MultiLine ? 4 : 1;
        w->setGeometry(r->left, r->top, r->Width(), r->Height() * lines + 4);
    }
    if (auto* combo = qobject_cast<QComboBox*>(w)) combo->setEnabled(!editStyle_.readOnly);
    w->installEventFilter(new EditorKeys(
        GetImpl().hooks.get(), editStyle_.kind == TTreeEditorStyle::MultiLine,
        [this] { EditorEnter(); }, [this] { EditorEscape(); }));
    if (auto* edit = dynamic_cast<TEdit*>(editor_)) edit->SetSelection(0, -1);
    w->show();
    w->setFocus();
    // Opened once the editor stands over its cell, so the list drops from there.
    if (auto* combo = qobject_cast<QComboBox*>(w); combo && editStyle_.openList)
        QTimer::singleShot(0, combo, [combo] { combo->showPopup(); });
    return true;
}

std::string TTreeControl::GetEditorText() const {
    if (auto* edit = dynamic_cast<TEdit*>(editor_)) return edit->GetText();
    if (auto* combo = dynamic_cast<TComboBox*>(editor_)) return combo->GetText();
    return std::string();
}

void TTreeControl::SetEditorText(std::string_view text) {
    if (auto* edit = dynamic_cast<TEdit*>(editor_)) edit->SetText(text);
    if (auto* combo = dynamic_cast<TComboBox*>(editor_)) combo->SetText(text);
}

void TTreeControl::CloseEditor() {
    if (!IsEditing()) return;
    editRow_ = editColumn_ = -1;
    auto* editor = std::exchange(editor_, nullptr);
    if (!editor) return;
    const bool hadFocus = editor->HasFocus();
    editor->Destroy();
    delete editor;
    if (hadFocus && view_->tree) view_->tree->setFocus();
}

void TTreeControl::EditorEnter() {
    if (!IsEditing()) return;
    // A text the validator refuses is not reported: the user corrects it.
    if (auto* edit = dynamic_cast<TEdit*>(editor_); edit && !edit->IsValid(true)) {
        if (IsEditing() && editor_) editor_->SetFocus();
        return;
    }
    // Unhandled, the text goes into the cell.
    if (!NotifyParent(TN_EDITEND) && IsEditing()) {
        SetCellText(editRow_, editColumn_, GetEditorText());
        CloseEditor();
    }
    if (IsEditing() && editor_) editor_->SetFocus();
}

void TTreeControl::EditorEscape() {
    if (!IsEditing()) return;
    if (!NotifyParent(TN_EDITCANCEL)) CloseEditor();
}

// Drag and drop ----------------------------------------------------------------

void TTreeControl::SetDropHighlight(int item) {
    const int old = dropHighlight_;
    dropHighlight_ = validRow(item) ? item : -1;
    if (old == dropHighlight_) return;
    rowChanged(old);
    rowChanged(dropHighlight_);
}

void TTreeControl::BeginDrag(bool copy) {
    if (GetSelectedItem() < 0) return;
    view_->activation.stop();
    drag_ = TTreeDragInfo{};
    drag_.active = true;
    drag_.copy = copy;
}

void TTreeControl::DragOver(TTreeControl* target, int item, bool copy) {
    if (!drag_.active) return;
    auto* previous = dynamic_cast<TTreeControl*>(TWindow::FromHandle(drag_.windowUnderCursor));
    if (previous && previous != target) previous->dropTarget_ = -1;
    drag_.windowUnderCursor = target ? target->GetHandle() : 0;
    drag_.itemUnderCursor = target ? item : -1;
    drag_.copy = copy;
    drag_.supplyCursor = false;
    drag_.dropAllowed = true;
    if (target) {
        target->dropTarget_ = target->validRow(item) ? item : -1;
        target->SetDropHighlight(item);
    }
    NotifyParent(target == this ? TN_DRAGOVER : TN_DRAGOVERTARGET);
    if (!drag_.active) return; // the parent cancelled it
    TCursor cursor(drag_.supplyCursor ? drag_.cursor
                                      : (copy ? TCursor::DragCopy : TCursor::DragMove));
    SetCursor(&cursor);
}

void TTreeControl::Drop() {
    if (!drag_.active) return;
    NotifyParent(TN_DROP);
    drag_.active = false;
    SetCursor(nullptr);
    if (auto* target = dynamic_cast<TTreeControl*>(TWindow::FromHandle(drag_.windowUnderCursor)))
        target->dropTarget_ = -1;
}

void TTreeControl::CancelDrag() {
    if (!drag_.active) return;
    drag_.active = false;
    NotifyParent(TN_DRAGCANCEL);
    SetCursor(nullptr);
}

// User actions -------------------------------------------------------------------

void TTreeControl::ClickCell(int item, int column, uint32_t modKeys) {
    clickRow(item, column, modKeys, false);
}

void TTreeControl::clickRow(int item, int column, uint32_t modKeys, bool deferActivation) {
    if (!validRow(item)) return;
    if (IsEditing()) EditorEscape();
    lastColumn_ = column;
    view_->activation.stop();
    if (multi_ && (modKeys & MK_CONTROL)) {
        rows_[size_t(item)].selected = !rows_[size_t(item)].selected;
        rowChanged(item);
        SetCaret(item);
        anchor_ = item;
        NotifyParent(TN_SELCHANGE);
    } else if (multi_ && (modKeys & MK_SHIFT) && validRow(anchor_)) {
        selectRange(anchor_, item);
        SetCaret(item);
        NotifyParent(TN_SELCHANGE);
    } else if (caret_ == item && rows_[size_t(item)].selected && GetSelCount() == 1) {
        // A click on the selected row: edit in place, unless a double click follows.
        if (deferActivation) {
            view_->activationRow = item;
            view_->activationColumn = column;
            view_->activation.start(QApplication::doubleClickInterval());
        } else {
            NotifyParent(TN_CELLACTIVATE);
        }
    } else {
        SelectItem(item);
        NotifyParent(TN_SELCHANGE);
    }
    if (clickCodes_ == TTreeClickCodes::CellClicks) NotifyParent(TN_CELLCLICK);
}

bool TTreeControl::PressKey(uint32_t key, uint32_t modKeys) {
    if (key == VK_LEFT || key == VK_RIGHT) {
        if (!validRow(caret_) || !HasChildren(caret_) || IsExpanded(caret_) == (key == VK_RIGHT))
            return validRow(caret_);
        PressExpandKey(caret_);
        return true;
    }
    if (key == VK_F2) {
        // Edits the first cell of the selected row, as a click on it would.
        if (!validRow(caret_) || !rows_[size_t(caret_)].selected || IsEditing()) return false;
        view_->activation.stop();
        lastColumn_ = 0;
        NotifyParent(TN_CELLACTIVATE);
        return true;
    }
    if (GetCount() == 0) return false;
    const int from = validRow(caret_) ? caret_ : shownRowFrom(-1, 1);
    int to;
    switch (key) {
    case VK_UP:
        to = shownRowFrom(from, -1);
        break;
    case VK_DOWN:
        to = validRow(caret_) ? shownRowFrom(from, 1) : from;
        break;
    case VK_PRIOR:
        to = shownRowFrom(from, -pageRows());
        break;
    case VK_NEXT:
        to = shownRowFrom(from, pageRows());
        break;
    case VK_HOME:
        to = shownRowFrom(-1, 1);
        break;
    case VK_END:
        to = shownRowFrom(GetCount(), -1);
        break;
    default:
        return false;
    }
    if (IsEditing()) EditorEscape();
    view_->activation.stop();
    if (multi_ && (modKeys & MK_CONTROL)) {
        SetCaret(to); // the selection stays
    } else if (multi_ && (modKeys & MK_SHIFT)) {
        if (!validRow(anchor_)) anchor_ = from;
        selectRange(anchor_, to);
        SetCaret(to);
        NotifyParent(TN_SELCHANGE);
    } else if (to != caret_ || GetSelCount() != 1 || !rows_[size_t(to)].selected) {
        SelectItem(to);
        NotifyParent(TN_SELCHANGE);
    }
    EnsureVisible(to);
    return true;
}

void TTreeControl::DoubleClickCell(int item, int column) {
    if (!validRow(item)) return;
    lastColumn_ = column;
    if (clickCodes_ == TTreeClickCodes::CellClicks) {
        NotifyParent(TN_ROWACTIVATE);
        return;
    }
    // A parent that takes no double click gets the second click as a click
    // on the row the first one selected: it edits the cell at once.
    if (!NotifyParent(TN_CELLDBLCLICK) && !IsEditing() && caret_ == item &&
        rows_[size_t(item)].selected && GetSelCount() == 1)
        NotifyParent(TN_CELLACTIVATE);
}

void TTreeControl::FocusGained() {
    NotifyParent(TN_SETFOCUS);
}

void TTreeControl::RightClick(int item) {
    if (IsEditing()) EditorEscape();
    view_->activation.stop();
    if (validRow(item) && !rows_[size_t(item)].selected) {
        SelectItem(item);
        NotifyParent(TN_SELCHANGE);
    }
    NotifyParent(TN_RIGHTCLICK);
}

void TTreeControl::ClickExpandButton(int item) {
    if (!validRow(item)) return;
    SetCaret(item);
    // Unhandled, the control toggles the row itself.
    if (!NotifyParent(TN_EXPANDBUTTON)) Expand(item, !IsExpanded(item));
}

void TTreeControl::PressExpandKey(int item) {
    if (!validRow(item)) return;
    SetCaret(item);
    if (!NotifyParent(TN_EXPANDKEY)) Expand(item, !IsExpanded(item));
}

void TTreeControl::ClickHeading(int column) {
    if (column < 0 || column >= int(columns_.size())) return;
    lastColumn_ = column;
    NotifyParent(TN_HEADINGCLICK);
}

// The widget ---------------------------------------------------------------------

void TTreeControl::CreateNativeWidget() {
    auto* t = new QTreeWidget(window_detail::ParentWidget(this));
    t->setRootIsDecorated(true);
    t->setItemsExpandable(false); // expanding is the parent's decision
    t->setExpandsOnDoubleClick(false);
    t->setSelectionMode(QAbstractItemView::NoSelection);
    t->setUniformRowHeights(true);
    t->setAllColumnsShowFocus(true);
    t->header()->setStretchLastSection(false); // the -1 column takes the rest itself
    t->header()->setSectionsMovable(false);
    view_->tree = t;
    // Every hook ends with the control's widgets, not with Qt's deletion of them.
    QObject* hooks = GetImpl().hooks.get();
    QObject::connect(t->header(), &QHeaderView::sectionClicked, hooks,
                     [this](int c) { ClickHeading(c - columnOffset()); });
    QObject::connect(t->header(), &QHeaderView::sectionResized, hooks,
                     [this](int logical, int, int width) {
                         const int c = logical - columnOffset();
                         // Only the user resizes while the control is not placing them.
                         if (!applyingWidths_ && c >= 0 && c < int(columns_.size()))
                             columns_[size_t(c)].width = width;
                     });
    window_detail::OnEvent(*this, t, QEvent::FocusIn, [this] { FocusGained(); });
    t->installEventFilter(new NavigationKeys(hooks, [this](uint32_t key, uint32_t mods) {
        return !IsEditing() && PressKey(key, mods);
    }));
    QObject::connect(t->verticalScrollBar(), &QScrollBar::valueChanged, hooks, [this](int) {
        if (IsEditing()) EditorEscape();
    });
    GetImpl().Adopt(t, t->viewport());
    refreshPending_ = rebuildPending_ = true;
    refreshView();
}

void TTreeControl::changed() {
    rebuildPending_ = true;
    dirtyRows_.clear();
    if (refreshPending_ || !view_->tree) return;
    refreshPending_ = true;
    Defer([this] { refreshView(); });
}

void TTreeControl::rowChanged(int item) {
    if (!validRow(item) || rebuildPending_) return;
    dirtyRows_.push_back(item);
    if (refreshPending_ || !view_->tree) return;
    refreshPending_ = true;
    Defer([this] { refreshView(); });
}

void TTreeControl::refreshView() {
    if (!view_->tree || !refreshPending_) return;
    refreshPending_ = false;
    if (rebuildPending_) return rebuildView();
    auto rows = std::move(dirtyRows_);
    dirtyRows_.clear();
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    for (int row : rows) updateRow(row, false);
}

void TTreeControl::updateRow(int i, bool fresh) {
    auto* it = view_->ItemOf(i);
    auto* t = view_->tree.data();
    if (!it || !t) return;
    const auto& r = rows_[size_t(i)];
    const int offset = columnOffset();
    const bool marked = r.selected || i == dropHighlight_;
    const QBrush markBack =
        selectionColors_ ? QBrush(Qc(selectionColors_->background)) : t->palette().highlight();
    const QBrush markText =
        selectionColors_ ? QBrush(Qc(selectionColors_->text)) : t->palette().highlightedText();
    if (offset) {
        it->setText(0, Qs(r.mark));
        it->setBackground(0, t->palette().button());
        it->setForeground(0, t->palette().buttonText());
    }
    // A new item leaves out what the widget shows anyway: long tables fill
    // far faster with fewer values per cell.
    for (size_t c = 0; c < r.cells.size(); ++c) {
        const auto& cellData = r.cells[c];
        const int col = int(c) + offset;
        it->setText(col, Qs(cellData.text));
        if (!fresh || columns_[c].align != TTreeColumn::Left)
            it->setTextAlignment(
                col, columns_[c].align == TTreeColumn::Right    ? Qt::AlignRight | Qt::AlignVCenter
                     : columns_[c].align == TTreeColumn::Center ? Qt::AlignCenter
                                                                : Qt::AlignLeft | Qt::AlignVCenter);
        if (!fresh || marked || cellData.colors.background != background_)
            it->setBackground(col, marked ? markBack : QBrush(Qc(cellData.colors.background)));
        if (!fresh || marked || cellData.colors.text != TColor::Black)
            it->setForeground(col, marked ? markText : QBrush(Qc(cellData.colors.text)));
        const int picture = c == 0 ? GetItemPicture(i) : cellData.picture;
        if (picture || !fresh) it->setIcon(col, picture ? view_->Icon(picture) : QIcon());
    }
    if (fresh) return; // the rebuild expands and sets the current row when all are in
    if (it->isExpanded() != r.expanded) it->setExpanded(r.expanded);
    if (i == caret_) t->setCurrentItem(it, 0, QItemSelectionModel::NoUpdate);
}

void TTreeControl::rebuildView() {
    auto* t = view_->tree.data();
    rebuildPending_ = false;
    dirtyRows_.clear();
    // Sections that come and go are no drag of the user.
    applyingWidths_ = true;
    rowHeaderShown_ = IsRowHeaderShown();
    const int offset = columnOffset();
    t->clear();
    t->setColumnCount(int(columns_.size()) + offset);
    QStringList titles;
    if (offset) titles << Qs(rowHeaderTitle_);
    for (const auto& c : columns_) titles << Qs(c.title);
    t->setHeaderLabels(titles);
    t->setTreePosition(offset);
    t->setHeaderHidden(std::all_of(titles.begin(), titles.end(),
                                   [](const QString& title) { return title.isEmpty(); }));
    QPalette pal = t->palette();
    pal.setColor(QPalette::Base, Qc(background_));
    t->setPalette(pal);
    // Items are made outside the widget and handed over at once: far faster
    // than adding them one by one.
    view_->items.assign(rows_.size(), nullptr);
    QList<QTreeWidgetItem*> topLevel;
    std::vector<QTreeWidgetItem*> parents; // by level
    for (size_t i = 0; i < rows_.size(); ++i) {
        const size_t level = std::min(size_t(rows_[i].level), parents.size());
        auto* it = new QTreeWidgetItem;
        if (level == 0)
            topLevel.push_back(it);
        else
            parents[level - 1]->addChild(it);
        parents.resize(level);
        parents.push_back(it);
        view_->items[i] = it;
        updateRow(int(i), true);
    }
    t->addTopLevelItems(topLevel);
    for (size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i].expanded) view_->items[i]->setExpanded(true);
    rowHeaderWidth_ = 0;
    if (offset) {
        const auto& fm = t->fontMetrics();
        rowHeaderWidth_ = fm.horizontalAdvance(Qs(rowHeaderTitle_)) + 12;
        for (const auto& r : rows_)
            rowHeaderWidth_ = std::max(rowHeaderWidth_, fm.horizontalAdvance(Qs(r.mark)) + 12);
    }
    applyWidths();
    applyingWidths_ = false;
    if (validRow(caret_))
        t->setCurrentItem(view_->items[size_t(caret_)], 0, QItemSelectionModel::NoUpdate);
}

void TTreeControl::applyWidths() {
    auto* t = view_->tree.data();
    if (!t) return;
    const bool nested = std::exchange(applyingWidths_, true);
    const int offset = columnOffset();
    int x = 0;
    if (offset) {
        t->setColumnWidth(0, rowHeaderWidth_);
        x = rowHeaderWidth_;
    }
    for (size_t c = 0; c < columns_.size(); ++c) {
        // The column that takes the rest keeps at least its heading's width;
        // the list scrolls beyond it.
        const int least =
            std::max(40, t->header()->fontMetrics().horizontalAdvance(Qs(columns_[c].title)) +
                             2 * (t->style()->pixelMetric(QStyle::PM_HeaderMargin) + 1));
        const int w = columns_[c].width >= 0 ? columns_[c].width
                                             : std::max(least, t->viewport()->width() - x);
        t->setColumnWidth(int(c) + offset, w);
        x += w;
    }
    applyingWidths_ = nested;
}

void TTreeControl::EvSize(uint32_t, const TSize&) {
    DefaultProcessing();
    if (!rebuildPending_) applyWidths(); // the -1 column follows the width
}

void TTreeControl::EvLButtonDown(uint32_t modKeys, TPoint p) {
    const int row = ItemAt(p);
    if (row < 0) {
        if (IsEditing()) EditorEscape();
        return DefaultProcessing();
    }
    // A click on the expand sign, left of the row's text.
    auto* t = view_->tree.data();
    const int offset = columnOffset();
    const int treeLeft = t->header()->sectionViewportPosition(offset);
    const int indent = t->indentation() * (rows_[size_t(row)].level + 1);
    const int column = t->header()->logicalIndexAt(p.x) - offset;
    if (column == 0 && p.x - treeLeft < indent && HasChildren(row)) return ClickExpandButton(row);
    mouseDown_ = true;
    pressPoint_ = p;
    t->setFocus(Qt::MouseFocusReason);
    clickRow(row, std::max(0, column), modKeys, true);
}

void TTreeControl::EvLButtonDblClk(uint32_t modKeys, TPoint p) {
    view_->activation.stop();
    const int row = ItemAt(p);
    if (row < 0) return DefaultProcessing();
    const int column = std::max(0, view_->tree->header()->logicalIndexAt(p.x) - columnOffset());
    // A double click on a row with children opens or closes it, unless the
    // parent takes every double click.
    if (HasChildren(row) && clickCodes_ == TTreeClickCodes::CellClicks)
        ClickExpandButton(row);
    else
        DoubleClickCell(row, column);
}

void TTreeControl::EvRButtonDown(uint32_t, TPoint p) {
    if (!view_->tree) return;
    view_->tree->setFocus();
    RightClick(ItemAt(p));
}

void TTreeControl::EvMouseMove(uint32_t modKeys, TPoint p) {
    if (!mouseDown_) return DefaultProcessing();
    if (!drag_.active) {
        if (std::abs(p.y - pressPoint_.y) + std::abs(p.x - pressPoint_.x) <
            QApplication::startDragDistance())
            return;
        BeginDrag(modKeys & MK_CONTROL);
        SetCapture();
    }
    const TPoint screen = ClientToScreen(p);
    drag_.screen = screen;
    QWidget* widget = QApplication::widgetAt(QPoint(screen.x, screen.y));
    auto* target = dynamic_cast<TTreeControl*>(window_detail::WindowOf(widget));
    // Where the window system cannot name the widget under the cursor
    // (offscreen), a drag inside this control is over it.
    if (!target && GetClientRect().Contains(p)) target = this;
    DragOver(target, target ? target->ItemAt(target->ScreenToClient(screen)) : -1,
             modKeys & MK_CONTROL);
}

void TTreeControl::EvLButtonUp(uint32_t, TPoint) {
    mouseDown_ = false;
    if (!drag_.active) return DefaultProcessing();
    ReleaseCapture();
    Drop();
}

void TTreeControl::EvCancelMode() {
    mouseDown_ = false;
    if (HasCapture()) ReleaseCapture();
    CancelDrag();
}
