#include "stammwerk/modell/TTypNummer.h"

#include "platform/base/ByteStream.h"

#include <memory>

void TTypNummer::Schreiben(ByteWriter& out) const {
    out.WriteI16(Typ);
    out.WriteI16(Nummer);
}

void TTypNummer::Lesen(ByteReader& in) {
    Typ = in.ReadI16();
    Nummer = in.ReadI16();
}

bool TypNummernLesen(ByteReader& in, int count, TTypNummerListe& list) {
    if (count < 0 || !in.CanHold(size_t(count), TTypNummer::kImageSize)) {
        in.Fail();
        return false;
    }
    for (int i = 0; i < count; ++i) {
        auto t = std::make_unique<TTypNummer>();
        t->Lesen(in);
        list.AddAfterEquals(std::move(t));
    }
    return in.Ok();
}

void TypNummernSchreiben(ByteWriter& out, const TTypNummerListe& list) {
    for (const TTypNummer& t : list) t.Schreiben(out);
}

void TypNummernKopieren(TTypNummerListe& ziel, const TTypNummerListe& quelle) {
    ziel.Flush();
    for (const TTypNummer& t : quelle) ziel.AddAfterEquals(std::make_unique<TTypNummer>(t));
}

int TypNummerIndex(const TTypNummerListe& list, TTypNummer t) {
    int i = 0;
    for (const TTypNummer& e : list) {
        if (e == t) return i;
        ++i;
    }
    return -1;
}

int TypNummerIndexNachNummer(const TTypNummerListe& list, int n) {
    int i = 0;
    for (const TTypNummer& e : list) {
        if (e.Nummer == n) return i;
        ++i;
    }
    return -1;
}

bool TypNummerEntfernen(TTypNummerListe& list, TTypNummer t) {
    return list.Detach([&](const TTypNummer& e) { return e == t; }) != nullptr;
}
