#include "korvalin/bauteil/TBaustoffDialog.h"

#include "korvalin/bauteil/BauteilTexte.h"
#include "korvalin/bauteil/TBaustoffInfoDialog.h"
#include "korvalin/bauteil/TBaustoffSystemInfoDialog.h"
#include "korvalin/bauteil/TDateiWindow.h"
#include "korvalin/shell/Speicherplatz.h"
#include "korvalin/shell/TSftTree.h"
#include "korvalin/shell/korpusMDIClient.h"
#include "platform/services/MessageBox.h"
#include "platform/window/CheckBox.h"
#include "platform/window/CommandEnabler.h"
#include "platform/window/ControlCodes.h"
#include "platform/window/Menu.h"
#include "platform/window/PopupMenu.h"
#include "platform/window/ResponseTable.h"
#include "stammwerk/modell/TBaustoff.h"
#include "stammwerk/modell/TBaustoffDatei.h"

#include <cstdio>

namespace {

using K = TControlKind;
using D = TBaustoffDialog;

constexpr const char* kNichtEingefuegt = "Baustoff wurde nicht eingefügt!";

TDialogResource ressource() {
    TDialogResource r = TBaustoffBasisDialog::BasisRessource("Baustoff-Datei");
    r.controls.push_back({K::RadioButton, D::IDC_DIN, "DIN", {40, 6, 80, 15}, true});
    r.controls.push_back({K::RadioButton, D::IDC_QTX, "QTX", {85, 6, 125, 15}});
    r.controls.push_back({K::RadioButton, D::IDC_ANWENDER, "Anwender", {130, 6, 190, 15}});
    TDateiDialog::KnopfSpalte(r, 294, 331,
                              {{IDOK, "Schließen"},
                               {D::IDC_EINFUEGEN, "Einfügen"},
                               {D::IDC_AENDERN, "Ändern"},
                               {D::IDC_LOESCHEN, "Löschen"},
                               {D::IDC_KOPIEREN, "Kopieren"},
                               {D::IDC_INFO, "Info"},
                               {IDHELP, "Hilfe"}});
    return r;
}

} // namespace

TBaustoffDialog::TBaustoffDialog(TWindow* parent)
    : TBaustoffBasisDialog(parent, ressource()),
      menue_(std::make_unique<TMenu>(std::vector<TMenuResource>{MenuPopup(
          "Datei bearbeiten", {MenuItem(CM_EINFUEGEN, "Einfügen"),
                               MenuItem(CM_KOPIEREN, "Kopieren"), MenuItem(CM_AENDERN, "Ändern"),
                               MenuItem(CM_LOESCHEN, "Löschen"), MenuItem(CM_INFO, "Info")})})) {
    auto& r = Responses();
    r.Command(IDHELP, [] { HilfeZeigen(1110); });
    for (int id : {int(IDC_EINFUEGEN), int(CM_EINFUEGEN)}) r.Command(id, [this] { Einfuegen(); });
    for (int id : {int(IDC_KOPIEREN), int(CM_KOPIEREN)}) r.Command(id, [this] { Kopieren(); });
    for (int id : {int(IDC_AENDERN), int(CM_AENDERN)}) r.Command(id, [this] { Aendern(); });
    for (int id : {int(IDC_LOESCHEN), int(CM_LOESCHEN)}) r.Command(id, [this] { Loeschen(); });
    r.Command(CM_INFO, [this] { BaustoffInfo(); });
    for (int id : {int(IDC_DIN), int(IDC_QTX), int(IDC_ANWENDER)})
        r.Command(id, [this] { KatalogWechseln(); });
    r.Notify(IDC_GRUPPEN, LBN_SELCHANGE, [this] {
        knoepfeSchalten();
        InhaltAktualisieren();
    });
    r.Notify(IDC_LISTE, TN_ROWACTIVATE, [this] {
        if (Katalog() == 2) Aendern();
    });
    r.Notify(IDC_LISTE, TN_RIGHTCLICK, [this] {
        Liste()->SendMessage(WM_CANCELMODE);
        TrackPopupMenu(*menue_->GetSubMenu(0), GetMessagePos(), *this);
    });
    const auto anwender = [this](TCommandEnabler& ce) { ce.Enable(Katalog() == 2); };
    r.CommandEnable(CM_EINFUEGEN,
                    [this](TCommandEnabler& ce) { ce.Enable(Katalog() == 2 && gruppe() != 0); });
    r.CommandEnable(CM_AENDERN, anwender);
    r.CommandEnable(CM_LOESCHEN, anwender);
}

TBaustoffDialog::~TBaustoffDialog() = default;

void TBaustoffDialog::SetupWindow() {
    TBaustoffBasisDialog::SetupWindow();
    const int knopf = Entwurf(IDOK).Width();
    std::vector<Anker> anker = basisAnker(knopf);
    for (int id : {int(IDOK), int(IDC_EINFUEGEN), int(IDC_AENDERN), int(IDC_LOESCHEN),
                   int(IDC_KOPIEREN), int(IDC_INFO), int(IDHELP)})
        anker.push_back({id, 15, -1, true});
    anker.push_back({605, 35 + knopf, 10});
    anker.push_back({IDC_LISTE, 40 + knopf, 15});
    Verankern(anker);
    Item<TCheckBox>(IDC_DIN)->SetCheck(BF_CHECKED);
    Item<TCheckBox>(IDC_QTX)->SetCheck(BF_UNCHECKED);
    Item<TCheckBox>(IDC_ANWENDER)->SetCheck(BF_UNCHECKED);
    InhaltAktualisieren();
    knoepfeSchalten();
}

int TBaustoffDialog::Katalog() const {
    if (Item<TCheckBox>(IDC_ANWENDER)->GetCheck() == BF_CHECKED) return 2;
    if (Item<TCheckBox>(IDC_QTX)->GetCheck() == BF_CHECKED) return 1;
    return 0;
}

bool TBaustoffDialog::BaustoffPasst(const TBaustoff& b) {
    return b.Schluessel.Katalog == Katalog() && TBaustoffBasisDialog::BaustoffPasst(b);
}

void TBaustoffDialog::knoepfeSchalten() {
    const bool anwender = Katalog() == 2;
    GetDlgItem(IDC_EINFUEGEN)->EnableWindow(anwender && gruppe() != 0);
    GetDlgItem(IDC_AENDERN)->EnableWindow(anwender);
    GetDlgItem(IDC_LOESCHEN)->EnableWindow(anwender);
}

void TBaustoffDialog::KatalogWechseln() {
    knoepfeSchalten();
    InhaltAktualisieren();
}

bool TBaustoffDialog::bearbeiten(TBaustoff& b) {
    if (b.Schluessel.IsSystemBaustoff())
        return TBaustoffSystemInfoDialog(this, b, false).Execute() == IDOK;
    return TBaustoffInfoDialog(this, b, false).Execute() == IDOK;
}

void TBaustoffDialog::Einfuegen() {
    if (Liste()->GetSelCount() != 1) {
        Warnung("Wählen Sie genau einen Baustoff aus, vor dem der neue Baustoff eingefügt werden "
                "soll!",
                "Baustoff einfügen");
        return;
    }
    auto b = std::make_unique<TBaustoff>();
    b->Schluessel = AktuellerSchluessel;
    b->Schluessel.Katalog = uint16_t(Katalog());
    b->GrafikArt = uint16_t(SchraffurDerGruppe(int16_t(b->Schluessel.Gruppe)));
    b->VoreinstellungSpezifischeWaermekapazitaet();
    if (!bearbeiten(*b)) {
        AuswahlAktualisieren();
        return;
    }
    if (!PruefeSpeicherplatz(b->Speicherbedarf() + 512, "Baustoff einfügen")) return;
    const TBaustoffSchluessel neu = b->Schluessel;
    if (!katalog() || !katalog()->Einfuegen(b)) {
        KatalogFehler(FehlerVon(katalog()), kNichtEingefuegt, "Baustoff einfügen");
        return;
    }
    AktuellerSchluessel = neu;
    InhaltAktualisieren();
}

void TBaustoffDialog::Kopieren() {
    if (Ausgewaehlt().size() != 1 || Liste()->GetSelCount() > 1) {
        Warnung("Wählen Sie genau einen Baustoff aus, den Sie kopieren wollen!",
                "Baustoff kopieren");
        return;
    }
    const TBaustoff& quelle = *Ausgewaehlt()[0];
    TBaustoffDatei* k = katalog();
    auto kopie = std::make_unique<TBaustoff>(quelle);
    if (AktuellerSchluessel.Katalog == 2) {
        if (!bearbeiten(*kopie)) return;
        if (!PruefeSpeicherplatz(kopie->Speicherbedarf() + 512, "Baustoff kopieren")) return;
        kopie->Schluessel.Position = uint16_t(quelle.Schluessel.Position + 1);
        AktuellerSchluessel = kopie->Schluessel;
        if (!k || !k->Einfuegen(kopie)) {
            KatalogFehler(FehlerVon(k), kNichtEingefuegt, "Baustoff einfügen");
            return;
        }
        InhaltAktualisieren();
        return;
    }
    // From the DIN or the maker's catalogue into the user's, at the end of its group.
    kopie->Schluessel.Katalog = 2;
    kopie->Schluessel.Untergruppe = 0;
    kopie->Schluessel.Position = uint16_t(k->Baustoffe().GetItemsInContainer());
    if (!k->Einfuegen(kopie))
        KatalogFehler(FehlerVon(k), "Baustoff konnte nicht gespeichert werden!",
                      "Baustoff speichern", "Fehler! ");
    else
        Warnung("Baustoff wurde in Anwender-Datei gespeichert!", "Baustoff speichern");
}

void TBaustoffDialog::Aendern() {
    if (Ausgewaehlt().size() != 1 || Liste()->GetSelCount() > 1) {
        Warnung("Wählen Sie genau einen Baustoff aus, den Sie ändern wollen!", "Baustoff ändern");
        return;
    }
    if (int16_t(AktuellerSchluessel.Katalog) < 0) {
        Warnung("Baustoff nicht gefunden!", "Datei-Fehler");
        return;
    }
    const TBaustoff* quelle = Ausgewaehlt()[0];
    TBaustoff kopie = *quelle;
    if (!bearbeiten(kopie)) return;
    const int mehr = kopie.Speicherbedarf() - quelle->Speicherbedarf();
    if (mehr > 0 && !PruefeSpeicherplatz(mehr, "Baustoff ändern")) return;
    // A failed write puts the old values back, so that memory equals the file.
    if (!katalog()->Aendern(quelle, kopie))
        KatalogFehler(FehlerVon(katalog()), "Änderungen wurden nicht gespeichert!",
                      "Baustoff speichern");
    InhaltAktualisieren();
}

void TBaustoffDialog::Loeschen() {
    if (Ausgewaehlt().empty()) {
        Warnung("Kein Baustoff ausgewählt!", "Baustoff löschen");
        return;
    }
    char frage[200];
    std::snprintf(frage, sizeof frage, "%s%d%s", "Sie haben ", int(Ausgewaehlt().size()),
                  " Baustoff(e) ausgewählt. \nAusgewählte Baustoffe aus Datei löschen?");
    if (Warnung(frage, "Baustoff löschen", MB_OKCANCEL) != IDOK) return;
    TISListImp<TBaustoff> weg;
    for (const TBaustoff* b : Ausgewaehlt()) weg.Add(*b);
    if (!katalog()->Loeschen(weg, Katalog())) {
        KatalogFehler(FehlerVon(katalog()), "Baustoff wurde nicht gelöscht!", "Baustoff löschen");
        return;
    }
    AuswahlAktualisieren();
    InhaltAktualisieren();
}

void BaustoffDateiOeffnen(korpusMDIClient& client) {
    if (!client.BaustoffDateiFenster && client.BaustoffWahlFenster)
        client.BaustoffWahlFenster->CloseWindow(); // asks it first
    DateiWindowOeffnen(client, client.BaustoffDateiFenster, "Baustoff-Datei",
                       [] { return new TBaustoffDialog(nullptr); });
}
