#include "lmbpilot32/NavGenerate.h"

#include "lmbpilot32/CNavDoc.h"
#include "lmbpilot32/NavHelpLink.h"
#include "platform/base/FileIO.h"
#include "platform/services/HelpFile.h"

bool GenerateFromHelpFile(CNavDoc& doc, const std::string& ltpPath, std::string* error) {
    doc.Reset();
    doc.SetPath(ltpPath);
    doc.Values.HelpFileName = doc.Title() + ".hlp";
    doc.SetPath(ltpPath);
    const auto fail = [&](const std::string& why) {
        if (error)
            *error = "Die Hilfedatei " + doc.HelpPath() + " kann nicht gelesen werden: " + why;
        return false;
    };
    const FileContents read = ReadWholeFile(doc.HelpPath(), HelpFile::kMaxBytes);
    if (!read) return fail(read.error);
    const std::string text(read.bytes.begin(), read.bytes.end());
    HelpFileError e;
    const HelpFile help = HelpFile::Parse(text, &e);
    if (!help.IsValid()) return fail(e.message.empty() ? "kein gültiges Format" : e.message);
    // A link with the settings as they stand keeps the help file as it is.
    ReadNavigatorBlock(text, doc.Values);
    const int contents = help.ContentsTopic();
    const auto add = [&](int i, uint16_t level) {
        const auto& t = help.Topics()[size_t(i)];
        CNavItem it;
        it.Title = t.title;
        it.ContextString = t.name;
        it.MapNumber = t.contexts.empty() ? 0 : int32_t(t.contexts.front());
        it.HeadingLevel = it.OutlineDepth = level;
        it.TopicNumber = i + 1;
        doc.Items.push_back(it);
    };
    if (contents >= 0) add(contents, 1);
    for (int i = 0; i < int(help.Topics().size()); ++i)
        if (i != contents) add(i, contents >= 0 ? 2 : 1);
    doc.Modified = true;
    return true;
}
