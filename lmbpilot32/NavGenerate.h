#pragma once
// The /g start: a navigator document made from the topics of its help file.
#include <string>

class CNavDoc;

// The document takes the path; its help file is the file title with ".hlp"
// beside it. The contents topic is the root, every other topic follows one
// level below in file order. False with a message naming the help file when
// it cannot be read; the document then has the path and no topics.
bool GenerateFromHelpFile(CNavDoc& doc, const std::string& ltpPath, std::string* error);
