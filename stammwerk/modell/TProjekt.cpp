#include "stammwerk/modell/TProjekt.h"

#include "platform/base/ByteStream.h"
#include "platform/base/Cp1252.h"

#include <memory>
#include <utility>

namespace {

// The u16 fields from ZielwertStatus (60) to InterneGewinnePauschal (102).
template <class P>
auto schalter(P& p) {
    return std::array{&p.ZielwertStatus,
                      &p.UnterschreitungStatus,
                      &p.NachweisRolladenkasten,
                      &p.NachweisFlaechenheizung,
                      &p.NachweisHeizkoerper,
                      &p.NachweisTrennwaende,
                      &p.NachweisFugen,
                      &p.NachweisSommer,
                      &p.NachweisEinfachverglasung,
                      &p.ZusatzErfuellt,
                      &p.FensterTab2Erfuellt,
                      &p.ProjektBauteilverfahren,
                      &p.ProjektDINErfuellt,
                      &p.NachweisErfuellt,
                      &p.Baumassnahme,
                      &p.Gebaeudenutzung,
                      &p.KleinesWohngebaeude,
                      &p.ZweiGebaeudetrennwaende,
                      &p.WestAnsatz,
                      &p.MehrAlsZweiVollgeschosse,
                      &p.NormaleInnentemperatur,
                      &p.InterneGewinnePauschal};
}

// The proof results from Q_H (696) to A_Fenster (864).
template <class P>
auto nachweis(P& p) {
    return std::array{&p.Q_H,
                      &p.Q2_H,
                      &p.Waermerueckgewinnungsgrad,
                      &p.Q1_H,
                      &p.Q_H_Nutzflaeche,
                      &p.Q2_H_max,
                      &p.Q1_H_max,
                      &p.Q_T,
                      &p.Q_T_Wand,
                      &p.Q_T_Fenster,
                      &p.Q_T_Dach,
                      &p.Q_T_Boden,
                      &p.Q_T_Art6,
                      &p.Q_T_Art5,
                      &p.Q2_T,
                      &p.Q2_T_max,
                      &p.Q_L,
                      &p.Q_I,
                      &p.Q_I_Vorgabe,
                      &p.Q_S,
                      &p.k_eq_F_m,
                      &p.A_Fenster};
}

// The u16 fields from A_N_pauschal (936) to AVErfuellt (944).
template <class P>
auto flaechenSchalter(P& p) {
    return std::array{&p.A_N_pauschal, &p.ProjektMerker, &p.BueroVorrang, &p.A_N_Art,
                      &p.AVErfuellt};
}

template <class T>
T* nachNummer(TISListImp<T>& liste, int nummer) {
    return liste.FirstThat([&](const T& x) { return x.Nummer == uint16_t(nummer); });
}

template <class T>
void deepCopy(TISListImp<T>& ziel, const TISListImp<T>& quelle) {
    for (const T& x : quelle) ziel.AddAfterEquals(std::make_unique<T>(x));
}

// Name of a new placement: the type's name, ": " and the running number,
// when the type's name is short enough to take it.
std::string platzierungsName(const std::string& typName, size_t anzahl) {
    if (cp1252::EncodeLossy(typName).size() >= 25) return typName;
    return typName + ": " + std::to_string(anzahl + 1);
}

} // namespace

TProjekt::TProjekt(const TProjekt& o) {
    ByteImage image(kImageSize);
    o.WriteImage(image, 0);
    ReadImage(image, 0);
    deepCopy(RBauteile, o.RBauteile);
    deepCopy(RFenster, o.RFenster);
    deepCopy(PBauteile, o.PBauteile);
    deepCopy(PFenster, o.PFenster);
    TypNummernKopieren(Typnummern, o.Typnummern);
    InitTextListe(&Textliste1, &o.Textliste1);
    InitTextListe(&Textliste2, &o.Textliste2);
    deepCopy(Fassaden, o.Fassaden);
    DimVolumenKopieren(Volumina, o.Volumina);
    WerteErsetzt = o.WerteErsetzt;
    // The copied placements refer to the copied types.
    for (TPBauteil& p : PBauteile) p.RBauteil = RBauteilNr(p.RBauteilNummer);
    for (TPFenster& p : PFenster) p.RFenster = RFensterNr(p.RFensterNummer);
}

void TProjekt::WriteImage(ByteImage& image, size_t off) const {
    image.SetText(off + 0, kNameWidth, Name);
    image.SetI16(off + 30, Nummer);
    image.SetI16(off + 32, NaechsteFensterNummer);
    image.SetI16(off + 34, NaechsteBauteilNummer);
    for (size_t i = 0; i < 8; ++i) image.SetI16(off + 36 + 2 * i, Projekteinstellungen[i]);
    image.SetF64(off + 52, Fugenkoeffizient_max);
    size_t at = off + 60;
    for (const uint16_t* s : schalter(*this)) image.SetU16(std::exchange(at, at + 2), *s);
    Klima.WriteImage(image, off + 104);
    Temperatur.WriteImage(image, off + 316);
    image.SetF64(off + 372, Wert20);
    for (size_t i = 0; i < 9; ++i) image.SetText(off + 380 + 30 * i, 30, Projektangaben[i]);
    // 650..689: ten list references, meaningless on disk
    image.SetU16(off + 690, Lueftungsanlage);
    image.SetU16(off + 692, LueftungsabzugArt);
    image.SetU16(off + 694, Zusatzpruefung);
    at = off + 696;
    for (const double* w : nachweis(*this)) image.SetF64(std::exchange(at, at + 8), *w);
    for (size_t i = 0; i < 5; ++i) image.SetF64(off + 872 + 8 * i, Werte5[i]);
    image.SetF64(off + 912, A_Bauteile);
    image.SetF64(off + 920, V);
    image.SetF64(off + 928, A_N_Vorgabe);
    at = off + 936;
    for (const uint16_t* s : flaechenSchalter(*this)) image.SetU16(std::exchange(at, at + 2), *s);
    image.SetF64(off + 946, k_m_AW);
    image.SetF64(off + 954, A_AW);
    image.SetU8(off + 962, ZielwertPruefen);
    image.SetF64(off + 963, Zielwert);
    image.SetU16(off + 971, UnterschreitungPruefen);
    image.SetF64(off + 973, Unterschreitung);
    Ort.WriteImage(image, off + 981);
    Heizsystem.WriteImage(image, off + 1031);
    Warmwasser.WriteImage(image, off + 1188);
    Jahresverbrauch.WriteImage(image, off + 1214);
    image.SetText(off + 1334, kBemerkungWidth, Bemerkung);
}

void TProjekt::ReadImage(const ByteImage& image, size_t off) {
    Name = image.Text(off + 0, kNameWidth);
    Nummer = image.I16(off + 30);
    NaechsteFensterNummer = image.I16(off + 32);
    NaechsteBauteilNummer = image.I16(off + 34);
    for (size_t i = 0; i < 8; ++i) Projekteinstellungen[i] = image.I16(off + 36 + 2 * i);
    Fugenkoeffizient_max = image.F64(off + 52);
    size_t at = off + 60;
    for (uint16_t* s : schalter(*this)) *s = image.U16(std::exchange(at, at + 2));
    Klima.ReadImage(image, off + 104);
    Temperatur.ReadImage(image, off + 316);
    Wert20 = image.F64(off + 372);
    for (size_t i = 0; i < 9; ++i) Projektangaben[i] = image.Text(off + 380 + 30 * i, 30);
    Lueftungsanlage = image.U16(off + 690);
    LueftungsabzugArt = image.U16(off + 692);
    Zusatzpruefung = image.U16(off + 694);
    at = off + 696;
    for (double* w : nachweis(*this)) *w = image.F64(std::exchange(at, at + 8));
    for (size_t i = 0; i < 5; ++i) Werte5[i] = image.F64(off + 872 + 8 * i);
    A_Bauteile = image.F64(off + 912);
    V = image.F64(off + 920);
    A_N_Vorgabe = image.F64(off + 928);
    at = off + 936;
    for (uint16_t* s : flaechenSchalter(*this)) *s = image.U16(std::exchange(at, at + 2));
    k_m_AW = image.F64(off + 946);
    A_AW = image.F64(off + 954);
    ZielwertPruefen = image.U8(off + 962);
    Zielwert = image.F64(off + 963);
    UnterschreitungPruefen = image.U16(off + 971);
    Unterschreitung = image.F64(off + 973);
    Ort.ReadImage(image, off + 981);
    Heizsystem.ReadImage(image, off + 1031);
    Warmwasser.ReadImage(image, off + 1188);
    Jahresverbrauch.ReadImage(image, off + 1214);
    Bemerkung = image.Text(off + 1334, kBemerkungWidth);
}

void TProjekt::leeren() {
    PBauteile.Flush();
    PFenster.Flush();
    RBauteile.Flush();
    RFenster.Flush();
    Typnummern.Flush();
    Textliste1.Flush();
    Textliste2.Flush();
    Fassaden.Flush();
    Volumina.Flush();
    Massenliste.Flush();
}

void TProjekt::Speichern(ByteWriter& out) const {
    const size_t anzahlen[8] = {RBauteile.GetItemsInContainer(),  PBauteile.GetItemsInContainer(),
                                RFenster.GetItemsInContainer(),   PFenster.GetItemsInContainer(),
                                Textliste1.GetItemsInContainer(), Textliste2.GetItemsInContainer(),
                                Fassaden.GetItemsInContainer(),   Volumina.GetItemsInContainer()};
    for (size_t n : anzahlen) out.WriteCount(n);
    ByteImage image(kImageSize);
    WriteImage(image, 0);
    out.WriteImage(image);
    for (const TRBauteil& t : RBauteile) t.Speichern(out);
    for (const TPBauteil& p : PBauteile) p.Speichern(out);
    for (const TRFenster& t : RFenster) t.Speichern(out);
    for (const TPFenster& p : PFenster) p.Speichern(out);
    WriteTextStringListToFile(out, int(anzahlen[4]), &Textliste1);
    WriteTextStringListToFile(out, int(anzahlen[5]), &Textliste2);
    for (const TFassade& f : Fassaden) f.Speichern(out);
    for (const TDimVolumen& d : Volumina) d.Speichern(out);
}

namespace {
// Smallest file image of each element kind, to refuse counts beyond the data.
constexpr size_t kleinstes[8] = {6 + TRBauteil::kImageSize, 4 + TPBauteil::kImageSize,
                                 4 + TRFenster::kImageSize, 4 + TPFenster::kImageSize,
                                 TTextString::kImageSize,   TTextString::kImageSize,
                                 4 + TFassade::kImageSize,  4 + TDimVolumen::kImageSize};
} // namespace

namespace {
// The lists in file order, for the reason of a refused file.
constexpr const char* kListenNamen[8] = {
    "Bauteiltypen",         "platzierten Bauteile", "Fenstertypen", "platzierten Fenster",
    "Textzeilen (Liste 1)", "Textzeilen (Liste 2)", "Fassaden",     "Flächen und Volumina"};
} // namespace

bool TProjekt::listenLesen(ByteReader& in, const std::array<int16_t, 8>& n, std::string& grund) {
    size_t mindestens = 0;
    for (size_t i = 0; i < 8; ++i) {
        if (n[i] < 0) {
            grund = std::string("die Anzahl der ") + kListenNamen[i] + " ist negativ (" +
                    std::to_string(n[i]) + ")";
            return false;
        }
        mindestens += size_t(n[i]) * kleinstes[i];
    }
    if (!in.CanHold(mindestens, 1)) {
        grund = "die Anzahlen der Listen sind größer, als die Datei Daten enthält";
        return false;
    }
    const auto kaputt = [&](size_t liste, int i) {
        grund = std::string("die ") + kListenNamen[liste] + " sind ab Eintrag " +
                std::to_string(i + 1) + " von " + std::to_string(n[liste]) +
                " unvollständig oder beschädigt";
        return false;
    };

    for (int i = 0; i < n[0]; ++i) {
        auto t = std::make_unique<TRBauteil>();
        if (t->Oeffnen(in) != 0) return kaputt(0, i);
        Typnummern.AddAfterEquals(
            std::make_unique<TTypNummer>(TTypNummer{int16_t(t->Bauteilart), int16_t(t->Nummer)}));
        RBauteile.AddAfterEquals(std::move(t));
    }
    for (int i = 0; i < n[1]; ++i) {
        auto p = std::make_unique<TPBauteil>();
        if (p->Oeffnen(in) != 0) return kaputt(1, i);
        // A placement refers to its type by number: one that is not there
        // makes the file unusable.
        p->RBauteil = RBauteilNr(p->RBauteilNummer);
        if (!p->RBauteil) {
            grund = "das platzierte Bauteil \"" + p->Name + "\" verweist auf den fehlenden " +
                    "Bauteiltyp Nr. " + std::to_string(p->RBauteilNummer);
            return false;
        }
        PBauteile.AddAfterEquals(std::move(p));
    }
    for (int i = 0; i < n[2]; ++i) {
        auto t = std::make_unique<TRFenster>();
        if (t->Oeffnen(in) != 0) return kaputt(2, i);
        Typnummern.AddAfterEquals(
            std::make_unique<TTypNummer>(TTypNummer{TTypNummer::Fenster, int16_t(t->Nummer)}));
        RFenster.AddAfterEquals(std::move(t));
    }
    for (int i = 0; i < n[3]; ++i) {
        auto p = std::make_unique<TPFenster>();
        if (p->Oeffnen(in) != 0) return kaputt(3, i);
        p->RFenster = RFensterNr(p->RFensterNummer);
        if (!p->RFenster) {
            grund = "das platzierte Fenster \"" + p->Name + "\" verweist auf den fehlenden " +
                    "Fenstertyp Nr. " + std::to_string(p->RFensterNummer);
            return false;
        }
        PFenster.AddAfterEquals(std::move(p));
    }
    if (!AddTextStringToList(in, n[4], &Textliste1)) return kaputt(4, 0);
    if (!AddTextStringToList(in, n[5], &Textliste2)) return kaputt(5, 0);
    for (int i = 0; i < n[6]; ++i) {
        auto f = std::make_unique<TFassade>();
        if (!f->Oeffnen(in)) return kaputt(6, i);
        Fassaden.AddAfterEquals(std::move(f));
    }
    if (!DimVolumenLesen(in, n[7], Volumina) || !in.Ok())
        return kaputt(7, int(Volumina.GetItemsInContainer()));
    return true;
}

int TProjekt::Oeffnen(ByteReader& in) {
    std::string grund;
    return Oeffnen(in, grund);
}

int TProjekt::Oeffnen(ByteReader& in, std::string& grund) {
    leeren();
    std::array<int16_t, 8> n{};
    for (int16_t& a : n) a = in.ReadI16();
    const ByteImage image = in.ReadImage(kImageSize);
    if (!in.Ok()) {
        grund = "die Datei endet in den Projektdaten";
        return 1;
    }
    ReadImage(image, 0);
    if (!listenLesen(in, n, grund)) {
        leeren();
        in.Fail();
        return 1;
    }
    return 0;
}

int TProjekt::Speicherbedarf() const {
    int summe = 1914 +
                131 * int(Textliste1.GetItemsInContainer() + Textliste2.GetItemsInContainer()) +
                56 * int(Volumina.GetItemsInContainer());
    for (const TRBauteil& t : RBauteile) summe += t.Speicherbedarf();
    for (const TPBauteil& p : PBauteile) summe += p.Speicherbedarf();
    for (const TRFenster& t : RFenster) summe += t.Speicherbedarf();
    for (const TPFenster& p : PFenster) summe += p.Speicherbedarf();
    for (const TFassade& f : Fassaden) summe += f.Speicherbedarf();
    return summe;
}

int TProjekt::FeuchteBerechnen() const {
    for (const TRBauteil& t : RBauteile)
        if (!t.FeuchteErfuellt) return 0;
    return 1;
}

TRBauteil* TProjekt::RBauteilNr(int nummer) {
    return nachNummer(RBauteile, nummer);
}
TRFenster* TProjekt::RFensterNr(int nummer) {
    return nachNummer(RFenster, nummer);
}
TPBauteil* TProjekt::PBauteilNr(int nummer) {
    return nachNummer(PBauteile, nummer);
}
TPFenster* TProjekt::PFensterNr(int nummer) {
    return nachNummer(PFenster, nummer);
}
TFassade* TProjekt::FassadeNr(int nummer) {
    return nachNummer(Fassaden, nummer);
}

TRBauteil& TProjekt::BauteilNeu(std::unique_ptr<TRBauteil> t) {
    t->Nummer = uint16_t(NaechsteBauteilNummer++);
    Typnummern.Add(TTypNummer{int16_t(t->Bauteilart), int16_t(t->Nummer)});
    return RBauteile.Add(std::move(t));
}

TRFenster& TProjekt::FensterNeu(std::unique_ptr<TRFenster> t) {
    t->Nummer = uint16_t(NaechsteFensterNummer++);
    Typnummern.Add(TTypNummer{TTypNummer::Fenster, int16_t(t->Nummer)});
    return RFenster.Add(std::move(t));
}

int TProjekt::BauteilUmbenennen(const std::string& name, int nummer) {
    if (TRBauteil* t = RBauteilNr(nummer)) t->Name = name;
    return 1;
}

int TProjekt::FensterUmbenennen(const std::string& name, int nummer) {
    if (TRFenster* t = RFensterNr(nummer)) t->Name = name;
    return 1;
}

void TProjekt::fassadeRechnen(TFassade* f) {
    if (!f) return;
    f->GroessenBerechnen(&PBauteile, &PFenster, Baumassnahme, NormaleInnentemperatur, WestAnsatz,
                         Zusatzpruefung, Fugenkoeffizient_max);
}

TPBauteil* TProjekt::PBauteilEinfuegen(std::unique_ptr<TPBauteil> p, TFassade* f, int rechnen) {
    TRBauteil* t = p ? p->RBauteil : nullptr;
    if (!t || !f) return nullptr;
    p->Name = platzierungsName(t->Name, t->PBauteilListe.GetItemsInContainer());
    p->Nummer = uint16_t(NaechsteBauteilNummer++);
    p->RBauteilNummer = t->Nummer;
    p->FassadenNummer = f->Nummer;
    const TTypNummer ref{int16_t(t->Bauteilart), int16_t(p->Nummer)};
    t->PBauteilListe.Add(ref);
    f->Elemente.Add(ref);
    TPBauteil& neu = PBauteile.Add(std::move(p));
    neu.WSchVO(NormaleInnentemperatur);
    if (rechnen) {
        fassadeRechnen(f);
        if (!neu.Flaechenliste.IsEmpty()) UmfassungsflaecheBerechnen();
        WSchVO();
    }
    return &neu;
}

TPBauteil* TProjekt::PBauteilNeu(TRBauteil* t, TFassade* f, int rechnen) {
    if (!t) return nullptr;
    auto p = std::make_unique<TPBauteil>();
    p->RBauteil = t;
    return PBauteilEinfuegen(std::move(p), f, rechnen);
}

TPFenster* TProjekt::PFensterEinfuegen(std::unique_ptr<TPFenster> p, TFassade* f, int rechnen) {
    TRFenster* t = p ? p->RFenster : nullptr;
    if (!t || !f) return nullptr;
    p->Name = platzierungsName(t->Name, t->PFensterListe.GetItemsInContainer());
    p->Nummer = uint16_t(NaechsteFensterNummer++);
    p->RFensterNummer = t->Nummer;
    p->FassadenNummer = f->Nummer;
    const TTypNummer ref{TTypNummer::Fenster, int16_t(p->Nummer)};
    t->PFensterListe.Add(ref);
    f->Elemente.Add(ref);
    TPFenster& neu = PFenster.Add(std::move(p));
    neu.Berechnen(Baumassnahme, NormaleInnentemperatur, WestAnsatz, Zusatzpruefung,
                  Fugenkoeffizient_max);
    if (rechnen) {
        fassadeRechnen(f);
        if (!neu.Flaechenliste.IsEmpty()) UmfassungsflaecheBerechnen();
        WSchVO();
    }
    return &neu;
}

TPFenster* TProjekt::PFensterNeu(TRFenster* t, TFassade* f, int rechnen) {
    if (!t || !f) return nullptr;
    auto p = std::make_unique<TPFenster>();
    p->RFenster = t;
    // A new window takes the facade's defaults for new windows.
    p->Orientierung = f->Orientierung;
    p->z_fest = f->z_fest_Vorgabe;
    p->z_bew = f->z_bew_Vorgabe;
    p->Verschattung = f->Verschattung_Vorgabe;
    p->Neigung = f->Neigung_Vorgabe;
    return PFensterEinfuegen(std::move(p), f, rechnen);
}

TPBauteil* TProjekt::FirstPBauteil(const TRBauteil* t) {
    if (!t || t->PBauteilListe.IsEmpty()) return nullptr;
    return PBauteilNr(t->PBauteilListe[0].Nummer);
}

TPFenster* TProjekt::FirstPFenster(const TRFenster* t) {
    if (!t || t->PFensterListe.IsEmpty()) return nullptr;
    return PFensterNr(t->PFensterListe[0].Nummer);
}

void TProjekt::PBauteileNeuBerechnen(TRBauteil* t) {
    if (!t) return;
    for (const TTypNummer& r : t->PBauteilListe) {
        TPBauteil* p = PBauteilNr(r.Nummer);
        if (!p) continue;
        p->WSchVO(NormaleInnentemperatur);
        fassadeRechnen(FassadeNr(p->FassadenNummer));
    }
}

void TProjekt::PFensterNeuBerechnen(TRFenster* t, int berechnen, int groessen) {
    if (!t) return;
    for (const TTypNummer& r : t->PFensterListe) {
        TPFenster* p = PFensterNr(r.Nummer);
        if (!p) continue;
        if (berechnen)
            p->Berechnen(Baumassnahme, NormaleInnentemperatur, WestAnsatz, Zusatzpruefung,
                         Fugenkoeffizient_max);
        if (groessen) fassadeRechnen(FassadeNr(p->FassadenNummer));
    }
}

void TProjekt::FassadenAktualisieren(TTypNummer alt, TTypNummer neu) {
    if (alt == neu) return;
    for (TFassade& f : Fassaden) {
        while (TypNummerEntfernen(f.Elemente, alt)) f.Elemente.Add(neu);
    }
}

TFassade* TProjekt::BauteilAusFassadeLoeschen(TTypNummer t) {
    for (TFassade& f : Fassaden)
        if (TypNummerEntfernen(f.Elemente, t)) return &f;
    return nullptr;
}

void TProjekt::FassadeNummerInBauteileSetzen(TFassade* f) {
    if (!f) return;
    for (const TTypNummer& t : f->Elemente) {
        if (t.Typ == TTypNummer::Fenster) {
            if (TPFenster* p = PFensterNr(t.Nummer)) p->FassadenNummer = f->Nummer;
        } else if (TPBauteil* p = PBauteilNr(t.Nummer)) {
            p->FassadenNummer = f->Nummer;
        }
    }
}
