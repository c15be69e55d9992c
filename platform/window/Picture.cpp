#include "platform/window/Picture.h"

#include "platform/base/ApplicationState.h"
#include "platform/window/detail/PictureRenderer.h"

#include <map>
#include <optional>

namespace {
struct PictureTable {
    std::map<int, TPicture> pictures;
    std::optional<TPicture> applicationIcon;
};
TPoint tl(const TRect& r) {
    return r.TopLeft();
}
TPoint br(const TRect& r) {
    return r.BottomRight();
}
} // namespace

TPicture& TPicture::AddLine(TPoint a, TPoint b, TColor pen) {
    shapes_.push_back({Line, {a, b}, pen, pen, false, {}});
    return *this;
}
TPicture& TPicture::AddRect(TRect r, TColor pen, TColor fill) {
    shapes_.push_back({Rect, {tl(r), br(r)}, pen, fill, true, {}});
    return *this;
}
TPicture& TPicture::AddFrame(TRect r, TColor pen) {
    shapes_.push_back({Rect, {tl(r), br(r)}, pen, pen, false, {}});
    return *this;
}
TPicture& TPicture::AddEllipse(TRect r, TColor pen, TColor fill) {
    shapes_.push_back({Ellipse, {tl(r), br(r)}, pen, fill, true, {}});
    return *this;
}
TPicture& TPicture::AddPolygon(std::vector<TPoint> points, TColor pen, TColor fill) {
    shapes_.push_back({Polygon, std::move(points), pen, fill, true, {}});
    return *this;
}
TPicture& TPicture::AddText(TRect r, std::string_view text, TColor color) {
    shapes_.push_back({Text, {tl(r), br(r)}, color, color, false, std::string(text)});
    return *this;
}

void RegisterPicture(int id, TPicture picture) {
    ApplicationState::Current().Get<PictureTable>().pictures[id] = std::move(picture);
}

const TPicture* FindPicture(int id) {
    auto& t = ApplicationState::Current().Get<PictureTable>().pictures;
    auto it = t.find(id);
    return it == t.end() ? nullptr : &it->second;
}

void RememberApplicationIcon(const TPicture& picture) {
    ApplicationState::Current().Get<PictureTable>().applicationIcon = picture;
}

const TPicture* ApplicationIcon() {
    const auto& icon = ApplicationState::Current().Get<PictureTable>().applicationIcon;
    return icon ? &*icon : nullptr;
}
