#pragma once
// One topic of a navigator file, with the fields in their file order.
#include <cstdint>
#include <string>
#include <vector>

struct CNavItem {
    std::string Title;
    std::string TreeCaption; // empty: the title is shown
    std::string ContextString;
    int32_t MapNumber = 0;
    uint16_t HeadingLevel = 1; // 1 to 5
    uint16_t OutlineDepth = 1; // tree level, 1 = top
    int32_t TopicNumber = 0;   // the viewer's number of the topic
    uint16_t TopicType = 0;    // index into the topic-type table (stored by the document)
    bool InHelp = true;        // run time: the topic exists in the help file

    const std::string& ShownText() const { return TreeCaption.empty() ? Title : TreeCaption; }
};

using CNavList = std::vector<CNavItem>;

struct TopicType {
    uint16_t Access = 0;   // 1: hidden while topic access is observed
    uint16_t LinkType = 0; // 0 jump, 1 pop-up
    std::string Window = "main";
};
