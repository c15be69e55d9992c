// Placing types on areas and into placed items, re-assigning placed items to
// other types, moving and copying them. The model keeps the links; here the
// questions, the refusals and the refresh.
#include "korvalin/projekt/TBauteilFassadenZuordnenDialog.h"
#include "korvalin/projekt/TProjektDialog.h"
#include "korvalin/shell/TSftTree.h"
#include "platform/services/MessageBox.h"
#include "platform/window/ResponseTable.h"
#include "stammwerk/modell/TProjekt.h"

namespace {

constexpr uint32_t kHinweis = MB_OK | MB_ICONEXCLAMATION;
constexpr uint32_t kFrage = MB_OKCANCEL | MB_ICONEXCLAMATION;

std::string q(const std::string& name) {
    return "\"" + name + "\"";
}

bool fragen(const std::string& text, const std::string& titel) {
    return MessageBox(text, titel, kFrage) == IDOK;
}

// The placed item as the links name it, with its name and carrier.
struct Element {
    TTypNummer ref;
    std::string name;
    TTypNummer traeger;
    uint16_t fassade = 0xFFFF;
    bool hatEinbauten = false;
    explicit operator bool() const { return ref.Nummer != -1; }
};

Element element(TPBauteil* b, TPFenster* f) {
    if (b)
        return {TProjekt::Referenz(*b), b->Name, b->Traeger, b->FassadenNummer,
                !b->Einbauten.IsEmpty()};
    if (f)
        return {TProjekt::Referenz(*f), f->Name, f->Traeger, f->FassadenNummer,
                !f->Einbauten.IsEmpty()};
    return {};
}

} // namespace

void TProjektDialog::AufHuellflaecheZuordnen(TRBauteil* t, TRFenster* w, TFassade* f) {
    TProjekt* p = projekt();
    if (!p || !f || (!t && !w)) return;
    const std::string wort = t ? "Bauteil" : "Fenster";
    if (!fragen("Einfügen von " + q(t ? t->Name : w->Name) + " in " + q(f->Name) + "!",
                wort + " einfügen"))
        return;
    if (t)
        p->PBauteilNeu(t, f, 1);
    else
        p->PFensterNeu(w, f, 1);
    HuellZeile = HuellZeileSuchen(int16_t(f->Nummer), Fassade);
    f->Merker7 = 1;
    huelleGeaendert();
}

void TProjektDialog::AlsUnterBauteilZuordnen(TRBauteil* t, TRFenster* w, TPBauteil* zielB,
                                             TPFenster* zielF) {
    TProjekt* p = projekt();
    const Element ziel = element(zielB, zielF);
    if (!p || !ziel || (!t && !w)) return;
    const std::string wort = t ? "Bauteil" : "Fenster";
    if (ziel.traeger.Nummer != -1) {
        MessageBox("Aktion nicht möglich!\n" + q(ziel.name) +
                       "ist selbst ein Unter-Bauteil. Einem Unter-Bauteil kann kein weiteres "
                       "Unter-" +
                       wort + " zugeordnet werden!",
                   wort + " einfügen", kHinweis);
        return;
    }
    if (!fragen("Einfügen von " + q(t ? t->Name : w->Name) + " in " + q(ziel.name) + "!",
                wort + " einfügen"))
        return;
    if (t)
        p->PBauteilNeuEinbauen(t, ziel.ref);
    else
        p->PFensterNeuEinbauen(w, ziel.ref);
    if (zielB) zielB->Merker6 = 1;
    if (zielF) zielF->Merker15 = 1;
    huelleGeaendert();
}

void TProjektDialog::NeuZuordnen(TRBauteil* t, TRFenster* w, TPBauteil* b, TPFenster* f) {
    TProjekt* p = projekt();
    if (!p) return;
    if (!((t && b) || (w && f))) {
        MessageBox("Zuordnung zwischen Bauteil und Fenster nicht möglich!",
                   "Bauteil/Fenster neu zuordnen", kHinweis);
        return;
    }
    const std::string wort = t ? "Bauteil" : "Fenster";
    if (!fragen("Ordne dem Projekt-" + wort + " " + q(t ? b->Name : f->Name) + "  das Referenz-" +
                    wort + " " + q(t ? t->Name : w->Name) + " zu!",
                wort + " neu zuordnen"))
        return;
    if (t)
        p->NeuZuordnen(b, t);
    else
        p->NeuZuordnen(f, w);
    huelleGeaendert();
}

void TProjektDialog::AufHuellflaecheVerschieben(TPBauteil* b, TPFenster* f, TFassade* ziel) {
    TProjekt* p = projekt();
    const Element e = element(b, f);
    if (!p || !e || !ziel) return;
    if (e.fassade == ziel->Nummer && e.traeger.Nummer == -1) {
        MessageBox("Aktion nicht möglich!\nBauteil gehört bereits zur Hüllfläche!",
                   "Bauteil verschieben", kHinweis);
        return;
    }
    if (!p->AufFassadeVerschieben(e.ref, ziel)) return;
    ziel->Merker7 = 1;
    HuellZeile = HuellZeileSuchen(e.ref.Nummer, b ? Bauteil : Fenster);
    huelleGeaendert();
}

void TProjektDialog::UnterBauteilVerschieben(TPBauteil* b, TPFenster* f, TPBauteil* zielB,
                                             TPFenster* zielF) {
    TProjekt* p = projekt();
    const Element e = element(b, f), ziel = element(zielB, zielF);
    if (!p || !e || !ziel) return;
    if (!p->InTraegerVerschieben(e.ref, ziel.ref)) return;
    if (zielB) zielB->Merker6 = 1;
    if (zielF) zielF->Merker15 = 1;
    TFassade* fassade = p->FassadeNr(ziel.fassade);
    if (fassade) {
        fassade->Merker7 = 1;
        HuellZeile = HuellZeileSuchen(int16_t(fassade->Nummer), Fassade);
    }
    huelleGeaendert();
}

void TProjektDialog::AufHuellflaecheKopieren(TPBauteil* b, TPFenster* f, TFassade* ziel) {
    TProjekt* p = projekt();
    if (!p || !ziel || (!b && !f)) return;
    if (b)
        p->PBauteilKopieren(b, ziel, 1);
    else
        p->PFensterKopieren(f, ziel, 1);
    ziel->Merker7 = 1;
    HuellZeile = HuellZeileSuchen(int16_t(ziel->Nummer), Fassade);
    huelleGeaendert();
}

void TProjektDialog::UnterBauteilKopieren(TPBauteil* b, TPFenster* f, TPBauteil* zielB,
                                          TPFenster* zielF) {
    TProjekt* p = projekt();
    const Element ziel = element(zielB, zielF);
    if (!p || !ziel || (!b && !f)) return;
    // One level only: nothing goes into an inserted item, and an item with
    // inserted items goes onto an area only.
    if (ziel.traeger.Nummer != -1 || element(b, f).hatEinbauten) return;
    if (b)
        p->PBauteilKopieren(b, zielB, zielF);
    else
        p->PFensterKopieren(f, zielB, zielF);
    if (TFassade* fassade = p->FassadeNr(ziel.fassade)) {
        fassade->Merker7 = 1;
        HuellZeile = HuellZeileSuchen(int16_t(fassade->Nummer), Fassade);
    }
    huelleGeaendert();
}

void TProjektDialog::HuellflaecheZuordnen() {
    if (!AuswahlRBauteil && !AuswahlRFenster) return;
    if (AuswahlFassade)
        AufHuellflaecheZuordnen(AuswahlRBauteil, AuswahlRFenster, AuswahlFassade);
    else if (AuswahlPBauteil || AuswahlPFenster)
        AlsUnterBauteilZuordnen(AuswahlRBauteil, AuswahlRFenster, AuswahlPBauteil, AuswahlPFenster);
}

void TProjektDialog::Bewegen() {
    TProjekt* p = projekt();
    if (!p || (!AuswahlPBauteil && !AuswahlPFenster)) return;
    TBauteilFassadenZuordnenStruct daten;
    daten.Name = AuswahlPBauteil ? AuswahlPBauteil->Name : AuswahlPFenster->Name;
    daten.Fassaden = fassadenListe();
    TBauteilFassadenZuordnenDialog dialog(this, daten);
    if (dialog.Execute() != IDOK) return;
    AufHuellflaecheVerschieben(AuswahlPBauteil, AuswahlPFenster,
                               p->FassadeNr(daten.Fassaden.selIndex));
}

void TProjektDialog::zuordnenEintragen() {
    auto& r = Responses();
    for (int id : {108, 12205}) r.Command(id, [this] { HuellflaecheZuordnen(); });
    for (int id : {117, 12206})
        r.Command(id, [this] {
            NeuZuordnen(AuswahlRBauteil, AuswahlRFenster, AuswahlPBauteil, AuswahlPFenster);
        });
    for (int id : {114, 12101}) r.Command(id, [this] { Bewegen(); });
}
