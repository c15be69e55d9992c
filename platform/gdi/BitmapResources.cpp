#include "platform/gdi/BitmapResources.h"

#include <map>

namespace {
std::map<int, TBitmap>& resources() {
    static std::map<int, TBitmap> r;
    return r;
}
} // namespace

void RegisterBitmapResource(int id, TBitmap bitmap) {
    resources()[id] = std::move(bitmap);
}

TBitmap LoadBitmapResource(int id) {
    const auto it = resources().find(id);
    return it == resources().end() ? TBitmap() : it->second;
}
