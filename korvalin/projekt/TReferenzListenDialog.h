#pragma once
// The reference lists of locations and fuels: the maker's entries, which
// stay as they are, and the user's own, which are added, edited cell by cell
// and deleted. "Verwenden" hands the chosen entry to the caller; OK writes
// the user's file, Cancel drops every change.
#include "platform/window/Dialog.h"
#include "stammwerk/modell/TReferenzSammlung.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class TMenu;
class TSftTree;
struct TTreeColumn;
struct TTreeEditorStyle;

// The texts in which the two lists differ.
struct TReferenzListenTexte {
    const char* Liste;     // "Ort" in "QTX-Ortliste", …
    const char* NeuTitel;  // caption of the name input
    const char* NameFehlt; // the input was empty
    const char* EinfuegenDoppelt;
    const char* AendernDoppelt;
    const char* LoeschenTitel;
    int Hilfe;
};

template <class T>
class TReferenzListenDialog : public TDialog {
public:
    enum : int {
        IDC_LISTE = 102,
        IDC_NEU = 103,
        IDC_VERWENDEN = 105,
        IDC_LOESCHEN = 110,
        IDC_HILFE = 9,
        CM_NEU = 12110,
        CM_LOESCHEN = 12111,
        CM_VERWENDEN = 12112,
        kBildAnwender = 1060,
    };
    ~TReferenzListenDialog() override;

    void SetupWindow() override;
    void CmOk() override;

    // Set when the dialog was left through "Verwenden".
    bool Verwenden = false;
    // The entry the list's current row stands on.
    const T& Gewaehlt() const { return gewaehlt_; }
    TReferenzSammlung<T>& Sammlung() { return *sammlung_; }
    TSftTree* Liste() const { return liste_; }

    void NeuerEintrag();
    void EintragLoeschen();
    void EintragVerwenden();
    void EditBeginnen();
    void EditAbbrechen();
    void EditBeenden();

protected:
    // breite: the dialog's width in dialog units, for the list's columns.
    TReferenzListenDialog(TWindow* parent, const char* caption, TReferenzListenTexte texte,
                          const std::filesystem::path& verzeichnis, int breite = 300);

    virtual std::vector<TTreeColumn> Spalten() const = 0;
    virtual std::string Zelle(const T& eintrag, int spalte) const = 0;
    // The editor of a cell of a user's entry; none where it is not edited.
    virtual std::optional<TTreeEditorStyle> Editor(const T& eintrag, int spalte) const = 0;
    // The message for an empty text in the column.
    virtual const char* WertFehlt(int spalte) const = 0;
    // Takes the typed text into the entry; false keeps the entry as it was.
    virtual bool Uebernehmen(T& eintrag, int spalte, const std::string& text) const = 0;

private:
    void fuellen();
    void zeileWaehlen(int zeile);
    void nehmen();
    int zeileVon(const std::string& name) const;
    bool nameVergeben(const std::string& name) const;

    TReferenzListenTexte texte_;
    std::unique_ptr<TReferenzSammlung<T>> sammlung_;
    TSftTree* liste_;
    std::unique_ptr<TMenu> menue_;
    T gewaehlt_;
    int zeile_ = -1;         // the row of the chosen entry, -1 without one
    bool geaendert_ = false; // the user's entries differ from the file
};
