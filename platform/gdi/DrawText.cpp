// TDC::DrawText: prefix characters, line breaks, word wrapping, alignment
// and the measuring mode DT_CALCRECT.
#include "platform/gdi/DC.h"
#include "platform/gdi/DrawCall.h"

namespace {

struct Line {
    std::string text;
    int32_t underline = -1; // byte offset within text
    int32_t width = 0;
};

// Drops the '&' marks ("&&" stands for one '&'); `underline` gets the offset
// of the first marked character in the result.
std::string StripPrefix(std::string_view text, int32_t& underline) {
    std::string out;
    out.reserve(text.size());
    underline = -1;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size()) {
            ++i;
            if (text[i] != '&' && underline < 0) underline = int32_t(out.size());
        }
        out += text[i];
    }
    return out;
}

std::vector<std::string_view> Paragraphs(std::string_view text, bool singleLine) {
    std::vector<std::string_view> result;
    size_t start = 0;
    for (size_t i = 0; i <= text.size(); ++i) {
        bool end = i == text.size();
        if (!end && (singleLine || (text[i] != '\r' && text[i] != '\n'))) continue;
        result.push_back(text.substr(start, i - start));
        if (!end && text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    return result;
}

std::string_view TrimRight(std::string_view s) {
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

} // namespace

int32_t TDC::DrawText(std::string_view text, int count, TRect& rect, uint32_t format) {
    if (count >= 0) text = text.substr(0, std::min(text.size(), size_t(count)));
    const bool singleLine = format & DT_SINGLELINE;
    const bool wordBreak = (format & DT_WORDBREAK) && !singleLine;
    const int32_t width = rect.Width();

    // Lay the text out in lines of logical width.
    std::vector<Line> lines;
    for (std::string_view para : Paragraphs(text, singleLine)) {
        std::string flat;
        if (singleLine) {
            for (char c : para)
                if (c != '\r' && c != '\n') flat += c;
        } else {
            flat = std::string(para);
        }
        int32_t mark = -1;
        std::string plain = (format & DT_NOPREFIX) ? flat : StripPrefix(flat, mark);
        std::string_view rest(plain);
        size_t restOffset = 0;
        do {
            size_t take = rest.size();
            if (wordBreak && GetTextExtent(TrimRight(rest)).cx > width) {
                // The longest run that ends at a break and fits; a word longer
                // than the line stands alone and runs over.
                size_t best = 0, first = 0;
                for (size_t j = 1; j <= rest.size(); ++j) {
                    bool breakAfter = rest[j - 1] == ' ' || rest[j - 1] == '-';
                    if (!breakAfter && j != rest.size()) continue;
                    if (!first) first = j;
                    if (GetTextExtent(TrimRight(rest.substr(0, j))).cx > width) break;
                    best = j;
                }
                take = best ? best : first;
            }
            Line line;
            // Blanks go only where the line wraps: a right-aligned "12,5  "
            // keeps its distance from the cell rule.
            const bool wraps = take < rest.size();
            std::string_view piece = wraps ? TrimRight(rest.substr(0, take)) : rest.substr(0, take);
            line.text = std::string(piece);
            if (mark >= int32_t(restOffset) && mark < int32_t(restOffset + piece.size()))
                line.underline = mark - int32_t(restOffset);
            line.width = GetTextExtent(line.text).cx;
            lines.push_back(std::move(line));
            rest.remove_prefix(take);
            restOffset += take;
            // A wrapped line's following blanks do not start the next line.
            while (wordBreak && !rest.empty() && rest.front() == ' ') {
                rest.remove_prefix(1);
                ++restOffset;
            }
        } while (!rest.empty());
    }

    TEXTMETRIC tm;
    GetTextMetrics(tm);
    const int32_t lineHeight = tm.tmHeight;
    const int32_t total = lineHeight * int32_t(lines.size());
    int32_t maxWidth = 0;
    for (const Line& l : lines) maxWidth = std::max(maxWidth, l.width);

    int32_t top = rect.top;
    if (singleLine && (format & DT_VCENTER))
        top = rect.top + (rect.Height() - lineHeight) / 2;
    else if (singleLine && (format & DT_BOTTOM))
        top = rect.bottom - lineHeight;
    const int32_t result =
        (singleLine && (format & (DT_VCENTER | DT_BOTTOM))) ? top - rect.top + total : total;

    TDrawCall call = BoxCall(TDrawKind::DrawText, rect);
    call.text = std::string(text);
    call.flags = format;
    call.result = result;

    if (format & DT_CALCRECT) {
        rect.right = rect.left + maxWidth;
        rect.bottom = rect.top + total;
        call.resultRect = rect;
        Execute(call);
        return total;
    }
    call.resultRect = rect;
    if (!(format & DT_NOCLIP)) call.textClip = call.deviceBox;
    Execute(call);

    int32_t y = top;
    for (Line& line : lines) {
        int32_t x = rect.left;
        if (format & DT_CENTER)
            x = rect.left + (width - line.width) / 2;
        else if (format & DT_RIGHT)
            x = rect.right - line.width;
        TDrawCall run = NewCall(TDrawKind::TextRun);
        run.flags = format;
        run.textClip = call.textClip;
        int32_t underline =
            line.underline < 0
                ? -1
                : int32_t(TextForFont(std::string_view(line.text).substr(0, size_t(line.underline)))
                              .size());
        EmitTextRun(run, {x, y}, TextForFont(line.text), underline);
        y += lineHeight;
    }
    return result;
}
