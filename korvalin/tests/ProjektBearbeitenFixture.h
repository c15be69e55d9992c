#pragma once
// A small house for the editing commands of the project dialog: two facades
// "Nord" and "Süd", the types "Wand" (kind 0), "Dach" (kind 3) and the
// window type "F1"; on Nord the wall "Wand: 1" with the window "F1: 1" set
// into it, on Süd the wall "Wand: 2". The editors are stand-ins that record
// what they were asked to open.
#include "ProjektDialogFixture.h"

#include "korvalin/shell/EditorZugang.h"
#include "platform/window/Dialog.h"
#include "stammwerk/modell/TProjekt.h"

namespace projekttest {

struct EditorAufruf {
    std::string typ;
    std::string platziert;
    EditorAuftrag auftrag;
    bool operator==(const EditorAufruf&) const = default;
};

class EditorProtokoll : public EditorZugang {
public:
    void BauteilEditor(TRBauteil& t, TPBauteil* p, EditorAuftrag a) override {
        aufrufe.push_back({t.Name, p ? p->Name : "", a});
    }
    void FensterEditor(TRFenster& t, TPFenster* p, EditorAuftrag a) override {
        aufrufe.push_back({t.Name, p ? p->Name : "", a});
    }
    void TypUmbenannt(const TRBauteil& t) override { umbenannt.push_back(t.Name); }
    void TypUmbenannt(const TRFenster& t) override { umbenannt.push_back(t.Name); }
    bool BauteileWaehlen(std::vector<TBaustoffSchluessel>& s) override {
        s = bauteile;
        return waehlen;
    }
    bool FensterWaehlen(std::vector<TBaustoffSchluessel>& s) override {
        s = fenster;
        return waehlen;
    }
    std::vector<EditorAufruf> aufrufe;
    std::vector<std::string> umbenannt;
    std::vector<TBaustoffSchluessel> bauteile, fenster;
    bool waehlen = true;
};

inline std::unique_ptr<TProjekt> KleinesHaus() {
    auto v = std::make_unique<TProjekt>();
    v->Name = "Variante A";
    for (const char* name : {"Nord", "Süd"}) {
        auto f = std::make_unique<TFassade>();
        f->Nummer = uint16_t(v->Fassaden.GetItemsInContainer());
        f->Name = name;
        f->IstFassade = 1;
        v->Fassaden.Add(std::move(f));
    }
    auto typ = [&](const char* name, uint16_t art) -> TRBauteil& {
        auto t = std::make_unique<TRBauteil>();
        t->Name = name;
        t->Bauteilart = art;
        return v->BauteilNeu(std::move(t));
    };
    TRBauteil& wand = typ("Wand", 0);
    typ("Dach", 3);
    auto f = std::make_unique<TRFenster>();
    f->Name = "F1";
    TRFenster& f1 = v->FensterNeu(std::move(f));
    TPBauteil* w1 = v->PBauteilNeu(&wand, &v->Fassaden[0], 1);
    v->PFensterNeuEinbauen(&f1, TProjekt::Referenz(*w1));
    v->PBauteilNeu(&wand, &v->Fassaden[1], 1);
    return v;
}

struct HausTest : ProjektDialogTest {
    TProjekt* p = nullptr;
    std::shared_ptr<EditorProtokoll> editoren = std::make_shared<EditorProtokoll>();
    enum : int { kNord = 0, kWand1 = 1, kF1 = 2, kSued = 3, kWand2 = 4 };
    enum : int { kAussenwand = 0, kWand = 1, kDachGruppe = 2, kDach = 3, kFenster = 4, kF1Typ = 5 };

    void SetUp() override {
        Korpus().Editoren = editoren;
        p = &Setzen(KleinesHaus());
        Zeigen();
    }
    void TearDown() override { Verknuepft(); }
    TSftTree* huelle() { return dialog->HuellBaum(); }
    TSftTree* referenz() { return dialog->BauteilBaum(); }
    std::vector<std::string> Huelle() { return Zeilen(huelle()); }
    std::vector<std::string> Referenz() { return Zeilen(referenz()); }
    void Verknuepft() {
        if (auto* v = AktuelleVariante()) {
            const auto fehler = v->VerknuepfungsFehler();
            EXPECT_TRUE(fehler.empty()) << ::testing::PrintToString(fehler);
        }
    }
    // Runs a command as the menus and buttons send it.
    void Befehl(int id) {
        dialog->SendMessage(WM_COMMAND, WPARAM(id), 0);
        Verknuepft();
    }
    std::vector<std::string> Meldungen() {
        std::vector<std::string> m;
        for (const auto& c : services.Messages().Calls()) m.push_back(c.caption + ": " + c.text);
        return m;
    }
};

} // namespace projekttest
