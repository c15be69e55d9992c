#include "platform/base/ByteImage.h"
#include "platform/base/ByteStream.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

TEST(ByteImage, FieldsAreLittleEndianAtTheirOffsets) {
    ByteImage img(26);
    img.SetI16(0, -2);
    img.SetU16(2, 0xFFFF);
    img.SetI32(4, 0x01020304);
    img.SetF64(8, 1.5);
    img.SetU32(16, 0xDEADBEEF);
    img.SetF32(20, 0.25f);
    const uint8_t expected[] = {0xFE, 0xFF, 0xFF, 0xFF, 0x04, 0x03, 0x02, 0x01, 0,
                                0,    0,    0,    0,    0,    0xF8, 0x3F, 0xEF, 0xBE,
                                0xAD, 0xDE, 0,    0,    0x80, 0x3E, 0,    0};
    ASSERT_EQ(img.Size(), sizeof expected);
    for (size_t i = 0; i < sizeof expected; ++i) EXPECT_EQ(img.U8(i), expected[i]) << i;
    EXPECT_EQ(img.I16(0), -2);
    EXPECT_EQ(img.U16(2), 0xFFFF);
    EXPECT_EQ(img.I32(4), 0x01020304);
    EXPECT_EQ(img.F64(8), 1.5);
    EXPECT_EQ(img.F32(20), 0.25f);
}

TEST(ByteImage, TextFieldIsCutToWidthLessOneAndNulTerminated) {
    ByteImage img(40);
    img.SetU8(35, 0x77); // a byte just after the field stays untouched
    const std::string longText(45, 'x');
    EXPECT_FALSE(img.SetText(5, 30, longText));
    EXPECT_EQ(img.Text(5, 30), std::string(29, 'x'));
    EXPECT_EQ(img.U8(5 + 29), 0);
    EXPECT_EQ(img.U8(35), 0x77);

    // A shorter text clears what a longer one left behind.
    EXPECT_TRUE(img.SetText(5, 30, "Außenwand"));
    EXPECT_EQ(img.Text(5, 30), "Außenwand");
    EXPECT_EQ(img.RawText(5, 30), "Au\xDF"
                                  "enwand");
    for (size_t i = 5 + 9; i < 35; ++i) EXPECT_EQ(img.U8(i), 0) << i;
}

TEST(ByteImage, TextWithoutNulReadsTheWholeWidth) {
    ByteImage img(4);
    img.CopyBytes(0, std::vector<uint8_t>{'a', 'b', 'c', 'd'});
    EXPECT_EQ(img.Text(0, 4), "abcd");
}

TEST(ByteImage, FieldOutsideTheImageThrows) {
    ByteImage img(8);
    EXPECT_THROW(img.F64(1), std::out_of_range);
    EXPECT_THROW(img.SetU16(7, 1), std::out_of_range);
    EXPECT_THROW(img.Text(4, 5), std::out_of_range);
    EXPECT_NO_THROW(img.F64(0));
}

TEST(ByteReader, ShortReadFailsAndStaysFailed) {
    const std::vector<uint8_t> data = {1, 0, 2, 0, 0, 0, 9};
    ByteReader r(data);
    EXPECT_EQ(r.ReadU16(), 1);
    EXPECT_EQ(r.ReadU32(), 2u);
    EXPECT_TRUE(r.Ok());
    EXPECT_EQ(r.ReadU16(), 0); // only one byte left
    EXPECT_FALSE(r.Ok());
    EXPECT_EQ(r.ReadU8(), 0); // sticky: the remaining byte is not handed out
    const auto img = r.ReadImage(3);
    EXPECT_EQ(img.Size(), 3u);
    EXPECT_EQ(img.U8(0), 0);
}

TEST(ByteReader, CountsFromAFileAreCheckedAgainstWhatIsLeft) {
    const std::vector<uint8_t> data(100, 0);
    ByteReader r(data);
    EXPECT_TRUE(r.CanHold(2, 50));
    EXPECT_FALSE(r.CanHold(3, 50));
    EXPECT_FALSE(r.CanHold(0xFFFF, 350));
    EXPECT_TRUE(r.CanHold(0, 350));
}

TEST(ByteWriter, WritesWhatTheReaderReads) {
    ByteWriter w;
    w.WriteI16(-7);
    w.WriteF64(-273.15);
    w.WriteU32(42);
    ByteImage img(3);
    img.SetText(0, 3, "ab");
    w.WriteImage(img);
    ByteReader r(w.Bytes());
    EXPECT_EQ(r.ReadI16(), -7);
    EXPECT_EQ(r.ReadF64(), -273.15);
    EXPECT_EQ(r.ReadU32(), 42u);
    EXPECT_EQ(r.ReadImage(3).Text(0, 3), "ab");
    EXPECT_TRUE(r.AtEnd());
    EXPECT_TRUE(r.Ok());
}

} // namespace
