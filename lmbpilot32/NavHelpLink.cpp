#include "lmbpilot32/NavHelpLink.h"

#include "lmbpilot32/CNavDoc.h"
#include "lmbpilot32/TopicTypeAddIn.h"
#include "platform/base/FileIO.h"
#include "platform/base/TextCompare.h"
#include "platform/services/HelpFile.h"
#include "platform/services/MessageBox.h"

#include <algorithm>
#include <filesystem>
#include <vector>

namespace {

constexpr std::string_view kBegin = "# {{Navigator: DO NOT EDIT!";
constexpr std::string_view kEnd = "# }}Navigator";
constexpr std::string_view kLibrary = "lmbhook32.dll";

std::vector<std::string_view> lines(std::string_view text) {
    std::vector<std::string_view> out;
    while (!text.empty()) {
        const size_t n = text.find('\n');
        out.push_back(text.substr(0, n == std::string_view::npos ? text.size() : n + 1));
        text.remove_prefix(out.back().size());
    }
    return out;
}

// Marker lines compare whole, without regard to case; trailing blanks count.
bool isMarker(std::string_view line, std::string_view marker) {
    if (line.ends_with('\n')) line.remove_suffix(1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    return EqualNoCase(line, marker);
}

std::string block(const CNavDocValues& v, const std::optional<std::string>& window) {
    const bool show = v.ShowWhenViewerStarts, parent = v.ParentTopicButton, button = v.ShowByButton,
               tab = v.TabPage;
    if (!show && !parent && !button && !tab) return {};
    const std::string lib(kLibrary);
    std::string b = std::string(kBegin) + "\n";
    for (const char* r : {"\"lmbInitWinHelp\",\"\"", "\"lmbLoadNavigator\",\"i\"",
                          "\"lmbParentTopic\",\"\"", "\"lmbParentButton\",\"S\""})
        b += "Makro: RegisterRoutine(\"" + lib + "\"," + r + ")\n";
    b += "Makro: lmbInitWinHelp()\n";
    if (show || parent || tab)
        b += show ? "Makro: lmbLoadNavigator(1)\n" : "Makro: lmbLoadNavigator(0)\n";
    if (parent)
        b += "Makro: CreateButton(\"lmbParentTopic\",\"" + v.ParentButtonCaption +
             "\",\"lmbParentTopic()\")\nMakro: lmbParentButton(\"lmbParentTopic\")\n";
    if (button)
        b += "Makro: CreateButton(\"lmbLoadNavigator\",\"" + v.NavigatorButtonCaption +
             "\",\"lmbLoadNavigator(1)\")\n";
    if (tab) b += "Reiter: " + v.TabCaption + "=" + lib + "\n";
    // Inside the block, so that the next link replaces it.
    if (tab && window) b += "Basis: " + v.HelpFileName + ">" + *window + "\n";
    return b + std::string(kEnd) + "\n";
}

// The second quoted argument of a CreateButton macro: its caption.
std::string buttonCaption(std::string_view macro) {
    size_t q = 0;
    for (int i = 0; i < 3 && q != std::string_view::npos; ++i) q = macro.find('"', q + (i > 0));
    if (q == std::string_view::npos) return {};
    const size_t end = macro.find('"', q + 1);
    return end == std::string_view::npos ? std::string()
                                         : std::string(macro.substr(q + 1, end - q - 1));
}

std::string_view trimmed(std::string_view line) {
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.remove_suffix(1);
    return line;
}

} // namespace

void ReadNavigatorBlock(std::string_view helpText, CNavDocValues& values) {
    const auto all = lines(helpText);
    size_t i = 0;
    while (i < all.size() && !all[i].starts_with("==") && !isMarker(all[i], kBegin)) ++i;
    if (i == all.size() || all[i].starts_with("==")) return;
    values.ShowWhenViewerStarts = values.ParentTopicButton = values.ShowByButton = 0;
    values.TabPage = 0;
    const std::string_view parentButton = "Makro: CreateButton(\"lmbParentTopic\",";
    const std::string_view navigatorButton = "Makro: CreateButton(\"lmbLoadNavigator\",";
    const std::string_view tab = "Reiter: ";
    for (++i; i < all.size() && !all[i].starts_with("==") && !isMarker(all[i], kEnd); ++i) {
        const std::string_view line = trimmed(all[i]);
        if (line == "Makro: lmbLoadNavigator(1)") {
            values.ShowWhenViewerStarts = 1;
        } else if (line.starts_with(parentButton)) {
            values.ParentTopicButton = 1;
            values.ParentButtonCaption = buttonCaption(line);
        } else if (line.starts_with(navigatorButton)) {
            values.ShowByButton = 1;
            values.NavigatorButtonCaption = buttonCaption(line);
        } else if (line.starts_with(tab)) {
            const size_t eq = line.rfind('=');
            if (eq == std::string_view::npos || eq < tab.size()) continue;
            values.TabPage = 1;
            values.TabCaption = std::string(line.substr(tab.size(), eq - tab.size()));
        }
    }
}

std::string WithNavigatorBlock(std::string_view helpText, const CNavDocValues& values,
                               const std::optional<std::string>& window) {
    const auto all = lines(helpText);
    // The header runs to the first topic; only there the navigator writes.
    size_t topics = 0;
    while (topics < all.size() && !all[topics].starts_with("==")) ++topics;
    std::vector<std::string_view> header;
    bool inBlock = false;
    for (size_t i = 0; i < topics; ++i) {
        if (!inBlock && isMarker(all[i], kBegin)) inBlock = true;
        if (!inBlock)
            header.push_back(all[i]);
        else if (isMarker(all[i], kEnd))
            inBlock = false;
    }
    // The new block follows the author's lines, before the blank lines that
    // end the header.
    size_t blanks = header.size();
    while (blanks > 0 && header[blanks - 1].find_first_not_of(" \t\r\n") == std::string_view::npos)
        --blanks;
    std::string out;
    for (size_t i = 0; i < blanks; ++i) out += header[i];
    if (!out.empty() && !out.ends_with('\n')) out += '\n';
    // A default window the author named stays the one named.
    const bool authorsWindow = std::any_of(
        header.begin(), header.end(), [](std::string_view l) { return l.starts_with("Basis:"); });
    out += block(values, authorsWindow ? std::nullopt : window);
    for (size_t i = blanks; i < header.size(); ++i) out += header[i];
    for (size_t i = topics; i < all.size(); ++i) out += all[i];
    return out;
}

bool LinkNavigatorToHelp(const std::string& helpPath, const CNavDocValues& values,
                         const std::optional<std::string>& window, std::string* error) {
    const FileContents read = ReadWholeFile(helpPath, HelpFile::kMaxBytes);
    if (!read) {
        if (error) *error = "Can't read " + helpPath + ":\r\n" + read.error;
        return false;
    }
    const std::string text = WithNavigatorBlock(
        {reinterpret_cast<const char*>(read.bytes.data()), read.bytes.size()}, values, window);
    HelpFileError bad;
    if (!HelpFile::Parse(text, &bad).IsValid()) {
        if (error)
            *error = "Can't write" + helpPath + ":\r\nline " + std::to_string(bad.line) + ": " +
                     bad.message;
        return false;
    }
    const FileResult written = WriteFileAtomically(helpPath, text);
    if (!written && error) *error = "Can't write" + helpPath + ":\r\n" + written.error;
    return bool(written);
}

std::string TopicTypeFile(const std::string& ltpPath) {
    // A navigator file in the root folder finds the file there.
    const auto folder = std::filesystem::path(ltpPath).parent_path();
    return ((folder.has_relative_path() ? folder.parent_path() : folder) / "lumbra.ini").string();
}

std::optional<std::string> HelpViewerWindow(const TopicTypeAddIn& addIn, const std::string& file) {
    const int32_t viewerType = addIn.TopicTypeMap(file, "winhlp40");
    const int32_t count = addIn.NumTopicTypes(file);
    for (int32_t i = 0; i < count; ++i) {
        const auto type = addIn.TopicType(file, i);
        if (!type) {
            MessageBox("Error reading topic types", "Lumbra Navigator", MB_OK | MB_ICONSTOP);
            return std::nullopt;
        }
        if (type->Id == viewerType)
            return type->Window.empty() || type->Window == "/c" ? "main" : type->Window;
    }
    return std::nullopt;
}
