#include "lmbhook32/LinkSection.h"
#include "platform/ipc/SharedSection.h"
#include "testsupport/LinkNamespace.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <numeric>
#include <vector>

using namespace link_layout;

namespace {

struct Fresh : ::testing::Test {
    std::vector<uint8_t> memory = std::vector<uint8_t>(kSize);
    LinkSection s{memory.data()};
    void SetUp() override {
        s.InitImage();
        ASSERT_TRUE(s.InitHeap());
    }
    uint32_t heapOffset(void* p) const {
        return uint32_t(static_cast<uint8_t*>(p) - memory.data()) - kHeap - kBlockHeader;
    }
    uint32_t total() const {
        uint32_t sum = 0;
        for (const auto& b : s.Blocks()) sum += b.size;
        return sum;
    }
};

TEST_F(Fresh, TheImageCarriesItsMarkersAndAnEmptyChain) {
    EXPECT_STREQ(reinterpret_cast<const char*>(memory.data() + 16),
                 "This is the start of the shared segment.");
    EXPECT_STREQ(reinterpret_cast<const char*>(memory.data() + 32776),
                 "This is the end of the shared segment.");
    EXPECT_EQ(s.Head(), -1);
    // A second load finds the magic and leaves the heap alone.
    void* p = s.Alloc(10);
    EXPECT_FALSE(s.InitHeap());
    s.InitImage();
    EXPECT_EQ(s.Blocks().size(), 2u);
    EXPECT_EQ(s.Free(p), 1);
}

TEST_F(Fresh, BlocksAreCarvedFromTheTailOfTheFirstFit) {
    void* p = s.Alloc(100);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(heapOffset(p), 3976u);
    const auto blocks = s.Blocks();
    ASSERT_EQ(blocks.size(), 2u);
    EXPECT_EQ(blocks[0].offset, 0u);
    EXPECT_EQ(blocks[0].size, 3976u);
    EXPECT_TRUE(blocks[0].free);
    EXPECT_EQ(blocks[1].offset, 3976u);
    EXPECT_EQ(blocks[1].size, 120u);
    EXPECT_FALSE(blocks[1].free);
    EXPECT_EQ(s.Alloc(0), nullptr);
    EXPECT_EQ(s.Alloc(-5), nullptr);
    EXPECT_EQ(s.Alloc(5000), nullptr);
    EXPECT_EQ(s.Free(nullptr), 0);
}

TEST_F(Fresh, FreeingInAnyOrderMergesBackIntoOneBlock) {
    const std::vector<std::vector<int>> orders = {
        {0, 1, 2, 3}, {3, 2, 1, 0}, {1, 3, 0, 2}, {2, 0, 3, 1}};
    for (const auto& order : orders) {
        std::vector<void*> p;
        for (int size : {40, 200, 7, 1000}) p.push_back(s.Alloc(size));
        for (int i : order) EXPECT_EQ(s.Free(p[size_t(i)]), 1);
        const auto blocks = s.Blocks();
        ASSERT_EQ(blocks.size(), 1u);
        EXPECT_EQ(blocks[0].offset, 0u);
        EXPECT_EQ(blocks[0].size, 4096u);
        EXPECT_TRUE(blocks[0].free);
    }
}

TEST_F(Fresh, AnExactFitIsHandedOutWholeWithoutAHeaderOverIt) {
    // The whole heap in one request: the head block itself, header kept.
    void* all = s.Alloc(4096 - 20);
    ASSERT_NE(all, nullptr);
    EXPECT_EQ(heapOffset(all), 0u);
    ASSERT_EQ(s.Blocks().size(), 1u);
    EXPECT_FALSE(s.Blocks()[0].free);
    EXPECT_EQ(s.Get(kHeap), kMagic);
    EXPECT_EQ(s.Alloc(1), nullptr);
    EXPECT_EQ(s.Free(all), 1);

    // A rest smaller than a header goes with the block; the sizes still add up.
    void* a = s.Alloc(1000);
    void* b = s.Alloc(4096 - 1020 - 20 - 10); // leaves 10 bytes in the head block
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(heapOffset(b), 0u);
    EXPECT_EQ(total(), 4096u);
    EXPECT_EQ(s.Blocks().size(), 2u);
    EXPECT_EQ(s.Free(a), 1);
    EXPECT_EQ(s.Free(b), 1);
    EXPECT_EQ(s.Blocks().size(), 1u);
}

TEST_F(Fresh, OnlyBlocksOfTheChainInUseCanBeFreed) {
    auto* p = static_cast<uint8_t*>(s.Alloc(64));
    // A magic written into user data does not make a block.
    auto* q = static_cast<uint8_t*>(s.Alloc(64));
    const uint32_t magic = kMagic;
    std::memcpy(q + 8, &magic, 4);
    EXPECT_EQ(s.Free(q + 28), 0);
    EXPECT_EQ(s.Free(p + 1), 0);
    EXPECT_EQ(s.Free(memory.data()), 0);
    EXPECT_EQ(s.Free(p), 1);
    EXPECT_EQ(s.Free(p), 0); // twice
    EXPECT_EQ(s.Free(q), 1);
    EXPECT_EQ(total(), 4096u);
}

TEST_F(Fresh, RecordsChainNewestFirstAndTheFiftyFirstIsRefused) {
    const int a = s.NewLinkRecord();
    const int b = s.NewLinkRecord();
    EXPECT_EQ(a, 0);
    EXPECT_EQ(b, 1);
    EXPECT_EQ(s.Head(), b);
    EXPECT_EQ(int32_t(s.Field(b, kNext)), a);
    EXPECT_EQ(int32_t(s.Field(a, kPrev)), b);
    s.SetField(a, kViewerPid, 77);
    EXPECT_EQ(s.FindLinkByViewer(77), a); // reachable through the new head
    for (int i = 2; i < 50; ++i) EXPECT_EQ(s.NewLinkRecord(), i);
    EXPECT_EQ(s.NewLinkRecord(), -1);
    s.DropLinkRecord(b);
    EXPECT_EQ(s.FindLinkByViewer(77), a);
    EXPECT_EQ(s.NewLinkRecord(), b); // the lowest free slot
    EXPECT_EQ(s.Head(), b);
    s.SetText(a, kHelpFile, std::string(300, 'x'));
    EXPECT_EQ(s.Text(a, kHelpFile).size(), 259u);
}

bool nurAcht(int32_t pid) {
    return pid == 8;
}

TEST_F(Fresh, RecordsOfDeadProcessesAreReclaimed) {
    const int beide = s.NewLinkRecord(); // viewer 8 lives, navigator 9 is gone
    s.SetField(beide, kViewerPid, 8);
    s.SetField(beide, kNavigatorPid, 9);
    s.SetField(beide, kLinkWindow, 1234);
    const int tot = s.NewLinkRecord(); // viewer 10 gone, navigator being started by it
    s.SetField(tot, kViewerPid, 10);
    s.SetField(tot, kNavigatorPid, kPlaceholder);
    s.ReclaimDead(&nurAcht);
    EXPECT_EQ(s.FindLinkByViewer(8), beide);
    EXPECT_EQ(s.Field(beide, kNavigatorPid), 0u);
    EXPECT_EQ(s.Field(beide, kLinkWindow), 0u);
    EXPECT_EQ(s.FindLinkByNavigator(kPlaceholder), -1);
    EXPECT_EQ(s.Field(tot, kInUse), 0u);
    EXPECT_EQ(s.Head(), beide);
}

TEST(LinkMappings, AnAddressMovesBetweenTwoMappingsOfTheSection) {
    const std::string name = SharedName("zweifach");
    auto a = SharedSection::Open(name, kSize);
    auto b = SharedSection::Open(name, kSize);
    ASSERT_TRUE(a && b);
    SharedSection::Remove(name);
    ASSERT_NE(a->Data(), b->Data());
    LinkSection sa(a->Data()), sb(b->Data());
    sa.InitImage();
    sa.InitHeap();
    EXPECT_FALSE(sb.InitHeap());
    auto* p = static_cast<char*>(sa.Alloc(32));
    std::strcpy(p, "über die Grenze");
    // Made in mapping a, rebased by (base b - base a), read in mapping b.
    uint32_t address = sa.LinkAddress(p);
    address += sb.SectionBase() - sa.SectionBase();
    std::string text;
    ASSERT_TRUE(sb.HeapText(address, text));
    EXPECT_EQ(text, "über die Grenze");
    EXPECT_EQ(sb.LinkPointer(address) - b->Data(), p - reinterpret_cast<char*>(a->Data()));
    // Addresses outside the section or texts running off the heap are refused.
    EXPECT_EQ(sb.LinkPointer(sb.SectionBase() + kSize), nullptr);
    EXPECT_EQ(sb.LinkPointer(0), nullptr);
    std::memset(b->Data() + kHeap + 4000, 'x', 96);
    EXPECT_FALSE(sb.HeapText(sb.LinkAddress(b->Data() + kHeap + 4000), text));
}

} // namespace
