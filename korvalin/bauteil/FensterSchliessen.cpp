// The window editor takes its entries over into the type and the current
// placed window, asks about the requirements of the placed windows, and on
// OK, Cancel and closing keeps the changes, undoes them from the backup
// copies, or writes the window catalogue in file mode.
#include "korvalin/bauteil/BauteilTexte.h"
#include "korvalin/bauteil/FensterFelder.h"
#include "korvalin/bauteil/TFensterBearbeitenDialog.h"
#include "korvalin/bauteil/TFensterWindow.h"
#include "korvalin/shell/KatalogZugang.h"
#include "korvalin/shell/KorpusZustand.h"
#include "korvalin/shell/ProjektStatus.h"
#include "korvalin/shell/Speicherplatz.h"
#include "korvalin/shell/korpusMDIClient.h"
#include "platform/services/MessageBox.h"
#include "platform/window/CheckBox.h"
#include "platform/window/ComboBox.h"
#include "platform/window/ControlCodes.h"
#include "platform/window/Edit.h"
#include "stammwerk/modell/TFensterDatei.h"
#include "stammwerk/modell/TProjekt.h"

void TFensterBearbeitenDialog::EingabenUebernehmen() {
    if (TPFenster* f = AktuellesProjektfenster; f && erweitert_) {
        const int o = Item<TComboBox>(IDC_ORIENTIERUNG)->GetSelIndex();
        if (o >= 0) f->Orientierung = uint16_t(o);
        f->Neigung = zahl(IDC_NEIGUNG);
        f->Verschattung = zahl(IDC_VERSCHATTUNG) * 0.01;
        f->Heizkoerper = checked(IDC_ABDECKUNG) ? 2 : checked(IDC_HEIZKOERPER) ? 1 : 0;
        f->z_fest = zahl(IDC_Z_FEST);
        f->z_bew = zahl(IDC_Z_BEWEGLICH);
    }
    TRFenster& t = *bearbeitet_;
    Bezeichnung(t) = Abschneiden(text(IDC_BEZEICHNUNG), TRFenster::kNameWidth);
    t.g = zahl(IDC_G);
    t.k_F = zahl(IDC_KF);
    t.a = zahl(IDC_A);
    t.Rahmenanteil = zahl(IDC_RAHMENANTEIL);
    if (checked(IDC_GLASRAHMEN)) {
        GlasUndRahmen(t) = 1;
        const int zeile = Item<TComboBox>(IDC_KV_LISTE)->GetSelIndex();
        const int gruppe = Item<TComboBox>(IDC_RAHMENGRUPPE)->GetSelIndex();
        if (checked(IDC_DIN)) {
            NachDIN(t) = 1;
            // Without a choice in a list its stored value stays.
            if (const auto kV = KFTabelle::Verglasung(zeile)) {
                KVZeile(t) = uint16_t(zeile);
                k_V(t) = *kV;
            }
            if (gruppe >= 0) Rahmengruppe(t) = uint16_t(gruppe);
        } else {
            NachDIN(t) = 0;
            k_R(t) = zahl(IDC_KR);
            k_V(t) = zahl(IDC_KV);
        }
    } else {
        GlasUndRahmen(t) = 0;
        KVZeile(t) = 0;
        Rahmengruppe(t) = 0;
        k_R(t) = 0.0;
        k_V(t) = 0.0;
    }
    t.Einfachverglasung = checked(IDC_EINFACH) ? 1 : 0;
    Grossflaechig(t) = checked(IDC_GROSSFLAECHIG) ? 1 : 0;
    TProjekt* p = Projekt();
    if (Projektmodus && p) p->PFensterNeuBerechnen(bearbeitet_, 1, 1);
}

int TFensterBearbeitenDialog::AnforderungenPruefen() {
    TProjekt* p = Projekt();
    if (!Projektmodus || !p) return 1;
    auto frage = [this](const std::string& text) {
        return MessageBox(text + "Fenster trotzdem übernehmen?", "Fenster schließen",
                          MB_YESNO | MB_ICONQUESTION) == IDYES;
    };
    bool erstes = true;
    for (const TTypNummer& n : bearbeitet_->PFensterListe) {
        const TPFenster* f = p->PFensterNr(n.Nummer);
        if (!f) continue;
        if (erstes) {
            if (!f->FugendurchlassErfuellt &&
                !frage("Die Anforderung an die Fugendurchlasskoeffizienten wird überschritten! \n"))
                return 0;
            if (!f->EinfachverglasungErfuellt && !frage("Einfachverglasung ist nicht zulässig! \n"))
                return 0;
            erstes = false;
        }
        if (f->HeizkoerperStatus != 0 &&
            !frage("Die Anforderung \"Heizkörper vor Fenster\" wird bei " + f->Name +
                   " überschritten! \n"))
            return 0;
    }
    return 1;
}

bool TFensterBearbeitenDialog::dateiSchreiben() {
    if (!PruefeSpeicherplatz(bearbeitet_->Speicherbedarf(), "Fenster ändern")) return false;
    TFensterDatei* katalog = Kataloge().Fenster();
    if (katalog && katalog->Speichern(FensterQuelle(*bearbeitet_))) return true;
    KatalogFehler(FehlerVon(katalog), "Änderungen wurden nicht gespeichert!", "Fenster speichern");
    return false;
}

void TFensterBearbeitenDialog::verwerfen() {
    // The placements and the links belong to the project as it is now.
    TypNummernKopieren(sicherung_->PFensterListe, bearbeitet_->PFensterListe);
    TProjekt* p = Projekt();
    if (Projektmodus && p) {
        for (const TTypNummer& n : bearbeitet_->PFensterListe) {
            TPFenster* f = p->PFensterNr(n.Nummer);
            if (!f) continue;
            for (auto& kopie : projektfensterSicherung_) {
                if (kopie->Nummer != f->Nummer) continue;
                kopie->Traeger = f->Traeger;
                kopie->FassadenNummer = f->FassadenNummer;
                TypNummernKopieren(kopie->Einbauten, f->Einbauten);
                TRFenster* typ = f->RFenster;
                *f = *kopie;
                f->RFenster = typ;
                p->FlaecheBerechnen(f);
            }
        }
    }
    // The catalogue may have moved the entry meanwhile: it keeps its key.
    const TFensterSchluessel schluessel = bearbeitet_->Schluessel;
    *bearbeitet_ = *sicherung_;
    if (!Projektmodus) bearbeitet_->Schluessel = schluessel;
    FensterNeuBerechnen(2, 1);
}

bool TFensterBearbeitenDialog::CanClose() {
    if (Geaendert) {
        TProjekt* p = Projekt();
        const std::string frage =
            Projektmodus && p ? "Fenster \"" + bearbeitet_->Name +
                                    "\" wurde verändert. Änderungen in " + p->Name + " übernehmen?"
                              : "Fenster " + bearbeitet_->Name +
                                    " wurde verändert. Änderungen in Fenster-Datei übernehmen?";
        const int antwort =
            MessageBox(frage, "Fenster schließen", MB_YESNOCANCEL | MB_ICONQUESTION);
        if (antwort == IDCANCEL) return false;
        if (antwort == IDNO) {
            verwerfen();
            Geaendert = false;
            return true;
        }
        if (!TDialog::CanClose()) return false;
        if (!AnforderungenPruefen()) return false;
        EingabenUebernehmen();
        if (Projektmodus) {
            ProjektGeaendertSetzen(true);
        } else if (!dateiSchreiben()) {
            return false; // the edits stay for another try or "Nein"
        }
        Geaendert = false;
    }
    // The window leaves the list of editors once destroyed: another window
    // may still refuse and keep this one open.
    return true;
}

void TFensterBearbeitenDialog::CmOk() {
    if (!TDialog::CanClose()) return;
    EingabenUebernehmen();
    if (!AnforderungenPruefen()) return;
    if (Projektmodus) {
        if (Korpus().ProjektOffen && Geaendert) ProjektGeaendertSetzen(true);
    } else if (!dateiSchreiben()) {
        Geaendert = true; // closing asks again, and "Nein" undoes
        return;
    }
    Geaendert = false;
    if (Fenster)
        Fenster->CloseWindow();
    else
        EndDialog(IDOK);
}

void TFensterBearbeitenDialog::CmCancel() {
    if (Item<TEdit>(IDC_BEZEICHNUNG)->IsModified()) Geaendert = true;
    if (Fenster)
        Fenster->CloseWindow();
    else if (CanClose())
        EndDialog(IDCANCEL);
}
