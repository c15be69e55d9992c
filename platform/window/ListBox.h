#pragma once
// A list box of strings with one selected entry, or several when made with
// multipleSelection. Index -1 means none; LB_ERR is returned for a bad index.
#include "platform/window/Control.h"

#include <vector>

enum : int { LB_ERR = -1 };

class TListBox : public TControl {
public:
    TListBox(TWindow* parent, int id, int x = -1, int y = -1, int w = 0, int h = 0,
             bool multipleSelection = false);

    int AddString(std::string_view text);
    // At index, or at the end for -1.
    int InsertString(std::string_view text, int index);
    int DeleteString(int index);
    void ClearList();
    int GetCount() const { return int(items_.size()); }
    std::string GetString(int index) const;
    int GetSelIndex() const;
    int SetSelIndex(int index);
    int GetSelCount() const;
    std::vector<int> GetSelIndexes() const;
    int SetSel(int index, bool select);
    int GetTopIndex() const;
    int SetTopIndex(int index);
    int GetItemHeight() const;
    // Rows that fit in the client area.
    int VisibleRows() const;
    bool Transfer(TTransferBuffer::Field& field, TTransferDirection direction) override;

protected:
    void CreateNativeWidget() override;

private:
    void syncSelection();
    std::vector<std::string> items_;
    std::vector<bool> selected_;
    bool multiple_;
    int top_ = 0;
};
