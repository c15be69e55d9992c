#pragma once
// A text entry: one line or several, with a limit in characters, read-only,
// a modified flag and an optional validator. Characters without a
// Windows-1252 form are refused as they are typed. A one-line edit that gets
// the focus sends EN_SETFOCUS. The user's changes send
// EN_UPDATE, then EN_CHANGE. A multi-line edit's lines end in CR LF; soft
// line breaks (CR CR LF) in a text it is given are dropped, so it holds and
// gives plain text.
#include "platform/window/Control.h"
#include "platform/window/Validator.h"

#include <memory>

class TEdit : public TControl {
public:
    // textLimit counts the terminating zero, as the buffer size (0: none).
    TEdit(TWindow* parent, int id, unsigned textLimit = 0, bool multiline = false);
    TEdit(TWindow* parent, int id, std::string_view text, int x, int y, int w, int h,
          unsigned textLimit = 0, bool multiline = false);

    std::string GetText() const;
    void SetText(std::string_view text);
    void SetWindowText(std::string_view text) override { SetText(text); }
    std::string GetWindowText() const override { return GetText(); }
    void LimitText(unsigned textLimit);
    unsigned GetTextLimit() const { return textLimit_; }
    void SetReadOnly(bool readOnly);
    bool IsReadOnly() const { return readOnly_; }
    bool IsModified() const { return modified_; }
    void ClearModify() { modified_ = false; }
    void SetSelection(int start, int end);
    // Selection by position, for dialogs that insert into a field: the
    // selection's ends in characters (start == end: the caret), and what
    // typing over it would do.
    void GetSelection(int& start, int& end) const;
    void ReplaceSelection(std::string_view text);
    bool IsMultiLine() const { return multiline_; }
    // The lines as the edit shows them: wrapped at its width when multi-line.
    int GetNumLines() const;
    std::string GetLine(int lineNumber) const;
    // A one-line number field with up and down arrows beside it (the edit's
    // own vertical scroll bar), right-aligned: the arrows send WM_VSCROLL
    // with SB_LINEUP / SB_LINEDOWN to the edit itself. Before Create.
    void ShowSpinArrows() { spinArrows_ = true; }
    // The edit owns the validator. Typing is checked by its IsValidInput
    // (refused input leaves the text as it was); leaving the field and
    // closing the dialog check IsValid and show its Error.
    void SetValidator(TValidator* validator);
    TValidator* GetValidator() const { return validator_.get(); }
    // The validator's verdict on the text; reportError shows its Error.
    bool IsValid(bool reportError);
    bool CanClose() override;
    bool Transfer(TTransferBuffer::Field& field, TTransferDirection direction) override;
    // Gaining and losing the focus notify the parent (EN_SETFOCUS, EN_KILLFOCUS).
    // What the user's typing does: replaces the text, sets the modified flag
    // and notifies the parent.
    void Type(std::string_view text);

    // The "Bearbeiten" commands, also reached by WM_UNDO, WM_CUT, WM_COPY,
    // WM_PASTE and WM_CLEAR and by the keys Ctrl+Z, X, C, V: they change the
    // text as typing does, through the clipboard service.
    void Undo();
    void Cut();
    void Copy();
    void Paste();
    void DeleteSelection();
    // Empties the whole text.
    void Clear();
    bool CanUndo() const;
    bool HasSelection() const;
    std::string GetSelectedText() const;

protected:
    void CreateNativeWidget() override;
    void EvKillFocus(HWND getFocus) override;

private:
    // Binds the edit commands and their enablers (EditCommands.cpp).
    void setupEditCommands();
    // The validator's word on typed text; it may correct the text.
    bool acceptTyped(std::string& text, bool appending);
    void createMultiLine(class QWidget* parent);
    void createSingleLine(class QWidget* parent);
    void notifyChanged();
    unsigned textLimit_;
    bool multiline_;
    bool spinArrows_ = false;
    bool readOnly_ = false;
    bool modified_ = false;
    bool settingText_ = false;
    std::string text_;
    std::unique_ptr<TValidator> validator_;
};
