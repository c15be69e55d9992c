#include "korvalin/shell/Einstellungen.h"

#include "korvalin/shell/KorpusZustand.h"
#include "platform/base/TextCompare.h"
#include "platform/profile/Profile.h"

#include <string>

namespace {
// The values are read into buffers of 9 characters.
constexpr unsigned kPuffer = 9;
constexpr uint32_t kMaxIntervall = 60; // minutes
} // namespace

bool SchalterAn(std::string_view text) {
    return text == "1" || EqualNoCase(text, "true");
}

void EinstellungenLesen() {
    auto& k = Korpus();
    TProfile einstellungen("Einstellungen", "korpus.ini");
    k.StatuszeileAnzeigen = SchalterAn(einstellungen.GetString("Statuszeile", "1", kPuffer));
    k.SymbolleisteAnzeigen = SchalterAn(einstellungen.GetString("Symbolleiste", "1", kPuffer));
    TProfile speichern("Speichern", "korpus.ini");
    k.AutoSpeichern = SchalterAn(speichern.GetString("Auto", "", kPuffer));
    // Parsed signed, kept unsigned: a negative text ends above the limit too.
    const auto intervall =
        uint32_t(ParseProfileInt(speichern.GetString("Intervall", "1", kPuffer)));
    k.AutoSpeichernIntervall = intervall > kMaxIntervall ? kMaxIntervall : intervall;
}

void EinstellungenSchreiben() {
    const auto& k = Korpus();
    const auto schalter = [](bool an) { return an ? "1" : "0"; };
    TProfile einstellungen("Einstellungen", "korpus.ini");
    einstellungen.WriteString("Statuszeile", schalter(k.StatuszeileAnzeigen));
    einstellungen.WriteString("Symbolleiste", schalter(k.SymbolleisteAnzeigen));
    TProfile speichern("Speichern", "korpus.ini");
    speichern.WriteString("Auto", schalter(k.AutoSpeichern));
    speichern.WriteString("Intervall", std::to_string(k.AutoSpeichernIntervall));
}

bool BandingLesen() {
    return SchalterAn(TProfile("Drucker", "korpus.ini").GetString("Banding", "", kPuffer));
}
