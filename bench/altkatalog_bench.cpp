// Converting the old catalogues at start-up: eight catalogue files of the
// versions "1.00"/"2.00", "3.00" and "4.00" (materials, windows, and
// components with a partial area of two layers), 2,000 records each, read,
// lifted to the current records and written anew. Writing the old files
// again for each round is outside the timing. Aim: at most 1 s for all.
#include "altwandler/TConvert_InV6.h"
#include "altwandler/Version2.h"
#include "altwandler/Version3.h"
#include "altwandler/Version4.h"
#include "platform/base/ByteStream.h"
#include "platform/base/FileIO.h"
#include "platform/services/MessageBox.h"
#include "platform/services/Services.h"
#include "stammwerk/modell/TBaustoffDatei.h"
#include "stammwerk/modell/TBauteilDatei.h"
#include "stammwerk/modell/TDateiKopf.h"
#include "stammwerk/modell/TFensterDatei.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
constexpr int kSaetze = 2000;

class KeineMeldungen : public MessageService {
public:
    int MessageBox(std::string_view, std::string_view, uint32_t) override { std::abort(); }
};

// A record image with a name and a key of its own.
ByteImage bild(ByteImage b, int i, size_t name, size_t breite) {
    b.SetI16(6, int16_t(i)); // key position
    b.SetText(name, breite, "Eintrag " + std::to_string(i));
    return b;
}

std::vector<uint8_t> datei(const char* version, int16_t typ,
                           const std::function<void(ByteWriter&, int)>& satz) {
    ByteWriter w;
    TDateiKopf kopf(typ);
    kopf.Version = version;
    kopf.Schreiben(w);
    w.WriteI32(kSaetze);
    for (int i = 0; i < kSaetze; ++i) satz(w, i);
    return w.Take();
}

void zeilenSatz(ByteWriter& w, const ByteImage& b) {
    w.WriteI16(0);
    w.WriteImage(b);
}

struct Katalog {
    const char* name;
    std::vector<uint8_t> bytes;
};

std::vector<Katalog> kataloge() {
    const auto bauteil2 = [](ByteWriter& w, int i) {
        w.WriteI16(1);
        w.WriteI16(0);
        w.WriteI16(0);
        TBauteilVersion2 b;
        b.Bild.SetI16(62, int16_t(i % 10));
        b.Bild.SetF64(82, 12.0);
        b.Bild.SetF64(90, 10.0);
        w.WriteImage(bild(b.Bild, i, 12, 30));
        w.WriteI16(2);
        w.WriteImage(TEinfachBauteilV2().Bild);
        for (int s = 0; s < 2; ++s) {
            TSchichtVersion1_2 schicht;
            schicht.Bild.SetF64(55, 0.04 + s); // λ
            schicht.Bild.SetF64(79, 100.0);    // mm
            schicht.Bild.SetI16(428, int16_t(s));
            zeilenSatz(w, schicht.Bild);
        }
    };
    const auto bauteil3 = [](ByteWriter& w, int i) {
        w.WriteI16(1);
        w.WriteI16(0);
        w.WriteI16(0);
        TBauteilVersion3 b;
        b.Bild.SetI16(66, int16_t(i % 10));
        w.WriteImage(bild(b.Bild, i, 12, 30));
        w.WriteI16(2);
        w.WriteImage(TEinfachBauteilV3().Bild);
        for (int s = 0; s < 2; ++s) {
            TSchichtVersion3 schicht;
            schicht.Bild.SetF64(55, 0.04 + s);
            schicht.Bild.SetF64(79, 100.0);
            schicht.Bild.SetI16(472, int16_t(s));
            zeilenSatz(w, schicht.Bild);
        }
    };
    return {
        {"bs_din.dat", datei("2.00", DateiTypBaustoffeDIN,
                             [](ByteWriter& w, int i) {
                                 zeilenSatz(w, bild(TBaustoffVersion1_2().Bild, i, 12, 35));
                             })},
        {"bs_qtx.dat", datei("3.00", DateiTypBaustoffeQTX,
                             [](ByteWriter& w, int i) {
                                 zeilenSatz(w, bild(TBaustoffVersion3().Bild, i, 12, 35));
                             })},
        {"bs_anw.dat", datei("4.00", DateiTypBaustoffeAnwender,
                             [](ByteWriter& w, int i) {
                                 zeilenSatz(w, bild(TBaustoffVersion4().Bild, i, 12, 35));
                             })},
        {"fnst_din.dat", datei("2.00", DateiTypFensterDIN,
                               [](ByteWriter& w, int i) {
                                   zeilenSatz(w, bild(TFensterVersion1_2().Bild, i, 12, 30));
                               })},
        {"fnst_qtx.dat", datei("3.00", DateiTypFensterQTX,
                               [](ByteWriter& w, int i) {
                                   w.WriteI16(0);
                                   zeilenSatz(w, bild(TFensterVersion3().Bild, i, 12, 30));
                               })},
        {"fnst_anw.dat", datei("3.00", DateiTypFensterAnwender,
                               [](ByteWriter& w, int i) {
                                   w.WriteI16(0);
                                   zeilenSatz(w, bild(TFensterVersion3().Bild, i, 12, 30));
                               })},
        {"bt_qtx.dat", datei("2.00", DateiTypBauteileQTX, bauteil2)},
        {"bt_anw.dat", datei("3.00", DateiTypBauteileAnwender, bauteil3)},
    };
}

void pruefen(int r) {
    if (r != KatalogKonvertiert) std::abort();
}

void AlteKatalogeKonvertieren(benchmark::State& state) {
    CurrentServices().messages = std::make_shared<KeineMeldungen>();
    std::string muster = (fs::temp_directory_path() / "altkatalogbench.XXXXXX").string();
    if (!::mkdtemp(muster.data())) std::abort();
    const fs::path ordner = muster;
    const auto alt = kataloge();
    for (auto _ : state) {
        state.PauseTiming();
        for (const auto& e : fs::directory_iterator(ordner)) fs::remove(e.path());
        for (const Katalog& k : alt)
            if (!WriteFileAtomically(ordner / k.name, k.bytes).ok) std::abort();
        state.ResumeTiming();

        TBaustoffDatei baustoffe(ordner);
        TFensterDatei fenster(ordner);
        TBauteilDatei bauteile(ordner);
        TConvert_InV6 wandler(ordner, "");
        std::string endung;
        for (int k : {0, 1, 2}) {
            baustoffe.Oeffnen(k);
            fenster.Oeffnen(k);
        }
        pruefen(wandler.ConvertBaustoffDateiV1_2_V6(&baustoffe, 0, endung));
        pruefen(wandler.ConvertBaustoffDateiV3_V6(&baustoffe, 1, endung));
        pruefen(wandler.ConvertBaustoffDateiV4_V6(&baustoffe, 2, endung));
        pruefen(wandler.ConvertFensterDateiV1_2_V6(&fenster, 0, endung));
        pruefen(wandler.ConvertFensterDateiV3_V6(&fenster, 1, endung));
        pruefen(wandler.ConvertFensterDateiV3_V6(&fenster, 2, endung));
        for (int k : {1, 2}) bauteile.Oeffnen(k);
        pruefen(wandler.ConvertBauteilDateiV2_V6(&bauteile, 1, endung));
        pruefen(wandler.ConvertBauteilDateiV3_V6(&bauteile, 2, endung));
        if (bauteile.Liste().GetItemsInContainer() != 2 * kSaetze) std::abort();
        benchmark::DoNotOptimize(baustoffe.Baustoffe().GetItemsInContainer());
    }
    fs::remove_all(ordner);
}

} // namespace

BENCHMARK(AlteKatalogeKonvertieren)->Unit(benchmark::kMillisecond)->Iterations(3);
