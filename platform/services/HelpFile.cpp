#include "platform/services/HelpFile.h"

#include "platform/base/TextCompare.h"

#include <algorithm>
#include <charconv>
#include <set>

namespace {

constexpr std::string_view kMagic = "KORVALIN-HILFE 1";

bool validUtf8(std::string_view s) {
    size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        size_t n = c < 0x80             ? 0
                   : (c & 0xE0) == 0xC0 ? 1
                   : (c & 0xF0) == 0xE0 ? 2
                   : (c & 0xF8) == 0xF0 ? 3
                                        : 4;
        if (n == 4 || (n == 1 && c < 0xC2) || i + n >= s.size() + (n ? 0 : 1)) return false;
        for (size_t k = 1; k <= n; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
        i += n + 1;
    }
    return true;
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

bool validName(std::string_view n) {
    return !n.empty() && n.size() <= 64 && std::all_of(n.begin(), n.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
               c == '_' || c == '-';
    });
}

// "Key: value"; nullopt when the line has no key.
std::optional<std::pair<std::string_view, std::string_view>> keyValue(std::string_view line) {
    const size_t colon = line.find(':');
    if (colon == std::string_view::npos || colon == 0) return std::nullopt;
    return std::pair{trim(line.substr(0, colon)), trim(line.substr(colon + 1))};
}

std::vector<std::string_view> split(std::string_view s, char sep) {
    std::vector<std::string_view> parts;
    size_t start = 0;
    for (size_t i = 0; i <= s.size(); ++i)
        if (i == s.size() || s[i] == sep) {
            if (auto t = trim(s.substr(start, i - start)); !t.empty()) parts.push_back(t);
            start = i + 1;
        }
    return parts;
}

struct Reader {
    HelpFileError* error;
    int line = 0;
    bool fail(std::string message) {
        if (error) *error = {line, std::move(message)};
        return false;
    }
};

// Text with [[target|label]] and [[!target|label]] links; a label may be
// left out ([[target]]) and then becomes the target's title later.
bool parseRuns(std::string_view text, std::vector<HelpRun>& runs, Reader& r) {
    while (!text.empty()) {
        const size_t open = text.find("[[");
        if (open != 0) {
            const auto plain = text.substr(0, open);
            if (plain.find("]]") != std::string_view::npos) return r.fail("\"]]\" ohne \"[[\"");
            if (!runs.empty() && runs.back().target.empty())
                runs.back().text += plain;
            else
                runs.push_back({std::string(plain), {}, false});
            if (open == std::string_view::npos) break;
            text.remove_prefix(open);
        }
        const size_t close = text.find("]]");
        if (close == std::string_view::npos) return r.fail("Verweis ohne \"]]\"");
        std::string_view inner = text.substr(2, close - 2);
        text.remove_prefix(close + 2);
        HelpRun run;
        if (!inner.empty() && inner.front() == '!') {
            run.popup = true;
            inner.remove_prefix(1);
        }
        const size_t bar = inner.find('|');
        const auto target = trim(inner.substr(0, bar));
        if (!validName(target))
            return r.fail("ungültiges Verweisziel \"" + std::string(target) + "\"");
        if (inner.find("[[") != std::string_view::npos) return r.fail("Verweis im Verweis");
        run.target = std::string(target);
        if (bar != std::string_view::npos) run.text = std::string(trim(inner.substr(bar + 1)));
        runs.push_back(std::move(run));
    }
    return true;
}

} // namespace

HelpFile HelpFile::Parse(std::string_view text, HelpFileError* error) {
    HelpFile f;
    Reader r{error};
    const auto invalid = [] { return HelpFile{}; };
    if (text.size() > kMaxBytes) return (r.fail("Die Datei ist zu groß."), invalid());
    if (!validUtf8(text)) return (r.fail("Die Datei ist nicht in UTF-8 geschrieben."), invalid());

    enum class Where { Magic, FileHeader, TopicHeader, Body } where = Where::Magic;
    std::string contentsName, helpOnHelpName;
    std::set<uint32_t> contexts;
    bool lastBlank = true;
    size_t pos = 0;
    while (pos <= text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view raw = text.substr(pos, end - pos);
        const bool last = end == text.size();
        pos = end + 1;
        ++r.line;
        const std::string_view line = trim(raw);
        if (!line.empty() && line.front() == '#') continue;
        if (where == Where::Magic) {
            if (line.empty() && !last) continue;
            if (line != kMagic)
                return (r.fail("Die Kennung \"KORVALIN-HILFE 1\" fehlt."), invalid());
            where = Where::FileHeader;
            continue;
        }
        if (line.starts_with("==")) {
            const auto name = trim(line.substr(2));
            if (!validName(name)) return (r.fail("ungültiger Themenname"), invalid());
            if (f.FindByName(name) >= 0)
                return (r.fail("Thema \"" + std::string(name) + "\" doppelt"), invalid());
            if (f.topics_.size() >= kMaxTopics) return (r.fail("zu viele Themen"), invalid());
            f.topics_.push_back({std::string(name), {}, {}, {}, {}});
            where = Where::TopicHeader;
            continue;
        }
        if (where == Where::FileHeader) {
            if (line.empty()) continue;
            const auto kv = keyValue(line);
            if (!kv) return (r.fail("Kopfzeile ohne \"Schlüssel:\""), invalid());
            const auto [key, value] = *kv;
            if (key == "Titel")
                f.title_ = std::string(value);
            else if (key == "Inhalt")
                contentsName = std::string(value);
            else if (key == "Hilfe zur Hilfe")
                helpOnHelpName = std::string(value);
            else if (key == "Makro")
                f.macros_.emplace_back(value);
            else if (key == "Basis")
                f.base_ = std::string(value); // one window: kept, not used
            else if (key == "Reiter") {
                // "Reiter: caption=library.dll", as the contents file's ":Tab" line.
                const size_t eq = value.find('=');
                if (eq == 0 || eq == std::string_view::npos || eq + 1 == value.size())
                    return (r.fail("Reiter ohne \"Name=Bibliothek\""), invalid());
                f.tabs_.push_back(
                    {std::string(value.substr(0, eq)), std::string(value.substr(eq + 1))});
            } else
                return (r.fail("unbekannter Schlüssel \"" + std::string(key) + "\""), invalid());
            continue;
        }
        HelpTopic& t = f.topics_.back();
        if (where == Where::TopicHeader) {
            if (line.empty()) {
                if (t.title.empty()) return (r.fail("Thema ohne Titel"), invalid());
                where = Where::Body;
                lastBlank = true;
                continue;
            }
            const auto kv = keyValue(line);
            if (!kv) return (r.fail("Themenkopf ohne \"Schlüssel:\""), invalid());
            const auto [key, value] = *kv;
            if (key == "Titel") {
                t.title = std::string(value);
            } else if (key == "Kontext") {
                for (auto n : split(value, ' ')) {
                    uint32_t c = 0;
                    const auto res = std::from_chars(n.data(), n.data() + n.size(), c);
                    if (res.ec != std::errc() || res.ptr != n.data() + n.size())
                        return (r.fail("Kontextnummer \"" + std::string(n) + "\" ungültig"),
                                invalid());
                    if (!contexts.insert(c).second)
                        return (r.fail("Kontextnummer " + std::string(n) + " doppelt"), invalid());
                    t.contexts.push_back(c);
                }
            } else if (key == "Stichworte") {
                for (auto k : split(value, ';')) t.keywords.emplace_back(k);
            } else {
                return (r.fail("unbekannter Schlüssel \"" + std::string(key) + "\""), invalid());
            }
            continue;
        }
        // Body: blank lines end a paragraph; "- " starts a list item.
        if (line.empty()) {
            lastBlank = true;
            continue;
        }
        const bool item = line.starts_with("- ");
        const auto content = item ? trim(line.substr(2)) : line;
        if (item || lastBlank || t.body.empty()) {
            t.body.push_back({item ? HelpBlock::Kind::ListItem : HelpBlock::Kind::Paragraph, {}});
        } else if (auto& runs = t.body.back().runs; !runs.empty() && runs.back().target.empty()) {
            runs.back().text += ' ';
        } else {
            runs.push_back({" ", {}, false});
        }
        if (!parseRuns(content, t.body.back().runs, r)) return invalid();
        lastBlank = false;
    }
    r.line = 0;
    if (where == Where::Magic)
        return (r.fail("Die Kennung \"KORVALIN-HILFE 1\" fehlt."), invalid());
    if (f.topics_.empty()) return (r.fail("Die Datei enthält kein Thema."), invalid());
    if (f.topics_.back().title.empty()) return (r.fail("Thema ohne Titel"), invalid());
    f.contents_ = f.FindByName(contentsName);
    if (f.contents_ < 0) return (r.fail("Das Inhaltsthema fehlt."), invalid());
    if (!helpOnHelpName.empty() && (f.helpOnHelp_ = f.FindByName(helpOnHelpName)) < 0)
        return (r.fail("Das Thema \"Hilfe zur Hilfe\" fehlt."), invalid());
    for (auto& topic : f.topics_)
        for (auto& block : topic.body)
            for (auto& run : block.runs) {
                if (run.target.empty()) continue;
                const int target = f.FindByName(run.target);
                if (target < 0)
                    return (r.fail("Verweis auf fehlendes Thema \"" + run.target + "\""),
                            invalid());
                if (run.text.empty()) run.text = f.topics_[size_t(target)].title;
            }
    return f;
}

int HelpFile::FindByContext(uint32_t context) const {
    for (size_t i = 0; i < topics_.size(); ++i)
        for (uint32_t c : topics_[i].contexts)
            if (c == context) return int(i);
    return -1;
}

int HelpFile::FindByName(std::string_view name) const {
    for (size_t i = 0; i < topics_.size(); ++i)
        if (EqualNoCase(topics_[i].name, name)) return int(i);
    return -1;
}

std::vector<int> HelpFile::FindByKeyword(std::string_view key, bool partial) const {
    std::vector<int> found;
    const std::string k = ToUpperCp1252(trim(key));
    for (size_t i = 0; i < topics_.size(); ++i)
        for (const auto& w : topics_[i].keywords) {
            const std::string u = ToUpperCp1252(w);
            if (partial ? u.starts_with(k) : u == k) {
                found.push_back(int(i));
                break;
            }
        }
    return found;
}

std::vector<std::string> HelpFile::Keywords() const {
    std::vector<std::string> all;
    for (const auto& t : topics_)
        for (const auto& w : t.keywords)
            if (std::none_of(all.begin(), all.end(),
                             [&](const auto& a) { return EqualNoCase(a, w); }))
                all.push_back(w);
    std::sort(all.begin(), all.end(),
              [](const auto& a, const auto& b) { return CompareNoCase(a, b) < 0; });
    return all;
}

std::string HelpFile::PlainText(const HelpTopic& topic) {
    std::string out;
    for (const auto& block : topic.body) {
        if (!out.empty()) out += "\n\n";
        if (block.kind == HelpBlock::Kind::ListItem) out += "- ";
        for (const auto& run : block.runs) out += run.text;
    }
    return out;
}
