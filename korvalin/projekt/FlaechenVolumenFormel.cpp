// The formula area of the area and volume calculator: showing and storing a
// record's formula, evaluating it, and the formula collection.
#include "hilfsmittel/Formatter.h"
#include "korvalin/projekt/FormelAuswertung.h"
#include "korvalin/projekt/TFlaechenVolumenDialog.h"
#include "korvalin/projekt/TVolumenFunktionenDialog.h"
#include "korvalin/shell/KorpusZustand.h"
#include "korvalin/shell/TSftTree.h"
#include "platform/services/MessageBox.h"
#include "platform/window/Edit.h"
#include "stammwerk/modell/TFormelSammlung.h"

namespace {

constexpr uint32_t kWarnung = MB_OK | MB_ICONEXCLAMATION;

size_t zeichenzahl(const std::string& text) {
    size_t n = 0;
    for (char c : text)
        if ((uint8_t(c) & 0xC0) != 0x80) ++n;
    return n;
}

std::string zeilenText(const TTextListe& zeilen) {
    std::string text;
    for (const TTextString& z : zeilen) text += z.Text + "\n";
    return text;
}

} // namespace

void TFlaechenVolumenDialog::EintragAnzeigen() {
    const TDimVolumen* d = aktuell();
    if (!d) return;
    variablen_->SetText("");
    formel_->SetText("");
    if (!d->Formelmodus) {
        ergebnis(QTX_format("%5.3lf", 0.0));
        return;
    }
    gradSetzen(d->Rechenoption == 1);
    variablen_->SetText(zeilenText(d->Textliste1));
    formel_->SetText(zeilenText(d->Formelliste));
    variablen_->ClearModify();
    formel_->ClearModify();
    ergebnis(ErgebnisText(d->Wert));
}

// A record keeps lines of at most 128 characters: a longer one is refused
// instead of being cut or wrapped into lines the user never wrote.
bool TFlaechenVolumenDialog::zeilenPruefen(TEdit* edit, const char* was) {
    const auto zeilen = TextZeilen(edit->GetText());
    for (size_t i = 0; i < zeilen.size(); ++i) {
        if (zeichenzahl(zeilen[i]) <= kZeilenLaenge) continue;
        edit->SetFocus();
        MessageBox(std::string("Zeile ") + std::to_string(i + 1) + " " + was +
                       " ist länger als 128 Zeichen.\nTeilen Sie sie auf mehrere Zeilen auf!",
                   "Eingabe-Prüfung", kWarnung);
        return false;
    }
    return true;
}

void TFlaechenVolumenDialog::zeilenSpeichern(TEdit* edit, TTextListe& zeilen) {
    zeilen.Flush();
    uint16_t nummer = 0;
    for (const std::string& z : TextZeilen(edit->GetText())) {
        if (z.empty()) continue;
        auto t = std::make_unique<TTextString>();
        t->Nummer = nummer++;
        t->Text = z;
        zeilen.AddAfterEquals(std::move(t));
    }
}

bool TFlaechenVolumenDialog::EintragUebernehmen(Rechnung rechnung) {
    TDimVolumen* d = aktuell();
    if (!d) return true;
    if (d->Formelmodus && (!zeilenPruefen(variablen_, "der Variablen-Definition") ||
                           !zeilenPruefen(formel_, "der Formel")))
        return false;
    if (nummer_->IsModified()) nummerLesen();
    if (!d->Formelmodus) return true;
    const bool gerechnet = FormelBerechnen(rechnung == Rechnung::MussGelingen);
    if (variablen_->IsModified()) zeilenSpeichern(variablen_, d->Textliste1);
    if (formel_->IsModified()) zeilenSpeichern(formel_, d->Formelliste);
    d->Rechenoption = grad() ? 1 : 0;
    return gerechnet || rechnung == Rechnung::Still;
}

bool TFlaechenVolumenDialog::FormelBerechnen(bool mitMeldungen) {
    const FormelErgebnis e = FormelAuswerten(variablen_->GetText(), formel_->GetText(), grad());
    if (TDimVolumen* d = aktuell()) d->Wert = e.Wert;
    if (e.Art == FormelErgebnis::Ok) {
        ergebnis(ErgebnisText(e.Wert));
        return true;
    }
    ergebnis("0");
    // Overflow speaks also when the evaluation is silent, as it always did.
    if (!mitMeldungen && e.Art != FormelErgebnis::Ueberlauf) return false;
    TEdit* edit = e.Art == FormelErgebnis::VariablenFehler ? variablen_
                  : e.Art == FormelErgebnis::KeineFormel || e.Art == FormelErgebnis::FormelFehler
                      ? formel_
                      : nullptr;
    if (edit && mitMeldungen) {
        edit->SetFocus();
        if (e.AuswahlBis > 0) edit->SetSelection(e.AuswahlVon, e.AuswahlBis);
    }
    MessageBox(e.Meldung, e.Titel, kWarnung);
    return false;
}

void TFlaechenVolumenDialog::CmFormel() {
    TDimVolumen* d = aktuell();
    if (!d || !EintragUebernehmen()) return;
    wertInZelle();
    d->Formelmodus = 1;
    if (!formelGezeigt_) FormelbereichUmschalten();
    if (d->Wert != 0.0) {
        // Written with a point whatever the locale, so that it reads back.
        formel_->Type(FormelZahlText(d->Wert));
        FormelBerechnen(false);
    }
}

void TFlaechenVolumenDialog::CmFormelLoeschen() {
    TDimVolumen* d = aktuell();
    if (!d) return;
    if ((!variablen_->GetText().empty() || !formel_->GetText().empty()) &&
        MessageBox("Variablen-Definition und Formel werden gelöscht!", "Formel löschen",
                   MB_OKCANCEL | MB_ICONEXCLAMATION) != IDOK)
        return;
    if (formelGezeigt_) FormelbereichUmschalten();
    d->Textliste1.Flush();
    d->Formelliste.Flush();
    d->Formelmodus = 0;
    FormelBerechnen(false);
    variablen_->SetText("");
    formel_->SetText("");
    wertInZelle();
    SummeAnzeigen();
}

void TFlaechenVolumenDialog::CmFormelsammlung() {
    TVolumenFunktionenDialog sammlung(this, modus_);
    if (sammlung.Execute() != IDOK || !sammlung.Verwenden) return;
    if ((!variablen_->GetText().empty() || !formel_->GetText().empty()) &&
        MessageBox("Variablen-Liste und Formel werden überschrieben!", "Funktion einfügen",
                   MB_OKCANCEL | MB_ICONEXCLAMATION) != IDOK)
        return;
    const TFormel& f = sammlung.Formel;
    gradSetzen(f.Winkelmodus != '0');
    std::string definitionen;
    for (const std::string& z : TextZeilen(f.Definitionen)) definitionen += z + "\n";
    variablen_->Type("# " + f.Name + "\n" + definitionen);
    std::string formel;
    for (const std::string& z : TextZeilen(f.Formel)) formel += (formel.empty() ? "" : "\n") + z;
    formel_->Type(formel);
    FormelBerechnen(true);
    SummeAnzeigen();
    wertInZelle();
}

void TFlaechenVolumenDialog::CmInFormelsammlungSpeichern() {
    TFormelSammlung sammlung(Korpus().Programmverzeichnis);
    const int gelesen = sammlung.Oeffnen();
    const auto name = FormelnameErfragen(sammlung);
    if (!name) return;
    TFormel f;
    f.Name = *name;
    f.Winkelmodus = grad() ? '1' : '0';
    f.Formel = formel_->GetText().substr(0, 2048);
    f.Definitionen = variablen_->GetText().substr(0, 2048);
    sammlung.Einfuegen(f);
    // A file that could not be read whole is not overwritten (Speichern refuses).
    const bool ok = (gelesen == 1 || gelesen == -2) && sammlung.Speichern() != 0;
    const std::string grund = ok ? "" : sammlung.LetzterFehler();
    MessageBox(ok              ? std::string("Variablen und Formel wurden in die Formelsammlung "
                                                          "aufgenommen!")
               : grund.empty() ? std::string("Fehler bei speichern!")
                               : "Fehler bei speichern!\n" + grund,
               "Funktion speichern", kWarnung);
}
