#pragma once
// The encodings of the navigator file that its value order leaves open, as
// the framework's archive wrote them (lmbpilot32/LtpFormat.md): texts with a
// length prefix, object arrays with a count and class tags.
#include "platform/base/ByteStream.h"

#include <string>
#include <string_view>

namespace nav_archive {

// Windows-1252 on file; texts that have no such form are written lossy.
void WriteString(ByteWriter& w, std::string_view utf8);
bool ReadString(ByteReader& r, std::string& utf8);

void WriteCount(ByteWriter& w, uint32_t count);
bool ReadCount(ByteReader& r, uint32_t& count);

// The tag in front of each object of an array: the first object of a class
// names the class and its schema, the later ones refer back to it.
void WriteObjectTag(ByteWriter& w, bool first, std::string_view className, uint16_t schema);
enum class TagResult { Ok, BadSchema, Broken };
TagResult ReadObjectTag(ByteReader& r, bool first, std::string_view className, uint16_t schema);

} // namespace nav_archive
