#include "stammwerk/modell/TKlima.h"

#include "platform/base/ByteImage.h"

void TKlima::StandardDefinition() {
    *this = TKlima();
}

void TKlima::WriteImage(ByteImage& image, size_t off) const {
    image.SetU16(off + 0, KlimaMerker1);
    image.SetU16(off + 2, KlimaMerker2);
    const double v[] = {
        ThetaI, ThetaI_V, ThetaE, ThetaE_V, KlimaWert1, KlimaWert2,         ThetaOberflaeche_V,
        PhiI,   PhiI_V,   PhiE,   PhiE_V,   Tauperiode, Verdunstungsperiode};
    for (size_t i = 0; i < 13; ++i) image.SetF64(off + 4 + 8 * i, v[i]);
    image.SetU16(off + 108, AussenluftVerdunstung);
    image.SetU16(off + 110, OberflaecheDreifachRsi);
    image.SetText(off + 112, kTextWidth, Titel);
    image.SetText(off + 162, kTextWidth, Zusatztext);
}

void TKlima::ReadImage(const ByteImage& image, size_t off) {
    KlimaMerker1 = image.U16(off + 0);
    KlimaMerker2 = image.U16(off + 2);
    double* v[] = {&ThetaI,
                   &ThetaI_V,
                   &ThetaE,
                   &ThetaE_V,
                   &KlimaWert1,
                   &KlimaWert2,
                   &ThetaOberflaeche_V,
                   &PhiI,
                   &PhiI_V,
                   &PhiE,
                   &PhiE_V,
                   &Tauperiode,
                   &Verdunstungsperiode};
    for (size_t i = 0; i < 13; ++i) *v[i] = image.F64(off + 4 + 8 * i);
    AussenluftVerdunstung = image.U16(off + 108);
    OberflaecheDreifachRsi = image.U16(off + 110);
    Titel = image.Text(off + 112, kTextWidth);
    Zusatztext = image.Text(off + 162, kTextWidth);
}
