#include "lmbpilot32/NavTopicInfo.h"

#include "lmbpilot32/CNavDoc.h"
#include "lmbpilot32/NavHelpLink.h"
#include "lmbpilot32/NavProject.h"
#include "lmbpilot32/TopicTypeAddIn.h"
#include "platform/base/FileIO.h"
#include "platform/base/TextCompare.h"
#include "platform/services/HelpFile.h"

#include <algorithm>
#include <cctype>
#include <deque>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

constexpr uint16_t kMaxLevel = 5;

// The text of a line of the help file, counted from 1.
std::string lineOf(std::string_view text, int number) {
    for (int i = 1; i < number && !text.empty(); ++i) {
        const size_t n = text.find('\n');
        text.remove_prefix(n == std::string_view::npos ? text.size() : n + 1);
    }
    const std::string_view line = text.substr(0, text.find('\n'));
    return std::string(line.ends_with('\r') ? line.substr(0, line.size() - 1) : line);
}

// At most n characters of a UTF-8 text, never half of one.
std::string firstChars(const std::string& text, size_t n) {
    size_t i = 0;
    for (size_t chars = 0; i < text.size(); ++i)
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 && chars++ == n) break;
    return text.substr(0, i);
}

// The topic types of the add-in with their identifiers and the closing entry;
// false when the add-in could not read one.
bool readTopicTypes(const TopicTypeAddIn& addIn, const std::string& file, CNavDocValues& values,
                    std::vector<int32_t>& ids, const NavReport& report) {
    const int32_t count = addIn.NumTopicTypes(file);
    // The add-in keeps no list: the document keeps its own.
    if (count < 0) return true;
    if (count == 0) {
        values.TopicTypes = {TopicType{}};
        ids = {0};
        return true;
    }
    std::vector<TopicType> types;
    for (int32_t i = 0; i < count; ++i) {
        const auto type = addIn.TopicType(file, i);
        if (!type) {
            report("Error reading topic types");
            return false;
        }
        types.push_back({uint16_t(type->Access), uint16_t(type->LinkType), type->Window});
        ids.push_back(type->Id);
    }
    types.push_back({0, 0, ""});
    ids.push_back(-1);
    values.TopicTypes = std::move(types);
    return true;
}

} // namespace

std::vector<OutlineEntry> HelpOutline(const HelpFile& help) {
    const auto& topics = help.Topics();
    std::vector<OutlineEntry> out;
    const int root = help.ContentsTopic();
    if (root < 0) {
        for (int i = 0; i < int(topics.size()); ++i) out.push_back({i, 1});
        return out;
    }
    // Breadth first, so that a topic goes below the link nearest the contents.
    std::vector<std::vector<int>> children(topics.size());
    std::vector<uint16_t> level(topics.size(), 0);
    level[size_t(root)] = 1;
    std::deque<int> queue{root};
    while (!queue.empty()) {
        const int t = queue.front();
        queue.pop_front();
        if (level[size_t(t)] >= kMaxLevel) continue;
        for (const HelpBlock& block : topics[size_t(t)].body)
            for (const HelpRun& run : block.runs) {
                // Pop-ups explain a word; they are no chapters of the topic.
                if (run.target.empty() || run.popup) continue;
                const int c = help.FindByName(run.target);
                if (c < 0 || level[size_t(c)] != 0) continue;
                level[size_t(c)] = uint16_t(level[size_t(t)] + 1);
                children[size_t(t)].push_back(c);
                queue.push_back(c);
            }
    }
    std::vector<int> stack{root};
    while (!stack.empty()) {
        const int t = stack.back();
        stack.pop_back();
        out.push_back({t, level[size_t(t)]});
        const auto& c = children[size_t(t)];
        stack.insert(stack.end(), c.rbegin(), c.rend());
    }
    for (int i = 0; i < int(topics.size()); ++i)
        if (level[size_t(i)] == 0) out.push_back({i, 2});
    return out;
}

std::string HelpFileNameFor(const std::string& ltpPath) {
    const fs::path path(ltpPath);
    std::string title = path.filename().string();
    std::string extension = ".HLP";
    if (title.size() > 4 && EqualNoCase(std::string_view(title).substr(title.size() - 4), ".ltp")) {
        if (title.substr(title.size() - 4) == ".ltp") extension = ".hlp";
        title.resize(title.size() - 4);
    }
    return ExistingPathNoCase(path.parent_path() / (title + extension)).filename().string();
}

std::string WithExtension(const std::string& name, const std::string& upper) {
    const size_t keep = name.size() < 3 ? 0 : name.size() - 3;
    const std::string old = name.substr(keep);
    const bool small =
        std::any_of(old.begin(), old.end(), [](unsigned char c) { return std::islower(c) != 0; });
    std::string extension = upper;
    if (small)
        for (char& c : extension) c = char(std::tolower(static_cast<unsigned char>(c)));
    return name.substr(0, keep) + extension;
}

bool LoadTopicInformation(CNavDoc& doc, bool first, const RegistryStore& store,
                          const NavReport& report) {
    CNavDocValues& values = doc.Values;
    const std::string project = ProjectPathOf(doc);
    if (first && ToUpperCp1252(project).find("WINHLP3") != std::string::npos)
        values.NavigatorVersion = 0;
    TopicTypeAddIn& addIn = ProgramAddIn();
    if (!addIn.Bind(store, report)) return false;
    if (!fs::path(doc.Path()).parent_path().has_relative_path()) {
        report("Path problem");
        return false;
    }
    std::vector<int32_t> typeIds;
    if (!readTopicTypes(addIn, TopicTypeFile(doc.Path()), values, typeIds, report)) return false;

    const std::string& helpPath = doc.HelpPath();
    const FileContents read = ReadWholeFile(helpPath, HelpFile::kMaxBytes);
    if (!read) {
        report(CantReadMessage(helpPath));
        return false;
    }
    const std::string text(read.bytes.begin(), read.bytes.end());
    doc.Items.clear();
    HelpFileError bad;
    const HelpFile help = HelpFile::Parse(text, &bad);
    if (!help.IsValid()) {
        // The line at fault, and what the help file's reader found wrong with it.
        report("The file '" + helpPath + "' appears to be corrupt:\r\n" +
               (bad.line > 0 ? lineOf(text, bad.line) + "\r\n(line " + std::to_string(bad.line) +
                                   ": " + bad.message + ")"
                             : bad.message));
        return false;
    }
    // A new document links to the help file as it is already linked.
    if (first) ReadNavigatorBlock(text, values);
    // The help file's topics have no type of their own: they take type 0.
    const auto typeZero = std::find(typeIds.begin(), typeIds.end(), 0);
    const uint16_t typeIndex =
        typeIds.empty() ? 0
                        : uint16_t(typeZero != typeIds.end() ? typeZero - typeIds.begin()
                                                             : ptrdiff_t(typeIds.size() - 1));
    for (const OutlineEntry& e : HelpOutline(help)) {
        const HelpTopic& t = help.Topics()[size_t(e.topic)];
        CNavItem item;
        item.Title = t.title;
        item.ContextString = t.name;
        item.MapNumber = t.contexts.empty() ? 0 : int32_t(t.contexts.front());
        item.HeadingLevel = item.OutlineDepth = e.level;
        item.TopicNumber = e.topic + 1; // the viewer counts its topics from 1
        item.TopicType = typeIndex;
        doc.Items.push_back(std::move(item));
    }
    doc.Modified = true;

    // The author's help project, when there is one, names the navigator and
    // numbers the topics; else the help file's own title and numbers hold.
    std::error_code ec;
    if (fs::exists(project, ec)) {
        std::string error;
        if (!LoadProjectInformation(doc, &error)) {
            report(error);
            return false;
        }
    } else if (values.Title.empty()) {
        values.Title =
            help.Title().empty() ? "Nav" : firstChars(help.Title(), kNavigatorTitleChars);
    }
    return true;
}
