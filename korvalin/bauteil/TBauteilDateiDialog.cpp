#include "korvalin/bauteil/TBauteilDateiDialog.h"

#include "korvalin/bauteil/BauteilAnsichten.h"
#include "korvalin/bauteil/BauteilTexte.h"
#include "korvalin/bauteil/TBauteilDialog.h"
#include "korvalin/bauteil/TBauteilWindow.h"
#include "korvalin/bauteil/TDateiWindow.h"
#include "korvalin/datenblatt/TDatenWindow.h"
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
#include "stammwerk/modell/TBauteilDatei.h"

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

using K = TControlKind;
using D = TBauteilDateiDialog;

constexpr const char* kNichtEingefuegt = "Bauteil wurde nicht eingefügt!";

TDialogResource ressource() {
    TDialogResource r = TBauteilBasisDialog::BasisRessource("Bauteil-Datei");
    r.controls.push_back({K::RadioButton, D::IDC_QTX, "QTX", {40, 6, 80, 15}, true});
    r.controls.push_back({K::RadioButton, D::IDC_ANWENDER, "Anwender", {85, 6, 140, 15}});
    r.controls.push_back({K::GroupBox, 505, "", {5, 131, 281, 236}});
    r.controls.push_back({K::Custom, D::IDC_LISTE, "", {9, 137, 277, 232}});
    TDateiDialog::KnopfSpalte(r, 294, 331,
                              {{IDOK, "Schließen"},
                               {D::IDC_EINFUEGEN, "Einfügen"},
                               {D::IDC_KOPIEREN, "Kopieren"},
                               {D::IDC_AENDERN, "Ändern"},
                               {D::IDC_LOESCHEN, "Löschen"},
                               {D::IDC_NAME_AENDERN, "Name"},
                               {D::IDC_INFO, "Info"},
                               {IDHELP, "Hilfe"},
                               {D::IDC_AUSGABE, "Ausgabe"}});
    return r;
}

// A name typed by the user: at most 29 characters.
std::optional<std::string> nameEingeben(const char* titel, const char* frage,
                                        std::string_view vorgabe) {
    auto name = Input().InputBox(titel, frage, vorgabe, TRBauteil::kNameWidth - 1);
    if (name) *name = Abschneiden(*name, TRBauteil::kNameWidth);
    return name;
}

// The open views of components that `zeigt` picks: data sheets by the
// component they show, diagrams by theirs being a catalogue entry or one
// the ObjektAnsicht answers for.
void ansichtenSchliessen(korpusMDIClient& client,
                         const std::function<bool(const TRBauteil*)>& zeigt) {
    auto& a = client.Ansichten;
    for (auto* liste : {&a.BauteilDaten, &a.PeriodenDaten, &a.VergleichDaten})
        for (TWindow* w : std::vector<TWindow*>(*liste))
            if (auto* d = dynamic_cast<TDatenWindow*>(w);
                d && (zeigt(d->Bauteil) || (!d->Vergleich2 && zeigt(d->Vergleich1)))) {
                std::erase(*liste, w);
                AnsichtSchliessen(w);
            }
}

void editorSchliessen(korpusMDIClient& client, const TRBauteil& b) {
    TBauteilDialog* editor = BauteilEditorSuchen(client, b);
    if (!editor || !editor->Fenster) return;
    TBauteilWindow* f = editor->Fenster;
    std::erase(client.Ansichten.BauteilEditoren, static_cast<TWindow*>(f));
    f->Destroy();
    client.Condemn(f);
}

} // namespace

void BauteilVorgabenSetzen(TRBauteil& b, int gruppe) {
    struct Vorgabe {
        uint16_t angrenzung;
        double rsi, rse;
        uint16_t lage;
    };
    // Index by the group list: 1 Außenwand .. 7 Außenwand/Glasvorbau.
    static const Vorgabe vorgaben[8] = {{0, 0.13, 0.04, 2}, {0, 0.13, 0.04, 2}, {0, 0.13, 0.04, 2},
                                        {2, 0.13, 0.04, 1}, {4, 0.17, 0.0, 0},  {8, 0.17, 0.04, 0},
                                        {9, 0.13, 0.13, 2}, {9, 0.13, 0.13, 2}};
    const int g = std::clamp(gruppe, 0, 7);
    b.Bauteilart = uint16_t(g == 1 ? 0 : g);
    b.Angrenzung = vorgaben[g].angrenzung;
    b.Rsi = vorgaben[g].rsi;
    b.Rse = vorgaben[g].rse;
    b.Merker3 = vorgaben[g].lage;
    if (g == 3) b.Klima.ThetaOberflaeche_V = 20.0; // °C: a roof in the sun
}

TBauteilDateiDialog::TBauteilDateiDialog(TWindow* parent)
    : TBauteilBasisDialog(parent, ressource()),
      menue_(std::make_unique<TMenu>(std::vector<TMenuResource>{
          MenuPopup("Datei bearbeiten",
                    {MenuItem(CM_EINFUEGEN, "Einfügen"), MenuItem(CM_KOPIEREN, "Kopieren"),
                     MenuItem(CM_AENDERN, "Ändern"), MenuItem(CM_LOESCHEN, "Löschen"),
                     MenuItem(CM_NAME, "Name"), MenuItem(CM_INFO, "Info"), MenuSeparator(),
                     MenuItem(CM_DATENBLATT, "Datenblatt"), MenuItem(11845, "Temperaturverlauf"),
                     MenuItem(11844, "Periodischer Wärmeübergang"),
                     MenuItem(12007, "Grafik: Temperaturverlauf"),
                     MenuItem(12008, "Grafik: Glaser-Diagramm")})})) {
    auto& r = Responses();
    r.Command(IDHELP, [] { HilfeZeigen(1111); });
    const auto befehl = [&r](std::initializer_list<int> ids, auto f) {
        for (int id : ids) r.Command(id, f);
    };
    befehl({IDC_EINFUEGEN, CM_EINFUEGEN}, [this] { Einfuegen(); });
    befehl({IDC_KOPIEREN, CM_KOPIEREN}, [this] { Kopieren(); });
    befehl({IDC_AENDERN, CM_AENDERN}, [this] { Aendern(); });
    befehl({IDC_LOESCHEN, CM_LOESCHEN}, [this] { Loeschen(); });
    befehl({IDC_NAME_AENDERN, CM_NAME}, [this] { Umbenennen(); });
    befehl({IDC_AUSGABE}, [this] { Ausgabe(); });
    befehl({CM_INFO}, [this] { BauteilInfo(); });
    for (auto [menue, anzeige] :
         {std::pair{int(CM_DATENBLATT), 2490}, std::pair{11845, 2481}, std::pair{11844, 2498},
          std::pair{12007, 2000}, std::pair{12008, 2010}})
        r.Command(menue, [this, a = anzeige] { Anzeigen(a); });
    befehl({IDC_QTX, IDC_ANWENDER}, [this] { KatalogWechseln(); });
    r.Notify(IDC_GRUPPEN, LBN_SELCHANGE, [this] { KatalogWechseln(); });
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
    for (int id : {int(CM_AENDERN), int(CM_LOESCHEN), int(CM_NAME)}) r.CommandEnable(id, anwender);
}

TBauteilDateiDialog::~TBauteilDateiDialog() = default;

void TBauteilDateiDialog::SetupWindow() {
    TBauteilBasisDialog::SetupWindow();
    const int knopf = Entwurf(IDC_LOESCHEN).Width();
    std::vector<Anker> anker = basisAnker(knopf);
    for (int id : {int(IDOK), int(IDC_EINFUEGEN), int(IDC_KOPIEREN), int(IDC_AENDERN),
                   int(IDC_LOESCHEN), int(IDC_NAME_AENDERN), int(IDC_INFO), int(IDHELP)})
        anker.push_back({id, 15, -1, true});
    anker.push_back({IDC_AUSGABE, 9, -1, true});
    anker.push_back({505, knopf + 35, 10});
    anker.push_back({IDC_LISTE, knopf + 40, 15});
    Verankern(anker);
    Item<TCheckBox>(IDC_QTX)->SetCheck(BF_CHECKED);
    Item<TCheckBox>(IDC_ANWENDER)->SetCheck(BF_UNCHECKED);
    InhaltAktualisieren();
    knoepfeSchalten();
}

int TBauteilDateiDialog::Katalog() const {
    return Item<TCheckBox>(IDC_ANWENDER)->GetCheck() == BF_CHECKED ? 2 : 1;
}

bool TBauteilDateiDialog::BauteilPasst(const TRBauteil& b) {
    return b.Schluessel.Katalog == Katalog() && TBauteilBasisDialog::BauteilPasst(b);
}

void TBauteilDateiDialog::knoepfeSchalten() {
    const bool anwender = Katalog() == 2;
    GetDlgItem(IDC_EINFUEGEN)->EnableWindow(anwender && gruppe() != 0);
    for (int id : {int(IDC_AENDERN), int(IDC_LOESCHEN), int(IDC_NAME_AENDERN)})
        GetDlgItem(id)->EnableWindow(anwender);
}

void TBauteilDateiDialog::KatalogWechseln() {
    knoepfeSchalten();
    InhaltAktualisieren();
}

void TBauteilDateiDialog::editorOeffnen(const TRBauteil* eintrag, bool typBearbeiten) {
    TRBauteil* b = katalog() ? katalog()->Eintrag(eintrag) : nullptr;
    auto* client = dynamic_cast<korpusMDIClient*>(Client);
    if (!client) client = Korpus().Client;
    if (!b || !client) return;
    const bool offen = BauteilEditorSuchen(*client, *b) != nullptr;
    TBauteilDialog* editor = BauteilEditorOeffnen(*client, b, 0, nullptr, false);
    if (editor && typBearbeiten && !offen) editor->BauteilTypBearbeiten();
    Liste()->SetFocus();
}

void TBauteilDateiDialog::Einfuegen() {
    if (Liste()->GetSelCount() != 1) {
        Warnung("Wählen Sie genau ein Bauteil aus, vor dem das neue Bauteil eingefügt werden soll!",
                "Bauteil einfügen");
        return;
    }
    auto b = std::make_unique<TRBauteil>();
    b->Schluessel = AktuellerSchluessel;
    b->Schluessel.Katalog = uint16_t(Katalog());
    const auto name = nameEingeben("Bauteilname eingeben ", "Name", b->Name);
    if (!name) return;
    b->Name = *name;
    if (!PruefeSpeicherplatz(b->Speicherbedarf() + 512, "Bauteil einfügen")) return;
    BauteilVorgabenSetzen(*b, gruppe());
    const TBauteilSchluessel neu = b->Schluessel;
    if (!katalog() || !katalog()->Einfuegen(b)) {
        KatalogFehler(FehlerVon(katalog()), kNichtEingefuegt, "Bauteil einfügen");
        return;
    }
    AktuellerSchluessel = neu;
    InhaltAktualisieren();
    const TRBauteil* eintrag =
        katalog()->Liste().FirstThat([&](const TRBauteil& x) { return x.Schluessel == neu; });
    editorOeffnen(eintrag, true);
}

void TBauteilDateiDialog::Kopieren() {
    if (Ausgewaehlt().size() != 1 || Liste()->GetSelCount() > 1) {
        Warnung("Wählen Sie genau ein Bauteil aus, das Sie kopieren wollen!", "Bauteil kopieren");
        return;
    }
    const TRBauteil& quelle = *Ausgewaehlt()[0];
    auto kopie = std::make_unique<TRBauteil>(quelle);
    if (!PruefeSpeicherplatz(kopie->Speicherbedarf() + 512, "Bauteil kopieren")) return;
    TBauteilDatei* k = katalog();
    if (AktuellerSchluessel.Katalog == 2) {
        const auto name = nameEingeben("Bauteil kopieren nach ", "Bauteilname", quelle.Name);
        if (!name) return;
        kopie->Name = *name;
        kopie->Schluessel.Position = uint16_t(quelle.Schluessel.Position + 1);
        AktuellerSchluessel = kopie->Schluessel;
        if (!k->Einfuegen(kopie)) {
            KatalogFehler(FehlerVon(k), kNichtEingefuegt, "Bauteil einfügen");
            return;
        }
        InhaltAktualisieren();
        return;
    }
    // From the maker's catalogue: the first place of its group in the user's.
    kopie->Schluessel.Katalog = 2;
    kopie->Schluessel.Untergruppe = 0;
    kopie->Schluessel.Position = 0;
    kopie->Nummer = TRBauteil::KeineNummer;
    kopie->PBauteilListe.Flush();
    if (k->Einfuegen(kopie))
        Warnung("Bauteil wurde in die Anwender-Datei gespeichert!", "Bauteil in Datei speichern");
    else
        KatalogFehler(FehlerVon(k), kNichtEingefuegt, "Bauteil einfügen");
}

void TBauteilDateiDialog::Aendern() {
    if (Ausgewaehlt().size() != 1 || Liste()->GetSelCount() > 1) {
        Warnung("Wählen Sie genau ein Bauteil aus, das Sie ändern wollen!", "Bauteil ändern");
        return;
    }
    editorOeffnen(Ausgewaehlt()[0], false);
}

void TBauteilDateiDialog::Umbenennen() {
    if (Ausgewaehlt().size() != 1 || Liste()->GetSelCount() > 1) {
        Warnung("Wählen Sie genau ein Bauteil aus, das Sie umbenennen wollen!",
                "Bauteil umbenennen");
        return;
    }
    const TRBauteil* b = Ausgewaehlt()[0];
    const auto name = nameEingeben("Bauteil umbenennen ", "Neuer Bauteilname", b->Name);
    if (!name) return;
    // A failed write keeps the old name, so that the list equals the file.
    if (!katalog()->Umbenennen(b, *name))
        KatalogFehler(FehlerVon(katalog()), "Bauteil wurde nicht umbenannt!", "Bauteil umbenennen");
    InhaltAktualisieren();
}

void TBauteilDateiDialog::Loeschen() {
    if (Ausgewaehlt().empty()) {
        Warnung("Kein Bauteil ausgewählt!", "Bauteil löschen");
        return;
    }
    char frage[200];
    std::snprintf(frage, sizeof frage, "%s%d%s", "Sie haben ", int(Ausgewaehlt().size()),
                  " Bauteil(e) ausgewählt. \nAusgewählte Bauteile aus Datei löschen?");
    if (Warnung(frage, "Bauteil löschen", MB_OKCANCEL) != IDOK) return;
    AnsichtSchliessen(Korpus().Ansichten.BtAusDatei);
    for (const TRBauteil* b : Ausgewaehlt()) {
        // Its sheets and diagrams, then its editor, without asking.
        AnsichtenSchliessen(b);
        for (const TEinfachBauteil& e : b->Flaechenanteile) AnsichtenSchliessen(&e);
        if (auto* client = Korpus().Client) {
            ansichtenSchliessen(*client, [b](const TRBauteil* x) { return x == b; });
            editorSchliessen(*client, *b);
        }
    }
    TISListImp<TRBauteil> weg;
    for (const TRBauteil* b : Ausgewaehlt()) weg.Add(*b);
    if (!katalog()->Loeschen(weg, Katalog())) {
        KatalogFehler(FehlerVon(katalog()), "Bauteil wurde nicht gelöscht!", "Bauteil löschen");
        return;
    }
    AuswahlUebernehmen();
    InhaltAktualisieren();
}

void TBauteilDateiDialog::Ausgabe() {
    if (Ausgewaehlt().empty()) {
        Warnung("Kein Bauteil ausgewählt!", "Bauteile ausgeben");
        return;
    }
    BauteilDateiAusgeben(Ausgewaehlt());
}

bool TBauteilDateiDialog::CanClose() {
    if (!TBauteilBasisDialog::CanClose()) return false;
    AnsichtSchliessen(Korpus().Ansichten.BtAusDatei);
    auto* client = Korpus().Client;
    if (!client) return true;
    // The sheets and diagrams of catalogue entries go without asking.
    ansichtenSchliessen(
        *client, [](const TRBauteil* x) { return x && x->Nummer == TRBauteil::KeineNummer; });
    auto& a = client->Ansichten;
    for (auto* liste : {&a.GlaserDiagramme, &a.TempDiagramme})
        for (TWindow* w : std::vector<TWindow*>(*liste))
            if (auto* t = dynamic_cast<TypAnsicht*>(w); t && t->ZeigtKatalogeintrag()) {
                std::erase(*liste, w);
                AnsichtSchliessen(w);
            }
    const std::vector<TWindow*> editoren = client->Ansichten.BauteilEditoren;
    for (TWindow* w : editoren) {
        auto* f = dynamic_cast<TBauteilWindow*>(w);
        if (!f || !f->Dialog() || !f->Dialog()->Bauteil() || f->Dialog()->Projektmodus) continue;
        if (!f->CanClose()) {
            f->BringWindowToTop();
            return false;
        }
        std::erase(client->Ansichten.BauteilEditoren, w);
        f->Destroy();
        client->Condemn(f);
    }
    return true;
}

void BauteilDateiOeffnen(korpusMDIClient& client) {
    DateiWindowOeffnen(client, client.BauteilDateiFenster, "Bauteil-Datei",
                       [] { return new TBauteilDateiDialog(nullptr); });
}
