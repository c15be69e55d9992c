#include "korvalin/shell/Export.h"

#include "korvalin/projekt/ProjektZeilen.h"
#include "korvalin/shell/KorpusZustand.h"
#include "korvalin/shell/korpusMDIClient.h"
#include "platform/base/Cp1252.h"
#include "platform/base/FileIO.h"
#include "platform/services/MessageBox.h"
#include "platform/window/Cursor.h"
#include "stammwerk/modell/TGesamtProjekt.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <system_error>

namespace fs = std::filesystem;

namespace {

using K = TControlKind;

TDialogResource ressource() {
    TDialogResource r;
    r.caption = "ASCII-Export";
    r.size = {200, 150};
    r.controls = {
        {K::GroupBox, 200, "Inhalt", {6, 4, 194, 84}},
        {K::CheckBox, 101, "Projektdaten", {12, 16, 190, 26}},
        {K::CheckBox, 102, "Hüllflächen mit Bauteilen und Fenstern", {12, 28, 190, 38}},
        {K::CheckBox, 103, "Bauteiltypen", {12, 40, 190, 50}},
        {K::CheckBox, 104, "Fenstertypen", {12, 52, 190, 62}},
        {K::CheckBox, 105, "Ergebnisse des Wärmeschutznachweises", {12, 64, 190, 74}},
        {K::GroupBox, 201, "Format", {6, 88, 194, 126}},
        {K::CheckBox, 106, "Dezimalkomma", {12, 98, 84, 108}},
        {K::CheckBox, 107, "Tabulator als Trennzeichen", {12, 110, 190, 120}},
        {K::CheckBox, 108, "Schichten der Bauteiltypen", {86, 98, 192, 108}},
        {K::DefButton, IDOK, "OK", {40, 132, 95, 146}},
        {K::Button, IDCANCEL, "Abbrechen", {105, 132, 160, 146}},
    };
    return r;
}

const char* const kBaumassnahme[] = {"Neubau", "Erweiterung", "Einbau oder Ersatz von Bauteilen"};

// One line of fields, joined by the chosen separator.
class Zeilen {
public:
    explicit Zeilen(const TExportStruct& o) : o_(o) {}
    Zeilen& feld(std::string_view text) {
        if (!erstes_) zeile_ += o_.Tabulator ? '\t' : ';';
        erstes_ = false;
        // A separator or line end inside a name would break the columns.
        for (char c : text) zeile_ += (c == ';' || c == '\t' || c == '\r' || c == '\n') ? ' ' : c;
        return *this;
    }
    Zeilen& zahl(double wert, int stellen = 2) {
        char puffer[64];
        if (!std::isfinite(wert)) wert = 0;
        const auto r =
            std::to_chars(puffer, puffer + sizeof puffer, wert, std::chars_format::fixed, stellen);
        std::string text(puffer, r.ptr);
        if (text == "-0.00" || text == "-0.000" || text == "-0.0") text.erase(0, 1);
        if (o_.Dezimalkomma)
            for (char& c : text)
                if (c == '.') c = ',';
        return feld(text);
    }
    Zeilen& ganz(long long wert) { return feld(std::to_string(wert)); }
    void ende() {
        text_ += zeile_ + "\r\n";
        zeile_.clear();
        erstes_ = true;
    }
    void abschnitt(std::string_view name) { text_ += "[" + std::string(name) + "]\r\n"; }
    const std::string& text() const { return text_; }

private:
    const TExportStruct& o_;
    std::string text_, zeile_;
    bool erstes_ = true;
};

std::string typName(const TTypNamen& namen, unsigned art) {
    return art < namen.size() ? namen[art] : std::string();
}

void projektdaten(Zeilen& z, const TProjekt& p) {
    z.abschnitt("Projektdaten");
    z.feld("Projekt").feld(p.Projektangaben[0]).ende();
    z.feld("Straße").feld(p.Projektangaben[1]).ende();
    z.feld("Ort").feld(p.Projektangaben[2]).ende();
    z.feld("Baumaßnahme").feld(p.Baumassnahme < 3 ? kBaumassnahme[p.Baumassnahme] : "").ende();
    const double a = p.A_Bauteile + p.A_Fenster;
    z.feld("Beheiztes Bauwerksvolumen V").zahl(p.V).feld("m³").ende();
    z.feld("Wärmeübertragende Umfassungsfläche A").zahl(a).feld("m²").ende();
    z.feld("A/V").zahl(p.V > 0 ? a / p.V : 0).feld("1/m").ende();
}

void huellflaechen(Zeilen& z, const TProjekt& p, const TTypNamen& namen) {
    z.abschnitt("Hüllflächen");
    z.feld("Art").feld("Nr").feld("Name").feld("Typ").feld("Fläche m²").feld("k W/(m²K)").ende();
    for (const TFassade& f : p.Fassaden) {
        z.feld("Fläche").ganz(f.Nummer).feld(f.Name).feld("").zahl(f.A_gesamt).feld("").ende();
        for (const TPBauteil& b : p.PBauteile) {
            if (b.FassadenNummer != f.Nummer) continue;
            const TRBauteil* t = b.RBauteil;
            z.feld("Bauteil").ganz(b.Nummer).feld(b.Name);
            z.feld(t ? typName(namen, t->Bauteilart) : "").zahl(b.Nettoflaeche);
            z.zahl(t ? t->k_m : 0, 3).ende();
        }
        for (const TPFenster& w : p.PFenster) {
            if (w.FassadenNummer != f.Nummer) continue;
            z.feld("Fenster").ganz(w.Nummer).feld(w.Name).feld("Fenster").zahl(w.Nettoflaeche);
            z.zahl(w.RFenster ? w.RFenster->k_F : 0, 3).ende();
        }
    }
}

void bauteiltypen(Zeilen& z, const TProjekt& p, const TTypNamen& namen, bool schichten) {
    z.abschnitt("Bauteiltypen");
    z.feld("Nr").feld("Name").feld("Art").feld("k W/(m²K)").ende();
    for (const TRBauteil& t : p.RBauteile) {
        z.ganz(t.Nummer).feld(t.Name).feld(typName(namen, t.Bauteilart)).zahl(t.k_m, 3).ende();
        if (!schichten) continue;
        for (const TEinfachBauteil& e : t.Flaechenanteile)
            for (const TSchicht& s : e.Schichten) {
                z.feld("Schicht").ganz(e.Nummer).ganz(s.Nummer).feld(s.Name);
                z.zahl(s.Schichtdicke, 1).zahl(s.Lambda, 3).ende();
            }
    }
}

void fenstertypen(Zeilen& z, const TProjekt& p) {
    z.abschnitt("Fenstertypen");
    z.feld("Nr").feld("Name").feld("k W/(m²K)").feld("g").ende();
    for (const TRFenster& f : p.RFenster)
        z.ganz(f.Nummer).feld(f.Name).zahl(f.k_F, 3).zahl(f.g, 2).ende();
}

void nachweis(Zeilen& z, const TProjekt& p) {
    z.abschnitt("Wärmeschutznachweis");
    z.feld("Q'H vorhanden").zahl(p.Q2_H).feld("kWh/m³a").ende();
    z.feld("Q'H zulässig").zahl(p.Q2_H_max).feld("kWh/m³a").ende();
    z.feld("Q'T vorhanden").zahl(p.Q2_T).feld("kWh/m³a").ende();
    z.feld("Q'T zulässig").zahl(p.Q2_T_max).feld("kWh/m³a").ende();
    z.feld("Nachweis erfüllt").feld(p.NachweisErfuellt ? "ja" : "nein").ende();
}

} // namespace

const TTypNamen& ExportTypNamen() {
    // The same names as the reference tree's headings.
    static const TTypNamen namen = [] {
        TTypNamen n;
        for (size_t i = 0; i < n.size(); ++i) n[i] = BauteilTypNamen[i];
        return n;
    }();
    return namen;
}

TExportDialog::TExportDialog(TWindow* parent, TExportStruct& o) : TDialog(parent, ressource()) {
    if (!(o.Projektdaten | o.Huellflaechen | o.Bauteiltypen | o.Fenstertypen | o.Nachweis))
        o.Projektdaten = o.Huellflaechen = o.Bauteiltypen = o.Fenstertypen = o.Nachweis = 1;
    transfer_.Check(o.Projektdaten).Check(o.Huellflaechen).Check(o.Bauteiltypen);
    transfer_.Check(o.Fenstertypen).Check(o.Nachweis).Check(o.Dezimalkomma).Check(o.Tabulator);
    transfer_.Check(o.Schichten);
    SetTransferBuffer(&transfer_);
}

fs::path ExportDateiName(const TGesamtProjekt& g) {
    return fs::path(g.GetProjektPfad()) / (g.GetFileName(false) + ".TXT");
}

std::string ExportText(const TGesamtProjekt& g, const TTypNamen& namen, const TExportStruct& o) {
    Zeilen z(o);
    z.feld("KORVALIN ASCII-Export").ganz(1).ende();
    z.feld("Projektdatei").feld(g.GetFileName(true)).ende();
    for (const TProjekt& p : g.Projekte) {
        z.feld("Variante").ganz(p.Nummer).feld(p.Name).ende();
        if (o.Projektdaten) projektdaten(z, p);
        if (o.Huellflaechen) huellflaechen(z, p, namen);
        if (o.Bauteiltypen) bauteiltypen(z, p, namen, o.Schichten != 0);
        if (o.Fenstertypen) fenstertypen(z, p);
        if (o.Nachweis) nachweis(z, p);
    }
    return cp1252::EncodeLossy(z.text());
}

int ExportProjektKopf(const TGesamtProjekt& g, const TTypNamen& namen, const TExportStruct& o) {
    const auto r = WriteFileAtomically(ExportDateiName(g), ExportText(g, namen, o));
    if (r.ok) return 0;
    return r.error.find(std::strerror(EMFILE)) != std::string::npos ? 1 : 2;
}

void CmExport(korpusMDIClient& client) {
    const auto* g = Korpus().AktuellesProjekt;
    if (!g) return;
    TExportStruct optionen;
    TExportDialog dialog(&client, optionen);
    const fs::path datei = ExportDateiName(*g);
    if (dialog.Execute() != IDOK) return;
    std::error_code ec;
    if (fs::exists(datei, ec) && MessageBox("Projekt-ASCII-Datei überschreiben?", "Export",
                                            MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
        return;
    const TCursor warten(TCursor::Wait), pfeil(TCursor::Arrow);
    client.SetCursor(&warten);
    const int ergebnis = ExportProjektKopf(*g, ExportTypNamen(), optionen);
    client.SetCursor(&pfeil);
    if (ergebnis == 0)
        MessageBox("Daten wurden im File " + datei.filename().string() + " gespeichert", "Export",
                   MB_OK);
    else if (ergebnis == 1)
        MessageBox("Fehler beim Speichern der Daten aufgetreten, zu viele Dateien geöffnet",
                   "Fehler", MB_OK | MB_ICONEXCLAMATION);
    else
        MessageBox("Fehler beim Speichern der Daten aufgetreten", "Fehler",
                   MB_OK | MB_ICONEXCLAMATION);
}
