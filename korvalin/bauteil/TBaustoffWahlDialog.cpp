#include "korvalin/bauteil/TBaustoffWahlDialog.h"

#include "hilfsmittel/ProfileValues.h"
#include "korvalin/bauteil/BauteilTexte.h"
#include "korvalin/bauteil/TBauteilDialog.h"
#include "korvalin/bauteil/TBauteilWindow.h"
#include "korvalin/bauteil/TDateiWindow.h"
#include "korvalin/shell/KorpusZustand.h"
#include "korvalin/shell/TSftTree.h"
#include "korvalin/shell/korpusMDIClient.h"
#include "platform/profile/Profile.h"
#include "platform/services/MessageBox.h"
#include "platform/window/CheckBox.h"
#include "platform/window/ControlCodes.h"
#include "platform/window/Menu.h"
#include "platform/window/PopupMenu.h"
#include "platform/window/ResponseTable.h"
#include "stammwerk/modell/TBaustoff.h"
#include "stammwerk/modell/TRBauteil.h"

#include <cstdio>

namespace {

using K = TControlKind;
using D = TBaustoffWahlDialog;

TDialogResource ressource() {
    TDialogResource r = TBaustoffBasisDialog::BasisRessource("Baustoffe auswählen");
    r.controls.push_back({K::RadioButton, D::IDC_ALLE, "Alle", {40, 6, 75, 15}, true});
    r.controls.push_back({K::RadioButton, D::IDC_DIN, "DIN", {80, 6, 115, 15}});
    r.controls.push_back({K::RadioButton, D::IDC_QTX, "QTX", {120, 6, 155, 15}});
    r.controls.push_back({K::RadioButton, D::IDC_ANWENDER, "Anwender", {160, 6, 215, 15}});
    TDateiDialog::KnopfSpalte(r, 294, 331,
                              {{IDOK, "Schließen"}, {D::IDC_INFO, "Info"}, {IDHELP, "Hilfe"}});
    r.controls.push_back({K::Static, 574, "In", {294, 60, 331, 68}});
    r.controls.push_back({K::Static, 575, "Schicht-", {294, 68, 331, 76}});
    r.controls.push_back({K::Static, 106, "Aufbau", {294, 76, 331, 84}});
    TDateiDialog::KnopfSpalte(r, 294, 331,
                              {{D::IDC_EINFUEGEN, "Einfügen"}, {D::IDC_ERSETZEN, "Ersetzen"}}, 87);
    return r;
}

bool an(const TDialog& d, int id) {
    return d.Item<TCheckBox>(id)->GetCheck() == BF_CHECKED;
}

} // namespace

TBaustoffWahlDialog::TBaustoffWahlDialog(TWindow* parent, const TBaustoffSchluessel& schluessel)
    : TBaustoffBasisDialog(parent, ressource()),
      menue_(std::make_unique<TMenu>(std::vector<TMenuResource>{MenuPopup(
          "Übernehmen", {MenuItem(CM_EINFUEGEN, "Einfügen"), MenuItem(CM_ERSETZEN, "Ersetzen"),
                         MenuSeparator(), MenuItem(CM_INFO, "Info")})})) {
    AktuellerSchluessel = schluessel;
    TProfile ini("Einstellungen", "korpus.ini");
    ProfileParseIntegers(ini.GetString("BaustoffWahlWindowSp", "0,0,0,0,0,0,0", 69), breiten_);

    auto& r = Responses();
    r.Command(IDHELP, [] { HilfeZeigen(1114); });
    for (int id : {int(IDC_EINFUEGEN), int(CM_EINFUEGEN)})
        r.Command(id, [this] { Uebernehmen(Modus::Einfuegen); });
    for (int id : {int(IDC_ERSETZEN), int(CM_ERSETZEN)})
        r.Command(id, [this] { Uebernehmen(Modus::Ersetzen); });
    r.Notify(IDC_LISTE, TN_ROWACTIVATE, [this] { Uebernehmen(Modus::Einfuegen); });
    r.Command(CM_INFO, [this] { BaustoffInfo(); });
    r.Notify(IDC_GRUPPEN, LBN_SELCHANGE, [this] { InhaltAktualisieren(); });
    for (int id : {int(IDC_ALLE), int(IDC_DIN), int(IDC_QTX), int(IDC_ANWENDER)})
        r.Command(id, [this] { InhaltAktualisieren(); });
    r.Notify(IDC_LISTE, TN_RIGHTCLICK, [this] {
        Liste()->SendMessage(WM_CANCELMODE);
        TrackPopupMenu(*menue_->GetSubMenu(0), GetMessagePos(), *this);
    });
}

TBaustoffWahlDialog::~TBaustoffWahlDialog() = default;

void TBaustoffWahlDialog::SetupWindow() {
    TBaustoffBasisDialog::SetupWindow();
    const int knopf = Entwurf(IDOK).Width();
    std::vector<Anker> anker = basisAnker(knopf);
    for (int id : {int(IDOK), int(IDHELP), int(IDC_INFO), int(IDC_EINFUEGEN), int(IDC_ERSETZEN),
                   574, 575, 106})
        anker.push_back({id, 15, -1, true});
    anker.push_back({605, 5, 10});
    anker.push_back({IDC_LISTE, 35 + knopf, 15});
    Verankern(anker);
    if (Fenster) Fenster->SetMinimumSize({600, 450});
    if (breiten_[0] > 0) {
        auto spalten = Liste()->GetColumns();
        for (size_t i = 0; i < breiten_.size() && i < spalten.size(); ++i)
            spalten[i].width = breiten_[i];
        Liste()->SetColumns(spalten);
    }
    Item<TCheckBox>(IDC_ALLE)->SetCheck(BF_CHECKED);
    for (int id : {int(IDC_DIN), int(IDC_QTX), int(IDC_ANWENDER)})
        Item<TCheckBox>(id)->SetCheck(BF_UNCHECKED);
    InhaltAktualisieren();
}

bool TBaustoffWahlDialog::CanClose() {
    const auto& spalten = Liste()->GetColumns();
    for (size_t i = 0; i < breiten_.size() && i < spalten.size(); ++i)
        breiten_[i] = spalten[i].width;
    TProfile("Einstellungen", "korpus.ini")
        .WriteString("BaustoffWahlWindowSp", ProfileMakeIntegers(breiten_));
    return TBaustoffBasisDialog::CanClose();
}

bool TBaustoffWahlDialog::BaustoffPasst(const TBaustoff& b) {
    if (!an(*this, IDC_ALLE)) {
        const int k = an(*this, IDC_ANWENDER) ? 2 : an(*this, IDC_QTX) ? 1 : 0;
        if (b.Schluessel.Katalog != k) return false;
    }
    return TBaustoffBasisDialog::BaustoffPasst(b);
}

void TBaustoffWahlDialog::Uebernehmen(Modus modus) {
    const bool einfuegen = modus == Modus::Einfuegen;
    const char* verb = einfuegen ? "einfügen" : "ersetzen";
    const char* titel = einfuegen ? "Schicht einfügen" : "Schicht ersetzen";
    if (Ausgewaehlt().empty()) {
        Warnung("Kein Baustoff ausgewählt!", titel);
        return;
    }
    auto* client = Korpus().Client;
    const auto& editoren = client ? client->Ansichten.BauteilEditoren : std::vector<TWindow*>{};
    char text[400];
    if (editoren.empty()) {
        std::snprintf(text, sizeof text,
                      "Schicht %s nicht möglich, da kein Bauteil geöffnet ist!\nÖffnen Sie das "
                      "Bauteil, das Sie bearbeiten wollen",
                      verb);
        Warnung(text, titel);
        return;
    }
    if (editoren.size() > 1) {
        std::snprintf(text, sizeof text, "%s%s%s%d%s", "Schicht ", verb, " nicht möglich, da Sie ",
                      int(editoren.size()),
                      " Bauteile geöffnet haben!\n Öffnen Sie nur das zu bearbeitende Bauteil und "
                      "schließen Sie alle anderen Bauteile.");
        Warnung(text, titel);
        return;
    }
    auto* fenster = dynamic_cast<TBauteilWindow*>(editoren.front());
    TBauteilDialog* editor = fenster ? fenster->Dialog() : nullptr;
    if (!editor || !editor->Bauteil()) return;
    const std::vector<const TBaustoff*> liste(Ausgewaehlt().begin(), Ausgewaehlt().end());
    if (liste.size() > 4) {
        std::snprintf(text, sizeof text, "Sie haben %d Baustoffe ausgewählt. Fortfahren?",
                      int(liste.size()));
        if (MessageBox(text, titel, MB_YESNO | MB_ICONQUESTION) != IDYES) return;
    }
    if (editor->Bauteil()->Merker2)
        for (const TBaustoff* b : liste)
            if (b->Schluessel.IsBelueftet() &&
                MessageBox("Bei mehrschaligem Mauerwerk nach DIN 1053 Teil 1 gelten die "
                           "Rechenwerte der \"nicht bewegten\" Luftschichten. Wollen Sie eine "
                           "andere Luftschicht auswählen?",
                           "Mehrschaliges Mauerwerk", MB_YESNO | MB_ICONQUESTION) == IDYES)
                return;
    if (einfuegen)
        editor->BaustoffeEinfuegen(liste);
    else
        editor->BaustoffErsetzen(liste);
    fenster->BringWindowToTop();
    bool mu = false, lambda = false;
    for (const TBaustoff* b : liste) {
        if (b->Schluessel.IsSystemBaustoff()) continue;
        mu = mu || b->Mu == 0 || b->Zusatzwert1 == 0;
        lambda = lambda || b->Lambda == 0;
    }
    if (mu)
        Warnung("Sie haben einen Baustoff mit µ-Werten = 0 ausgewählt.\nSetzen Sie die korrekten "
                "µ-Werte ein!",
                "Eingabe-Prüfung");
    if (lambda)
        Warnung("Sie haben einen Baustoff mit lambda-Wert = 0 ausgewählt.\nSetzen Sie den "
                "korrekten lambda-Wert ein!",
                "Eingabe-Prüfung");
}

void BaustoffWahlOeffnen(korpusMDIClient& client) {
    if (!client.BaustoffWahlFenster && client.BaustoffDateiFenster) {
        // Never both: the catalogue window goes first.
        client.BaustoffDateiFenster->CloseWindow();
        if (client.BaustoffDateiFenster) return; // it refused
    }
    TDateiWindow* w = DateiWindowOeffnen(client, client.BaustoffWahlFenster, "Baustoffe auswählen",
                                         [] { return new TBaustoffWahlDialog(nullptr, {}); });
    w->AktualisierenBeiAktivierung = false;
}
