#include "korvalin/bauteil/TFensterDialog.h"

#include "korvalin/bauteil/BauteilAnsichten.h"
#include "korvalin/bauteil/BauteilTexte.h"
#include "korvalin/bauteil/FensterFelder.h"
#include "korvalin/bauteil/TDateiWindow.h"
#include "korvalin/bauteil/TFensterBearbeitenDialog.h"
#include "korvalin/bauteil/TFensterWindow.h"
#include "korvalin/shell/KorpusZustand.h"
#include "korvalin/shell/OffeneAnsichten.h"
#include "korvalin/shell/Speicherplatz.h"
#include "korvalin/shell/TSftTree.h"
#include "korvalin/shell/korpusMDIClient.h"
#include "platform/services/MessageBox.h"
#include "platform/services/Services.h"
#include "platform/window/CheckBox.h"
#include "platform/window/CommandEnabler.h"
#include "platform/window/ControlCodes.h"
#include "platform/window/Menu.h"
#include "platform/window/PopupMenu.h"
#include "platform/window/ResponseTable.h"
#include "stammwerk/modell/TFensterDatei.h"

#include <algorithm>

namespace {

using K = TControlKind;
using D = TFensterDialog;

std::vector<TControlResource> controls() {
    return {
        {K::RadioButton, D::IDC_DIN, "DIN", {40, 7, 90, 16}, true},
        {K::RadioButton, D::IDC_QTX, "QTX", {100, 7, 150, 16}},
        {K::RadioButton, D::IDC_ANWENDER, "Anwender", {160, 7, 230, 16}},
        {K::GroupBox, 704, "", {284, 4, 286, 224}},
        {K::DefButton, IDOK, "OK", {290, 4, 330, 18}},
        {K::Button, D::IDC_EINFUEGEN, "Einfügen", {290, 26, 330, 40}},
        {K::Button, D::IDC_KOPIEREN, "Kopieren", {290, 48, 330, 62}},
        {K::Button, D::IDC_AENDERN, "Ändern", {290, 70, 330, 84}},
        {K::Button, D::IDC_LOESCHEN, "Löschen", {290, 92, 330, 106}},
        {K::Button, D::IDC_NAME_AENDERN, "Name", {290, 114, 330, 128}},
        {K::Button, D::IDC_INFO, "Info", {290, 136, 330, 150}},
        {K::Button, 9, "Hilfe", {290, 158, 330, 172}},
        {K::Button, D::IDC_AUSGABE, "Ausgabe", {290, 180, 332, 192}},
    };
}

constexpr int kNurAnwender[] = {D::IDC_EINFUEGEN, D::IDC_AENDERN, D::IDC_LOESCHEN,
                                D::IDC_NAME_AENDERN};

void warnung(const char* text, const char* titel) {
    MessageBox(text, titel, MB_OK | MB_ICONEXCLAMATION);
}

TRFenster* nachSchluessel(TFensterDatei* katalog, const TFensterSchluessel& s) {
    if (katalog)
        for (const TRFenster& f : katalog->Liste())
            if (f.Schluessel == s) return const_cast<TRFenster*>(&f);
    return nullptr;
}

} // namespace

TFensterDialog::TFensterDialog(TWindow* parent)
    : TFensterBasisDialog(parent, "", controls(), &schluessel_) {
    menue_ = std::make_unique<TMenu>(std::vector<TMenuResource>{MenuPopup(
        "Datei bearbeiten", {MenuItem(CM_EINFUEGEN, "Einfügen"), MenuItem(CM_KOPIEREN, "Kopieren"),
                             MenuItem(CM_AENDERN, "Ändern"), MenuItem(CM_LOESCHEN, "Löschen"),
                             MenuItem(CM_NAME, "Name"), MenuItem(CM_INFO, "Info"), MenuSeparator(),
                             MenuItem(CM_DATENBLATT_POPUP, "Datenblatt")})});
    auto& r = Responses();
    for (auto [a, b, f] : {std::tuple{int(IDC_EINFUEGEN), int(CM_EINFUEGEN), &D::Einfuegen},
                           {int(IDC_KOPIEREN), int(CM_KOPIEREN), &D::Kopieren},
                           {int(IDC_AENDERN), int(CM_AENDERN), &D::Aendern},
                           {int(IDC_LOESCHEN), int(CM_LOESCHEN), &D::Loeschen},
                           {int(IDC_NAME_AENDERN), int(CM_NAME), &D::Umbenennen}}) {
        r.Command(a, [this, g = f] { (this->*g)(); });
        r.Command(b, [this, g = f] { (this->*g)(); });
    }
    r.Command(IDC_AUSGABE, [this] { Ausgeben(); });
    r.Command(CM_INFO, [this] { FensterInfo(); });
    r.Command(CM_DATENBLATT_POPUP, [this] { EvCommand(CM_DATENBLATT, 0, 0); });
    for (int id : {int(IDC_DIN), int(IDC_QTX), int(IDC_ANWENDER)})
        r.Command(id, [this] { DateiWechseln(); });
    r.Command(9, [] { HilfeZeigen(1118); });
    r.Notify(IDC_LISTE, TN_ROWACTIVATE, [this] {
        if (Datei() == 2) Aendern();
    });
    r.Notify(IDC_LISTE, TN_RIGHTCLICK, [this] { kontextmenue(); });
    for (int id : {int(CM_EINFUEGEN), int(CM_AENDERN), int(CM_LOESCHEN), int(CM_NAME)})
        r.CommandEnable(id, [this](TCommandEnabler& ce) { ce.Enable(Datei() == 2); });
}

TFensterDialog::~TFensterDialog() = default;

void TFensterDialog::SetupWindow() {
    TFensterBasisDialog::SetupWindow();
    Item<TCheckBox>(IDC_DIN)->SetCheck(BF_CHECKED);
    Item<TCheckBox>(IDC_QTX)->SetCheck(BF_UNCHECKED);
    Item<TCheckBox>(IDC_ANWENDER)->SetCheck(BF_UNCHECKED);
    InhaltAktualisieren();
    for (int id : kNurAnwender) GetDlgItem(id)->EnableWindow(false);
}

void TFensterDialog::Anordnen(int breite, int hoehe) {
    // "Ausgabe" keeps 9 pixels to the right edge and stands at the bottom.
    const TRect a = Entwurf(IDC_AUSGABE);
    Setzen(IDC_AUSGABE, a.Offset(breite - 9 - a.right, std::max(0, hoehe - 10 - a.bottom)));
}

int TFensterDialog::Datei() const {
    if (Item<TCheckBox>(IDC_ANWENDER)->GetCheck() == BF_CHECKED) return 2;
    if (Item<TCheckBox>(IDC_QTX)->GetCheck() == BF_CHECKED) return 1;
    return 0;
}

bool TFensterDialog::FensterPasst(const TRFenster& f) const {
    return FensterQuelle(f) == Datei() && TFensterBasisDialog::FensterPasst(f);
}

void TFensterDialog::DateiWechseln() {
    for (int id : kNurAnwender) GetDlgItem(id)->EnableWindow(Datei() == 2);
    InhaltAktualisieren();
}

void TFensterDialog::kontextmenue() {
    liste_->SendMessage(WM_CANCELMODE);
    TrackPopupMenu(*menue_->GetSubMenu(0), GetMessagePos(), *this);
}

void TFensterDialog::editorOeffnen(TRFenster* fenster) {
    auto* client = dynamic_cast<korpusMDIClient*>(Client);
    if (!client) client = Korpus().Client;
    if (client && fenster) FensterEditorOeffnen(*client, fenster, nullptr, false);
}

void TFensterDialog::Einfuegen() {
    if (liste_->GetSelCount() != 1) {
        warnung("Wählen Sie genau ein Fenster aus, vor dem das neue Fenster eingefügt werden soll!",
                "Fenster einfügen");
        return;
    }
    auto neu = std::make_unique<TRFenster>();
    schluessel_.Katalog = uint16_t(Datei());
    neu->Schluessel = schluessel_;
    const auto name =
        Input().InputBox("Fenstername eingeben ", "Name", neu->Name, TRFenster::kNameWidth - 1);
    if (!name) {
        AuswahlAktualisieren();
        return;
    }
    if (!PruefeSpeicherplatz(neu->Speicherbedarf() + 512, "Fenster einfügen")) return;
    neu->Name = Abschneiden(*name, TRFenster::kNameWidth);
    Bezeichnung(*neu) = neu->Name;
    TFensterDatei* katalog = FensterKatalog();
    if (!katalog || !katalog->Einfuegen(neu)) {
        KatalogFehler(FehlerVon(katalog), "Fenster wurde nicht eingefügt!", "Fenster einfügen");
        return;
    }
    InhaltAktualisieren();
    editorOeffnen(nachSchluessel(katalog, schluessel_));
    liste_->SetFocus();
}

void TFensterDialog::Kopieren() {
    if (!GenauEinFenster()) {
        warnung("Wählen Sie genau ein Fenster aus, das Sie kopieren wollen!", "Fenster kopieren");
        return;
    }
    const TRFenster& quelle = *Ausgewaehlt()[0];
    TFensterDatei* katalog = FensterKatalog();
    auto kopie = std::make_unique<TRFenster>(quelle);
    if (schluessel_.Katalog == 2) {
        if (!PruefeSpeicherplatz(kopie->Speicherbedarf() + 512, "Fenster kopieren")) return;
        const auto name = Input().InputBox("Fenster kopieren nach ", "Fenstername", quelle.Name,
                                           TRFenster::kNameWidth - 1);
        if (!name) return;
        kopie->Name = Abschneiden(*name, TRFenster::kNameWidth);
        // Directly behind its source.
        ++kopie->Schluessel.Position;
        schluessel_ = kopie->Schluessel;
        if (!katalog || !katalog->Einfuegen(kopie)) {
            KatalogFehler(FehlerVon(katalog), "Fenster wurde nicht eingefügt!", "Fenster einfügen");
            return;
        }
        InhaltAktualisieren();
        return;
    }
    // From the DIN or the maker's file to the top of the user's file.
    kopie->Schluessel.Katalog = 2;
    kopie->Schluessel.Gruppe = 0;
    kopie->Schluessel.Untergruppe = 0;
    kopie->Schluessel.Position = 0;
    kopie->Nummer = TRFenster::KeineNummer;
    kopie->PFensterListe.Flush();
    if (!PruefeSpeicherplatz(kopie->Speicherbedarf() + 512, "Fenster kopieren")) return;
    if (!katalog || !katalog->Einfuegen(kopie)) {
        KatalogFehler(FehlerVon(katalog), "Fenster wurde nicht eingefügt!", "Fenster einfügen");
        return;
    }
    warnung("Fenster wurde in die Anwender-Datei gespeichert!", "Fenster in Datei speichern");
}

void TFensterDialog::Aendern() {
    if (!GenauEinFenster()) {
        warnung("Wählen Sie genau ein Fenster aus, das Sie ändern wollen!", "Fenster ändern");
        return;
    }
    if (int16_t(schluessel_.Katalog) >= 0) editorOeffnen(Ausgewaehlt()[0]);
    liste_->SetFocus();
}

void TFensterDialog::Loeschen() {
    if (Ausgewaehlt().empty()) {
        warnung("Kein Fenster ausgewählt!", "Fenster löschen");
        return;
    }
    const std::string frage = "Sie haben " + std::to_string(Ausgewaehlt().size()) +
                              " Fenster ausgewählt. \nAusgewählte Fenster aus Datei löschen?";
    if (MessageBox(frage, "Fenster löschen", MB_OKCANCEL | MB_ICONEXCLAMATION) != IDOK) return;
    AnsichtSchliessen(Korpus().Ansichten.FnstAusDatei);
    TISListImp<TRFenster> weg;
    for (TRFenster* f : Ausgewaehlt()) {
        if (auto* c = Korpus().Client)
            if (auto* editor = FensterEditorSuchen(*c, f)) {
                TWindow* w = editor->Fenster;
                std::erase(c->Ansichten.FensterEditoren, w);
                AnsichtSchliessen(w);
            }
        weg.Add(std::make_unique<TRFenster>(*f));
    }
    const int datei = Datei();
    TFensterDatei* katalog = FensterKatalog();
    if (!katalog || !katalog->Loeschen(weg, datei)) {
        KatalogFehler(FehlerVon(katalog), "Fenster wurde nicht gelöscht!", "Fenster löschen");
        return;
    }
    AuswahlAktualisieren();
    InhaltAktualisieren();
}

void TFensterDialog::Umbenennen() {
    if (!GenauEinFenster()) {
        warnung("Wählen Sie genau ein Fenster aus, das Sie umbenennen wollen!",
                "Fenster umbenennen");
        return;
    }
    if (int16_t(schluessel_.Katalog) < 0) return;
    TRFenster* f = Ausgewaehlt()[0];
    const auto name = Input().InputBox("Fenster umbenennen ", "Neuer Fenstername", f->Name,
                                       TRFenster::kNameWidth - 1);
    if (!name) return;
    // A failed write keeps the old name, so that the list equals the file.
    TFensterDatei* katalog = FensterKatalog();
    if (!katalog || !katalog->Umbenennen(f, Abschneiden(*name, TRFenster::kNameWidth)))
        KatalogFehler(FehlerVon(katalog), "Fenster wurde nicht umbenannt!", "Fenster umbenennen");
    InhaltAktualisieren();
}

void TFensterDialog::Ausgeben() {
    if (Ausgewaehlt().empty()) {
        warnung("Kein Fenster ausgewählt!", "Fenster ausgeben");
        return;
    }
    FensterDateiAusgeben(Ausgewaehlt());
}

bool TFensterDialog::CanClose() {
    if (!TDialog::CanClose()) return false;
    auto* c = Korpus().Client;
    if (c) {
        auto& a = c->Ansichten;
        std::vector<TWindow*> bleiben;
        for (TWindow* w : std::vector<TWindow*>(a.FensterDaten)) {
            auto* t = dynamic_cast<TypAnsicht*>(w);
            if (t && t->ZeigtKatalogeintrag())
                AnsichtSchliessen(w);
            else
                bleiben.push_back(w);
        }
        a.FensterDaten = std::move(bleiben);
        for (TWindow* w : std::vector<TWindow*>(a.FensterEditoren)) {
            auto* f = dynamic_cast<TFensterWindow*>(w);
            if (!f || f->Dialog()->Bearbeitet()->Nummer != TRFenster::KeineNummer) continue;
            if (!f->Dialog()->CanClose()) {
                f->BringWindowToTop();
                return false;
            }
            std::erase(a.FensterEditoren, w);
            AnsichtSchliessen(w);
        }
    }
    AnsichtSchliessen(Korpus().Ansichten.FnstAusDatei);
    return true;
}

void TFensterDialog::CmOk() {
    if (Fenster)
        Fenster->CloseWindow();
    else if (CanClose())
        EndDialog(IDOK);
}

void FensterDateiOeffnen(korpusMDIClient& client) {
    DateiWindowOeffnen(client, client.FensterDateiFenster, "Fenster-Datei",
                       [] { return new TFensterDialog(); });
}
