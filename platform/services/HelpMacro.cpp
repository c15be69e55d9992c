#include "platform/services/HelpMacro.h"

#include <charconv>

namespace {

constexpr int kMaxDepth = 8;

struct Parser {
    std::string_view s;
    size_t i = 0;

    void blanks() {
        while (i < s.size() && (s[i] == ' ' || s[i] == '\t' || s[i] == '\r' || s[i] == '\n')) ++i;
    }
    bool eat(char c) {
        blanks();
        if (i < s.size() && s[i] == c) {
            ++i;
            return true;
        }
        return false;
    }
    static bool identChar(char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
               c == '_';
    }

    bool call(HelpMacroCall& out, int depth) {
        if (depth > kMaxDepth) return false;
        blanks();
        const size_t start = i;
        while (i < s.size() && identChar(s[i])) ++i;
        if (i == start || (s[start] >= '0' && s[start] <= '9')) return false;
        out.name = std::string(s.substr(start, i - start));
        if (!eat('(')) return false;
        if (eat(')')) return true;
        do {
            HelpMacroArg a;
            if (!arg(a, depth)) return false;
            out.args.push_back(std::move(a));
        } while (eat(','));
        return eat(')');
    }

    bool arg(HelpMacroArg& a, int depth) {
        blanks();
        if (i >= s.size()) return false;
        const char c = s[i];
        if (c == '"' || c == '`') {
            const char close = c == '"' ? '"' : '\'';
            ++i;
            a.kind = HelpMacroArg::Kind::Text;
            // Backquoted texts nest: `a`b'c' is one text.
            int level = 1;
            while (i < s.size()) {
                const char d = s[i++];
                if (d == '\\' && i < s.size()) {
                    a.text += s[i++];
                    continue;
                }
                if (c == '`' && d == '`') ++level;
                if (d == close && --level == 0) return true;
                a.text += d;
            }
            return false;
        }
        if (c == '-' || (c >= '0' && c <= '9')) {
            size_t start = i;
            if (c == '-') ++i;
            int base = 10;
            if (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
                base = 16;
                i += 2;
            }
            const char* b = s.data() + i;
            const auto r = std::from_chars(b, s.data() + s.size(), a.number, base);
            if (r.ec != std::errc()) return false;
            i = size_t(r.ptr - s.data());
            if (c == '-') a.number = -a.number;
            a.kind = HelpMacroArg::Kind::Number;
            a.text = std::string(s.substr(start, i - start));
            return true;
        }
        a.kind = HelpMacroArg::Kind::Call;
        a.call.emplace_back();
        return call(a.call.back(), depth + 1);
    }
};

} // namespace

std::optional<std::vector<HelpMacroCall>> ParseHelpMacro(std::string_view macro) {
    Parser p{macro};
    std::vector<HelpMacroCall> calls;
    for (;;) {
        p.blanks();
        if (p.i >= macro.size()) break;
        HelpMacroCall c;
        if (!p.call(c, 0)) return std::nullopt;
        calls.push_back(std::move(c));
        if (!p.eat(';')) {
            p.blanks();
            if (p.i < macro.size()) return std::nullopt;
        }
    }
    return calls;
}
