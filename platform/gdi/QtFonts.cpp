#include "platform/gdi/QtFonts.h"

#include "platform/gdi/Font.h"

#include "platform/base/TextCompare.h"
#include "platform/detail/QtValues.h"
#include "platform/gdi/QtBackend.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QImage>
#include <QString>

#include <cmath>
#include <cstdlib>
#include <map>
#include <mutex>
#include <tuple>

std::string MapFaceName(std::string_view face) {
    static const std::pair<const char*, const char*> kFaces[] = {
        {"Arial", "Liberation Sans"},
        {"Helvetica", "Liberation Sans"},
        {"MS Sans Serif", "Liberation Sans"},
        {"MS Shell Dlg", "Liberation Sans"},
        {"System", "Liberation Sans"},
        {"Symbol", "Liberation Sans"},
        {"", "Liberation Sans"},
        {"Times New Roman", "Liberation Serif"},
        {"Courier New", "Liberation Mono"},
        {"Courier", "Liberation Mono"},
    };
    for (auto [from, to] : kFaces)
        if (EqualNoCase(face, from)) return to;
    return std::string(face);
}

std::string FontKey(const LOGFONT& f) {
    std::string key = FaceNameOf(f);
    for (int32_t v : {f.lfHeight, f.lfWidth, f.lfEscapement, f.lfWeight})
        key += ',' + std::to_string(v);
    for (uint8_t v : {f.lfItalic, f.lfUnderline, f.lfStrikeOut}) key += ',' + std::to_string(v);
    return key;
}

namespace {

QFont BaseFont(const LOGFONT& f) {
    QFont font(QString::fromStdString(MapFaceName(FaceNameOf(f))));
    font.setWeight(QFont::Weight(f.lfWeight > 0 ? std::clamp(int(f.lfWeight), 100, 900) : 400));
    font.setItalic(f.lfItalic != 0);
    font.setUnderline(f.lfUnderline != 0);
    font.setStrikeOut(f.lfStrikeOut != 0);
    // Unhinted outlines scale linearly, so screen, image and printer lay out alike.
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::PreferOutline);
    return font;
}

// Cell height (ascent + descent) per pixel of em size, per face and style.
double CellPerEm(const LOGFONT& f) {
    static std::mutex lock;
    static std::map<std::tuple<std::string, int32_t, uint8_t>, double> cache;
    auto key = std::make_tuple(FaceNameOf(f), f.lfWeight, f.lfItalic);
    std::lock_guard guard(lock);
    auto it = cache.find(key);
    if (it != cache.end()) return it->second;
    QFont font = BaseFont(f);
    font.setPixelSize(1000);
    QFontMetricsF fm(font);
    double ratio = (fm.ascent() + fm.descent()) / 1000.0;
    if (!(ratio > 0.5 && ratio < 3.0)) ratio = 1.15;
    cache.emplace(key, ratio);
    return ratio;
}

// The measuring device: an image at 96 pixels per inch.
const QImage& MeasureDevice() {
    static const QImage image = [] {
        QImage i(1, 1, QImage::Format_ARGB32_Premultiplied);
        i.setDotsPerMeterX(3780); // 96 dpi
        i.setDotsPerMeterY(3780);
        return i;
    }();
    return image;
}

double EmPixels(const LOGFONT& f) {
    // Negative: character height = em size; positive: the cell height.
    return f.lfHeight < 0 ? -double(f.lfHeight) : double(f.lfHeight) / CellPerEm(f);
}

// Fonts repeat from call to call; resolving one is the expensive part.
const QFontMetricsF& MetricsFor(const LOGFONT& f) {
    static std::mutex lock;
    static std::map<std::string, QFontMetricsF> cache;
    std::string key = FontKey(f);
    std::lock_guard guard(lock);
    auto it = cache.find(key);
    if (it != cache.end()) return it->second;
    if (cache.size() > 256) cache.clear();
    const QImage& device = MeasureDevice();
    return cache.emplace(key, QFontMetricsF(MakeQFont(f, device.logicalDpiY()), &device))
        .first->second;
}

int32_t Round(double v) {
    return int32_t(std::lround(v));
}

} // namespace

QFont MakeQFont(const LOGFONT& f, double dpiY) {
    QFont font = BaseFont(f);
    font.setPointSizeF(std::max(0.1, EmPixels(f) * 72.0 / dpiY));
    return font;
}

TSize QtTextExtent(const LOGFONT& f, std::string_view text) {
    const QFontMetricsF& fm = MetricsFor(f);
    double w = fm.horizontalAdvance(qt_detail::Qs(text));
    return {Round(w), Round(fm.ascent() + fm.descent())};
}

TEXTMETRIC QtTextMetrics(const LOGFONT& f) {
    const QFontMetricsF& fm = MetricsFor(f);
    TEXTMETRIC m;
    m.tmHeight = Round(fm.ascent() + fm.descent());
    m.tmAscent = Round(fm.ascent());
    m.tmDescent = m.tmHeight - m.tmAscent;
    m.tmInternalLeading = std::max(0, m.tmHeight - Round(EmPixels(f)));
    m.tmExternalLeading = std::max(0, Round(fm.leading()));
    m.tmAveCharWidth = Round(fm.averageCharWidth());
    m.tmMaxCharWidth = Round(fm.maxWidth());
    SetMetricStyle(m, f);
    return m;
}

bool IsFaceInstalled(std::string_view face) {
    const std::string mapped = MapFaceName(face);
    return QFontDatabase::families().contains(qt_detail::Qs(mapped), Qt::CaseInsensitive);
}
