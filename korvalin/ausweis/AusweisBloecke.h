#pragma once
// The blocks of the heat demand certificate. Each lays itself out below the
// bottom of the TText's current rectangle, draws on the pages near the view
// (or on every page while printing) and leaves its own bottom there. Screen
// and printer run the same calls.
#include <string>

class TDC;
class TText;
class TPBauteil;
class TPFenster;
class TProjekt;

namespace ausweis {

// Variant A: normal internal temperatures, proof by the A/V method.
void AusweisKopfA(TText& t, TDC& dc);
void AusweisHeizwaermebedarf(TText& t, TDC& dc);
void AusweisBezugsflaeche(TText& t, TDC& dc);
void AusweisHinweise(TText& t, TDC& dc);
void AusweisWeitereMerkmale(TText& t, TDC& dc);
void AusweisTeilflaechenTabelle(TText& t, TDC& dc);
void AusweisTeilflaechenKopf(TText& t, TDC& dc);
void AusweisTeilflaechenRaster(TText& t, TDC& dc, int zeilen, int gruppe);
void AusweisTeilflaechenGruppe(TText& t, TDC& dc, int zeilen, int gruppe);
void AusweisBauteilZeile(TText& t, TDC& dc, const TPBauteil& p, int zeile);
void AusweisFensterZeile(TText& t, TDC& dc, const TPFenster& f, int zeile);
void AusweisBeruecksichtigt(TText& t, TDC& dc);
void AusweisFussnoten(TText& t, TDC& dc);

// Every variant.
void AusweisGebaeudeDaten(TText& t, TDC& dc);
void AusweisUnterschrift(TText& t, TDC& dc);

// Variant B: the simplified proof by the component method.
void VereinfachtTitel(TText& t, TDC& dc);
void VereinfachtAbschnittI(TText& t, TDC& dc);
void VereinfachtTabelle(TText& t, TDC& dc);
void VereinfachtAbschnittII(TText& t, TDC& dc);
void VereinfachtHinweis(TText& t, TDC& dc);
void TabellenKopfBauteile(TText& t, TDC& dc);
void TabellenKopfFenster(TText& t, TDC& dc);
void TabellenBlockRaster(TText& t, TDC& dc, int zeilen, int gruppe);
void BauteilGruppeBeschriften(TText& t, TDC& dc, int zeilen, int gruppe);
void FensterGruppeBeschriften(TText& t, TDC& dc, int zeilen, int gruppe);
void BauteilZeile(TText& t, TDC& dc, const TPBauteil& p, int zeile);
void FensterZeile(TText& t, TDC& dc, const TPFenster& f, int zeile);
void TabellenZeileKmFeq(TText& t, TDC& dc);

// Variant C: low internal temperatures.
void KopfNiedrigeInnentemperaturen(TText& t, TDC& dc);
void JahresTransmissionswaermebedarf(TText& t, TDC& dc);
void TransmissionswaermebedarfVergleich(TText& t, TDC& dc);
void HinweiseTransmissionswaermebedarf(TText& t, TDC& dc);
void TeilflaechenTabelleNiedrig(TText& t, TDC& dc);
void TabellenkopfNiedrig(TText& t, TDC& dc);
void TeilflaechenGitter(TText& t, TDC& dc, int zeilen, int gruppe);
void TeilflaechenGruppe(TText& t, TDC& dc, int zeilen, int gruppe);
void BauteilZeileNiedrig(TText& t, TDC& dc, const TPBauteil& p, int zeile);
void FensterZeileNiedrig(TText& t, TDC& dc, const TPFenster& f, int zeile);

// The variants' page sequences; the variant that the project calls for.
enum class Variante { Keine, A, B, C };
Variante VarianteWaehlen(const TProjekt* p, int methode);
Variante VarianteWaehlen(const TText& t, int methode);
// The window's caption for a variant, so that a change of variant shows.
std::string VarianteTitel(Variante v);
void AusweisLayout(TText& t, TDC& dc, int methode);

} // namespace ausweis
