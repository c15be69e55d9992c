#pragma once
#include <vector>
// A dialog: modal with Execute (run through the dialog service, so tests
// script it), modeless with Create. Its controls come from its resource
// description and from the control objects the derived dialog makes with the
// same ids; the transfer record fills them in SetupWindow and is filled from
// them by CmOk.
#include "platform/window/DialogResource.h"
#include "platform/window/TransferBuffer.h"
#include "platform/window/Window.h"

class TControl;

class TDialog : public TWindow {
public:
    TDialog(TWindow* parent, const TDialogResource& resource);
    ~TDialog() override;

    // IDOK, IDCANCEL or what EndDialog was given; -1 when it could not run.
    virtual int Execute();
    bool IsModal() const { return modal_; }
    void SetupWindow() override;
    void EndDialog(int retValue);
    void CloseWindow(int retValue = 0) override;
    void EvClose() override { CmCancel(); }
    virtual void CmOk();
    virtual void CmCancel();

    void SetTransferBuffer(TTransferBuffer* buffer) { transfer_ = buffer; }
    // False when a field does not match its control's kind.
    bool TransferData(TTransferDirection direction);
    TControl* GetDlgItem(int id) const;
    template <class T>
    T* Item(int id) const {
        return dynamic_cast<T*>(GetDlgItem(id));
    }
    // Dialog units to pixels by the dialog font's average character.
    TRect MapDialogRect(const TRect& units) const;
    void SetDefaultButton(int id);
    int GetDefaultButton() const { return defaultId_; }
    int Result() const { return result_; }
    bool Ended() const { return ended_; }
    const TDialogResource& Resource() const { return resource_; }
    // The smallest size the user can drag the dialog to (WM_GETMINMAXINFO).
    void SetMinimumSize(TSize size);
    TSize GetMinimumSize() const { return minSize_; }
    // A page inside another window (the resource's embedded flag).
    bool IsEmbedded() const { return resource_.embedded; }

    // The dialog's next tab stop after control (the one before it when
    // previous), wrapping, among the dialog's own controls (not those of
    // dialogs embedded in it); from the start or the end when control is
    // null; null when the dialog has none. As Windows' GetNextDlgTabItem.
    TWindow* GetNextDlgTabItem(TWindow* control, bool previous = false) const;
    // Alt+letter among the dialog's own controls: from the focus on, the
    // first button or label whose text marks the letter with "&" (compared
    // in upper case). A button is clicked, a label gives the focus to the
    // tab stop after it. False when none has it.
    bool ActivateMnemonic(char32_t letter);

    // For the dialog service: makes the window as a modal dialog.
    bool CreateModal();
    // The Qt loop of the real service.
    int RunModalLoop();

protected:
    void CreateNativeWidget() override;

private:
    void makeResourceControls();
    void orderResourceControls(const TWindow* firstMade);
    // WM_NEXTDLGCTL: lParam nonzero: focus to the control with the handle in
    // wParam; otherwise to the next (wParam 0) or previous tab stop.
    TResult nextDlgCtl(WPARAM wParam, LPARAM lParam);
    TDialogResource resource_;
    // The control of each resource entry; several entries may share an id
    // (labels, frames), so the entry, not the id, names its control.
    std::vector<TControl*> resourceControls_;
    TTransferBuffer* transfer_ = nullptr;
    bool modal_ = false;
    bool ended_ = false;
    int result_ = -1;
    int defaultId_ = 0;
    TSize minSize_;
};

// The modal loop behind Execute: Qt's, or a test's script.
class DialogService {
public:
    virtual ~DialogService() = default;
    virtual int Execute(TDialog& dialog) = 0;
};

// The current dialog service: the application state's, or Qt's modal loop.
DialogService& Dialogs();
