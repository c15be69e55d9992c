#include "korvalin/bauteil/FensterBeschreibung.h"

#include <memory>

const char* const Schallschutzklassen[7] = {"k.A.", "1", "2", "3", "4", "5", "6"};
const char* const FensterBaustoffklassen[7] = {"k.A.", "A1", "A2", "B1", "B2", "B3", "AB"};
const char* const FensterFeuerwiderstandsklassen[6] = {"k.A.", "G30", "G60", "G90", "G120", "G180"};

std::string BeschreibungText(const TTextListe& liste) {
    std::string text;
    for (const TTextString& t : liste) text += t.Text;
    return text;
}

void BeschreibungSetzen(TTextListe& liste, std::string_view text) {
    // 127 characters per record: one Windows-1252 byte each in the file.
    constexpr size_t kZeichen = 127;
    liste.Flush();
    uint16_t nummer = 0;
    size_t i = 0;
    while (i < text.size()) {
        size_t ende = i;
        for (size_t n = 0; n < kZeichen && ende < text.size(); ++n) {
            ++ende;
            while (ende < text.size() && (uint8_t(text[ende]) & 0xC0) == 0x80) ++ende;
        }
        auto t = std::make_unique<TTextString>();
        t->Nummer = nummer++;
        t->Text = std::string(text.substr(i, ende - i));
        liste.Add(std::move(t));
        i = ende;
    }
}
