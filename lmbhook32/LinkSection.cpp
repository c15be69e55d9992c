#include "lmbhook32/LinkSection.h"

#include <bit>
#include <cstring>
#include <vector>

using namespace link_layout;

namespace {
static_assert(std::endian::native == std::endian::little, "the section is little-endian");
constexpr char kStartText[] = "This is the start of the shared segment.";
constexpr char kEndText[] = "This is the end of the shared segment.";
static_assert(sizeof kStartText == 41 && sizeof kEndText == 39);
constexpr uint32_t kNone = 0xFFFFFFFF;
} // namespace

uint32_t LinkSection::Get(uint32_t offset) const {
    uint32_t v;
    std::memcpy(&v, m_ + offset, 4);
    return v;
}

void LinkSection::Set(uint32_t offset, uint32_t value) {
    std::memcpy(m_ + offset, &value, 4);
}

void LinkSection::InitImage() {
    if (std::memcmp(m_ + kStartMarker, kStartText, sizeof kStartText) == 0) return;
    std::memcpy(m_ + kStartMarker, kStartText, sizeof kStartText);
    std::memcpy(m_ + kEndMarker, kEndText, sizeof kEndText);
    Set(kHeadIndex, kNone);
}

bool LinkSection::InitHeap() {
    if (Get(kHeap) == kMagic) return false;
    Set(kHeap + 0, kMagic);
    Set(kHeap + 4, kNone);
    Set(kHeap + 8, kNone);
    Set(kHeap + 12, kHeapSize);
    Set(kHeap + 16, 1);
    return true;
}

void* LinkSection::Alloc(int32_t size) {
    if (size <= 0 || uint32_t(size) > kHeapSize) return nullptr;
    const uint32_t need = uint32_t(size) + kBlockHeader;
    for (uint32_t b = 0; b != kNone && b < kHeapSize;) {
        const uint32_t h = kHeap + b;
        if (Get(h) != kMagic) return nullptr;
        const uint32_t blockSize = Get(h + 12);
        if (Get(h + 16) == 1 && blockSize >= need) {
            // A rest too small for a header of its own goes with the block:
            // carving it would write the new header over the found one.
            if (blockSize - need < kBlockHeader) {
                Set(h + 16, 0);
                return m_ + h + kBlockHeader;
            }
            const uint32_t rest = blockSize - need;
            const uint32_t n = b + rest;
            const uint32_t next = Get(h + 8);
            Set(h + 12, rest);
            Set(kHeap + n + 0, kMagic);
            Set(kHeap + n + 4, b);
            Set(kHeap + n + 8, next);
            Set(kHeap + n + 12, need);
            Set(kHeap + n + 16, 0);
            if (next != kNone) Set(kHeap + next + 4, n);
            Set(h + 8, n);
            return m_ + kHeap + n + kBlockHeader;
        }
        b = Get(h + 8);
    }
    return nullptr;
}

bool LinkSection::merge(uint32_t b) {
    const uint32_t h = kHeap + b;
    const uint32_t next = Get(h + 8);
    if (Get(h + 16) != 1 || next == kNone || next >= kHeapSize) return false;
    const uint32_t nh = kHeap + next;
    if (Get(nh) != kMagic || Get(nh + 16) != 1 || b + Get(h + 12) != next) return false;
    const uint32_t after = Get(nh + 8);
    Set(h + 8, after);
    if (after != kNone) Set(kHeap + after + 4, b);
    Set(h + 12, Get(h + 12) + Get(nh + 12));
    Set(nh, 0); // the merged header is no block any more
    return true;
}

int LinkSection::Free(void* p) {
    if (!p) return 0;
    const auto* u = static_cast<uint8_t*>(p);
    if (u < m_ + kHeap + kBlockHeader || u >= m_ + kHeap + kHeapSize) return 0;
    const uint32_t target = uint32_t(u - m_) - kHeap - kBlockHeader;
    // Only a block of the chain, in use: anything else could corrupt the heap.
    uint32_t b = 0;
    while (b != kNone && b < kHeapSize && b != target) b = Get(kHeap + b + 8);
    if (b != target || Get(kHeap + b) != kMagic || Get(kHeap + b + 16) != 0) return 0;
    Set(kHeap + b + 16, 1);
    const uint32_t prev = Get(kHeap + b + 4);
    if (prev != kNone && Get(kHeap + prev + 16) == 1 && merge(prev)) b = prev;
    merge(b);
    return 1;
}

std::vector<LinkSection::Block> LinkSection::Blocks() const {
    std::vector<Block> all;
    for (uint32_t b = 0; b != kNone && b < kHeapSize && all.size() < kHeapSize;) {
        if (Get(kHeap + b) != kMagic) break;
        all.push_back({b, Get(kHeap + b + 12), Get(kHeap + b + 16) == 1});
        b = Get(kHeap + b + 8);
    }
    return all;
}

uint32_t LinkSection::SectionBase() const {
    return uint32_t(reinterpret_cast<uintptr_t>(m_ + kStartMarker));
}

uint32_t LinkSection::LinkAddress(const void* p) const {
    if (!p) return 0;
    return SectionBase() + uint32_t(static_cast<const uint8_t*>(p) - (m_ + kStartMarker));
}

uint8_t* LinkSection::LinkPointer(uint32_t address) const {
    const uint32_t offset = address - SectionBase() + kStartMarker; // wraps like the bases
    if (address == 0 || offset >= kSize) return nullptr;
    return m_ + offset;
}

bool LinkSection::HeapText(uint32_t address, std::string& out) const {
    const uint8_t* p = LinkPointer(address);
    const uint8_t* end = m_ + kHeap + kHeapSize;
    if (!p || p < m_ + kHeap || p >= end) return false;
    const void* zero = std::memchr(p, 0, size_t(end - p));
    if (!zero) return false;
    out.assign(reinterpret_cast<const char*>(p), static_cast<const uint8_t*>(zero) - p);
    return true;
}

int LinkSection::NewLinkRecord() {
    for (uint32_t s = 0; s < kSlots; ++s) {
        const uint32_t r = recordOffset(int(s));
        if (Get(r + kInUse) == 1) continue;
        std::memset(m_ + r, 0, kRecordSize);
        Set(r + kInUse, 1);
        Set(r + kPrev, kNone);
        const uint32_t head = Get(kHeadIndex);
        Set(r + kNext, head);
        if (head != kNone && head < kSlots) Set(recordOffset(int(head)) + kPrev, s);
        Set(kHeadIndex, s);
        return int(s);
    }
    return -1;
}

void LinkSection::DropLinkRecord(int slot) {
    if (slot < 0 || uint32_t(slot) >= kSlots) return;
    const uint32_t r = recordOffset(slot);
    Set(r + kInUse, 0);
    const uint32_t prev = Get(r + kPrev), next = Get(r + kNext);
    if (prev != kNone && prev < kSlots)
        Set(recordOffset(int(prev)) + kNext, next);
    else
        Set(kHeadIndex, next);
    if (next != kNone && next < kSlots) Set(recordOffset(int(next)) + kPrev, prev);
}

int LinkSection::find(uint32_t field, int32_t pid) const {
    uint32_t s = Get(kHeadIndex);
    for (uint32_t steps = 0; s != kNone && s < kSlots && steps < kSlots; ++steps) {
        if (int32_t(Get(recordOffset(int(s)) + field)) == pid) return int(s);
        s = Get(recordOffset(int(s)) + kNext);
    }
    return -1;
}

int LinkSection::FindLinkByViewer(int32_t pid) const {
    return find(kViewerPid, pid);
}
int LinkSection::FindLinkByNavigator(int32_t pid) const {
    return find(kNavigatorPid, pid);
}

std::string LinkSection::Text(int slot, uint32_t field) const {
    const auto* p = reinterpret_cast<const char*>(m_ + recordOffset(slot) + field);
    return std::string(p, strnlen(p, kTextSize - 1));
}

void LinkSection::SetText(int slot, uint32_t field, std::string_view text) {
    auto* p = m_ + recordOffset(slot) + field;
    std::memset(p, 0, kTextSize);
    std::memcpy(p, text.data(), std::min<size_t>(text.size(), kTextSize - 1));
}

void LinkSection::ReclaimDead(bool (*alive)(int32_t)) {
    uint32_t s = Get(kHeadIndex);
    for (uint32_t steps = 0; s != kNone && s < kSlots && steps < kSlots; ++steps) {
        const int slot = int(s);
        s = Get(recordOffset(slot) + kNext);
        const int32_t viewer = int32_t(Field(slot, kViewerPid));
        const int32_t navigator = int32_t(Field(slot, kNavigatorPid));
        const bool viewerGone = viewer > kPlaceholder && !alive(viewer);
        const bool navigatorGone = navigator > kPlaceholder && !alive(navigator);
        if (!viewerGone && !navigatorGone) continue;
        if (viewerGone) {
            SetField(slot, kViewerPid, 0);
            SetField(slot, kHiddenWindow, 0);
        }
        if (navigatorGone) {
            SetField(slot, kNavigatorPid, 0);
            SetField(slot, kLinkWindow, 0);
        }
        // A placeholder whose starter is gone waits for nobody.
        if (int32_t(Field(slot, kViewerPid)) <= kPlaceholder &&
            int32_t(Field(slot, kNavigatorPid)) <= kPlaceholder)
            DropLinkRecord(slot);
    }
}
