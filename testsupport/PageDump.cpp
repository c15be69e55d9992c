#include "testsupport/PageDump.h"

#include "testsupport/RunCommand.h"
#include "testsupport/TempDir.h"

#include <cstdlib>
#include <sstream>

namespace testsupport {

namespace {
std::string hex(TColor c) {
    char s[16];
    std::snprintf(s, sizeof s, "#%06X", unsigned(c.GetValue()) & 0xFFFFFFu);
    return s;
}

std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '\n')
            out += "\\n";
        else if (c == '"' || c == '\\')
            out += std::string("\\") + c;
        else
            out += c;
    }
    return out + "\"";
}

bool hasText(TDrawKind k) {
    return k == TDrawKind::TextOut || k == TDrawKind::DrawText || k == TDrawKind::TextRun;
}

bool usesPen(TDrawKind k) {
    return k == TDrawKind::LineTo || k == TDrawKind::Rectangle || k == TDrawKind::RoundRect ||
           k == TDrawKind::Ellipse || k == TDrawKind::Arc || k == TDrawKind::Chord ||
           k == TDrawKind::Pie || k == TDrawKind::Polygon || k == TDrawKind::Polyline;
}

bool fills(TDrawKind k) {
    return k == TDrawKind::Rectangle || k == TDrawKind::RoundRect || k == TDrawKind::Ellipse ||
           k == TDrawKind::Chord || k == TDrawKind::Pie || k == TDrawKind::Polygon ||
           k == TDrawKind::PatBlt;
}

std::string brush(const TBrush& b) {
    return b.IsHollow() ? std::string("hollow") : hex(b.Color());
}
} // namespace

std::string PageDump(const std::vector<TDrawCall>& calls) {
    std::ostringstream out;
    for (const TDrawCall& c : calls) {
        // Measuring is no drawing.
        if (c.kind == TDrawKind::DrawText && (c.flags & DT_CALCRECT)) continue;
        out << DrawKindName(c.kind);
        for (const TPoint& p : c.logical) out << ' ' << p.x << ',' << p.y;
        if (hasText(c.kind)) {
            out << ' ' << quoted(c.text);
            const LOGFONT& f = c.font.GetLogFont();
            out << " font=" << FaceNameOf(f) << '/' << f.lfHeight << '/' << f.lfWeight;
            if (f.lfEscapement) out << '/' << f.lfEscapement;
            out << " color=" << hex(c.textColor);
            if (c.kind == TDrawKind::DrawText)
                out << " flags=0x" << std::hex << c.flags << std::dec;
        }
        if (usesPen(c.kind)) {
            out << " pen=" << hex(c.pen.Color()) << '/' << c.pen.Width();
            if (c.pen.Style() != PS_SOLID) out << '/' << c.pen.Style();
        }
        if (fills(c.kind)) out << " brush=" << brush(c.currentBrush);
        if (c.kind == TDrawKind::FillRect || c.kind == TDrawKind::FrameRect)
            out << " brush=" << brush(c.brush);
        out << '\n';
    }
    return out.str();
}

std::filesystem::path SourceTree() {
    return KORVALIN_SOURCE_TREE;
}

std::filesystem::path GoldenPath(const std::string& relative) {
    return SourceTree() / relative;
}

::testing::AssertionResult MatchesGolden(const std::string& dump,
                                         const std::filesystem::path& golden) {
    const char* update = std::getenv("KORVALIN_UPDATE_GOLDEN");
    if (update && std::string(update) == "1") {
        std::filesystem::create_directories(golden.parent_path());
        WriteText(golden, dump);
        return ::testing::AssertionSuccess() << "rewritten";
    }
    if (!std::filesystem::exists(golden))
        return ::testing::AssertionFailure()
               << golden << " is missing; run with KORVALIN_UPDATE_GOLDEN=1 to write it";
    const std::string expected = ReadText(golden);
    if (expected == dump) return ::testing::AssertionSuccess();
    TempDir dir;
    WriteText(dir / "actual", dump);
    const std::string diff =
        RunCommand("diff -u '" + golden.string() + "' '" + (dir / "actual").string() + "'");
    return ::testing::AssertionFailure() << "page differs from " << golden << ":\n" << diff;
}

} // namespace testsupport
