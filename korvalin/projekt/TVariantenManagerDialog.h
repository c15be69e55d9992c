#pragma once
// The variants manager (dialog resource 8000, "Varianten"): lists the
// variants of the open project, makes the chosen one current, copies and
// deletes variants with their data-sheet files, renames them in place and
// keeps each variant's comment.
#include "platform/window/Dialog.h"

#include <memory>

class TEdit;
class TMenu;
class TSftTree;
class TGesamtProjekt;

class TVariantenManagerDialog : public TDialog {
public:
    enum : int {
        IDD_VARIANTEN = 8000,
        IDC_LISTE = 200,
        IDC_KOPIEREN = 107,
        IDC_LOESCHEN = 103,
        IDC_KOMMENTAR = 108,
        CM_VARIANTE_KOPIEREN = 12101,
        CM_VARIANTE_LOESCHEN = 12102,
    };
    static constexpr int kHoechstzahl = 10; // variants of one project
    static constexpr size_t kKommentarStueck = 127;

    explicit TVariantenManagerDialog(TWindow* parent);
    ~TVariantenManagerDialog() override;
    void SetupWindow() override;
    void CmOk() override;
    void CmCancel() override;

    void Kopieren();
    void Loeschen();
    void Waehlen();
    void ListeFuellen();
    void KommentarAnzeigen();
    void KommentarSpeichern();
    void UmbenennenBeginnen();
    void UmbenennenBeenden();

    int Auswahl() const { return auswahl_; }
    TSftTree* Liste() const { return liste_; }
    TEdit* Kommentar() const { return kommentar_; }

private:
    TGesamtProjekt& projekt() const;
    void kontextmenue();

    int auswahl_ = 0;
    TSftTree* liste_;
    TEdit* kommentar_;
    std::unique_ptr<TMenu> menue_;
};
