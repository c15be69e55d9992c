#include "altwandler/AltListen.h"

#include "altwandler/Version5.h"

bool AktuelleListenLesen(ByteReader& in, std::span<const int16_t, 6> n,
                         TISListImp<TRFenster>& rFenster, TISListImp<TPFenster>& pFenster,
                         TTextListe& text1, TTextListe& text2, TISListImp<TFassade>& fassaden,
                         TDimVolumenListe& volumina) {
    for (int i = 0; i < n[0]; ++i) {
        auto t = std::make_unique<TRFenster>();
        if (t->Oeffnen(in) != 0) return false;
        rFenster.AddAfterEquals(std::move(t));
    }
    for (int i = 0; i < n[1]; ++i) {
        auto p = std::make_unique<TPFenster>();
        if (p->Oeffnen(in) != 0) return false;
        p->RFenster =
            rFenster.FirstThat([&](const TRFenster& t) { return t.Nummer == p->RFensterNummer; });
        pFenster.AddAfterEquals(std::move(p));
    }
    if (!AddTextStringToList(in, n[2], &text1) || !AddTextStringToList(in, n[3], &text2))
        return false;
    for (int i = 0; i < n[4]; ++i) {
        auto f = std::make_unique<TFassade>();
        if (!f->Oeffnen(in)) return false;
        fassaden.AddAfterEquals(std::move(f));
    }
    return DimVolumenLesen(in, n[5], volumina) && in.Ok();
}

bool VarianteBeginnen(ByteReader& in, int16_t (&n)[8], ByteImage& bild, size_t typBild) {
    if (!ZaehlerLesen(in, n)) return false;
    bild = in.ReadImage(bild.Size());
    const size_t kleinstes[8] = {6 + typBild,
                                 4 + TPBauteilVersion5::kImageSize,
                                 4 + TRFenster::kImageSize,
                                 4 + TPFenster::kImageSize,
                                 TTextString::kImageSize,
                                 TTextString::kImageSize,
                                 4 + TFassade::kImageSize,
                                 4 + TDimVolumen::kImageSize};
    size_t mindestens = 0;
    for (size_t i = 0; i < 8; ++i) mindestens += size_t(n[i]) * kleinstes[i];
    return in.Ok() && in.CanHold(mindestens, 1);
}
