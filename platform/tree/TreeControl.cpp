#include "platform/tree/TreeControl.h"

#include "platform/detail/QtValues.h"
#include "platform/window/Picture.h"
#include "platform/window/detail/PictureRenderer.h"
#include "platform/window/detail/WindowImpl.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QScrollBar>
#include <QTreeWidget>

#include <algorithm>
#include <functional>

using qt_detail::Qc;
using window_detail::Qs;

namespace {

class KeyFilter : public QObject {
public:
    KeyFilter(QObject* parent, std::function<void()> enter, std::function<void()> escape)
        : QObject(parent), enter_(std::move(enter)), escape_(std::move(escape)) {}
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() != QEvent::KeyPress) return false;
        const int key = static_cast<QKeyEvent*>(e)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            enter_();
        else if (key == Qt::Key_Escape)
            escape_();
        else
            return false;
        return true;
    }

private:
    std::function<void()> enter_, escape_;
};
} // namespace

struct TTreeControl::View {
    QPointer<QTreeWidget> tree;
    QPointer<QLineEdit> editor;
    std::vector<QTreeWidgetItem*> items; // by row
    std::string editText;

    // -1 for an item that is no row.
    int RowOf(const QTreeWidgetItem* it) const {
        auto found = std::find(items.begin(), items.end(), it);
        return it && found != items.end() ? int(found - items.begin()) : -1;
    }
    // Null while the widget has not shown the row yet.
    QTreeWidgetItem* ItemOf(int row) const {
        return row >= 0 && size_t(row) < items.size() ? items[size_t(row)] : nullptr;
    }
};

TTreeControl::TTreeControl(TWindow* parent, int id, int x, int y, int w, int h)
    : TControl(parent, id, {}, x, y, w, h), columns_{TTreeColumn{}}, view_(new View) {}

TTreeControl::~TTreeControl() {
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
    caret_ = -1;
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
    if (allLevels)
        for (int i = item + 1; validRow(i) && rows_[size_t(i)].level > rows_[size_t(item)].level;
             ++i)
            rows_[size_t(i)].expanded = expand;
    changed();
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

int TTreeControl::shownIndex(int item) const {
    int n = 0;
    for (int i = 0; i < item; ++i)
        if (IsShown(i)) ++n;
    return n;
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
    changed();
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
    changed();
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
    changed();
    return true;
}

int TTreeControl::GetCellPicture(int item, int column) const {
    const auto* c = cell(item, column);
    return c ? c->picture : 0;
}

void TTreeControl::SetBackgroundColor(TColor color) {
    background_ = color;
    changed();
}

void TTreeControl::SetSelectionColors(std::optional<TTreeCellColors> colors) {
    selectionColors_ = colors;
    changed();
}

// Selection ------------------------------------------------------------------

int TTreeControl::SetCaret(int item) {
    if (!validRow(item)) return -1;
    caret_ = item;
    changed();
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
    for (auto& r : rows_) r.selected = false;
    rows_[size_t(item)].selected = true;
    caret_ = item;
    changed();
    return item;
}

int TTreeControl::SetSelection(bool select, int item) {
    if (item == -1) {
        for (auto& r : rows_) r.selected = select && multi_;
        changed();
        return 0;
    }
    if (!validRow(item)) return -1;
    if (select && !multi_) return SelectItem(item) < 0 ? -1 : 0;
    rows_[size_t(item)].selected = select;
    changed();
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
    if (auto* t = view_->tree.data(); t && view_->ItemOf(item))
        t->scrollToItem(view_->ItemOf(item), QAbstractItemView::PositionAtTop);
    return true;
}

void TTreeControl::EnsureVisible(int item) {
    if (!validRow(item)) return;
    if (item < top_) top_ = item;
    if (auto* t = view_->tree.data(); t && view_->ItemOf(item))
        t->scrollToItem(view_->ItemOf(item));
}

void TTreeControl::EnsureColumnVisible(int column) {
    auto* t = view_->tree.data();
    if (!t || column < 0 || column >= int(columns_.size())) return;
    const int x = t->header()->sectionPosition(column);
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
    const int x = t->header()->sectionViewportPosition(column);
    const int w = t->header()->sectionSize(column);
    return TRect{x, r.top(), x + w, r.bottom() + 1};
}

int TTreeControl::ItemAt(TPoint p) const {
    auto* t = view_->tree.data();
    if (!t) return -1;
    return view_->RowOf(t->itemAt(QPoint(p.x, p.y)));
}

// In-place editor --------------------------------------------------------------

bool TTreeControl::OpenEditor(int item, int column) {
    if (!cell(item, column)) return false;
    CloseEditor();
    editRow_ = item;
    editColumn_ = column;
    view_->editText = cell(item, column)->text;
    if (auto* t = view_->tree.data()) {
        EnsureVisible(item);
        auto r = GetCellRect(item, column);
        auto* e = new QLineEdit(Qs(view_->editText), t->viewport());
        if (r) e->setGeometry(r->left, r->top, r->Width(), r->Height() + 4);
        e->selectAll();
        e->installEventFilter(new KeyFilter(
            e, [this] { EditorEnter(); }, [this] { EditorEscape(); }));
        QObject::connect(e, &QLineEdit::textEdited,
                         [this](const QString& s) { view_->editText = s.toStdString(); });
        e->show();
        e->setFocus();
        view_->editor = e;
    }
    return true;
}

std::string TTreeControl::GetEditorText() const {
    return IsEditing() ? view_->editText : std::string();
}

void TTreeControl::SetEditorText(std::string_view text) {
    if (!IsEditing()) return;
    view_->editText = text;
    if (view_->editor) view_->editor->setText(Qs(text));
}

void TTreeControl::CloseEditor() {
    if (!IsEditing()) return;
    editRow_ = editColumn_ = -1;
    if (view_->editor) {
        const bool hadFocus = view_->editor->hasFocus();
        view_->editor->hide();
        view_->editor->deleteLater();
        view_->editor = nullptr;
        if (hadFocus && view_->tree) view_->tree->setFocus();
    }
}

void TTreeControl::EditorEnter() {
    if (!IsEditing()) return;
    // Unhandled, the text goes into the cell.
    if (!NotifyParent(TN_EDITEND) && IsEditing()) {
        SetCellText(editRow_, editColumn_, view_->editText);
        CloseEditor();
    }
    if (IsEditing() && view_->editor) view_->editor->setFocus();
}

void TTreeControl::EditorEscape() {
    if (!IsEditing()) return;
    if (!NotifyParent(TN_EDITCANCEL)) CloseEditor();
}

// Drag and drop ----------------------------------------------------------------

void TTreeControl::SetDropHighlight(int item) {
    dropHighlight_ = validRow(item) ? item : -1;
    changed();
}

void TTreeControl::BeginDrag(bool copy) {
    if (GetSelectedItem() < 0) return;
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
    if (!validRow(item)) return;
    if (IsEditing()) EditorEscape();
    lastColumn_ = column;
    if (multi_ && (modKeys & MK_CONTROL)) {
        rows_[size_t(item)].selected = !rows_[size_t(item)].selected;
        caret_ = item;
        changed();
        NotifyParent(TN_SELCHANGE);
    } else if (caret_ == item && rows_[size_t(item)].selected && GetSelCount() == 1) {
        NotifyParent(TN_CELLACTIVATE); // a click on the selected row: edit in place
    } else {
        SelectItem(item);
        NotifyParent(TN_SELCHANGE);
    }
    if (clickCodes_ == TTreeClickCodes::CellClicks) NotifyParent(TN_CELLCLICK);
}

void TTreeControl::DoubleClickCell(int item, int column) {
    if (!validRow(item)) return;
    lastColumn_ = column;
    NotifyParent(clickCodes_ == TTreeClickCodes::CellClicks ? TN_ROWACTIVATE : TN_CELLDBLCLICK);
}

void TTreeControl::FocusGained() {
    NotifyParent(TN_SETFOCUS);
}

void TTreeControl::RightClick(int item) {
    if (validRow(item) && !rows_[size_t(item)].selected) {
        SelectItem(item);
        NotifyParent(TN_SELCHANGE);
    }
    NotifyParent(TN_RIGHTCLICK);
}

void TTreeControl::ClickExpandButton(int item) {
    if (!validRow(item)) return;
    caret_ = item;
    // Unhandled, the control toggles the row itself.
    if (!NotifyParent(TN_EXPANDBUTTON)) Expand(item, !IsExpanded(item));
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
    t->setSelectionMode(QAbstractItemView::NoSelection);
    t->setUniformRowHeights(true);
    t->setAllColumnsShowFocus(true);
    view_->tree = t;
    QObject::connect(t->header(), &QHeaderView::sectionClicked, [this](int c) { ClickHeading(c); });
    QObject::connect(t, &QTreeWidget::itemDoubleClicked, [this](QTreeWidgetItem* it, int c) {
        const int row = view_->RowOf(it);
        if (row < 0) return;
        // A double click on a row with children opens or closes it, unless
        // the parent takes every double click.
        if (HasChildren(row) && clickCodes_ == TTreeClickCodes::CellClicks)
            ClickExpandButton(row);
        else
            DoubleClickCell(row, c);
    });
    window_detail::OnEvent(t, QEvent::FocusIn, [this] { FocusGained(); });
    QObject::connect(t->verticalScrollBar(), &QScrollBar::valueChanged, [this](int) {
        if (IsEditing()) EditorEscape();
    });
    GetImpl().Adopt(t, t->viewport());
    refreshPending_ = true;
    refreshView();
}

void TTreeControl::changed() {
    if (refreshPending_ || !view_->tree) return;
    refreshPending_ = true;
    Defer([this] { refreshView(); });
}

void TTreeControl::refreshView() {
    auto* t = view_->tree.data();
    if (!t || !refreshPending_) return;
    refreshPending_ = false;
    t->clear();
    t->setColumnCount(int(columns_.size()));
    QStringList titles;
    for (const auto& c : columns_) titles << Qs(c.title);
    t->setHeaderLabels(titles);
    t->setHeaderHidden(std::all_of(columns_.begin(), columns_.end(),
                                   [](const auto& c) { return c.title.empty(); }));
    QPalette pal = t->palette();
    pal.setColor(QPalette::Base, Qc(background_));
    t->setPalette(pal);
    view_->items.assign(rows_.size(), nullptr);
    std::vector<QTreeWidgetItem*> parents; // by level
    for (size_t i = 0; i < rows_.size(); ++i) {
        const auto& r = rows_[i];
        const size_t level = std::min(size_t(r.level), parents.size());
        auto* it = level == 0 ? new QTreeWidgetItem(t) : new QTreeWidgetItem(parents[level - 1]);
        parents.resize(level);
        parents.push_back(it);
        for (size_t c = 0; c < r.cells.size(); ++c) {
            const auto& cellData = r.cells[c];
            it->setText(int(c), Qs(cellData.text));
            it->setTextAlignment(int(c), columns_[c].align == TTreeColumn::Right
                                             ? Qt::AlignRight | Qt::AlignVCenter
                                         : columns_[c].align == TTreeColumn::Center
                                             ? Qt::AlignCenter
                                             : Qt::AlignLeft | Qt::AlignVCenter);
            const bool marked = r.selected || int(i) == dropHighlight_;
            const QBrush markBack = selectionColors_ ? QBrush(Qc(selectionColors_->background))
                                                     : t->palette().highlight();
            const QBrush markText = selectionColors_ ? QBrush(Qc(selectionColors_->text))
                                                     : t->palette().highlightedText();
            it->setBackground(int(c), marked ? markBack : QBrush(Qc(cellData.colors.background)));
            it->setForeground(int(c), marked ? markText : QBrush(Qc(cellData.colors.text)));
            if (cellData.picture)
                if (const auto* pic = FindPicture(cellData.picture))
                    it->setIcon(int(c), RenderPicture(*pic, 16));
        }
        view_->items[i] = it;
    }
    for (size_t i = 0; i < rows_.size(); ++i) view_->items[i]->setExpanded(rows_[i].expanded);
    int x = 0;
    for (size_t c = 0; c < columns_.size(); ++c) {
        const int w =
            columns_[c].width >= 0 ? columns_[c].width : std::max(40, t->viewport()->width() - x);
        t->setColumnWidth(int(c), w);
        x += w;
    }
    if (validRow(caret_))
        t->setCurrentItem(view_->items[size_t(caret_)], 0, QItemSelectionModel::NoUpdate);
}

void TTreeControl::EvLButtonDown(uint32_t modKeys, TPoint p) {
    const int row = ItemAt(p);
    if (row < 0) {
        if (IsEditing()) EditorEscape();
        return DefaultProcessing();
    }
    // A click on the expand sign, left of the row's text.
    auto* t = view_->tree.data();
    const int indent = t->indentation() * (rows_[size_t(row)].level + 1);
    const int column = t->header()->logicalIndexAt(p.x);
    if (column == 0 && p.x < indent && HasChildren(row)) return ClickExpandButton(row);
    mouseDown_ = true;
    pressPoint_ = p;
    ClickCell(row, std::max(0, column), modKeys);
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
    auto* under = window_detail::WindowOf(QApplication::widgetAt(QPoint(screen.x, screen.y)));
    auto* target = dynamic_cast<TTreeControl*>(under);
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
