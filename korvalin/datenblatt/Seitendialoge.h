#pragma once
// The two page dialogs of a data sheet: "Gehe zu Seite" (5555) jumps to a
// page of 1..N, "Seite einrichten" (32) sets the number of the first page,
// 0..100. Both hold one spin edit on the edit 101; the text is the result.
#include "platform/window/Dialog.h"

#include <string>

class TSpinEdit;

class TSeitenDialog : public TDialog {
public:
    static constexpr int IDC_SEITE = 101;
    // The number in the edit when it is one of min..max.
    static bool ZahlLesen(const std::string& text, int min, int max, int& zahl);
    const std::string& Text() const { return text_; }
    int Zahl() const { return zahl_; }

protected:
    TSeitenDialog(TWindow* parent, const TDialogResource& r, std::string text, int min, int max);
    void SetupWindow() override;
    // A typed number in the range is taken; anything else is refused with a
    // message, and the dialog stays open.
    bool CanClose() override;
    TSpinEdit* Spin;

private:
    std::string text_;
    int min_, max_;
    int zahl_ = 0;
};

class TGoToSeiteDialog : public TSeitenDialog {
public:
    TGoToSeiteDialog(TWindow* parent, const std::string& text, int seiten);
};

class TSeitenNummerierungDialog : public TSeitenDialog {
public:
    TSeitenNummerierungDialog(TWindow* parent, const std::string& text);
};
