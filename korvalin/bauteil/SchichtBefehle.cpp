// The component editor's layer commands: new, insert, change, delete, drag
// and drop, in-place editing, the context menu and the buttons' states.
#include "hilfsmittel/DoubleValidator2.h"
#include "korvalin/bauteil/BauteilTexte.h"
#include "korvalin/bauteil/TBaustoffGruppeDialog.h"
#include "korvalin/bauteil/TBaustoffInfoDialog.h"
#include "korvalin/bauteil/TBaustoffSystemInfoDialog.h"
#include "korvalin/bauteil/TBaustoffWahlDialog.h"
#include "korvalin/bauteil/TBauteilDialog.h"
#include "korvalin/shell/AusstehendeBefehle.h"
#include "korvalin/shell/KorpusZustand.h"
#include "korvalin/shell/OffeneAnsichten.h"
#include "korvalin/shell/TSftTree.h"
#include "platform/services/MessageBox.h"
#include "platform/window/Menu.h"
#include "platform/window/PopupMenu.h"
#include "stammwerk/modell/TRBauteil.h"

#include <algorithm>

namespace {

constexpr const char* kLuftschicht = "Nicht stehende Luftschicht";

// Columns of the layer table.
enum Spalte : int {
    Name = 0,
    Dicke,
    Dichte,
    Flaechenmasse,
    Lambda,
    Widerstand,
    MuMin,
    MuMax,
    Sd,
    C,
    WT,
    WV
};

struct Bereich {
    double min, max;
};
// The accepted range of each numeric column.
Bereich spaltenBereich(int spalte) {
    switch (spalte) {
    case Dicke:
        return {0, 99999};
    case Dichte:
        return {0, 9999};
    case Lambda:
        return {0, 99999};
    case Widerstand:
        return {0, 9999};
    case C:
        return {0, 99999};
    default:
        return {0, 99999999};
    }
}

} // namespace

void TBauteilDialog::SchaltflaechenAktualisieren() {
    const int r = AusgewaehlteZeile(), n = anzahlSchichten();
    GetDlgItem(IDC_NEU)->EnableWindow(r >= 1 && r <= n + 1);
    GetDlgItem(IDC_AENDERN)->EnableWindow(r >= 0 && r <= n + 1);
    GetDlgItem(IDC_LOESCHEN)->EnableWindow(r >= 1 && r <= n);
}

void TBauteilDialog::aendernAbschliessen(int zeile, int umfang) {
    ErgebnisseAnzeigen(1, 1, 0, umfang);
    SchichtTabelleFuellen();
    ZeileWaehlen(zeile);
    SchaltflaechenAktualisieren();
    Geaendert = true;
    Korpus().BauteilDatenGeaendert = true;
    ProjektNeuBerechnen(1, 0);
}

void TBauteilDialog::luftschichtWarnung(const char* text) {
    Warnung(text, kLuftschicht);
}

void TBauteilDialog::SchichtNeu() {
    if (!bereich_) {
        Warnung("Kein Flächenbereich definiert!", "Schicht einfügen");
        return;
    }
    const int r = AusgewaehlteZeile();
    TBaustoffGruppeStruct gruppe;
    gruppe.Liste.strings.assign(std::begin(BaustoffGruppenNamen), std::end(BaustoffGruppenNamen));
    gruppe.Liste.selIndex = 0;
    TBaustoffGruppeDialog dlg(this, gruppe);
    if (dlg.Execute() != IDOK || gruppe.Liste.selIndex < 0) return;
    TBaustoff b;
    b.Schluessel = TBaustoffSchluessel{};
    b.Schluessel.Gruppe = uint16_t(gruppe.Liste.selIndex + 1);
    b.Name = "unbenannt";
    b.VoreinstellungSpezifischeWaermekapazitaet();
    bereich_->SchichtHinzufuegen(short(r - 2), &b);
    aendernAbschliessen(r);
    schichtAendern(false);
    // Also after Cancel: the new layer starts with µ and λ = 0.
    if (const TSchicht* s = bereich_ ? bereich_->SchichtNr(r - 1) : nullptr)
        baustoffWerteWarnen(*s);
}

void TBauteilDialog::baustoffWerteWarnen(const TBaustoff& s) {
    if (s.Schluessel.IsSystemBaustoff()) return;
    if (s.Mu == 0 || s.Zusatzwert1 == 0)
        Warnung("Sie haben einen Baustoff mit µ-Werten = 0 ausgewählt.\nSetzen Sie die korrekten "
                "µ-Werte ein!",
                "Eingabe-Prüfung");
    if (s.Lambda == 0) lambdaNullWarnen();
}

void TBauteilDialog::lambdaNullWarnen() {
    Warnung("Sie haben einen Baustoff mit lambda-Wert = 0 ausgewählt.\nSetzen Sie den "
            "korrekten lambda-Werte ein!",
            "Eingabe-Prüfung");
}

void TBauteilDialog::SchichtEinfuegen() {
    if (!bereich_) {
        Warnung("Kein Flächenbereich definiert!", "Schicht einfügen");
        return;
    }
    if (auto* client = Korpus().Client) BaustoffWahlOeffnen(*client);
}

void TBauteilDialog::BaustoffeEinfuegen(const std::vector<const TBaustoff*>& liste) {
    if (!bereich_) {
        Warnung("Kein Flächenbereich definiert!", "Schicht einfügen");
        return;
    }
    const int n = anzahlSchichten();
    int p = std::clamp(AusgewaehlteZeile(), 1, n + 1);
    for (const TBaustoff* b : liste) {
        bereich_->SchichtHinzufuegen(short(p - 2), b);
        ++p;
        if (b->Schluessel.IsBelueftet())
            Warnung("Alle Schichten nach \n\"Luftschicht bewegt\"\nbleiben unberücksichtigt bei "
                    "k-Wert- und Diffusionsberechnung!",
                    kLuftschicht);
    }
    aendernAbschliessen(p);
}

void TBauteilDialog::BaustoffErsetzen(const std::vector<const TBaustoff*>& liste) {
    const int r = AusgewaehlteZeile();
    if (bereich_ && r >= 1 && r <= anzahlSchichten()) bereich_->SchichtLoeschen(short(r - 1));
    BaustoffeEinfuegen(liste);
}

void TBauteilDialog::SchichtAendernDialog() {
    schichtAendern(true);
}

void TBauteilDialog::schichtAendern(bool warnen) {
    if (!bereich_) {
        Warnung("Kein Flächenbereich definiert!", "Schicht ändern");
        return;
    }
    const int r = AusgewaehlteZeile(), n = anzahlSchichten();
    if (r < 0) return;
    if (r == n + 2) {
        Warnung("Summen werden berechnet und können nicht manuell geändert werden!",
                "Schicht ändern");
        return;
    }
    if (r == 0 || r == n + 1) {
        BauteilTypBearbeiten();
        return;
    }
    const TSchicht* s = bereich_->SchichtNr(r - 1);
    if (!s) return;
    TBaustoff kopie(*s);
    const bool system = kopie.Schluessel.IsSystemBaustoff();
    // A λ of 0 would make the layer a near-perfect insulator in the proof: it
    // never reaches the component; the dialog opens again with what was typed.
    for (;;) {
        const int ergebnis = system ? TBaustoffSystemInfoDialog(this, kopie, false).Execute()
                                    : TBaustoffInfoDialog(this, kopie, false).Execute();
        if (ergebnis != IDOK) return;
        if (system || kopie.Lambda != 0) break;
        lambdaNullWarnen();
    }
    bereich_->SchichtAendern(short(r - 1), &kopie);
    aendernAbschliessen(r + 1);
    if (warnen) baustoffWerteWarnen(kopie);
    if (kopie.Schluessel.IsBelueftet())
        luftschichtWarnung("Alle Schichten nach \n Nicht stehende Luftschicht \n bleiben "
                           "unberücksichtigt bei k-Wert- und Diffusionsberechnung!");
}

void TBauteilDialog::SchichtLoeschenDialog() {
    if (!bereich_) {
        Warnung("Kein Flächenbereich definiert!", "Schicht löschen");
        return;
    }
    const int r = AusgewaehlteZeile(), n = anzahlSchichten();
    if (r <= 0 || r > n) {
        Warnung(n == 0 ? "Bisher keine Schicht vorhanden!" : "Keine Schicht ausgewählt!",
                "Schicht löschen");
        return;
    }
    const TSchicht* s = bereich_->SchichtNr(r - 1);
    const std::string frage =
        "Schicht " + std::to_string(r) + " " + (s ? s->Name : std::string()) + " löschen!";
    if (Warnung(frage, "Bauteilschicht löschen", MB_OKCANCEL) != IDOK) return;
    Korpus().BauteilDatenGeaendert = true;
    bereich_->SchichtLoeschen(short(r - 1));
    aendernAbschliessen(r);
}

void TBauteilDialog::SchichtVerschieben(int quelle, int ziel, bool kopie) {
    if (!bereich_ || ziel < 0) return;
    const int n = anzahlSchichten();
    const int s = quelle - 1, t = ziel - 2;
    if (t < -1) {
        Warnung("Schicht läßt sich nicht vor Wärmeübergangswiderstand einfügen!",
                "Schicht einfügen");
        return;
    }
    if (t >= n) {
        Warnung("Schicht läßt sich nicht nach Wärmeübergangswiderstand einfügen!",
                "Schicht einfügen");
        return;
    }
    if (s < 0 || s >= n) return;
    const TBaustoff schicht(*bereich_->SchichtNr(s));
    bereich_->SchichtHinzufuegen(short(t), &schicht);
    int zeile;
    if (kopie) {
        // The copy stands at index t + 1; the row above it is selected when it
        // went before its source.
        zeile = t > s ? t + 2 : t + 1;
    } else {
        bereich_->SchichtLoeschen(short(t > s ? s : s + 1));
        zeile = t > s ? t + 1 : t + 2;
    }
    aendernAbschliessen(zeile);
}

void TBauteilDialog::dragUeber() {
    auto& d = schichten_->DragInfo();
    const int quelle = schichten_->GetSelectedItem();
    if (quelle <= 0 || quelle > anzahlSchichten()) {
        // Only layers move: the resistance rows and the sums stay.
        schichten_->SendMessage(WM_CANCELMODE);
        return;
    }
    d.supplyCursor = true;
    if (d.windowUnderCursor == schichten_->GetHandle()) {
        d.dropAllowed = true;
        d.cursor = d.copy ? TCursor::DragCopy : TCursor::DragMove;
    } else {
        d.dropAllowed = false;
        d.cursor = TCursor::NoDrop;
        schichten_->SetDropHighlight(-1);
    }
}

void TBauteilDialog::drop() {
    const auto& d = schichten_->GetDragInfo();
    schichten_->SetDropHighlight(-1);
    if (d.windowUnderCursor != schichten_->GetHandle() || !d.dropAllowed) return;
    SchichtVerschieben(schichten_->GetSelectedItem(), d.itemUnderCursor, d.copy);
}

void TBauteilDialog::kontextmenue() {
    schichten_->SendMessage(WM_CANCELMODE);
    TrackPopupMenu(*schichtMenue_->GetSubMenu(0), GetMessagePos(), *this);
}

void TBauteilDialog::ueberschriftGeklickt() {
    static const char* const namen[12] = {"Baustoff", "Dicke",    "Dichte", "Fl.masse",
                                          "lambda",   "1/Lambda", "µ_min",  "µ_max",
                                          "s_d",      "C",        "W_T",    "W_V"};
    static const char* const einheiten[12] = {"Baustoff", "[mm]",    "[kg/m³]", "[kg/m²]",
                                              "[W/mK]",   "[m²K/W]", "[ - ]",   "[ - ]",
                                              "[ m ]",    "[J/kgK]", "[kg/m²]", "[kg/m²]"};
    einheiten_ = !einheiten_;
    for (int c = 1; c < 12; ++c)
        schichten_->SetColumnTitle(c, einheiten_ ? einheiten[c] : namen[c]);
}

// In-place editing ------------------------------------------------------------------

bool TBauteilDialog::ZelleEditierbar(const TEinfachBauteil* bereich, int zeile, int spalte) {
    if (!bereich || spalte < 0 || spalte > WV) return false;
    const int n = bereich->AnzahlSchichten();
    if (zeile < 0 || zeile >= n + 2) return false;
    if (spalte == Flaechenmasse || spalte == WT || spalte == WV) return false;
    if (zeile == 0 || zeile == n + 1) return spalte == Widerstand;
    const TSchicht& s = bereich->Schichten[size_t(zeile - 1)];
    if (s.Schluessel.IsSystemBaustoff())
        return spalte != Lambda && spalte != MuMin && spalte != MuMax && spalte != Sd &&
               spalte != C;
    if (spalte == Widerstand) return false;
    if (spalte == Sd) return s.Kennzeichen != 0;
    if (spalte == MuMin || spalte == MuMax) return s.Kennzeichen == 0;
    return true;
}

bool TBauteilDialog::ZelleBearbeiten(int zeile, int spalte) {
    if (bereich_ && bereich_->kWertVorgegeben) return false;
    if (!ZelleEditierbar(bereich_, zeile, spalte)) return false;
    schichten_->EnsureVisible(zeile);
    schichten_->EnsureColumnVisible(spalte);
    TTreeEditorStyle stil;
    // The name field of a layer's record; numbers get room for their digits.
    stil.textLimit = spalte == Name ? unsigned(TBaustoff::kNameWidth) : 81;
    if (spalte != Name) stil.validator = std::make_shared<TDoubleValidator2>(0, 99999999);
    return schichten_->OpenEditor(zeile, spalte, std::move(stil));
}

// Values in range that would still break the proof: a layer of λ 0 counts as
// a near-perfect insulator; a system layer keeps its resistance through λ,
// which a thickness of 0 would set to 0.
const char* TBauteilDialog::unbrauchbarerWert(int zeile, int spalte, double wert) const {
    const TSchicht* s = zeile >= 1 ? bereich_->SchichtNr(zeile - 1) : nullptr;
    if (!s || wert > 0) return nullptr;
    const bool system = s->Schluessel.IsSystemBaustoff();
    if (spalte == Lambda && !system)
        return "Sie haben einen Baustoff mit lambda-Wert = 0 ausgewählt.\nSetzen Sie den "
               "korrekten lambda-Werte ein!";
    if (spalte == Dicke && system)
        return "Ein Systembauteil braucht eine Dicke größer 0!\nSein Wärmedurchlaßwiderstand "
               "ginge sonst verloren.";
    return nullptr;
}

bool TBauteilDialog::ZelleUebernehmen() {
    if (!schichten_->IsEditing() || !bereich_) return false;
    const int zeile = schichten_->EditItem(), spalte = schichten_->EditColumn();
    const std::string text = schichten_->GetEditorText().substr(0, 80);
    const int n = anzahlSchichten();
    auto zurueck = [this] {
        if (auto* e = schichten_->GetEditor()) e->SetFocus();
        return false;
    };
    double wert = 0;
    if (spalte == Name) {
        if (text.empty()) {
            MessageBox("Geben Sie einen Namen ein!", "Eingabe-Prüfung",
                       MB_OK | MB_ICONEXCLAMATION | MB_TASKMODAL);
            return zurueck();
        }
    } else {
        wert = DezimalLesen(text);
        const Bereich b = spaltenBereich(spalte);
        // An empty cell is no number, and so in no range.
        if (text.empty() || wert < b.min || wert > b.max) {
            MessageBox("Wert ist nicht im Bereich zwischen\n\n" + Zahl(0, b.min) + " und " +
                           Zahl(0, b.max) + "!",
                       "Eingabe-Prüfung", MB_OK | MB_ICONEXCLAMATION | MB_TASKMODAL);
            return zurueck();
        }
        if (const char* grund = unbrauchbarerWert(zeile, spalte, wert)) {
            MessageBox(grund, "Eingabe-Prüfung", MB_OK | MB_ICONEXCLAMATION | MB_TASKMODAL);
            return zurueck();
        }
    }
    schichten_->CloseEditor();
    if (zeile == 0 || zeile == n + 1) {
        (zeile == 0 ? bauteil_->Rsi : bauteil_->Rse) = wert;
        aendernAbschliessen(zeile, 2); // the resistances count for every area range
        return true;
    }
    const TSchicht* s = bereich_->SchichtNr(zeile - 1);
    if (!s) return false;
    TBaustoff b(*s);
    const bool system = b.Schluessel.IsSystemBaustoff();
    // A system material keeps its resistance when its thickness changes.
    auto festerWiderstand = [&] {
        const double R = b.Lambda <= 0.000001 ? 0.001 * b.Schichtdicke * 1000000
                                              : 0.001 * b.Schichtdicke / b.Lambda;
        return std::max(R, 0.0001);
    };
    switch (spalte) {
    case Name:
        b.Name = Abschneiden(text, TBaustoff::kNameWidth);
        break;
    case Dicke:
        if (system) {
            const double R = festerWiderstand();
            b.Schichtdicke = wert;
            b.Lambda = 0.001 * wert / R;
        } else {
            b.Schichtdicke = wert;
        }
        break;
    case Dichte:
        b.Rohdichte = wert;
        break;
    case Lambda:
        b.Lambda = wert;
        break;
    case Widerstand:
        b.Lambda = 0.001 * b.Schichtdicke / std::max(wert, 0.0001);
        break;
    case MuMin:
        b.Mu = wert;
        break;
    case MuMax:
        b.Zusatzwert1 = wert;
        break;
    case Sd:
        b.Zusatzwert2 = wert;
        break;
    case C:
        b.Waermekapazitaet = wert;
        break;
    default:
        return false;
    }
    bereich_->SchichtAendern(short(zeile - 1), &b);
    aendernAbschliessen(zeile);
    return true;
}

void TBauteilDialog::ZelleAbbrechen() {
    schichten_->CloseEditor();
}
