// Taking window and component types from the catalogues into a variant.
#include "stammwerk/modell/TBauteilDatei.h"
#include "stammwerk/modell/TFensterDatei.h"
#include "stammwerk/modell/TProjekt.h"

namespace {

template <class T, class Schluessel>
const T* imKatalog(const TKatalogDatei<T>* katalog, const Schluessel& key) {
    const auto* z = katalog->Index().FirstThat(
        [&](const TKatalogZeiger<T>& x) { return x.Typ->Schluessel == key; });
    return z ? z->Typ : nullptr;
}

} // namespace

int TProjekt::BauteilEinfuegen(const TBauteilSchluessel* key, const TBauteilDatei* katalog,
                               TFassade* f) {
    if (!key || !katalog || int16_t(key->Katalog) <= 0) return 0;
    const TRBauteil* eintrag = imKatalog(katalog, *key);
    if (!eintrag) return 0;
    auto t = std::make_unique<TRBauteil>(*eintrag);
    t->Schluessel = TBauteilSchluessel{};
    // A catalogue record places nothing in this variant.
    t->PBauteilListe.Flush();
    t->Klima = Klima;
    t->Temperatur = Temperatur;
    t->Feuchteoption = 0;
    TRBauteil& neu = BauteilNeu(std::move(t));
    neu.FeuchteBerechnen(1);
    neu.WSchVO(Baumassnahme, NormaleInnentemperatur, KleinesWohngebaeude);
    // The caller recomputes the facade, the envelope areas and the proof.
    if (f) PBauteilNeu(&neu, f, 0);
    return 1;
}

int TProjekt::FensterEinfuegen(const TFensterSchluessel* key, const TFensterDatei* katalog,
                               TFassade* f) {
    // Windows have a DIN catalogue (0) besides the maker's and the user's.
    if (!key || !katalog || int16_t(key->Katalog) < 0) return 0;
    const TRFenster* eintrag = imKatalog(katalog, *key);
    if (!eintrag) return 0;
    auto t = std::make_unique<TRFenster>(*eintrag);
    t->PFensterListe.Flush();
    TRFenster& neu = FensterNeu(std::move(t));
    if (f) PFensterNeu(&neu, f, 0);
    return 1;
}
