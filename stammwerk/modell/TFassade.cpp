#include "stammwerk/modell/TFassade.h"

#include "platform/base/ByteStream.h"
#include "stammwerk/modell/TPBauteil.h"
#include "stammwerk/modell/TPFenster.h"
#include "stammwerk/modell/TRBauteil.h"
#include "stammwerk/modell/TRFenster.h"

#include <array>
#include <utility>

TFassade& TFassade::operator=(const TFassade& o) {
    if (this == &o) return *this;
    // The fixed part travels through its image: every field, none forgotten.
    ByteImage image(kImageSize);
    o.WriteImage(image, 0);
    ReadImage(image, 0);
    TypNummernKopieren(Elemente, o.Elemente);
    Textliste.Flush();
    InitTextListe(&Textliste, &o.Textliste);
    return *this;
}

bool FassadeListCondFunc1(const TFassade& f, void* p) {
    return f.Nummer == *static_cast<const uint16_t*>(p);
}

void TFassade::GroessenBerechnen(TISListImp<TPBauteil>* bauteile, TISListImp<TPFenster>* fenster,
                                 int baumassnahme, int normaleInnentemperatur, int westAnsatz,
                                 int zusatzpruefung, double Fugenkoeffizient_max) {
    f_Sommer = f_Fenster = A_gesamt = A_Fenster = A_Fenster_angerechnet = A_Sommer = 0;
    g_Sommer = g_F_Sommer = z_fest_Sommer = z_bew_Sommer = 0;
    Q_T = Q_T_Fenster = Q_S = k_m_WF = k_eq_F_m = 0;
    HeizkoerperHinweisFrei = FugendurchlassErfuellt = EinfachverglasungErfuellt = 1;
    HeizkoerperVorFenster = 0;
    double summeKA = 0;

    for (const TTypNummer& t : Elemente) {
        const auto nummer = uint16_t(t.Nummer);
        if (t.Typ == TTypNummer::Fenster) {
            TPFenster* f =
                fenster ? fenster->FirstThat([&](const TPFenster& x) { return x.Nummer == nummer; })
                        : nullptr;
            if (!f || !f->RFenster) continue;
            f->Berechnen(baumassnahme, normaleInnentemperatur, westAnsatz, zusatzpruefung,
                         Fugenkoeffizient_max);
            const double A = f->Nettoflaeche;
            A_Fenster += A;
            Q_T += f->Q_T;
            Q_T_Fenster += f->Q_T;
            Q_S += f->Q_S_angerechnet;
            summeKA += A * f->Effektiver_k_F(baumassnahme, normaleInnentemperatur);
            k_eq_F_m += A * f->k_eq_F;
            if (f->HeizkoerperStatus != 0) HeizkoerperHinweisFrei = 0;
            if (f->Heizkoerper != 0) HeizkoerperVorFenster = 1;
            if (!f->FugendurchlassErfuellt) FugendurchlassErfuellt = 0;
            if (!f->EinfachverglasungErfuellt) EinfachverglasungErfuellt = 0;
            // Summer-relevant: not facing north and shaded at most 0.5.
            if (f->EffektiveOrientierung(westAnsatz) != 0 && f->Verschattung <= 0.5) {
                const double g = f->RFenster->g;
                A_Sommer += A;
                g_Sommer += A * g;
                g_F_Sommer += A * g * f->z_fest * f->z_bew;
                z_fest_Sommer += A * f->z_fest;
                z_bew_Sommer += A * f->z_bew;
            }
        } else {
            const TPBauteil* b =
                bauteile
                    ? bauteile->FirstThat([&](const TPBauteil& x) { return x.Nummer == nummer; })
                    : nullptr;
            if (!b || !b->RBauteil) continue;
            A_gesamt += b->Nettoflaeche;
            Q_T += b->Waermeverlust;
            summeKA += b->RBauteil->k_m * b->Nettoflaeche;
        }
    }

    A_gesamt += A_Fenster;
    A_Fenster_angerechnet = A_Fenster;
    if (A_Fenster > 0) k_eq_F_m /= A_Fenster;
    if (A_Sommer > 0) {
        g_F_Sommer /= A_Sommer;
        g_Sommer /= A_Sommer;
        z_fest_Sommer /= A_Sommer;
        z_bew_Sommer /= A_Sommer;
    }
    if (A_gesamt > 0) {
        k_m_WF = summeKA / A_gesamt;
        f_Fenster = A_Fenster / A_gesamt;
        f_Sommer = A_Sommer / A_gesamt;
        // WSchVO 1995 Anlage 1: solar gains count for at most two thirds of
        // the facade area as windows.
        if (f_Fenster > 2.0 / 3.0) {
            const double r = (1.0 / 3.0 * 2.0) / f_Fenster;
            for (const TTypNummer& t : Elemente) {
                if (t.Typ != TTypNummer::Fenster || !fenster) continue;
                TPFenster* f = fenster->FirstThat(
                    [&](const TPFenster& x) { return x.Nummer == uint16_t(t.Nummer); });
                if (!f) continue;
                f->Flaeche_angerechnet = r * f->Nettoflaeche;
                f->Q_S_angerechnet = r * f->Q_S_voll;
            }
            Q_S *= r;
            A_Fenster_angerechnet *= r;
        }
    }
    SommerlicherWaermeschutz(baumassnahme, normaleInnentemperatur, zusatzpruefung);
}

void TFassade::SommerlicherWaermeschutz(int baumassnahme, int normaleInnentemperatur,
                                        int zusatzpruefung) {
    SommerStatus = SonnenschutzStatus = 0;
    if (!IstFassade || baumassnahme == 2) return;
    const double f = normaleInnentemperatur ? f_Sommer : 0;
    if (!((zusatzpruefung || f > 0.5) && A_Sommer > 0)) return;
    SommerStatus = SonnenschutzStatus = 1;
    // Summer heat protection of WSchVO 1995: g_F · f at most 0.25.
    if (g_F_Sommer * f_Sommer > 0.25) SommerStatus = 2;
    const double z = z_fest_Sommer * z_bew_Sommer;
    if (z > 0) {
        const double q = g_F_Sommer * f_Sommer / z;
        if (q <= 0.25)
            SonnenschutzStatus = 0;
        else if (z_bew_Sommer > 0.5)
            SonnenschutzStatus = 2;
        if (z > 0.999) SonnenschutzStatus = 0;
    }
}

void TFassade::ZweiGebaeudetrennwaende(int pruefen) {
    TrennwaendeStatus = 0;
    // Buildings with two party walls (WSchVO 1995): mean U-value of the
    // facade's walls and windows at most 1.0 W/(m²K).
    if (IstFassade && pruefen) TrennwaendeStatus = k_m_WF > 1.0 ? 2 : 1;
}

int TFassade::Speicherbedarf() const {
    return int((131.0 * double(Textliste.GetItemsInContainer()) +
                4.0 * double(Elemente.GetItemsInContainer()) + kImageSize) *
               1.2);
}

namespace {
// The doubles from f_Sommer to Wert5 (offsets 44..115) and from
// z_fest_Sommer to Neigung_Vorgabe (118..205), in image order.
template <class F>
auto ersteWerte(F& f) {
    return std::array{
        &f.f_Sommer, &f.f_Fenster, &f.A_gesamt,   &f.A_Fenster, &f.A_Fenster_angerechnet,
        &f.A_Sommer, &f.g_Sommer,  &f.g_F_Sommer, &f.Wert5};
}
template <class F>
auto zweiteWerte(F& f) {
    return std::array{&f.z_fest_Sommer,
                      &f.z_bew_Sommer,
                      &f.Q_T,
                      &f.Q_T_Fenster,
                      &f.Q_S,
                      &f.k_m_WF,
                      &f.k_eq_F_m,
                      &f.z_fest_Vorgabe,
                      &f.z_bew_Vorgabe,
                      &f.Verschattung_Vorgabe,
                      &f.Neigung_Vorgabe};
}
template <class F>
auto merker(F& f) {
    return std::array{
        &f.HeizkoerperHinweisFrei, &f.FugendurchlassErfuellt, &f.EinfachverglasungErfuellt,
        &f.HeizkoerperVorFenster,  &f.SommerStatus,           &f.SonnenschutzStatus,
        &f.TrennwaendeStatus};
}
} // namespace

void TFassade::WriteImage(ByteImage& image, size_t off) const {
    image.SetU16(off + 0, Nummer);
    image.SetText(off + 2, kNameWidth, Name);
    // 32, 36: list pointers, meaningless on disk
    image.SetU16(off + 40, IstFassade);
    image.SetU16(off + 42, Merker7);
    size_t at = off + 44;
    for (const double* w : ersteWerte(*this)) image.SetF64(std::exchange(at, at + 8), *w);
    image.SetU16(off + 116, Orientierung);
    at = off + 118;
    for (const double* w : zweiteWerte(*this)) image.SetF64(std::exchange(at, at + 8), *w);
    at = off + 206;
    for (const uint16_t* m : merker(*this)) image.SetU16(std::exchange(at, at + 2), *m);
}

void TFassade::ReadImage(const ByteImage& image, size_t off) {
    Nummer = image.U16(off + 0);
    Name = image.Text(off + 2, kNameWidth);
    IstFassade = image.U16(off + 40);
    Merker7 = image.U16(off + 42);
    size_t at = off + 44;
    for (double* w : ersteWerte(*this)) *w = image.F64(std::exchange(at, at + 8));
    Orientierung = image.U16(off + 116);
    at = off + 118;
    for (double* w : zweiteWerte(*this)) *w = image.F64(std::exchange(at, at + 8));
    at = off + 206;
    for (uint16_t* m : merker(*this)) *m = image.U16(std::exchange(at, at + 2));
}

bool TFassade::Oeffnen(ByteReader& in) {
    Elemente.Flush();
    Textliste.Flush();
    const uint16_t nElemente = in.ReadU16();
    const uint16_t nTexte = in.ReadU16();
    const ByteImage image = in.ReadImage(kImageSize);
    if (!in.Ok()) return false;
    ReadImage(image, 0);
    if (!TypNummernLesen(in, nElemente, Elemente)) return false;
    if (!in.CanHold(nTexte, TTextString::kImageSize)) return false;
    return AddTextStringToList(in, nTexte, &Textliste) != 0;
}

void TFassade::Speichern(ByteWriter& out) const {
    out.WriteCount(Elemente.GetItemsInContainer());
    out.WriteCount(Textliste.GetItemsInContainer());
    ByteImage image(kImageSize);
    WriteImage(image, 0);
    out.WriteImage(image);
    TypNummernSchreiben(out, Elemente);
    WriteTextStringListToFile(out, int(Textliste.GetItemsInContainer()), &Textliste);
}
