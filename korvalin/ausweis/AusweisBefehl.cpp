#include "korvalin/ausweis/AusweisBefehl.h"

#include "hilfsmittel/Formatter.h"
#include "korvalin/ausweis/AusweisPruefung.h"
#include "korvalin/ausweis/TWaermeBedarfsAusweisWindow.h"
#include "korvalin/shell/KorpusZustand.h"
#include "korvalin/shell/OffeneAnsichten.h"
#include "korvalin/shell/korpusMDIClient.h"
#include "platform/services/MessageBox.h"
#include "stammwerk/modell/TProjekt.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr const char* kNachweisTitel = "Wärmeschutznachweis anzeigen";
constexpr const char* kAusweisTitel = "Waermebedarfsausweis";
constexpr uint32_t kWarnung = MB_OK | MB_ICONEXCLAMATION;

std::string werteFehlen(const TProjekt& p, const char* schluss) {
    char text[400];
    std::snprintf(text, sizeof text, "%s%10.2lf%s%s%10.2lf%s", "Werte fehlen! \n Volumen = ", p.V,
                  " m³", "\n Außenfläche = ", p.A_Bauteile + p.A_Fenster, schluss);
    return text;
}

// The numbers of the warning in the program's number format, as the proof sheet has them.
std::string programmZahl(double x, int stellen) {
    return QTX_format(("%3." + std::to_string(stellen) + "lf").c_str(), x);
}

// Warns before a certificate of a building whose proof fails; true: show it all the same.
bool trotzNichtErfuellt(const TProjekt& p, int methode) {
    const ausweis::Variante v = ausweis::VarianteWaehlen(&p, methode);
    const std::vector<std::string> zeilen = ausweis::NichtErfuellt(p, v, programmZahl);
    if (zeilen.empty()) return true;
    std::string text = ausweis::NichtErfuelltKopf(p, v) + "\n\n";
    for (const std::string& z : zeilen) text += z + "\n";
    if (const std::string andere = ausweis::AndereMethodeErfuellt(p, v); !andere.empty())
        text += "\n" + andere + "\n";
    text += "\nDer Wärmebedarfsausweis vermerkt dies. Soll er trotzdem angezeigt werden?";
    return MessageBox(text, kAusweisTitel, MB_YESNO | MB_ICONEXCLAMATION) == IDYES;
}

} // namespace

std::string AusweisNichtVorgesehen(uint16_t baumassnahme) {
    const char* einstellung = baumassnahme == 1   ? "bauliche Erweiterung eines Gebäudes"
                              : baumassnahme == 2 ? "Einbau oder Ersatz von Außenbauteilen"
                                                  : "";
    return std::string("Für die Projekteinstellung \n'") + einstellung +
           "' \nist der Wärmebedarfsausweis nach\n§ 12 Wärmeschutzverordnung nicht vorgesehen!";
}

TWaermeBedarfsAusweisWindow* CmWaermebedarfsausweis() {
    auto& k = Korpus();
    const TProjekt* p = AktuelleVariante();
    if (!p || !k.Client) return nullptr;
    if (!p->CanStartWSchVO()) {
        if (p->PBauteile.IsEmpty())
            MessageBox("Keine Projekt-Bauteile angelegt! \n\n Berechnung konnte nicht "
                       "durchgeführt werden!",
                       kNachweisTitel, kWarnung);
        else
            MessageBox(werteFehlen(*p, " m²\n Berechnung konnte nicht durchgeführt werden!"),
                       kNachweisTitel, kWarnung);
        return nullptr;
    }
    AnsichtSchliessen(k.Ansichten.WBAusweis);

    int methode = 0;
    switch (p->Baumassnahme) {
    case 0:
        break;
    case 1:
    case 2:
        MessageBox(AusweisNichtVorgesehen(p->Baumassnahme), kAusweisTitel, kWarnung);
        return nullptr;
    default:
        return nullptr; // a code the settings cannot set: no certificate applies
    }
    // Small residential buildings with normal internal temperatures may be
    // proved either way; with low ones the certificate is variant C.
    if (p->KleinesWohngebaeude && p->NormaleInnentemperatur) {
        if (p->V >= 0.01) {
            methode = MessageBox("Bei den gewählten Projekteinstellungen besteht die Möglichkeit "
                                 "der Wahl zwischen \nA/V - Verfahren (ja) und Bauteilverfahren "
                                 "(nein).",
                                 kAusweisTitel, MB_YESNO | MB_ICONQUESTION) == IDYES
                          ? 1
                          : 0;
        } else if (MessageBox(werteFehlen(*p, " m²\n Nur Berechnung nach dem Bauteilverfahren "
                                              "möglich!\n "),
                              kNachweisTitel, MB_OKCANCEL | MB_ICONQUESTION) != IDOK) {
            return nullptr;
        }
    }

    if (!trotzNichtErfuellt(*p, methode)) return nullptr;

    auto* fenster = new TWaermeBedarfsAusweisWindow(*k.Client, "Wärmebedarfsausweis");
    fenster->Methode = methode;
    k.Ansichten.WBAusweis = fenster;
    if (!fenster->Create()) {
        k.Ansichten.WBAusweis = nullptr;
        delete fenster;
        return nullptr;
    }
    fenster->ShowWindow(SW_SHOWMAXIMIZED);
    return fenster;
}
