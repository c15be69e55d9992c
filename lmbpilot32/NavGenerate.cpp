#include "lmbpilot32/NavGenerate.h"

#include "lmbpilot32/CNavDoc.h"
#include "platform/base/FileIO.h"
#include "platform/services/HelpFile.h"

#include <filesystem>

bool GenerateFromHelpFile(CNavDoc& doc, const std::string& ltpPath, std::string* error) {
    doc.Reset();
    std::string title = std::filesystem::path(ltpPath).filename().string();
    if (title.size() > 4 && std::filesystem::path(title).extension() == ".ltp")
        title.resize(title.size() - 4);
    doc.Values.HelpFileName = title + ".hlp";
    doc.SetPath(ltpPath);
    const auto bytes = ReadWholeFile(doc.HelpPath());
    HelpFileError e;
    const HelpFile help = HelpFile::Parse(std::string(bytes.bytes.begin(), bytes.bytes.end()), &e);
    if (!help.IsValid()) {
        if (error)
            *error = "Die Hilfedatei " + doc.HelpPath() + " kann nicht gelesen werden" +
                     (e.message.empty() ? std::string(".") : ": " + e.message);
        return false;
    }
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
