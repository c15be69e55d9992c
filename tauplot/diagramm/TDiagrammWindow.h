#pragma once
// What the Glaser and the temperature-profile windows share: an MDI child of
// one area range of a component type that draws only stored results, keeps
// the owner's list of open diagrams, repaints whole on a size change, and
// prints and previews itself by drawing its own Paint onto the page.
#include "platform/window/MDIChild.h"

#include <memory>
#include <string>
#include <vector>

class TPrinter;
class TPrintout;
class TRBauteil;
struct TKlima;

class TDiagrammWindow : public TMDIChild {
public:
    // openWindows: the owner's list of open diagrams of this kind, or null.
    TDiagrammWindow(TMDIClient& parent, std::string_view title, TPrinter* printer,
                    const char* projectName, TRBauteil* bauteil, int bereich, TKlima* klima,
                    std::vector<TWindow*>* openWindows);
    ~TDiagrammWindow() override;

    void SetupWindow() override;
    bool CanClose() override;
    void EvSize(uint32_t sizeType, const TSize& size) override;

    void CmFilePrint();
    void CmFilePrintSetup();
    void CmFilePrintPreview();

    TRBauteil* Bauteil() const { return Bauteil_; }
    int Bereich() const { return Bereich_; }
    // Shown maximised: the screen is narrower than 800 pixels.
    bool Maximiert() const { return maximiert_; }
    // The printer, made on first use when the owner gave none.
    TPrinter& Drucker();

    // The print-out of this window, for printing (title) and preview.
    virtual std::unique_ptr<TPrintout> Ausdruck(std::string_view title) = 0;
    // Around printing and preview: the temperature window marks the owner's printing flag.
    virtual void DruckBeginn() {}
    virtual void DruckEnde() {}

protected:
    // Leaves the list of open diagrams: a window that agreed to close may
    // stay open when another refuses.
    void CleanupWindow() override;

    TRBauteil* Bauteil_;
    int Bereich_;
    TKlima* Klima_;
    std::string Projektname;

private:
    TPrinter* drucker_;
    std::unique_ptr<TPrinter> eigenerDrucker_;
    std::vector<TWindow*>* offen_;
    bool maximiert_ = false;
};
