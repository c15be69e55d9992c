#include "platform/profile/IniDocument.h"

#include "platform/base/TextCompare.h"

namespace {

std::string_view trim(std::string_view s) {
    const char* ws = " \t\r\n";
    const auto b = s.find_first_not_of(ws);
    if (b == std::string_view::npos) return {};
    const auto e = s.find_last_not_of(ws);
    return s.substr(b, e - b + 1);
}

} // namespace

IniDocument IniDocument::Parse(std::string_view text) {
    IniDocument doc;
    size_t pos = 0;
    while (pos < text.size()) {
        auto nl = text.find('\n', pos);
        std::string_view raw =
            text.substr(pos, nl == std::string_view::npos ? text.npos : nl - pos);
        pos = nl == std::string_view::npos ? text.size() : nl + 1;
        if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);

        Line line;
        line.raw = std::string(raw);
        const auto t = trim(raw);
        if (!t.empty() && t.front() == '[') {
            const auto close = t.find(']');
            line.kind = Line::Kind::Section;
            line.name = std::string(trim(t.substr(1, close == t.npos ? t.npos : close - 1)));
        } else if (!t.empty() && t.front() != ';') {
            const auto eq = t.find('=');
            if (eq != std::string_view::npos) {
                line.kind = Line::Kind::Key;
                line.name = std::string(trim(t.substr(0, eq)));
                line.value = std::string(trim(t.substr(eq + 1)));
            }
        }
        doc.lines_.push_back(std::move(line));
    }
    return doc;
}

std::string IniDocument::Serialize() const {
    std::string out;
    for (const auto& l : lines_) {
        if (!l.raw.empty() || l.kind == Line::Kind::Other)
            out += l.raw;
        else if (l.kind == Line::Kind::Section)
            out += "[" + l.name + "]";
        else
            out += l.name + "=" + l.value;
        out += "\r\n";
    }
    return out;
}

std::optional<std::pair<size_t, size_t>> IniDocument::body(std::string_view section) const {
    for (size_t i = 0; i < lines_.size(); ++i) {
        if (lines_[i].kind != Line::Kind::Section || !EqualNoCase(lines_[i].name, section))
            continue;
        size_t end = i + 1;
        while (end < lines_.size() && lines_[end].kind != Line::Kind::Section) ++end;
        return std::make_pair(i + 1, end);
    }
    return std::nullopt;
}

std::optional<std::string> IniDocument::Get(std::string_view section, std::string_view key) const {
    const auto range = body(section);
    if (!range) return std::nullopt;
    for (size_t i = range->first; i < range->second; ++i) {
        const auto& l = lines_[i];
        if (l.kind != Line::Kind::Key || !EqualNoCase(l.name, key)) continue;
        std::string v = l.value;
        // The profile calls drop one pair of enclosing quotes.
        if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
            v = v.substr(1, v.size() - 2);
        return v;
    }
    return std::nullopt;
}

void IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
    auto range = body(section);
    if (!range) {
        if (!lines_.empty() && !trim(lines_.back().raw).empty()) lines_.push_back(Line{});
        Line head;
        head.kind = Line::Kind::Section;
        head.name = std::string(section);
        lines_.push_back(head);
        range = std::make_pair(lines_.size(), lines_.size());
    }
    size_t insertAt = range->first;
    for (size_t i = range->first; i < range->second; ++i) {
        auto& l = lines_[i];
        if (l.kind == Line::Kind::Key) {
            if (EqualNoCase(l.name, key)) {
                l.value = std::string(value);
                l.raw.clear();
                return;
            }
            insertAt = i + 1;
        } else if (l.kind == Line::Kind::Other && !trim(l.raw).empty()) {
            insertAt = i + 1; // after comments inside the section
        }
    }
    Line entry;
    entry.kind = Line::Kind::Key;
    entry.name = std::string(key);
    entry.value = std::string(value);
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt), entry);
}

bool IniDocument::DeleteKey(std::string_view section, std::string_view key) {
    const auto range = body(section);
    if (!range) return false;
    for (size_t i = range->first; i < range->second; ++i)
        if (lines_[i].kind == Line::Kind::Key && EqualNoCase(lines_[i].name, key)) {
            lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(i));
            return true;
        }
    return false;
}

bool IniDocument::DeleteSection(std::string_view section) {
    const auto range = body(section);
    if (!range) return false;
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(range->first - 1),
                 lines_.begin() + static_cast<std::ptrdiff_t>(range->second));
    return true;
}

std::vector<std::string> IniDocument::SectionNames() const {
    std::vector<std::string> names;
    for (const auto& l : lines_)
        if (l.kind == Line::Kind::Section) names.push_back(l.name);
    return names;
}

std::vector<std::string> IniDocument::KeyNames(std::string_view section) const {
    std::vector<std::string> names;
    if (const auto range = body(section))
        for (size_t i = range->first; i < range->second; ++i)
            if (lines_[i].kind == Line::Kind::Key) names.push_back(lines_[i].name);
    return names;
}

bool IniDocument::HasSection(std::string_view section) const {
    return body(section).has_value();
}
