// The component comparison: the choice on each side, the checks on OK and
// the comparison command that follows the dialog.
#include "ProjektDialogFixture.h"

#include "korvalin/datenblatt/Blattfenster.h"
#include "korvalin/projekt/TBTVergleichDialog.h"
#include "korvalin/shell/AusstehendeBefehle.h"
#include "korvalin/shell/KorpusBefehle.h"
#include "platform/services/MessageBox.h"
#include "platform/window/ComboBox.h"
#include "platform/window/ControlCodes.h"
#include "stammwerk/modell/TProjekt.h"

namespace projekttest {
namespace {

using B = TBTVergleichDialog;

class Aufgezeichnet : public AusstehendeBefehle {
public:
    void Ausfuehren(int befehl) override { befehle.push_back(befehl); }
    std::vector<int> befehle;
};

std::unique_ptr<TEinfachBauteil> bereich(const char* name, bool schicht, bool vorgegeben) {
    auto e = std::make_unique<TEinfachBauteil>();
    e->Name = name;
    e->kWertVorgegeben = vorgegeben ? 1 : 0;
    if (schicht) e->Schichten.Add(std::make_unique<TSchicht>());
    return e;
}

struct Vergleich : ProjektDialogTest {
    std::shared_ptr<Aufgezeichnet> spaeter = std::make_shared<Aufgezeichnet>();

    void SetUp() override {
        Korpus().Ausstehend = spaeter;
        auto g = std::make_unique<TGesamtProjekt>(dirs.Dirs().programData);
        auto a = std::make_unique<TProjekt>();
        a->Name = "Bestand";
        auto wand = std::make_unique<TRBauteil>();
        wand->Name = "Wand";
        wand->Bauteilart = 1;
        wand->Flaechenanteile.AddAfterEquals(bereich("Mauerwerk", true, false));
        wand->Flaechenanteile.AddAfterEquals(bereich("Pfeiler", true, true));
        a->RBauteile.AddAfterEquals(std::move(wand));
        auto leer = std::make_unique<TRBauteil>();
        leer->Name = "Ohne Bereich";
        leer->Bauteilart = 3;
        a->RBauteile.AddAfterEquals(std::move(leer));
        g->ProjektHinzufuegen(std::move(a));
        auto b = std::make_unique<TProjekt>();
        b->Nummer = 1;
        b->Name = "Neubau";
        g->ProjektHinzufuegen(std::move(b));
        ProjektSetzen(std::move(g));
    }
};

TEST_F(Vergleich, BaumUndWahlJeSeite) {
    services.Dialogs().Expect([](TDialog& dlg) {
        auto& d = dynamic_cast<B&>(dlg);
        TSftTree* links = d.Baum(B::Links);
        ASSERT_EQ(links->GetCount(), 4);
        EXPECT_EQ(Zeile(links, 0), "Wand | Außenwand");
        EXPECT_EQ(Zeile(links, 2), "  Pfeiler | ");
        EXPECT_EQ(Zeile(links, 3), "Ohne Bereich | Dach/Decke");
        EXPECT_FALSE(links->IsExpanded(0));
        struct Fall {
            int zeile;
            const char* bauteil;
            const char* bereich; // "" none
        };
        const Fall faelle[] = {
            {0, "Wand", "Mauerwerk"}, {2, "Wand", "Pfeiler"}, {3, "Ohne Bereich", ""}};
        links->ClickExpandButton(0);
        for (const Fall& f : faelle) {
            links->ClickCell(f.zeile, 0);
            const auto& w = d.Wahl(B::Links);
            ASSERT_NE(w.Bauteil, nullptr);
            EXPECT_EQ(w.Bauteil->Name, f.bauteil);
            EXPECT_EQ(w.Bereich ? w.Bereich->Name : "", f.bereich);
        }
        // The right side's variant without components: no rows, no choice.
        auto* liste = d.Item<TComboBox>(B::IDC_VARIANTE_RECHTS);
        ASSERT_EQ(liste->GetCount(), 2);
        liste->SetSelIndex(1);
        d.SendMessage(WM_COMMAND, MAKEWPARAM(B::IDC_VARIANTE_RECHTS, CBN_SELCHANGE),
                      LPARAM(liste->GetHandle()));
        EXPECT_EQ(d.Baum(B::Rechts)->GetCount(), 0);
        EXPECT_EQ(d.Wahl(B::Rechts).Variante->Name, "Neubau");
        EXPECT_EQ(d.Wahl(B::Rechts).Bereich, nullptr);
        // OK closes without a check; the command then refuses.
        d.SendMessage(WM_COMMAND, IDOK, 0);
        EXPECT_TRUE(d.Ended());
    });
    services.Messages().Answer(IDOK);
    BauteilVergleichAnzeigen(nullptr);
    ASSERT_EQ(services.Messages().Calls().size(), 1u);
    EXPECT_EQ(services.Messages().Calls()[0].text, "Datenblatt anzeigen nicht möglich!");
    EXPECT_EQ(services.Messages().Calls()[0].caption, "");
    EXPECT_TRUE(spaeter->befehle.empty());
}

TEST_F(Vergleich, OkPrueftBeideSeiten) {
    struct Fall {
        int links, rechts; // rows; both trees expanded
        bool glaser;
        const char* meldung; // "" closes
        const char* titel;
    };
    const Fall faelle[] = {
        {1, 1, false, "", ""},
        {0, 1, true, "", ""}, // a default layer is no system material
        {2, 1, false,
         "Das links ausgewählte Bauteil läßt sich nicht anzeigen.\nWählen Sie ein anderes Bauteil "
         "bzw. einen anderen Bereich aus!",
         "Temperaturverlauf anzeigen"},
        {1, 2, true,
         "Das rechts ausgewählte Bauteil läßt sich nicht anzeigen.\nWählen Sie ein anderes Bauteil "
         "bzw. einen anderen Bereich aus!",
         "Glaserdiagramm anzeigen"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(std::to_string(f.links) + " " + std::to_string(f.rechts));
        spaeter->befehle.clear();
        const size_t vorher = services.Messages().Calls().size();
        const bool abgelehnt = *f.meldung != 0;
        services.Dialogs().Expect([&](TDialog& dlg) {
            auto& d = dynamic_cast<B&>(dlg);
            if (f.glaser) d.SendMessage(WM_COMMAND, B::IDC_GLASER, 0);
            for (B::TSeite seite : {B::Links, B::Rechts}) {
                d.SendMessage(WM_COMMAND, seite == B::Links ? 511 : 517, 0);
                d.Baum(seite)->ClickCell(seite == B::Links ? f.links : f.rechts, 0);
            }
            d.SendMessage(WM_COMMAND, IDOK, 0);
            EXPECT_EQ(d.Ended(), !abgelehnt);
            if (!d.Ended()) d.SendMessage(WM_COMMAND, IDCANCEL, 0);
        });
        // The refusal, then the command's own message after Cancel.
        if (abgelehnt) {
            services.Messages().Answer(IDOK);
            services.Messages().Answer(IDOK);
        }
        BauteilVergleichAnzeigen(nullptr);
        const auto& calls = services.Messages().Calls();
        if (abgelehnt) {
            ASSERT_EQ(calls.size(), vorher + 2);
            EXPECT_EQ(calls[vorher].text, f.meldung);
            EXPECT_EQ(calls[vorher].caption, f.titel);
            EXPECT_TRUE(spaeter->befehle.empty());
        } else {
            EXPECT_EQ(calls.size(), vorher);
            // Without a program window no sheet opens, and nothing else happens.
            EXPECT_TRUE(spaeter->befehle.empty());
        }
    }
}

} // namespace
} // namespace projekttest
