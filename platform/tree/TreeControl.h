#pragma once
// The multi-column tree and list control: rows in one flat order, each with a
// level (0, 1, 2), an expanded state, a mark text shown in the row header,
// a text and colours per cell and an optional picture; single or multiple
// selection, a caret, a top row; an in-place editor over a cell; drag and drop
// within and between controls. User actions reach the parent as TTreeNotify
// codes. Rows and columns count from 0; -1 means none or the end. A change
// of a cell or of the selection redraws only the rows it touches.
#include "platform/tree/TreeTypes.h"
#include "platform/window/Control.h"

#include <optional>
#include <vector>

class TTreeControl : public TControl {
public:
    TTreeControl(TWindow* parent, int id, int x = -1, int y = -1, int w = 0, int h = 0);
    ~TTreeControl() override;

    // Rows.
    int AddItem(std::string_view text);
    int InsertItem(int position, std::string_view text);
    bool DeleteItem(int item);
    void DeleteAll();
    int GetCount() const { return int(rows_.size()); }
    bool SetLevel(int item, int level);
    int GetLevel(int item) const;
    bool IsExpanded(int item) const;
    // allLevels: the rows below follow.
    bool Expand(int item, bool expand, bool allLevels = false);
    // False when a collapsed row above hides it.
    bool IsShown(int item) const;
    bool HasChildren(int item) const;
    // The text of the row header beside the row ("Innen", "Summe").
    bool SetMarkText(int item, std::string_view text);
    std::string GetMarkText(int item) const;

    // Columns and cells.
    void SetColumns(std::vector<TTreeColumn> columns);
    const std::vector<TTreeColumn>& GetColumns() const { return columns_; }
    bool SetColumnTitle(int column, std::string_view title);
    // The row header shows while it has a title or a row has a mark text.
    void SetRowHeaderTitle(std::string_view title);
    const std::string& GetRowHeaderTitle() const { return rowHeaderTitle_; }
    bool IsRowHeaderShown() const;
    // The width the column has on screen (a -1 column's share of the rest);
    // widths the user dragged are kept in GetColumns.
    int GetColumnWidth(int column) const;
    // Widens every column to its contents.
    void FitColumns();
    bool SetCellText(int item, int column, std::string_view text);
    std::optional<std::string> GetCellText(int item, int column) const;
    bool SetCellColors(int item, int column, TTreeCellColors colors);
    std::optional<TTreeCellColors> GetCellColors(int item, int column) const;
    // A picture registered with RegisterPicture; 0 removes it.
    bool SetCellPicture(int item, int column, int pictureId);
    int GetCellPicture(int item, int column) const;
    // Pictures before the first cell of every row without a cell picture of
    // its own: a row with children closed or open, and a row without; 0: none.
    void SetItemPictures(int closed, int open, int leaf);
    // The picture the row shows before its first cell, 0 for none.
    int GetItemPicture(int item) const;
    void SetBackgroundColor(TColor color);
    // Colours of the selected rows; without them the desktop's highlight.
    void SetSelectionColors(std::optional<TTreeCellColors> colors);
    std::optional<TTreeCellColors> GetSelectionColors() const { return selectionColors_; }
    void SetClickCodes(TTreeClickCodes codes) { clickCodes_ = codes; }
    TTreeClickCodes GetClickCodes() const { return clickCodes_; }
    TColor GetBackgroundColor() const { return background_; }

    // Selection and caret.
    void SetMultiSelect(bool multi) { multi_ = multi; }
    int GetCaret() const { return caret_; }
    int SetCaret(int item);
    int GetSelectedItem() const;
    // Selects only this row and puts the caret on it; -1 when there is none.
    int SelectItem(int item);
    // item -1: all rows. Returns 0, or -1 for a bad row.
    int SetSelection(bool select, int item);
    int GetSelCount() const;
    std::vector<int> GetSelectedItems() const;

    // View.
    int GetTopItem() const { return top_; }
    bool SetTopItem(int item);
    void EnsureVisible(int item);
    void EnsureColumnVisible(int column);
    // Client coordinates; nullopt when the cell is not shown.
    std::optional<TRect> GetCellRect(int item, int column) const;
    int GetLastClickedColumn() const { return lastColumn_; }
    // The row at a client point, -1 for none.
    int ItemAt(TPoint client) const;

    // In-place editor over a cell. Enter ends the edit (TN_EDITEND), Escape
    // cancels it (TN_EDITCANCEL); the parent closes the editor when it accepts,
    // or leaves it open to refuse the text. A text that the style's validator
    // refuses stays in the editor with the validator's message, unreported.
    // In a multi-line editor Shift+Enter breaks the line.
    bool OpenEditor(int item, int column, TTreeEditorStyle style = {});
    const TTreeEditorStyle& GetEditorStyle() const { return editStyle_; }
    // The editor's own control (an edit or a combo box), null when closed.
    TControl* GetEditor() const { return editor_; }
    bool IsEditing() const { return editRow_ >= 0; }
    int EditItem() const { return editRow_; }
    int EditColumn() const { return editColumn_; }
    std::string GetEditorText() const;
    void SetEditorText(std::string_view text);
    void CloseEditor();
    void EditorEnter();
    void EditorEscape();

    // Drag and drop.
    const TTreeDragInfo& GetDragInfo() const { return drag_; }
    TTreeDragInfo& DragInfo() { return drag_; }
    // The row a drag hovers over in this control, -1 for none.
    int GetDropTarget() const { return dropTarget_; }
    // -1 removes it.
    void SetDropHighlight(int item);
    int GetDropHighlight() const { return dropHighlight_; }

    // The user's actions, as the mouse and keyboard make them.
    void ClickCell(int item, int column, uint32_t modKeys = 0);
    // A navigation key (arrows, page keys, Home, End) with MK_SHIFT for a
    // range and MK_CONTROL to move only the caret, or F2 to edit the first
    // cell of the selected row; false for other keys.
    bool PressKey(uint32_t virtualKey, uint32_t modKeys = 0);
    void DoubleClickCell(int item, int column);
    void RightClick(int item);
    // The control gained the keyboard focus.
    void FocusGained();
    void ClickExpandButton(int item);
    // Left or Right on a row with children (TN_EXPANDKEY).
    void PressExpandKey(int item);
    void ClickHeading(int column);
    void BeginDrag(bool copy);
    // Over a row of a control (this or another), or over no control (null).
    void DragOver(TTreeControl* target, int item, bool copy);
    void Drop();
    void CancelDrag();

protected:
    void CreateNativeWidget() override;
    void EvLButtonDown(uint32_t modKeys, TPoint point) override;
    void EvMouseMove(uint32_t modKeys, TPoint point) override;
    void EvLButtonUp(uint32_t modKeys, TPoint point) override;
    void EvLButtonDblClk(uint32_t modKeys, TPoint point) override;
    void EvRButtonDown(uint32_t modKeys, TPoint point) override;
    void EvSize(uint32_t sizeType, const TSize& size) override;
    void EvCancelMode() override;

private:
    struct Cell {
        std::string text;
        TTreeCellColors colors;
        int picture = 0;
    };
    struct Row {
        int level = 0;
        bool expanded = false;
        bool selected = false;
        std::string mark;
        std::vector<Cell> cells;
    };
    Cell* cell(int item, int column);
    const Cell* cell(int item, int column) const;
    bool validRow(int item) const { return item >= 0 && item < GetCount(); }
    // Rows come, go or move, or the look of all of them changed.
    void changed();
    // Only this row's cells, state or selection changed.
    void rowChanged(int item);
    void refreshView();
    void rebuildView();
    // fresh: the row's item was just made.
    void updateRow(int item, bool fresh);
    void applyWidths();
    int columnOffset() const { return rowHeaderShown_ ? 1 : 0; }
    // Selects exactly the rows from..to (either order); notifies nothing.
    void selectRange(int from, int to);
    void clickRow(int item, int column, uint32_t modKeys, bool deferActivation);
    // The shown row steps rows below (above for negative) item.
    int shownRowFrom(int item, int steps) const;
    int pageRows() const;

    std::vector<Row> rows_;
    std::vector<TTreeColumn> columns_;
    std::string rowHeaderTitle_;
    TColor background_ = TColor::White;
    std::optional<TTreeCellColors> selectionColors_;
    TTreeClickCodes clickCodes_ = TTreeClickCodes::CellClicks;
    bool multi_ = false;
    int caret_ = -1;
    int anchor_ = -1; // where a Shift range starts
    int top_ = 0;
    int lastColumn_ = 0;
    int editRow_ = -1, editColumn_ = -1;
    TTreeEditorStyle editStyle_;
    TControl* editor_ = nullptr;
    int itemPictures_[3] = {0, 0, 0};
    TTreeDragInfo drag_;
    int dropTarget_ = -1;
    int dropHighlight_ = -1;
    bool refreshPending_ = false;
    bool rebuildPending_ = false;
    std::vector<int> dirtyRows_;
    bool rowHeaderShown_ = false;
    int rowHeaderWidth_ = 0;
    bool applyingWidths_ = false;
    bool mouseDown_ = false;
    TPoint pressPoint_;
    struct View;
    View* view_ = nullptr;
};
