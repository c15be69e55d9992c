#pragma once
// A drop-down list, editable or not.
#include "platform/window/Control.h"

#include <vector>

enum : int { CB_ERR = -1 };

class TComboBox : public TControl {
public:
    TComboBox(TWindow* parent, int id, unsigned textLimit = 0, bool editable = false);

    int AddString(std::string_view text);
    int InsertString(std::string_view text, int index);
    int DeleteString(int index);
    void ClearList();
    int GetCount() const { return int(items_.size()); }
    std::string GetString(int index) const;
    int GetSelIndex() const { return sel_; }
    int SetSelIndex(int index);
    std::string GetText() const;
    void SetText(std::string_view text);
    bool IsEditable() const { return editable_; }
    bool Transfer(TTransferBuffer::Field& field, TTransferDirection direction) override;

protected:
    void CreateNativeWidget() override;

private:
    void sync();
    std::vector<std::string> items_;
    int sel_ = -1;
    std::string text_;
    unsigned textLimit_;
    bool editable_;
};
