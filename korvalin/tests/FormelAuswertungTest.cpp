// Evaluation of the calculator's formulas: values, decimal commas, errors with
// their lines and selections, overflow, and the built-in formulas.
#include "korvalin/projekt/FormelAuswertung.h"
#include "hilfsmittel/Formatter.h"
#include "korvalin/projekt/StandardFormeln.h"
#include "testsupport/Locale.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <regex>

namespace {

using A = FormelErgebnis;

TEST(FormelAuswertung, WerteUndFehler) {
    struct Fall {
        const char* variablen;
        const char* formel;
        bool grad;
        A::TArt art;
        double wert;
        const char* meldung;
    };
    const Fall faelle[] = {
        {"a = 2", "a * 3", false, A::Ok, 6.0, ""},
        {"a = 2,5", "a * 2", false, A::Ok, 5.0, ""},
        {"a = 2", "a * 1,5", false, A::Ok, 3.0, ""},
        {"", "2*3", false, A::Ok, 6.0, ""},
        {"", "2 *\n3", false, A::Ok, 6.0, ""},
        {"# Kreis\na = 1 # Radius\n", "pi * a^2", false, A::Ok, 3.14159265359, ""},
        {"", "sin(90)", true, A::Ok, 1.0, ""},
        {"", "sin(90)", false, A::Ok, std::sin(90.0), ""},
        {"a = 2", "", false, A::KeineFormel, 0.0, "Keine Formel angegeben!"},
        {"a = 1\nb = 2\nc = 3 $", "a", false, A::VariablenFehler, 0.0,
         "Variablen-Definition:\nFehler in Zeile 3"},
        {"a = 2 *\nb = 1", "a", false, A::VariablenFehler, 0.0,
         "Variablen-Definition:\nFehler in Zeile 1"},
        {"", "2 * 3\n+ $", false, A::FormelFehler, 0.0, "Formel: Fehler in Zeile 2"},
        {"", "x + 1", false, A::FormelFehler, 0.0, "Formel: Fehler in Zeile 1"},
        {"", "sqrt(0-1)", false, A::Laufzeitfehler, 0.0, "Ungültiges Argument in Funktion SQRT"},
        {"", "10^400", false, A::Ueberlauf, 0.0, "Überlauf bei der Berechnung"},
        {"a = 10^200", "a * a", false, A::Ueberlauf, 0.0, "Überlauf bei der Berechnung"},
        {"a = 10^400", "1", false, A::Ueberlauf, 0.0, "Überlauf bei der Berechnung"},
        {"", "0^(0-1)", false, A::Ueberlauf, 0.0, "Überlauf bei der Berechnung"},
    };
    for (const Fall& f : faelle) {
        const FormelErgebnis e = FormelAuswerten(f.variablen, f.formel, f.grad);
        SCOPED_TRACE(std::string(f.variablen) + " | " + f.formel);
        EXPECT_EQ(e.Art, f.art);
        EXPECT_NEAR(e.Wert, f.wert, 1e-9);
        EXPECT_EQ(e.Meldung, f.meldung);
        if (f.art == A::Ueberlauf || f.art == A::Laufzeitfehler)
            EXPECT_EQ(e.Titel, "Laufzeit-Fehler");
        else if (f.art != A::Ok)
            EXPECT_EQ(e.Titel, "Parser-Meldung");
    }
    // The evaluation leaves no flag behind for the program's other arithmetic.
    EXPECT_EQ(std::fetestexcept(FE_OVERFLOW | FE_INVALID | FE_DIVBYZERO), 0);
}

TEST(FormelAuswertung, FehlerstelleWirdAusgewaehlt) {
    // The character before the error position, counted in characters of the
    // edit: the umlaut of the comment is one character, the line break too.
    auto e = FormelAuswerten("# Höhe\nb = 2\nc = 3 $", "c", false);
    ASSERT_EQ(e.Art, A::VariablenFehler);
    EXPECT_EQ(e.AuswahlVon, 19);
    EXPECT_EQ(e.AuswahlBis, 20);

    // Formula lines are joined without breaks; the selection is put back
    // into the edit, where each earlier line ends with its break.
    e = FormelAuswerten("", "2 * 3\n+ $", false);
    ASSERT_EQ(e.Art, A::FormelFehler);
    EXPECT_EQ(e.AuswahlVon, 8);
    EXPECT_EQ(e.AuswahlBis, 9);
}

TEST(FormelAuswertung, ZahlenTexte) {
    SetSPRINTFCharacters('.', ',');
    EXPECT_EQ(ErgebnisText(6.0), "6,000");
    EXPECT_EQ(ErgebnisText(9999999.0), "9.999.999,000");
    EXPECT_EQ(ErgebnisText(12345678.9), "1.23457E+07");
    EXPECT_EQ(ListenWertText(12.5), "12.500");
    EXPECT_EQ(ListenWertText(12345678.9), "1.23457E+07");

    // Written into the formula under a German numeric locale, a value reads
    // back as the same number.
    testsupport::ScopedNumericLocale deutsch("de_DE.UTF-8");
    EXPECT_EQ(FormelZahlText(12.5), "12.500");
    const auto e = FormelAuswerten("", FormelZahlText(1234.5678), false);
    EXPECT_NEAR(e.Wert, 1234.568, 1e-9);
}

// The built-in formula's definitions with the given values for its variables.
std::string mitWerten(int zeile, std::initializer_list<std::pair<const char*, const char*>> werte) {
    std::string text = StandardFormelText(StandardFormelTextId(zeile, 2));
    for (const auto& [name, wert] : werte)
        text = std::regex_replace(text, std::regex("(^|\n)" + std::string(name) + " *= *0"),
                                  std::string("$1") + name + " = " + wert);
    return text;
}

TEST(FormelAuswertung, EingebauteFormelnVonHandGerechnet) {
    struct Fall {
        int zeile;
        std::initializer_list<std::pair<const char*, const char*>> werte;
        double wert; // by hand, pi = 3.14159265359
    };
    const Fall faelle[] = {
        {1, {{"a", "3"}, {"b", "4"}}, 6.0},               // 3 * 4 / 2
        {3, {{"a", "5"}, {"c", "6"}}, 12.0},              // 6/4 * sqrt(100 - 36)
        {5, {{"a", "3"}, {"b", "4"}, {"c", "5"}}, 6.0},   // Heron: 3-4-5 triangle
        {9, {}, 1.299038105677},                          // a=2 b=1 c=d=1: 3 * sqrt(3)/2 / 2
        {10, {{"a", "2"}}, 12.56637061436},               // pi * 4
        {11, {{"a", "2"}, {"b", "90"}}, 3.14159265359},   // quarter of pi * 4
        {20, {{"a", "2"}, {"b", "3"}, {"c", "4"}}, 24.0}, // cuboid
        {24, {{"a", "4"}, {"b", "1"}, {"c", "3"}}, 7.0},  // 3/3 * (4 + 1 + 2)
        {29, {{"a", "3"}}, 113.0973355292},               // 4/3 * pi * 27
        {16, {{"R1", "2"}, {"R2", "1"}, {"h", "1"}}, 13.32864881}, // pi * 3 * sqrt(2)
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(StandardFormelText(StandardFormelTextId(f.zeile, 0)));
        const auto e = FormelAuswerten(mitWerten(f.zeile, f.werte),
                                       StandardFormelText(StandardFormelTextId(f.zeile, 1)), false);
        EXPECT_EQ(e.Art, A::Ok) << e.Meldung;
        EXPECT_NEAR(e.Wert, f.wert, 1e-6);
    }
}

TEST(FormelAuswertung, TextIdsDerTabelle) {
    EXPECT_EQ(StandardFormelTextId(10, 0), 20007);
    EXPECT_EQ(StandardFormelText(20007), "Kreis");
    EXPECT_EQ(StandardFormelText(StandardFormelTextId(10, 1)), "pi * a^2");
    EXPECT_EQ(StandardFormelTextId(12, 2), 20030);
    for (int gruppe : {0, 13, 19, 32}) EXPECT_EQ(StandardFormelTextId(gruppe, 1), -1);
    EXPECT_EQ(StandardFormelTextId(33, 0), -2);
    EXPECT_EQ(StandardFormelTextId(-1, 0), 0);
    EXPECT_EQ(StandardFormelTextId(1, -1), 0);
}

} // namespace
