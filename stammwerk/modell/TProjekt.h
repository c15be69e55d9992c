#pragma once
// One variant of a building project: its settings for the heat-protection
// proof, climate, location, heating system and hot water, and the lists of
// its component types, window types, their placements, facades, volumes and
// texts. The operations keep types, placements and facades consistent.
#include "stammwerk/modell/TBaustoffSumme.h"
#include "stammwerk/modell/TDimVolumen.h"
#include "stammwerk/modell/TFassade.h"
#include "stammwerk/modell/THeizsystem.h"
#include "stammwerk/modell/TISListImp.h"
#include "stammwerk/modell/TJahresverbrauch.h"
#include "stammwerk/modell/TKlima.h"
#include "stammwerk/modell/TOrt.h"
#include "stammwerk/modell/TPBauteil.h"
#include "stammwerk/modell/TPFenster.h"
#include "stammwerk/modell/TRBauteil.h"
#include "stammwerk/modell/TRFenster.h"
#include "stammwerk/modell/TTemperatur.h"
#include "stammwerk/modell/TTextString.h"
#include "stammwerk/modell/TTypNummer.h"
#include "stammwerk/modell/TWarmwasserbedarf.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class ByteImage;
class ByteReader;
class ByteWriter;
class TBauteilDatei;
class TCADZeilenleser;
class TFensterDatei;
struct TCADBauteilDaten;
struct TCADMeldung;
struct PJStruct;

class TProjekt {
public:
    static constexpr size_t kImageSize = 1398;
    static constexpr size_t kNameWidth = 30;
    static constexpr size_t kBemerkungWidth = 64;

    std::string Name = "Standardprojekt";
    int16_t Nummer = 0;
    int16_t NaechsteFensterNummer = 0;
    int16_t NaechsteBauteilNummer = 0;
    std::array<int16_t, 8> Projekteinstellungen{};
    double Fugenkoeffizient_max = 2.0;
    uint16_t ZielwertStatus = 0;
    uint16_t UnterschreitungStatus = 0;
    uint16_t NachweisRolladenkasten = 0;
    uint16_t NachweisFlaechenheizung = 0;
    uint16_t NachweisHeizkoerper = 0;
    uint16_t NachweisTrennwaende = 0;
    uint16_t NachweisFugen = 0;
    uint16_t NachweisSommer = 0;
    uint16_t NachweisEinfachverglasung = 1;
    uint16_t ZusatzErfuellt = 1;
    uint16_t FensterTab2Erfuellt = 1;
    uint16_t ProjektBauteilverfahren = 1;
    uint16_t ProjektDINErfuellt = 1;
    uint16_t NachweisErfuellt = 0;
    uint16_t Baumassnahme = 0; // 0 new building, 1 extension, 2 external components
    uint16_t Gebaeudenutzung = 0;
    uint16_t KleinesWohngebaeude = 0;
    uint16_t ZweiGebaeudetrennwaende = 0;
    uint16_t WestAnsatz = 0;
    uint16_t MehrAlsZweiVollgeschosse = 0;
    uint16_t NormaleInnentemperatur = 1;
    uint16_t InterneGewinnePauschal = 1;
    TKlima Klima;
    TTemperatur Temperatur;
    double Wert20 = 20.0;
    std::array<std::string, 9> Projektangaben;

    TISListImp<TRBauteil> RBauteile;
    TISListImp<TPBauteil> PBauteile;
    TISListImp<TRFenster> RFenster;
    TISListImp<TPFenster> PFenster;
    TTypNummerListe Typnummern; // not stored; rebuilt on reading
    TTextListe Textliste1;
    TTextListe Textliste2;
    TISListImp<TFassade> Fassaden;
    TDimVolumenListe Volumina;
    TISListImp<TBaustoffSumme> Massenliste; // not stored

    uint16_t Lueftungsanlage = 0;
    uint16_t LueftungsabzugArt = 0;
    uint16_t Zusatzpruefung = 0;
    double Q_H = 0, Q2_H = 0, Waermerueckgewinnungsgrad = 0, Q1_H = 0, Q_H_Nutzflaeche = 0;
    double Q2_H_max = 0, Q1_H_max = 0, Q_T = 0, Q_T_Wand = 0, Q_T_Fenster = 0, Q_T_Dach = 0;
    double Q_T_Boden = 0, Q_T_Art6 = 0, Q_T_Art5 = 0, Q2_T = 0, Q2_T_max = 0, Q_L = 0, Q_I = 0;
    double Q_I_Vorgabe = 0, Q_S = 0, k_eq_F_m = 0;
    double A_Fenster = 0; // m², placed windows
    std::array<double, 5> Werte5{};
    double A_Bauteile = 0;  // m², placed components
    double V = 0;           // m³ heated volume
    double A_N_Vorgabe = 0; // m²
    uint16_t A_N_pauschal = 1;
    uint16_t ProjektMerker = 0;
    uint16_t BueroVorrang = 0;
    uint16_t A_N_Art = 0;
    uint16_t AVErfuellt = 0;
    double k_m_AW = 0;
    double A_AW = 0;
    uint8_t ZielwertPruefen = 0;
    double Zielwert = 15.0;
    uint16_t UnterschreitungPruefen = 0;
    double Unterschreitung = 0;
    TOrt Ort;
    THeizsystem Heizsystem;
    TWarmwasserbedarf Warmwasser;
    TJahresverbrauch Jahresverbrauch;
    std::string Bemerkung;
    // Not stored: the file held values of the variant, its placements,
    // facades or volumes out of range that were replaced on reading; no proof
    // of the variant counts as met with them.
    bool WerteErsetzt = false;
    // The variant or one of its types holds replaced values.
    bool WerteUnsicher() const;

    TProjekt() = default;
    // Deep copy; the copied placements refer to the copied types. The
    // take-off list starts empty.
    TProjekt(const TProjekt& other);
    TProjekt& operator=(const TProjekt&) = delete;

    friend bool operator==(const TProjekt& a, const TProjekt& b) { return a.Nummer == b.Nummer; }
    friend bool operator<(const TProjekt& a, const TProjekt& b) { return a.Nummer < b.Nummer; }

    // Eight counts, the 1398-byte image, the lists. Oeffnen: 0 read; 1 cut
    // short, damaged, or a placed item whose type number is not in the file
    // (then every list is empty).
    int Oeffnen(ByteReader& in);
    // The same; grund says in German why a file was refused.
    int Oeffnen(ByteReader& in, std::string& grund);
    void Speichern(ByteWriter& out) const;
    int Speicherbedarf() const;
    int FeuchteBerechnen() const;

    // Heat-protection proof under WSchVO 1995 and what follows from it.
    void WSchVO();
    int CanStartWSchVO() const;
    void UmfassungsflaecheBerechnen();
    void MaxFugenkoeffizientBerechnen();
    // Every type, element, window and facade, then the proof, after the
    // variant's settings changed (the settings sheet and the print tool).
    void EinstellungenNeuBerechnen();
    void SetPjGroessen(PJStruct& pj) const;
    void JahresverbrauchBerechnen();
    void Massenermittlung();

    void WriteImage(ByteImage& image, size_t off) const;
    void ReadImage(const ByteImage& image, size_t off);

    // Component side; the window operations are their twins.
    TRBauteil& BauteilNeu(std::unique_ptr<TRBauteil> t);
    TRFenster& FensterNeu(std::unique_ptr<TRFenster> t);
    // Takes the catalogue entry with this key in as a new type (a component
    // with the variant's climate, computed); with a facade one placement
    // goes on it. 1, or 0 when nothing was inserted.
    int BauteilEinfuegen(const TBauteilSchluessel* key, const TBauteilDatei* katalog, TFassade* f);
    int FensterEinfuegen(const TFensterSchluessel* key, const TFensterDatei* katalog, TFassade* f);
    int BauteilUmbenennen(const std::string& name, int nummer);
    int FensterUmbenennen(const std::string& name, int nummer);
    TPBauteil* PBauteilEinfuegen(std::unique_ptr<TPBauteil> p, TFassade* f, int rechnen);
    TPBauteil* PBauteilNeu(TRBauteil* t, TFassade* f, int rechnen);
    TPFenster* PFensterEinfuegen(std::unique_ptr<TPFenster> p, TFassade* f, int rechnen);
    TPFenster* PFensterNeu(TRFenster* t, TFassade* f, int rechnen);
    TPBauteil* FirstPBauteil(const TRBauteil* t);
    TPFenster* FirstPFenster(const TRFenster* t);
    void PBauteileNeuBerechnen(TRBauteil* t);
    void PFensterNeuBerechnen(TRFenster* t, int berechnen, int groessen);
    void FassadenAktualisieren(TTypNummer alt, TTypNummer neu);
    TFassade* BauteilAusFassadeLoeschen(TTypNummer t);
    void FassadeNummerInBauteileSetzen(TFassade* f);
    int PBauteilLoeschen(short nummer, int rechnen);
    int PFensterLoeschen(short nummer, int rechnen);
    int RBauteilLoeschen(int nummer);
    int RFensterLoeschen(int nummer);
    void FassadeLoeschen(TFassade* f);
    // Takes the edited data of the type with the same number; references to
    // its placements follow a changed kind. 1, or 0 when there is no such type.
    int BauteilUebernehmen(const TRBauteil& daten);
    // The same for a window type; its placements stay those of the project.
    int FensterUebernehmen(const TRFenster& daten);
    // Every link that names the placed item alt names it as neu: facades,
    // carriers, inserted items and the types' placement lists. For a kind
    // that changed with the item's type.
    void artAendern(TTypNummer alt, TTypNummer neu);
    // How the links name a placed item.
    static TTypNummer Referenz(const TPBauteil& p);
    static TTypNummer Referenz(const TPFenster& p);
    // Points the placed item at another type (of the same side); every link
    // follows a changed kind. Net areas and the proof are recomputed. 1 done.
    int NeuZuordnen(TPBauteil* p, TRBauteil* t);
    int NeuZuordnen(TPFenster* p, TRFenster* t);
    // A new placement of the type inserted into the carrier, on the
    // carrier's facade; null when the carrier is itself inserted.
    TPBauteil* PBauteilNeuEinbauen(TRBauteil* t, TTypNummer traeger);
    TPFenster* PFensterNeuEinbauen(TRFenster* t, TTypNummer traeger);
    // Moves the placed item onto the facade, out of its carrier; its inserted
    // items go along. 0 when it is there already and in no carrier.
    int AufFassadeVerschieben(TTypNummer ref, TFassade* ziel);
    // Inserts the placed item into another one, onto the carrier's facade.
    // 0 when it has inserted items, the carrier is inserted itself, or it is
    // the carrier or in it already.
    int InTraegerVerschieben(TTypNummer ref, TTypNummer traeger);
    // The links that do not agree both ways; empty when all do.
    std::vector<std::string> VerknuepfungsFehler() const;
    // Net area = gross area minus the items inserted into it, then up the
    // chain of carriers, with the losses and the facade sums.
    void FlaecheBerechnen(TPBauteil* p);
    void FlaecheBerechnen(TPFenster* p);
    // Copies a placement onto a facade with its inserted items.
    TPBauteil* PBauteilKopieren(const TPBauteil* p, TFassade* f, int rechnen);
    TPFenster* PFensterKopieren(const TPFenster* p, TFassade* f, int rechnen);
    // Copies an item into a carrier (a placed component or window) on the
    // carrier's facade; nothing when both carriers are null.
    TPBauteil* PBauteilKopieren(const TPBauteil* item, TPBauteil* traegerBauteil,
                                TPFenster* traegerFenster);
    TPFenster* PFensterKopieren(const TPFenster* item, TPBauteil* traegerBauteil,
                                TPFenster* traegerFenster);
    // Moves the facade to another number (0..count-1); the ones between move
    // by one the other way.
    void FassadeVerschieben(TFassade* f, short nummer);
    TFassade* FassadeKopieren(const TFassade* f);
    // The envelope areas of a new variant after those there are: "Grundfläche",
    // the four facades proper with their orientations, "Dach".
    void StandardFassadenAnlegen();

    // Look-ups by number; nullptr when there is none.
    TRBauteil* RBauteilNr(int nummer);
    TRFenster* RFensterNr(int nummer);
    TPBauteil* PBauteilNr(int nummer);
    TPFenster* PFensterNr(int nummer);
    TFassade* FassadeNr(int nummer);

    // CAD transfer file (Windows-1252 text): new elements on a new facade
    // "Neue CAD-Bauteile", known ones updated. 0 every line taken; 1 a line
    // with identifier 0 stopped reading (the lines before it stay); 2 read to
    // the end, but lines were skipped, each with a message in `meldungen`.
    int CADTransferDateiLesen(std::string_view datei,
                              std::vector<TCADMeldung>* meldungen = nullptr);
    // The next line: status -1 end of file, 1 identifier 0 (returns 1),
    // 2 unknown kind token, 0 parsed.
    int CADTransferDateiBauteilZeileLesen(TCADZeilenleser& leser, std::string& zeile,
                                          TCADBauteilDaten* daten, int* status);
    // Number of the first placed window (art 10) or placed component (any
    // other art) with this CAD identifier; -1 none.
    int CADBauteilVorhanden(long cadNummer, int art) const;

private:
    // Q_L and Q_I of the balance with the reductions for ventilation systems
    // and the choice of office buildings.
    void lueftungUndInterneGewinne();
    void fassadeRechnen(TFassade* f);
    // Removes the placed item and everything inserted into it from the
    // facades, the types' placement lists and the variant's lists.
    void entfernen(TTypNummer ref);
    // Takes ref out of the inserted items of its carrier and recomputes the
    // carrier's net area.
    void ausTraegerEntfernen(const TTypNummer& traeger, TTypNummer ref);
    void nettoflaecheSetzen(TTypNummer traeger);
    // Net areas and facade sums from the item up its chain of carriers, then
    // the envelope areas and the proof.
    void flaecheAufwaerts(TTypNummer ref);
    // Deletes a placed item held by a facade: 1, or 0 when no facade holds it.
    int platzierungLoeschen(TTypNummer ref, TTypNummer traeger, int rechnen);
    // Copies the items inserted into `quelle` into the carrier `ziel`.
    void einbautenKopieren(const TTypNummerListe& quelle, TPBauteil* zielBauteil,
                           TPFenster* zielFenster);
    // The fields of a placed item that its links use; all null when none.
    struct Platzierung {
        uint16_t* fassade = nullptr;
        TTypNummer* traeger = nullptr;
        TTypNummerListe* einbauten = nullptr;
    };
    Platzierung platzierung(TTypNummer ref);
    void einbauEintragen(TTypNummer ref, TTypNummer traeger);
    void fassadeWechseln(TTypNummer ref, TFassade* alt, TFassade* neu);
    int kopierTiefe_ = 0; // bounds copying along inserted items read from a file
    bool listenLesen(ByteReader& in, const std::array<int16_t, 8>& n, std::string& grund);
    void leeren();
};
