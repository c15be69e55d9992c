#pragma once
// The navigator document: the topics of one help file and what the help
// author decided about the navigator for its readers; read and written as a
// navigator file (*.ltp, lmbpilot32/LtpFormat.md).
#include "lmbpilot32/CNavItem.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

struct CNavDocValues {
    int16_t Left = 0, Top = 0, Right = 0, Bottom = 0; // 1/1023 of the desktop
    std::string Title;
    uint32_t TextColor = 0;
    uint32_t BackgroundColor = 0xE8FFFF;
    uint16_t AlwaysOnTop = 0, AutoSync = 1, DialogMode = 0, Reserved = 1, MenuBar = 1,
             StatusBar = 1, ToolBar = 1;
    uint16_t Bold = 0, Italic = 0;
    std::string FontName = "Arial";
    float FontSize = 10.0f;
    std::string HelpFileName;
    uint16_t ShowWhenViewerStarts = 0, ShowByButton = 1, ParentTopicButton = 0;
    std::string NavigatorButtonCaption = "&Navigator";
    std::string ParentButtonCaption = "&Up";
    // File, View, Topic, Options, Help menus, then the commands in the order
    // of the user mode options; Contents and Search off.
    std::array<uint16_t, 22> MenuFlags{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,
                                       1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 1};
    std::array<uint16_t, 7> ToolBarFlags{1, 1, 1, 1, 1, 0, 1};
    uint16_t ObserveTopicAccess = 1, ObserveLinkType = 1, ObserveHelpWindow = 1;
    std::vector<TopicType> TopicTypes{TopicType{}};
    uint16_t TabPage = 0;
    std::string TabCaption = "Contents";
    uint16_t NavigatorVersion = 1;
};

class CNavDoc {
public:
    static constexpr uint16_t kSchema = 4;

    CNavList Items;
    CNavDocValues Values;

    // All values to their defaults, no items.
    void Reset();
    // The file's bytes (schema 4).
    std::vector<uint8_t> Serialize() const;
    // False with a German message when the bytes are not a navigator file of
    // schema 3 or 4 or end early; the document is then reset.
    bool Deserialize(std::span<const uint8_t> bytes, std::string* error);

    // Reads a navigator file; on failure the document stays as it was and
    // error names the file and the cause.
    bool Open(const std::string& path, std::string* error);
    // Writes the file whole or not at all; the document then has that path.
    bool Save(const std::string& path, std::string* error);
    // Changed since it was opened or saved (not stored).
    bool Modified = false;
    // The file title without ".ltp", "Untitled" before the first save.
    std::string Title() const;

    // Path and the paths derived from it: the directory (with its trailing
    // slash), the help path (directory + help file name) and its form for
    // macros.
    void SetPath(const std::string& path);
    const std::string& Path() const { return path_; }
    const std::string& HelpPath() const { return helpPath_; }

    // Topic queries; indices count from 0, -1 means none.
    bool IsValid(int i) const { return i >= 0 && size_t(i) < Items.size(); }
    // Nearest preceding topic with a smaller heading level, unless it has the
    // same context string.
    int Parent(int i) const;
    // Shown in the tree: unless topic access is observed and the type hides it.
    bool IsShown(int i) const;
    // A target of jumps, sync and printing: shown and with a context string.
    bool IsTarget(int i) const;
    bool HasShownSubtopics(int i) const;
    int FindByTopicNumber(int32_t number) const;
    // Navigation: visible means in help (unless ignored) and not hidden by
    // topic access.
    bool IsVisible(int i, bool ignoreHelpFile = false) const;
    int NextVisible(int i, int direction) const;
    int FirstVisible() const;
    // The range that print kind 0 (topic), 1 (with subtopics) or 2 (all)
    // covers from topic i; false when there is nothing to print.
    bool PrintRange(int i, int mode, int& from, int& to) const;

private:
    const TopicType& typeOf(int i) const;
    std::string path_, directory_, helpPath_;
};

// The text of a navigator file's title for "Save As": cut before "#%;/\".
std::string SaveAsName(const std::string& title);
