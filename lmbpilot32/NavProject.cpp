#include "lmbpilot32/NavProject.h"

#include "lmbpilot32/CNavDoc.h"
#include "platform/base/FileIO.h"
#include "platform/base/TextCompare.h"
#include "platform/profile/Profile.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

bool startsNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && EqualNoCase(text.substr(0, prefix.size()), prefix);
}

std::string_view trimmed(std::string_view s) {
    const auto blank = [](char c) { return std::isspace((unsigned char)c) != 0; };
    while (!s.empty() && blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && blank(s.back())) s.remove_suffix(1);
    return s;
}

} // namespace

std::string ProjectPathOf(const CNavDoc& doc) {
    const std::string& help = doc.HelpPath();
    return ExistingPathNoCase(help.substr(0, help.size() < 3 ? 0 : help.size() - 3) + "HPJ")
        .string();
}

std::string CantReadMessage(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const char* cause = fs::exists(path, ec) ? "accessDenied" : "fileNotFound";
    return "Can't read " + path + ":\r\n" + cause;
}

int32_t ParseMapValue(std::string_view text) {
    const std::string s(text);
    const long long v = std::strtoll(s.c_str(), nullptr, 0);
    return int32_t(v);
}

void ReadMapNumbers(CNavList& items, std::istream& project) {
    bool inMap = false;
    std::string raw;
    while (std::getline(project, raw)) {
        const std::string_view line = trimmed(raw);
        if (!inMap) {
            inMap = startsNoCase(line, "[MAP]");
            continue;
        }
        if (line.empty() || line.front() == '[' || line.front() == ';') return;
        if (startsNoCase(line, "#include")) continue; // included files are not read
        const size_t end = line.find_first_of("\t =");
        const std::string_view name = line.substr(0, end);
        if (name.empty()) continue; // an empty name would match every topic
        std::string_view rest = end == std::string_view::npos ? "" : line.substr(end);
        while (!rest.empty() &&
               (rest.front() == '\t' || rest.front() == ' ' || rest.front() == '='))
            rest.remove_prefix(1);
        const auto match = std::find_if(items.begin(), items.end(), [&](const CNavItem& item) {
            return startsNoCase(item.ContextString, name);
        });
        if (match != items.end()) match->MapNumber = ParseMapValue(rest);
    }
}

bool LoadProjectInformation(CNavDoc& doc, std::string* error) {
    const std::string project = ProjectPathOf(doc);
    if (doc.Values.Title.empty())
        doc.Values.Title =
            TProfile("Options", project).GetString("Title", "Nav", kNavigatorTitleChars + 1);
    std::ifstream in(project, std::ios::binary);
    if (!in) {
        if (error) *error = CantReadMessage(project);
        return false;
    }
    ReadMapNumbers(doc.Items, in);
    return true;
}
