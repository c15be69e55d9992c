#pragma once
// The open and save dialogs for files. Filters are given as the original
// wrote them: "description|pattern|description|pattern".
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

enum : uint32_t {
    OFN_READONLY = 0x00000001,
    OFN_OVERWRITEPROMPT = 0x00000002,
    OFN_HIDEREADONLY = 0x00000004,
    OFN_PATHMUSTEXIST = 0x00000800,
    OFN_FILEMUSTEXIST = 0x00001000,
    OFN_CREATEPROMPT = 0x00002000,
    OFN_EXPLORER = 0x00080000,
};

class TOpenSaveDialog {
public:
    struct TData {
        uint32_t flags = 0;
        std::string filter;
        int filterIndex = 1; // from 1, as the original counted
        std::string fileName;
        std::string initialDir;
        std::string defExt;
        std::string title;
    };
};

class FileDialogService {
public:
    virtual ~FileDialogService() = default;
    // The chosen path, or nullopt when the user cancelled.
    virtual std::optional<std::string> GetOpenFileName(const TOpenSaveDialog::TData& data) = 0;
    virtual std::optional<std::string> GetSaveFileName(const TOpenSaveDialog::TData& data) = 0;
};

// Run the dialog; on OK the file name gets the chosen path, with the default
// extension added when the name has none. False when cancelled.
// The open dialog checks a name that does not exist as Windows does: with
// OFN_CREATEPROMPT it asks whether to create it (Nein: choose again); with
// OFN_FILEMUSTEXIST alone, or when the folder does not exist, it says so
// and lets the user choose again.
bool ExecuteOpenDialog(TOpenSaveDialog::TData& data);
bool ExecuteSaveDialog(TOpenSaveDialog::TData& data);
std::string WithDefaultExtension(std::string_view path, std::string_view defExt);
// "Projekt Dateien *.pro |*.pro|..." as Qt's "Projekt Dateien *.pro (*.pro);;...".
std::string QtFilterOf(std::string_view filter);
