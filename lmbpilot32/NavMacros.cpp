#include "lmbpilot32/NavMacros.h"

#include "lmbpilot32/CNavDoc.h"

#include <algorithm>

std::string MacroPath(std::string path) {
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

std::string ItemMacro(const CNavDoc& doc, int item, MacroKind kind, MacroFile file,
                      bool withWindow) {
    if (!doc.IsValid(item)) return {};
    const CNavItem& it = doc.Items[size_t(item)];
    if (it.ContextString.empty()) return {};
    const auto& types = doc.Values.TopicTypes;
    const TopicType& type = types[std::min<size_t>(it.TopicType, types.size() - 1)];
    if (kind == MacroKind::ByTopicType)
        kind = type.LinkType == 1 ? MacroKind::Popup : MacroKind::Jump;
    std::string m = kind == MacroKind::Popup ? "PI(\"" : "JI(\"";
    if (file == MacroFile::HelpPath)
        m += MacroPath(doc.HelpPath());
    else if (file == MacroFile::FileName)
        m += doc.Values.HelpFileName;
    if (kind == MacroKind::Jump && withWindow && type.Window != "/c") m += ">" + type.Window;
    return m + "\",\"" + it.ContextString + "\")";
}

std::string JumpMacro(const CNavDoc& doc, int item) {
    return ItemMacro(doc, item,
                     doc.Values.ObserveLinkType ? MacroKind::ByTopicType : MacroKind::Jump,
                     MacroFile::HelpPath, doc.Values.ObserveHelpWindow != 0);
}

std::string PrintRangeMacro(int from, int to) {
    return "IF(InitMPrint(),`RR(\"lmbhook32.dll\",\"lmbPrintRange\",\"UU\");lmbPrintRange(" +
           std::to_string(from) + "," + std::to_string(to) + ")')";
}

std::string PrintStepMacro(const CNavDoc& doc, int from, int to, int* printed) {
    int i = from;
    while (i <= to && doc.IsValid(i) &&
           !((i == 0 || doc.Items[size_t(i)].TopicNumber != 0) && doc.IsShown(i)))
        ++i;
    if (!doc.IsValid(i) || i > to) return "EndMPrint()";
    if (printed) *printed = i;
    std::string m = "MPrintId(\"" + doc.Items[size_t(i)].ContextString + "\");";
    if (i < to)
        m += "lmbPrintRange(" + std::to_string(i + 1) + "," + std::to_string(to) + ")";
    else
        m += "EndMPrint()";
    return m;
}
