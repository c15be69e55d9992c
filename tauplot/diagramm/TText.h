#pragma once
// The page text layout of the printed certificate and the data sheets, bound
// to the project that was current when its window was made. The print-outs
// choose through it the page to draw and tell screen drawing from printing.
// FIXME: the text layout itself arrives with the certificate; this holds
// what the windows and print-outs set.
#include <cstdint>

class TGesamtProjekt;

class TText {
public:
    explicit TText(TGesamtProjekt* projekt) : projekt_(projekt) {}
    TGesamtProjekt* Projekt() const { return projekt_; }

    bool Drucken = false; // drawing for the printer, not the screen
    int32_t Seite = 0;    // page to draw when printing, from 0
    int32_t VOffset = 0;  // vertical offset of that page

private:
    TGesamtProjekt* projekt_;
};
