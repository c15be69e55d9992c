#pragma once
// The shared section of the help link: a small heap and the table of link
// records, in its fixed byte layout, over one mapping of the section. All
// integers are 32-bit little-endian at the offsets below. Pointers into the
// section cross between processes as 32-bit link addresses: the process's
// section base (the link address of the start marker) plus the offset.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace link_layout {
constexpr uint32_t kSize = 32815;
constexpr uint32_t kHook = 0, kRefused = 4, kCalls = 8, kViewerWindow = 12;
constexpr uint32_t kStartMarker = 16, kHeap = 64, kHeapSize = 4096, kUsage = 4160;
constexpr uint32_t kTable = 4168, kRecordSize = 572, kSlots = 50;
constexpr uint32_t kHeadIndex = 32768, kEndMarker = 32776;
constexpr uint32_t kBlockHeader = 20, kMagic = 0xAABBCCDD;
// LinkRecord fields.
constexpr uint32_t kPrev = 0, kNext = 4, kViewerPid = 8, kNavigatorPid = 12, kHiddenWindow = 16,
                   kLinkWindow = 20, kPrintCancel = 24, kCallbacks = 28, kHelpFile = 32,
                   kStartMacro = 292, kTextSize = 260, kOption = 552, kMethod = 556, kInUse = 560,
                   kNavigatorBase = 564, kViewerBase = 568;
constexpr int32_t kPlaceholder = 1;
} // namespace link_layout

class LinkSection {
public:
    explicit LinkSection(uint8_t* mapping) : m_(mapping) {}

    // Writes the markers and the empty chain when the section is new; the
    // heap when its first header lacks the magic. The caller holds the mutex.
    void InitImage();
    bool InitHeap();

    uint8_t* Data() const { return m_; }
    uint32_t Get(uint32_t offset) const;
    void Set(uint32_t offset, uint32_t value);

    // Heap: user pointers of this mapping.
    void* Alloc(int32_t size);
    // 1 when p is the user data of a block in the chain, else 0.
    int Free(void* p);
    // (offset, size, free) of every block in chain order; for checks.
    struct Block {
        uint32_t offset, size;
        bool free;
    };
    std::vector<Block> Blocks() const;

    // Link addresses.
    uint32_t SectionBase() const;
    uint32_t LinkAddress(const void* p) const;
    // Null for an address outside the section.
    uint8_t* LinkPointer(uint32_t address) const;
    // A zero-terminated text inside the heap at a link address; false when
    // it runs past the heap.
    bool HeapText(uint32_t address, std::string& out) const;

    // Link records, by slot; -1 for none.
    int NewLinkRecord();
    void DropLinkRecord(int slot);
    int FindLinkByViewer(int32_t pid) const;
    int FindLinkByNavigator(int32_t pid) const;
    int Head() const { return int32_t(Get(link_layout::kHeadIndex)); }
    uint32_t Field(int slot, uint32_t field) const { return Get(recordOffset(slot) + field); }
    void SetField(int slot, uint32_t field, uint32_t value) {
        Set(recordOffset(slot) + field, value);
    }
    std::string Text(int slot, uint32_t field) const;
    void SetText(int slot, uint32_t field, std::string_view text);
    // Clears the side of every record whose process is gone and drops records
    // left with no live side.
    void ReclaimDead(bool (*alive)(int32_t pid));

private:
    static uint32_t recordOffset(int slot) {
        return link_layout::kTable + uint32_t(slot) * link_layout::kRecordSize;
    }
    bool merge(uint32_t block);
    int find(uint32_t field, int32_t pid) const;
    uint8_t* m_;
};
