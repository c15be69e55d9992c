#include "lmbpilot32/NavSettings.h"

#include "lmbpilot32/CNavDoc.h"
#include "platform/base/Directories.h"
#include "platform/profile/Profile.h"
#include "platform/profile/RegistryStore.h"

#include <cmath>

namespace {
constexpr const char* kProfile = "Software\\Sorvik Systems\\Lumbra Navigator\\3.0\\";
constexpr int kSaveOnExitFlag = 11; // the menu flag of "Save Settings On Exit"

int tenths(float points) {
    return int(std::lround(points * 10.0f));
}
} // namespace

std::string NavSettings::KeyOf(const std::string& section) {
    return kProfile + section;
}

NavOptions NavSettings::LoadOptions() const {
    const std::string key = KeyOf(kOptions);
    const auto get = [&](const char* name, int32_t def) {
        const auto v = store_.GetValue(key, name);
        return v ? ParseProfileInt(*v) : def;
    };
    NavOptions o;
    o.AlwaysOnTop = get("AlwaysOnTop", o.AlwaysOnTop);
    o.AutoSync = get("AutoSync", o.AutoSync);
    o.Beep = get("Beep", o.Beep);
    o.ExplicitFilename = get("ExplicitFilename", o.ExplicitFilename);
    o.HotspotType = get("HotspotType", o.HotspotType);
    o.UseTopicTypeWindow = get("UseTopicTypeWindow", o.UseTopicTypeWindow);
    o.PreviewMode = get("PreviewMode", o.PreviewMode);
    o.SaveSettingsOnExit = get("SaveSettingsOnExit", o.SaveSettingsOnExit);
    return o;
}

bool NavSettings::SaveOptions(const NavOptions& o) {
    const std::string key = KeyOf(kOptions);
    bool ok = true;
    for (const auto& [name, value] : {std::pair{"AlwaysOnTop", o.AlwaysOnTop},
                                      {"AutoSync", o.AutoSync},
                                      {"PreviewMode", o.PreviewMode},
                                      {"Beep", o.Beep},
                                      {"ExplicitFilename", o.ExplicitFilename},
                                      {"HotspotType", o.HotspotType},
                                      {"UseTopicTypeWindow", o.UseTopicTypeWindow}})
        ok = store_.SetValue(key, name, std::to_string(value)) && ok;
    return ok;
}

std::string NavSettings::AutoLoadPath() {
    const std::string key = KeyOf(kOptions);
    std::string path = store_.GetValue(key, "AutoLoad").value_or("");
    if (path.empty()) {
        // Paths keep their case here: the file system tells cases apart.
        path = (CurrentDirectories().config / "AUTOLOAD.LTP").string();
        store_.SetValue(key, "AutoLoad", path);
    }
    return path;
}

ReaderSettings NavSettings::ReaderDefaults(const CNavDoc& doc) {
    const CNavDocValues& v = doc.Values;
    ReaderSettings r;
    r.AlwaysOnTop = v.AlwaysOnTop;
    r.AutoSync = v.AutoSync;
    r.SaveSettingsOnExit = v.MenuFlags[kSaveOnExitFlag];
    r.Font = {v.FontName, v.FontSize, v.Bold != 0, v.Italic != 0};
    r.Window = {v.Left, v.Top, v.Right, v.Bottom};
    return r;
}

ReaderSettings NavSettings::LoadReader(const CNavDoc& doc) const {
    ReaderSettings r = ReaderDefaults(doc);
    const std::string key = KeyOf(doc.HelpPath());
    const auto get = [&](const char* name, int32_t def) {
        const auto v = store_.GetValue(key, name);
        return v ? ParseProfileInt(*v) : def;
    };
    r.AlwaysOnTop = get("AlwaysOnTop", r.AlwaysOnTop);
    r.AutoSync = get("AutoSync", r.AutoSync);
    r.SaveSettingsOnExit = get("SaveSettingsOnExit", r.SaveSettingsOnExit);
    // Only what differs is kept, so a missing font value is the file's (not
    // a fixed size or face, which would undo a change of the other values).
    if (const auto name = store_.GetValue(key, "FontName")) r.Font.Name = *name;
    if (const auto size = store_.GetValue(key, "FontSize"))
        r.Font.Size = float(ParseProfileInt(*size) / 10); // whole points
    r.Font.Bold = get("FontBold", r.Font.Bold) != 0;
    r.Font.Italic = get("FontItalic", r.Font.Italic) != 0;
    if (store_.GetValue(key, "Left")) {
        r.Window.Left = int16_t(get("Left", r.Window.Left));
        r.Window.Top = int16_t(get("Top", r.Window.Top));
        r.Window.Right = int16_t(get("Right", r.Window.Right));
        r.Window.Bottom = int16_t(get("Bottom", r.Window.Bottom));
    }
    return r;
}

bool NavSettings::SaveReader(const CNavDoc& doc, const ReaderSettings& s) {
    const ReaderSettings file = ReaderDefaults(doc);
    const std::string key = KeyOf(doc.HelpPath());
    bool ok = true;
    const auto keep = [&](const char* name, bool differs, const std::string& value) {
        ok = (differs ? store_.SetValue(key, name, value) : store_.DeleteValue(key, name)) && ok;
    };
    keep("AlwaysOnTop", s.AlwaysOnTop != file.AlwaysOnTop, std::to_string(s.AlwaysOnTop));
    keep("AutoSync", s.AutoSync != file.AutoSync, std::to_string(s.AutoSync));
    keep("FontBold", s.Font.Bold != file.Font.Bold, std::to_string(int(s.Font.Bold)));
    keep("FontItalic", s.Font.Italic != file.Font.Italic, std::to_string(int(s.Font.Italic)));
    keep("FontName", s.Font.Name != file.Font.Name, s.Font.Name);
    keep("FontSize", tenths(s.Font.Size) != tenths(file.Font.Size),
         std::to_string(tenths(s.Font.Size)));
    const bool moved = !(s.Window == file.Window);
    keep("Left", moved, std::to_string(s.Window.Left));
    keep("Top", moved, std::to_string(s.Window.Top));
    keep("Right", moved, std::to_string(s.Window.Right));
    keep("Bottom", moved, std::to_string(s.Window.Bottom));
    return ok;
}

bool NavSettings::WriteSaveOnExit(const std::string& section, bool on) {
    return store_.SetValue(KeyOf(section), "SaveSettingsOnExit", on ? "1" : "0");
}
