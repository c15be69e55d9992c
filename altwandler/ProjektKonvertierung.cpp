#include "altwandler/ProjektKonvertierung.h"

#include "altwandler/Plausibilitaet.h"
#include "altwandler/Sicherungskopie.h"
#include "altwandler/TConvert_InV2.h"
#include "altwandler/TConvert_InV3.h"
#include "altwandler/TConvert_InV4.h"
#include "altwandler/TConvert_InV5.h"
#include "altwandler/TConvert_InV6.h"
#include "altwandler/Version2.h"
#include "altwandler/Version3.h"
#include "altwandler/Version4.h"
#include "altwandler/Version5.h"
#include "altwandler/Versionscodes.h"
#include "platform/base/ByteStream.h"
#include "platform/base/FileIO.h"
#include "platform/services/MessageBox.h"
#include "stammwerk/modell/TDateiKopf.h"
#include "stammwerk/modell/TGesamtProjekt.h"

namespace {

constexpr const char* kTitel = "Projekt-Datei öffnen";

Konvertierung nichtGeoeffnet(Konvertierung ergebnis) {
    MessageBox("Projekt-Datei kann nicht geöffnet werden!", kTitel, MB_OK | MB_ICONEXCLAMATION);
    return ergebnis;
}

} // namespace

bool KonvertierenFragen(int code) {
    const std::string frage = std::string("KORVALIN") +
                              " benötigt die Projekt-Datei in der Version 6.0.\nDie Projekt-Datei "
                              "liegt in der Version " +
                              VersionsText(code) + " vor. Wollen Sie die Datei jetzt konvertieren?";
    return MessageBox(frage, kTitel, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

std::vector<int> KonvertierungsSchritte(int code) {
    std::vector<int> schritte;
    if (code < Version100 || code > Version500) return schritte;
    for (int n = code; n <= 6; ++n) schritte.push_back(n);
    return schritte;
}

int KonvertierungsketteAusfuehren(TGesamtProjekt& ziel, const std::filesystem::path& datei,
                                  int code, const std::filesystem::path& programmverzeichnis) {
    // Each step reads the file (the first) or converts the generation
    // before it; a file that its reader refuses stops the chain.
    TConvert_InV6 letzter(programmverzeichnis, datei);
    if (code == Version500) return letzter.ConvertGesamtProjekt(&ziel, datei);
    if (code < Version100 || code > Version400) return VersionFehler;
    TGesamtProjektVersion2 v2;
    TGesamtProjektVersion3 v3;
    TGesamtProjektVersion4 v4;
    int r = VersionGelesen;
    if (code == Version100) r = TConvert_InV2(programmverzeichnis).ConvertGesamtProjekt(&v2, datei);
    if (r == VersionGelesen && code <= Version200)
        r = code == Version100
                ? TConvert_InV3(programmverzeichnis).ConvertGesamtProjekt(&v3, &v2)
                : TConvert_InV3(programmverzeichnis).ConvertGesamtProjekt(&v3, datei);
    if (r == VersionGelesen && code <= Version300)
        r = code == Version300 ? TConvert_InV4(programmverzeichnis).ConvertGesamtProjekt(&v4, datei)
                               : TConvert_InV4(programmverzeichnis).ConvertGesamtProjekt(&v4, &v3);
    if (r == VersionGelesen && code == Version400) r = v4.Oeffnen(datei);
    if (r != VersionGelesen) return r;
    TGesamtProjektVersion5 v5;
    TConvert_InV5(programmverzeichnis).ConvertGesamtProjekt(&v5, &v4);
    return letzter.ConvertGesamtProjekt(&ziel, &v5);
}

Konvertierung ProjektKonvertieren(const std::filesystem::path& datei,
                                  const std::filesystem::path& programmverzeichnis) {
    const FileContents original = ReadWholeFile(datei);
    if (!original.ok) return nichtGeoeffnet(Konvertierung::NichtLesbar);
    ByteReader kopf(original.bytes);
    const int code = ProjektKopfPruefen(kopf, RegelV600);
    if (code == VersionGelesen) return Konvertierung::KeineAlteVersion;
    if (code == VersionFehler) return nichtGeoeffnet(Konvertierung::NichtLesbar);

    if (!KonvertierenFragen(code)) return nichtGeoeffnet(Konvertierung::Abgelehnt);
    if (!SicherungskopieErstellen(datei)) return nichtGeoeffnet(Konvertierung::Abgelehnt);

    // Everything up to the save happens in memory: a failed read stops here
    // and the file stays as it was.
    TGesamtProjekt ziel(programmverzeichnis);
    if (KonvertierungsketteAusfuehren(ziel, datei, code, programmverzeichnis) != VersionGelesen)
        return nichtGeoeffnet(Konvertierung::NichtLesbar);
    // A damaged file can pass the old reader's counts and still give nonsense;
    // it must pass what the current reader demands before it is written.
    if (!KonvertierungPlausibel(ziel)) return nichtGeoeffnet(Konvertierung::NichtLesbar);
    if (!ziel.SpeichernAls(datei)) return nichtGeoeffnet(Konvertierung::NichtGespeichert);

    // A result that the current reader refuses would leave a file that no
    // longer opens: the old bytes go back in its place.
    TGesamtProjekt probe(programmverzeichnis);
    if (probe.Oeffnen(datei) != VersionGelesen) {
        if (!WriteFileAtomically(datei, original.bytes))
            MessageBox("Die ursprüngliche Projektdatei konnte nicht zurückgeschrieben werden.\n"
                       "Sie ist unverändert in der Sicherungskopie\n" +
                           SicherungskopieName(datei).string() + "\nerhalten.",
                       kTitel, MB_OK | MB_ICONEXCLAMATION);
        return nichtGeoeffnet(Konvertierung::NichtGespeichert);
    }
    return Konvertierung::Konvertiert;
}
