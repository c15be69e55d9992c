#pragma once
// The navigator's settings in the registry store. The author's are kept once
// for the program in the section "Options"; a reader's are kept per help file
// in a section named by its full path, and only where they differ from what
// the navigator file gives.
#include <cstdint>
#include <string>

class CNavDoc;
class RegistryStore;

// The program's options (the author's, or the defaults in user mode).
struct NavOptions {
    int32_t AlwaysOnTop = 0, AutoSync = 1, Beep = 0, ExplicitFilename = 0, HotspotType = 0,
            UseTopicTypeWindow = 1, PreviewMode = 0, SaveSettingsOnExit = 1;
};

struct NavFont {
    std::string Name = "Arial";
    float Size = 10.0f; // points
    bool Bold = false, Italic = false;
    bool operator==(const NavFont&) const = default;
};

struct NavRect {
    int16_t Left = 0, Top = 0, Right = 0, Bottom = 0; // 1/1023 of the desktop
    bool operator==(const NavRect&) const = default;
};

// What a reader may change and keep for a help file.
struct ReaderSettings {
    int32_t AlwaysOnTop = 0, AutoSync = 1, SaveSettingsOnExit = 1;
    NavFont Font;
    NavRect Window;
};

class NavSettings {
public:
    static constexpr const char* kOptions = "Options";

    explicit NavSettings(RegistryStore& store) : store_(store) {}

    // The key of a section: "Options" or a help file's path.
    static std::string KeyOf(const std::string& section);

    NavOptions LoadOptions() const;
    // All but "SaveSettingsOnExit", which its own command writes at once.
    bool SaveOptions(const NavOptions& options);
    // "AutoLoad"; when missing, AUTOLOAD.LTP in the configuration folder,
    // written back.
    std::string AutoLoadPath();

    // The navigator file's values, overridden by those kept for its help file.
    ReaderSettings LoadReader(const CNavDoc& doc) const;
    // Writes what differs from the navigator file, deletes what equals it.
    bool SaveReader(const CNavDoc& doc, const ReaderSettings& settings);
    static ReaderSettings ReaderDefaults(const CNavDoc& doc);

    bool WriteSaveOnExit(const std::string& section, bool on);

private:
    RegistryStore& store_;
};
