// The window editor in the started program, on the example project: the
// opening protocol and its placed windows, the field handlers under typed
// input, the glass-and-frame derivation of k_F, the sub-dialogs, and
// closing with keeping or discarding the changes, in project and file mode.
#include "korvalin/bauteil/BauteilTexte.h"
#include "korvalin/bauteil/FensterFelder.h"
#include "korvalin/bauteil/TFensterBearbeitenDialog.h"
#include "korvalin/bauteil/TFensterInfoDialog.h"
#include "korvalin/bauteil/TFensterWindow.h"
#include "korvalin/projekt/ProjektWindow.h"
#include "korvalin/projekt/TFlaechenVolumenDialog.h"
#include "korvalin/projekt/TProjektDialog.h"
#include "korvalin/shell/EditorZugang.h"
#include "korvalin/shell/KorpusBefehle.h"
#include "korvalin/shell/ProjektSpeichern.h"
#include "korvalin/shell/ProjektStatus.h"
#include "korvalin/shell/TSftTree.h"
#include "korvalin/shell/korpusMDIClient.h"
#include "korvalin/tests/BeispielProjektFixture.h"
#include "korvalin/tests/ShellFixture.h"
#include "platform/services/MessageBox.h"
#include "platform/window/CheckBox.h"
#include "platform/window/ComboBox.h"
#include "platform/window/Control.h"
#include "platform/window/ControlCodes.h"
#include "platform/window/Edit.h"
#include "stammwerk/modell/TFensterDatei.h"
#include "stammwerk/modell/TGesamtProjekt.h"
#include "testsupport/UserInput.h"

#include <filesystem>

namespace {

namespace fs = std::filesystem;
using testsupport::ProcessEvents;
using D = TFensterBearbeitenDialog;

struct FensterEditor : shelltest::BeispielProjekt {
    D* dialog = nullptr;

    // The window type with the most placed windows.
    TRFenster* Typ() {
        TRFenster* bester = nullptr;
        for (TRFenster& t : Projekt().RFenster)
            if (!bester ||
                t.PFensterListe.GetItemsInContainer() > bester->PFensterListe.GetItemsInContainer())
                bester = &t;
        return bester;
    }
    // The example places each type once: a second window of the type on
    // the facade of the first.
    TPFenster* Platzieren(TRFenster& t) {
        TPFenster* erstes = Projekt().FirstPFenster(&t);
        TFassade* f = erstes ? Projekt().FassadeNr(erstes->FassadenNummer) : nullptr;
        return Projekt().PFensterNeu(&t, f ? f : &Projekt().Fassaden[0], 1);
    }
    D& Oeffnen(TRFenster* t = nullptr, TPFenster* p = nullptr) {
        if (!Korpus().AktuellesProjekt) ProjektOeffnen();
        if (!t) {
            t = Typ();
            if (t && t->PFensterListe.GetItemsInContainer() < 2) Platzieren(*t);
        }
        EXPECT_NE(t, nullptr);
        dialog = FensterEditorOeffnen(*app->Client(), t, p, true);
        EXPECT_NE(dialog, nullptr);
        ProcessEvents();
        return *dialog;
    }
    TEdit& Edit(int id) { return *dialog->Item<TEdit>(id); }
    TComboBox& Liste(int id) { return *dialog->Item<TComboBox>(id); }
    TCheckBox& Check(int id) { return *dialog->Item<TCheckBox>(id); }
    // Typed as the user types: the whole text replaced, the handlers told.
    void Tippen(int id, const char* text) {
        Edit(id).SetFocus();
        Edit(id).Type(text);
    }
    void Waehlen(int id, int index) {
        Liste(id).SetSelIndex(index);
        dialog->SendMessage(WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                            LPARAM(Liste(id).GetHandle()));
    }
    void Klicken(int id) { Check(id).Click(); }
    TSftTree& Tabelle() { return *dialog->ProjektfensterTabelle(); }
    auto& Meldungen() { return services.Messages().Calls(); }
};

TEST_F(FensterEditor, OeffnetMitSeinenProjektfenstern) {
    auto& d = Oeffnen();
    TRFenster& t = *d.Bearbeitet();
    const int n = int(t.PFensterListe.GetItemsInContainer());
    ASSERT_GE(n, 2);
    EXPECT_EQ(d.Fenster->GetCaption(), "Referenz-Fenster " + t.Name);
    EXPECT_EQ(Tabelle().GetCount(), n + 1);
    EXPECT_EQ(*Tabelle().GetCellText(n, 0), "Summe");
    EXPECT_EQ(Tabelle().GetCellColors(n, 7)->background, TColor(255, 255, 127));
    EXPECT_EQ(d.ProjektfensterIndex, 0);
    EXPECT_EQ(d.AktuellesProjektfenster, Projekt().FirstPFenster(&t));
    EXPECT_EQ(Tabelle().GetSelectedItem(), 0);
    EXPECT_EQ(Edit(D::IDC_KF).GetText(), Zahl(2, t.k_F));
    EXPECT_EQ(Edit(D::IDC_NEIGUNG).GetText(), Zahl(1, d.AktuellesProjektfenster->Neigung));
    EXPECT_TRUE(Tabelle().IsWindowVisible());
    EXPECT_EQ(d.Fenster->GetWindowRect().Height(), d.Fenster->ErweiterteHoehe);
    EXPECT_FALSE(d.Geaendert);
    // A second request raises the same window, pointed at the placed window given.
    TPFenster* zweites = Projekt().PFensterNr(t.PFensterListe[1].Nummer);
    EXPECT_EQ(FensterEditorOeffnen(*app->Client(), &t, zweites, true), &d);
    EXPECT_EQ(app->Client()->Ansichten.FensterEditoren.size(), 1u);
    EXPECT_EQ(d.AktuellesProjektfenster, zweites);
    EXPECT_EQ(Tabelle().GetSelectedItem(), 1);
    // The sums are no window: the last window row stands in for them.
    Tabelle().SelectItem(n);
    d.ProjektfensterWaehlen();
    EXPECT_EQ(Tabelle().GetSelectedItem(), n - 1);
    EXPECT_EQ(d.ProjektfensterIndex, n - 1);
    EXPECT_TRUE(Meldungen().empty());
}

TEST_F(FensterEditor, ProjektdialogOeffnetIhn) {
    ProjektOeffnen();
    auto f = ProjektWindowErzeugen(*app->Client());
    auto* pd = static_cast<TProjektDialog*>(f.Dialog);
    pd->AuswahlRFenster = Typ();
    pd->AuswahlRBauteil = nullptr;
    pd->AuswahlGruppe = -1;
    pd->EvCommand(12202, 0, 0);
    ASSERT_EQ(app->Client()->Ansichten.FensterEditoren.size(), 1u);
    auto* w = static_cast<TFensterWindow*>(app->Client()->Ansichten.FensterEditoren[0]);
    EXPECT_EQ(w->Dialog()->Bearbeitet(), Typ());
    EXPECT_TRUE(w->Dialog()->Projektmodus);
    EXPECT_TRUE(Meldungen().empty());
}

// Orientation and tilt follow each other under typed input, and every
// change reaches the placed window, the proof and the list at once.
TEST_F(FensterEditor, OrientierungUndNeigungUnterEingabe) {
    auto& d = Oeffnen();
    TPFenster& f = *d.AktuellesProjektfenster;
    Tippen(D::IDC_NEIGUNG, "30");
    EXPECT_EQ(f.Neigung, 30.0);
    Waehlen(D::IDC_ORIENTIERUNG, 4); // "Horizontal" at 30°
    EXPECT_EQ(f.Orientierung, 4);
    EXPECT_EQ(f.Neigung, 0.0);
    EXPECT_EQ(Edit(D::IDC_NEIGUNG).GetText(), "0.0");
    Tippen(D::IDC_NEIGUNG, "10");
    Waehlen(D::IDC_ORIENTIERUNG, 0); // "Nord" at 10°
    EXPECT_EQ(Edit(D::IDC_NEIGUNG).GetText(), "90.0");
    Tippen(D::IDC_NEIGUNG, "15");
    EXPECT_EQ(f.Orientierung, 4);
    EXPECT_EQ(Liste(D::IDC_ORIENTIERUNG).GetSelIndex(), 4);
    Tippen(D::IDC_VERSCHATTUNG, "60");
    EXPECT_DOUBLE_EQ(f.Verschattung, 0.6);
    EXPECT_TRUE(d.Geaendert);
    // Shading above half counts north's gains: the list shows the new Q_S.
    EXPECT_EQ(*Tabelle().GetCellText(d.ProjektfensterIndex, 5), Zahl(0, f.Q_S_voll));
    // The radiator checks: the covered back only with a radiator.
    Klicken(D::IDC_HEIZKOERPER);
    EXPECT_EQ(f.Heizkoerper, 1);
    EXPECT_TRUE(dialog->GetDlgItem(D::IDC_ABDECKUNG)->IsWindowEnabled());
    Klicken(D::IDC_ABDECKUNG);
    EXPECT_EQ(f.Heizkoerper, 2);
    Klicken(D::IDC_HEIZKOERPER);
    EXPECT_EQ(f.Heizkoerper, 0);
    EXPECT_FALSE(Check(D::IDC_ABDECKUNG).GetCheck());
}

// k_F from the DIN table, from the free computation, and typed; switching
// the derivation off keeps the current k_F.
TEST_F(FensterEditor, KFAusTabelleUndRechnung) {
    auto& d = Oeffnen();
    TRFenster& t = *d.Bearbeitet();
    Tippen(D::IDC_RAHMENANTEIL, "12");
    Klicken(D::IDC_GLASRAHMEN);
    EXPECT_TRUE(Edit(D::IDC_KF).IsReadOnly());
    Klicken(D::IDC_DIN);
    EXPECT_TRUE(Liste(D::IDC_KV_LISTE).IsWindowVisible());
    EXPECT_FALSE(Edit(D::IDC_KR).IsWindowVisible());
    Waehlen(D::IDC_KV_LISTE, 19);    // "1.4"
    Waehlen(D::IDC_RAHMENGRUPPE, 4); // "3": 2.7 - 0.5 at 12 %
    EXPECT_EQ(Edit(D::IDC_KF).GetText(), "2.20");
    EXPECT_DOUBLE_EQ(t.k_F, 2.2);
    EXPECT_DOUBLE_EQ(k_V(t), 1.4);
    Tippen(D::IDC_RAHMENANTEIL, "5"); // the glazing alone
    EXPECT_EQ(Edit(D::IDC_KF).GetText(), "1.40");
    Klicken(D::IDC_DIN); // free: (30·2.0 + 70·1.1) / 100
    Tippen(D::IDC_RAHMENANTEIL, "30");
    Tippen(D::IDC_KR, "2.0");
    Tippen(D::IDC_KV, "1.1");
    EXPECT_EQ(Edit(D::IDC_KF).GetText(), "1.37");
    EXPECT_DOUBLE_EQ(k_R(t), 2.0);
    // Off: the lists and edits empty, k_F typed again and kept as it was.
    Klicken(D::IDC_GLASRAHMEN);
    EXPECT_EQ(Edit(D::IDC_KR).GetText(), "");
    EXPECT_EQ(Liste(D::IDC_KV_LISTE).GetSelIndex(), -1);
    EXPECT_FALSE(Edit(D::IDC_KF).IsReadOnly());
    EXPECT_EQ(Edit(D::IDC_KF).GetText(), "1.37");
    EXPECT_DOUBLE_EQ(t.k_F, 1.37);
    Tippen(D::IDC_KF, "1.9");
    EXPECT_DOUBLE_EQ(t.k_F, 1.9);
    // Single glazing without glass and frame values: 5.2.
    Klicken(D::IDC_EINFACH);
    EXPECT_EQ(Edit(D::IDC_KF).GetText(), "5.20");
    EXPECT_TRUE(dialog->GetDlgItem(D::IDC_GROSSFLAECHIG)->IsWindowVisible());
    Klicken(D::IDC_EINFACH);
    EXPECT_FALSE(dialog->GetDlgItem(D::IDC_GROSSFLAECHIG)->IsWindowVisible());
    EXPECT_EQ(t.Einfachverglasung, 0);
    // OK takes the entries over: without glass and frame the indices are 0.
    d.EingabenUebernehmen();
    EXPECT_EQ(GlasUndRahmen(t), 0);
    EXPECT_EQ(KVZeile(t), 0);
    EXPECT_EQ(k_V(t), 0.0);
}

// A stored index beyond the table selects nothing and derives nothing.
TEST_F(FensterEditor, GespeicherterIndexAusserhalbDerTabelle) {
    ProjektOeffnen();
    TRFenster& t = *Typ();
    GlasUndRahmen(t) = 1;
    NachDIN(t) = 1;
    KVZeile(t) = 40;
    Rahmengruppe(t) = 0xFFFF;
    t.k_F = 1.23;
    auto& d = Oeffnen(&t);
    EXPECT_EQ(Liste(D::IDC_KV_LISTE).GetSelIndex(), -1);
    EXPECT_EQ(Liste(D::IDC_RAHMENGRUPPE).GetSelIndex(), -1);
    EXPECT_EQ(Edit(D::IDC_KF).GetText(), "1.23");
    Tippen(D::IDC_RAHMENANTEIL, "10");
    EXPECT_DOUBLE_EQ(t.k_F, 1.23);
    d.EingabenUebernehmen();
    EXPECT_EQ(KVZeile(t), 40); // kept, not made up
}

// "Nein" undoes the fields of the type and of its placed windows, areas
// included, but keeps the placements and the links the project made since.
TEST_F(FensterEditor, NeinStelltWiederHerAberBehaeltZuordnungen) {
    auto& d = Oeffnen();
    TRFenster& t = *d.Bearbeitet();
    TPFenster& f = *d.AktuellesProjektfenster;
    const TRFenster vorher(t);
    const TPFenster fVorher(f);
    Tippen(D::IDC_G, "0.3");
    Tippen(D::IDC_NEIGUNG, "45");
    // The area calculator on an empty list: Cancel takes its "Fläche 1" away again.
    const double brutto = f.Bruttoflaeche;
    f.Flaechenliste.Flush();
    services.Dialogs().Expect(
        [&](TDialog& dlg) { dlg.SendMessage(WM_COMMAND, WPARAM(IDCANCEL), 0); });
    d.FlaecheEingeben();
    EXPECT_TRUE(f.Flaechenliste.IsEmpty());
    services.Dialogs().Expect([&](TDialog& dlg) {
        auto& r = dynamic_cast<TFlaechenVolumenDialog&>(dlg);
        EXPECT_EQ(r.Liste()->GetCellText(0, 1), "Fläche 1");
        r.Liste()->OpenEditor(0, 2);
        r.Liste()->SetEditorText("7.5");
        r.Liste()->EditorEnter();
        r.SendMessage(WM_COMMAND, WPARAM(IDOK), 0);
    });
    d.FlaecheEingeben();
    ASSERT_EQ(services.Dialogs().Captions().size(), 2u);
    EXPECT_DOUBLE_EQ(f.Bruttoflaeche, 7.5);
    // Meanwhile the project places one more window and links this one.
    TPFenster* neu = Platzieren(t);
    f.Traeger = TTypNummer{1, 77};
    f.Einbauten.Add(TTypNummer{10, int16_t(neu->Nummer)});
    const size_t platzierungen = t.PFensterListe.GetItemsInContainer();

    services.Messages().Answer(IDNO);
    d.Fenster->CloseWindow();
    ProcessEvents();
    ASSERT_EQ(Meldungen().size(), 1u);
    EXPECT_EQ(Meldungen()[0].text, "Fenster \"" + t.Name + "\" wurde verändert. Änderungen in " +
                                       Projekt().Name + " übernehmen?");
    EXPECT_EQ(Meldungen()[0].caption, "Fenster schließen");
    EXPECT_TRUE(app->Client()->Ansichten.FensterEditoren.empty());
    EXPECT_EQ(t.g, vorher.g);
    EXPECT_EQ(f.Neigung, fVorher.Neigung);
    EXPECT_EQ(f.Bruttoflaeche, brutto);
    EXPECT_EQ(f.Flaechenliste.GetItemsInContainer(), fVorher.Flaechenliste.GetItemsInContainer());
    EXPECT_EQ(t.PFensterListe.GetItemsInContainer(), platzierungen);
    EXPECT_EQ(f.Traeger.Nummer, 77);
    ASSERT_EQ(f.Einbauten.GetItemsInContainer(), 1u);
    EXPECT_EQ(f.RFenster, &t);
    EXPECT_FALSE(Korpus().ProjektGeaendert);
}

// Cancel after editing only the designation still asks; "Ja" keeps it.
TEST_F(FensterEditor, AbbrechenNachBezeichnungFragtUndJaBehaelt) {
    auto& d = Oeffnen();
    TRFenster& t = *d.Bearbeitet();
    Tippen(D::IDC_BEZEICHNUNG, "Holzfenster IV 68");
    EXPECT_FALSE(d.Geaendert);
    services.Messages().Answer(IDYES);
    d.SendMessage(WM_COMMAND, WPARAM(IDCANCEL), 0);
    ProcessEvents();
    ASSERT_EQ(Meldungen().size(), 1u);
    EXPECT_EQ(Bezeichnung(t), "Holzfenster IV 68");
    EXPECT_TRUE(Korpus().ProjektGeaendert);
    EXPECT_TRUE(app->Client()->Ansichten.FensterEditoren.empty());
}

// OK asks the requirement questions as the component editor does; "Nein"
// keeps the editor open.
TEST_F(FensterEditor, OKFragtNachDenAnforderungen) {
    auto& d = Oeffnen();
    TRFenster& t = *d.Bearbeitet();
    Tippen(D::IDC_A, "8.5"); // far above the joint permeability limit
    ASSERT_EQ(d.AktuellesProjektfenster->FugendurchlassErfuellt, 0);
    services.Messages().Answer(IDNO);
    d.SendMessage(WM_COMMAND, WPARAM(IDOK), 0);
    ProcessEvents();
    ASSERT_EQ(Meldungen().size(), 1u);
    EXPECT_EQ(Meldungen()[0].text,
              "Die Anforderung an die Fugendurchlasskoeffizienten wird überschritten! \n"
              "Fenster trotzdem übernehmen?");
    EXPECT_EQ(app->Client()->Ansichten.FensterEditoren.size(), 1u);
    services.Messages().Answer(IDYES);
    d.SendMessage(WM_COMMAND, WPARAM(IDOK), 0);
    ProcessEvents();
    EXPECT_TRUE(app->Client()->Ansichten.FensterEditoren.empty());
    EXPECT_EQ(t.a, 8.5);
    EXPECT_TRUE(Korpus().ProjektGeaendert);
}

// The refresh: a window editor's own notification is ignored; a deleted
// current window moves the editor to the type's first, or collapses it.
TEST_F(FensterEditor, AktualisierenNachAenderungImProjekt) {
    auto& d = Oeffnen();
    TRFenster& t = *d.Bearbeitet();
    TPFenster* zweites = Projekt().PFensterNr(t.PFensterListe[1].Nummer);
    d.ProjektfensterSetzen(zweites);
    zweites->Neigung = 33;
    d.Fenster->SendMessage(WM_PROJEKT_AKTUALISIEREN, 2, 1);
    EXPECT_NE(Edit(D::IDC_NEIGUNG).GetText(), "33.0");
    d.Fenster->SendMessage(WM_PROJEKT_AKTUALISIEREN, 2, 0);
    EXPECT_EQ(Edit(D::IDC_NEIGUNG).GetText(), "33.0");
    ASSERT_EQ(Projekt().PFensterLoeschen(int16_t(zweites->Nummer), 1), 1);
    d.Fenster->SendMessage(WM_PROJEKT_AKTUALISIEREN, 2, 0);
    EXPECT_EQ(d.ProjektfensterIndex, 0);
    EXPECT_EQ(d.AktuellesProjektfenster, Projekt().FirstPFenster(&t));
    EXPECT_EQ(Tabelle().GetCount(), 2);
    ASSERT_EQ(Projekt().PFensterLoeschen(int16_t(d.AktuellesProjektfenster->Nummer), 1), 1);
    d.Fenster->SendMessage(WM_PROJEKT_AKTUALISIEREN, 2, 0);
    EXPECT_EQ(d.AktuellesProjektfenster, nullptr);
    EXPECT_FALSE(Tabelle().IsWindowVisible());
    EXPECT_EQ(d.Fenster->GetWindowRect().Height(), d.Fenster->EingeklappteHoehe);
}

// In the A/V procedure the list shows no solar gains.
TEST_F(FensterEditor, AVVerfahrenOhneSolareGewinne) {
    ProjektOeffnen();
    Projekt().Gebaeudenutzung = 10;
    Projekt().WestAnsatz = 1; // every window counts as west: no orientation to choose
    Oeffnen();
    EXPECT_FALSE(Liste(D::IDC_ORIENTIERUNG).IsWindowEnabled());
    const int summe = Tabelle().GetCount() - 1;
    for (int z : {0, summe})
        for (int c : {5, 6}) EXPECT_EQ(*Tabelle().GetCellText(z, c), "-") << z << "," << c;
    EXPECT_EQ(*Tabelle().GetCellText(0, 7), "-");
    EXPECT_EQ(*Tabelle().GetCellText(summe, 7), "");
}

// A picture of the editor on the example project for the reviewer.
TEST_F(FensterEditor, Bild) {
    auto& d = Oeffnen();
    Klicken(D::IDC_GLASRAHMEN);
    Klicken(D::IDC_DIN);
    Waehlen(D::IDC_KV_LISTE, 19);
    Waehlen(D::IDC_RAHMENGRUPPE, 4);
    ProcessEvents();
    const char* ordner = std::getenv("KORVALIN_BILD_ORDNER");
    const fs::path bild = fs::path(ordner ? ordner : dirs.Dirs().temp.string()) / "fenster.png";
    ASSERT_TRUE(testsupport::SaveWindowPicture(*d.Fenster, bild.string().c_str()));
    EXPECT_GT(fs::file_size(bild), 1000u);
    // And its three dialogs.
    const auto bildUndAbbrechen = [&](const char* name) {
        services.Dialogs().Expect([&, name](TDialog& dlg) {
            EXPECT_TRUE(
                testsupport::SaveWindowPicture(dlg, (bild.parent_path() / name).string().c_str()));
            dlg.SendMessage(WM_COMMAND, WPARAM(IDCANCEL), 0);
        });
    };
    bildUndAbbrechen("fensterdaten.png");
    d.WeitereFensterdaten();
    bildUndAbbrechen("glasvorbau.png");
    d.GlasvorbauEingeben();
    bildUndAbbrechen("fensterinfo.png");
    TFensterInfoDialog(nullptr, *d.Bearbeitet(), true).Execute();
}

} // namespace

namespace {

// "Aus Datei einfügen": the catalogue window's data, the project's name,
// number and placements.
TEST_F(FensterEditor, AusDateiEinfuegenUebernimmtDieKatalogdaten) {
    auto& d = Oeffnen();
    TRFenster& t = *d.Bearbeitet();
    const std::string name = t.Name;
    const uint16_t nummer = t.Nummer;
    const size_t platzierungen = t.PFensterListe.GetItemsInContainer();
    // A user's catalogue file with one window.
    TFensterDatei katalog(Korpus().Programmverzeichnis);
    ASSERT_EQ(katalog.Oeffnen(2), 0);
    auto k = std::make_unique<TRFenster>();
    k->Name = "Katalogfenster";
    k->k_F = 0.9;
    k->g = 0.5;
    k->Schluessel = {};
    k->Schluessel.Katalog = 2;
    k->Schluessel.Gruppe = 0;
    k->Schluessel.Untergruppe = 0;
    k->Schluessel.Position = 0;
    const TFensterSchluessel schluessel = k->Schluessel;
    ASSERT_EQ(katalog.Einfuegen(k), 1) << katalog.LetzterFehler();

    struct Wahl : EditorZugang {
        TFensterSchluessel s;
        bool FensterAuswaehlen(TBaustoffSchluessel& g) override {
            g = s;
            return true;
        }
    };
    auto wahl = std::make_shared<Wahl>();
    wahl->s = schluessel;
    Korpus().Editoren = wahl;
    // The description typed before stays the project's, as its name does.
    Tippen(D::IDC_BEZEICHNUNG, "Holzfenster IV 68");
    TWindow* knopf = d.GetDlgItem(D::IDC_AUS_DATEI);
    ASSERT_NE(knopf, nullptr);
    const TRect r = knopf->GetClientRect();
    testsupport::LeftClick(*knopf, {r.Width() / 2, r.Height() / 2});
    EXPECT_TRUE(Meldungen().empty());
    EXPECT_EQ(Edit(D::IDC_BEZEICHNUNG).GetText(), "Holzfenster IV 68");
    EXPECT_EQ(Bezeichnung(t), "Holzfenster IV 68");
    EXPECT_EQ(t.k_F, 0.9);
    EXPECT_EQ(t.g, 0.5);
    EXPECT_EQ(t.Name, name);
    EXPECT_EQ(t.Nummer, nummer);
    EXPECT_EQ(t.PFensterListe.GetItemsInContainer(), platzierungen);
    EXPECT_EQ(Edit(D::IDC_KF).GetText(), "0.90");
    EXPECT_TRUE(d.Geaendert);
    // A key that the file does not hold leaves the type as it is.
    wahl->s.Position = 7;
    services.Messages().Answer(IDOK);
    d.SendMessage(WM_COMMAND, WPARAM(D::IDC_AUS_DATEI), 0);
    ASSERT_EQ(Meldungen().size(), 1u);
    EXPECT_EQ(Meldungen()[0].text, "Fenster nicht gefunden!");
    EXPECT_EQ(Meldungen()[0].caption, "Fenster ändern");
    EXPECT_EQ(t.k_F, 0.9);
}

// "Weitere Fensterdaten" works on a copy; its description is cut into
// records; "keine" shows a type from no catalogue. The glass porch dialog
// maps to the placed window's state.
TEST_F(FensterEditor, WeitereFensterdatenUndGlasvorbau) {
    auto& d = Oeffnen();
    TRFenster& t = *d.Bearbeitet();
    t.Schluessel.Katalog = 0xFFFF;
    services.Dialogs().Expect([&](TDialog& dlg) {
        EXPECT_EQ(dlg.GetCaption(), "Fenster: " + t.Name);
        EXPECT_EQ(dlg.Item<TCheckBox>(119)->GetCheck(), BF_CHECKED); // "keine"
        EXPECT_FALSE(dlg.GetDlgItem(121)->IsWindowEnabled());
        dlg.Item<TEdit>(115)->SetFocus();
        dlg.Item<TEdit>(115)->Type("Fensterbau Muster");
        dlg.Item<TComboBox>(135)->SetSelIndex(3); // "G90"
        dlg.Item<TEdit>(128)->Type(std::string(300, 'b'));
        dlg.SendMessage(WM_COMMAND, WPARAM(IDOK), 0);
    });
    d.SendMessage(WM_COMMAND, WPARAM(D::IDC_WEITERE), 0);
    EXPECT_EQ(t.Textzeilen[0], "Fensterbau Muster");
    EXPECT_EQ(Feuerwiderstandsklasse(t), 3);
    ASSERT_EQ(t.Textliste.GetItemsInContainer(), 3u);
    EXPECT_EQ(t.Textliste[2].Text.size(), 46u);
    EXPECT_TRUE(d.Geaendert);

    TPFenster& f = *d.AktuellesProjektfenster;
    f.Glasvorbau = 0xFFFF;
    services.Dialogs().Expect([&](TDialog& dlg) {
        EXPECT_FALSE(dlg.GetDlgItem(112)->IsWindowEnabled());
        dlg.Item<TCheckBox>(109)->Click(); // on: heat-protection glass
        EXPECT_EQ(dlg.Item<TCheckBox>(112)->GetCheck(), BF_CHECKED);
        dlg.SendMessage(WM_COMMAND, WPARAM(IDOK), 0);
    });
    d.SendMessage(WM_COMMAND, WPARAM(D::IDC_GLASVORBAU), 0);
    EXPECT_EQ(f.Glasvorbau, 2);
    EXPECT_DOUBLE_EQ(f.Glasvorbaufaktor, 0.5);
}

} // namespace

namespace {

// The project save takes the editor's entries over: they become the state
// that "Nein" later goes back to.
TEST_F(FensterEditor, ProjektSpeichernUebernimmtDieEingaben) {
    auto& d = Oeffnen();
    TRFenster& t = *d.Bearbeitet();
    Tippen(D::IDC_BEZEICHNUNG, "Gespeichert");
    Tippen(D::IDC_G, "0.4");
    services.Messages().Answer(IDOK);
    EXPECT_EQ(BearbeitungenUebernehmen(), 1);
    EXPECT_EQ(Meldungen()[0].caption, "Projekt speichern");
    EXPECT_FALSE(d.Geaendert);
    EXPECT_EQ(Bezeichnung(d.Sicherung()), "Gespeichert");
    Tippen(D::IDC_G, "0.7");
    services.Messages().Answer(IDNO);
    d.Fenster->CloseWindow();
    ProcessEvents();
    EXPECT_EQ(t.g, 0.4);
    EXPECT_EQ(Bezeichnung(t), "Gespeichert");
}

} // namespace
