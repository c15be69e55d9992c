#pragma once
// The navigator's topic information: the topics of the document's help file
// in their outline, the help author's topic types from the authoring add-in,
// and the title and map numbers of the help project when there is one.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class CNavDoc;
class HelpFile;
class RegistryStore;

struct OutlineEntry {
    int topic;      // index in the help file
    uint16_t level; // 1 to 5
};

// The help file's topics in outline order: the contents topic first; every
// other topic below the topic that links to it nearest to the contents, at
// most five levels deep; topics no link reaches follow below the contents.
// Without a contents topic all stand at the top level in file order.
std::vector<OutlineEntry> HelpOutline(const HelpFile& help);

// The help file that belongs to a navigator file named on the command line:
// its title without ".ltp", and ".HLP" in the case of that extension (a file
// of another case beside it is taken as it is spelt).
std::string HelpFileNameFor(const std::string& ltpPath);

// The name with its last three characters replaced by the extension given in
// capitals ("HLP"), written small when the characters replaced were small.
std::string WithExtension(const std::string& name, const std::string& upper);

using NavReport = std::function<void(const std::string&)>;

// Rebuilds the document's topics and topic types from its help file. first:
// a new document, which also takes the link settings that the help file
// already holds. False when it stopped; report was told why. The topics read
// before a later failure stay.
bool LoadTopicInformation(CNavDoc& doc, bool first, const RegistryStore& store,
                          const NavReport& report);
