#include "stammwerk/modell/TTypNummer.h"

#include "platform/base/ByteStream.h"

#include <memory>
#include <vector>

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
    // Sorted in one go: a damaged count of thousands would otherwise insert
    // each in the middle of the ones before.
    std::vector<std::unique_ptr<TTypNummer>> gelesen;
    gelesen.reserve(size_t(count));
    for (int i = 0; i < count; ++i) {
        auto t = std::make_unique<TTypNummer>();
        t->Lesen(in);
        gelesen.push_back(std::move(t));
    }
    list.AddAllAfterEquals(std::move(gelesen));
    return in.Ok();
}

void TypNummernSchreiben(ByteWriter& out, const TTypNummerListe& list) {
    for (const TTypNummer& t : list) t.Schreiben(out);
}

void TypNummernKopieren(TTypNummerListe& ziel, const TTypNummerListe& quelle) {
    ziel.Flush();
    std::vector<std::unique_ptr<TTypNummer>> kopie;
    for (const TTypNummer& t : quelle) kopie.push_back(std::make_unique<TTypNummer>(t));
    ziel.AddAllAfterEquals(std::move(kopie));
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
