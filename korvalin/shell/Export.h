#pragma once
// The ASCII export of the open project ("E&xport...", command 1050): an
// options dialog, and a writer of the text file project name + ".TXT"
// beside the project. The file format is described in EXPORTFORMAT.md.
#include "platform/window/Dialog.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

class TGesamtProjekt;
class korpusMDIClient;

// The export options; all 0 when the command makes it.
struct TExportStruct {
    // Which parts are written.
    uint16_t Projektdaten = 0;
    uint16_t Huellflaechen = 0;
    uint16_t Bauteiltypen = 0;
    uint16_t Fenstertypen = 0;
    uint16_t Nachweis = 0;
    // How numbers and fields are written.
    uint16_t Dezimalkomma = 0; // 1: ',' instead of '.'
    uint16_t Tabulator = 0;    // 1: fields separated by a tab instead of ';'
    // 1: the layers under each component type.
    uint16_t Schichten = 0;
};

// The names of the component kinds 0..9, for the export.
using TTypNamen = std::array<std::string, 10>;
const TTypNamen& ExportTypNamen();

class TExportDialog : public TDialog {
public:
    enum : int { IDD_EXPORT = 1000 };
    // A record with nothing chosen is offered with every part on.
    TExportDialog(TWindow* parent, TExportStruct& optionen);

private:
    TTransferBuffer transfer_;
};

// The export file of a project: its folder, its name without ending + ".TXT".
std::filesystem::path ExportDateiName(const TGesamtProjekt& projekt);
// The file's bytes (Windows-1252, CR LF).
std::string ExportText(const TGesamtProjekt& projekt, const TTypNamen& typnamen,
                       const TExportStruct& optionen);
// Writes the export file: 0 written, 1 too many open files, 2 other failure.
int ExportProjektKopf(const TGesamtProjekt& projekt, const TTypNamen& typnamen,
                      const TExportStruct& optionen);

// Command 1050.
void CmExport(korpusMDIClient& client);
