#include "lmbpilot32/CNavDoc.h"

#include "lmbpilot32/NavArchive.h"
#include "platform/base/FileIO.h"
#include "platform/base/TextCompare.h"

#include <bit>
#include <cstring>
#include <filesystem>

using namespace nav_archive;

namespace {
constexpr uint16_t kItemSchema = 1;
constexpr const char* kItemClass = "CNavItem";
} // namespace

void CNavDoc::Reset() {
    Items.clear();
    Values = CNavDocValues{};
}

std::vector<uint8_t> CNavDoc::Serialize() const {
    ByteWriter w;
    const CNavDocValues& v = Values;
    w.WriteU16(kSchema);
    WriteCount(w, uint32_t(Items.size()));
    for (size_t i = 0; i < Items.size(); ++i) {
        const CNavItem& it = Items[i];
        WriteObjectTag(w, i == 0, kItemClass, kItemSchema);
        WriteString(w, it.Title);
        WriteString(w, it.TreeCaption);
        WriteString(w, it.ContextString);
        w.WriteI32(it.MapNumber);
        w.WriteU16(it.HeadingLevel);
        w.WriteU16(it.OutlineDepth);
        w.WriteI32(it.TopicNumber);
    }
    for (int16_t c : {v.Left, v.Top, v.Right, v.Bottom}) w.WriteI16(c);
    WriteString(w, v.Title);
    w.WriteU32(v.TextColor);
    w.WriteU32(v.BackgroundColor);
    for (uint16_t f : {v.AlwaysOnTop, v.AutoSync, v.DialogMode, v.Reserved, v.MenuBar, v.StatusBar,
                       v.ToolBar, v.Bold, v.Italic})
        w.WriteU16(f);
    WriteString(w, v.FontName);
    w.WriteU32(std::bit_cast<uint32_t>(v.FontSize));
    WriteString(w, v.HelpFileName);
    for (uint16_t f : {v.ShowWhenViewerStarts, v.ShowByButton, v.ParentTopicButton}) w.WriteU16(f);
    WriteString(w, v.NavigatorButtonCaption);
    WriteString(w, v.ParentButtonCaption);
    for (uint16_t f : v.MenuFlags) w.WriteU16(f);
    for (uint16_t f : v.ToolBarFlags) w.WriteU16(f);
    for (uint16_t f : {v.ObserveTopicAccess, v.ObserveLinkType, v.ObserveHelpWindow}) w.WriteU16(f);
    w.WriteU16(uint16_t(v.TopicTypes.size()));
    for (const TopicType& t : v.TopicTypes) {
        w.WriteU16(t.Access);
        w.WriteU16(t.LinkType);
        WriteString(w, t.Window);
    }
    w.WriteU16(uint16_t(Items.size()));
    for (const CNavItem& it : Items) w.WriteU16(it.TopicType);
    w.WriteU16(v.TabPage);
    WriteString(w, v.TabCaption);
    w.WriteU16(v.NavigatorVersion);
    return w.Take();
}

bool CNavDoc::Deserialize(std::span<const uint8_t> bytes, std::string* error) {
    Reset();
    ByteReader r(bytes);
    const auto fail = [&](const char* message) {
        Reset();
        if (error) *error = message;
        return false;
    };
    constexpr const char* kEnde = "Unerwartetes Dateiende: die Navigatordatei ist unvollständig.";
    constexpr const char* kSchemaFehler = "Die Navigatordatei hat ein unbekanntes Format (Schema).";
    const uint16_t schema = r.ReadU16();
    if (!r.Ok()) return fail(kEnde);
    if (schema != 3 && schema != 4) return fail(kSchemaFehler);
    uint32_t count = 0;
    if (!ReadCount(r, count)) return fail(kEnde);
    // Each item takes at least 2 + 3 + 12 bytes.
    if (!r.CanHold(count, 17)) return fail(kEnde);
    CNavList items(count);
    for (uint32_t i = 0; i < count; ++i) {
        switch (ReadObjectTag(r, i == 0, kItemClass, kItemSchema)) {
        case TagResult::BadSchema:
            return fail(kSchemaFehler);
        case TagResult::Broken:
            return fail(r.Ok() ? kSchemaFehler : kEnde);
        case TagResult::Ok:
            break;
        }
        CNavItem& it = items[i];
        ReadString(r, it.Title);
        ReadString(r, it.TreeCaption);
        ReadString(r, it.ContextString);
        it.MapNumber = r.ReadI32();
        it.HeadingLevel = r.ReadU16();
        it.OutlineDepth = r.ReadU16();
        it.TopicNumber = r.ReadI32();
        if (!r.Ok()) return fail(kEnde);
    }
    CNavDocValues v;
    v.Left = r.ReadI16();
    v.Top = r.ReadI16();
    v.Right = r.ReadI16();
    v.Bottom = r.ReadI16();
    ReadString(r, v.Title);
    v.TextColor = r.ReadU32();
    v.BackgroundColor = r.ReadU32();
    for (uint16_t* f : {&v.AlwaysOnTop, &v.AutoSync, &v.DialogMode, &v.Reserved, &v.MenuBar,
                        &v.StatusBar, &v.ToolBar, &v.Bold, &v.Italic})
        *f = r.ReadU16();
    ReadString(r, v.FontName);
    v.FontSize = std::bit_cast<float>(r.ReadU32());
    ReadString(r, v.HelpFileName);
    for (uint16_t* f : {&v.ShowWhenViewerStarts, &v.ShowByButton, &v.ParentTopicButton})
        *f = r.ReadU16();
    ReadString(r, v.NavigatorButtonCaption);
    ReadString(r, v.ParentButtonCaption);
    for (uint16_t& f : v.MenuFlags) f = r.ReadU16();
    for (uint16_t& f : v.ToolBarFlags) f = r.ReadU16();
    if (!r.Ok()) return fail(kEnde);
    if (schema == 4) {
        for (uint16_t* f : {&v.ObserveTopicAccess, &v.ObserveLinkType, &v.ObserveHelpWindow})
            *f = r.ReadU16();
        const uint16_t types = r.ReadU16();
        if (!r.Ok() || !r.CanHold(types, 5)) return fail(kEnde);
        v.TopicTypes.assign(types, TopicType{});
        for (TopicType& t : v.TopicTypes) {
            t.Access = r.ReadU16();
            t.LinkType = r.ReadU16();
            ReadString(r, t.Window);
        }
        const uint16_t indices = r.ReadU16();
        if (!r.Ok() || !r.CanHold(indices, 2)) return fail(kEnde);
        for (uint16_t i = 0; i < indices; ++i) {
            const uint16_t type = r.ReadU16();
            if (i < items.size()) items[i].TopicType = type;
        }
        v.TabPage = r.ReadU16();
        ReadString(r, v.TabCaption);
        v.NavigatorVersion = r.ReadU16();
        if (!r.Ok()) return fail(kEnde);
        // An index past the table would be read outside it: the last type.
        if (v.TopicTypes.empty()) v.TopicTypes.push_back(TopicType{});
        for (CNavItem& it : items)
            if (it.TopicType >= v.TopicTypes.size())
                it.TopicType = uint16_t(v.TopicTypes.size() - 1);
    }
    Items = std::move(items);
    Values = std::move(v);
    return true;
}

void CNavDoc::SetPath(const std::string& path) {
    path_ = path;
    const size_t slash = path.find_last_of("/\\");
    directory_ = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    helpPath_ = Values.HelpFileName.empty()
                    ? directory_
                    : ExistingPathNoCase(directory_ + Values.HelpFileName).string();
}

const TopicType& CNavDoc::typeOf(int i) const {
    const auto& types = Values.TopicTypes;
    return types[std::min<size_t>(Items[size_t(i)].TopicType, types.size() - 1)];
}

int CNavDoc::Parent(int i) const {
    if (!IsValid(i)) return -1;
    const CNavItem& it = Items[size_t(i)];
    for (int p = i - 1; p >= 0; --p)
        if (Items[size_t(p)].HeadingLevel < it.HeadingLevel)
            return Items[size_t(p)].ContextString == it.ContextString ? -1 : p;
    return -1;
}

bool CNavDoc::IsShown(int i) const {
    return IsValid(i) && !(Values.ObserveTopicAccess && typeOf(i).Access == 1);
}

bool CNavDoc::IsTarget(int i) const {
    return IsShown(i) && !Items[size_t(i)].ContextString.empty();
}

bool CNavDoc::HasShownSubtopics(int i) const {
    if (!IsValid(i)) return false;
    for (int j = i + 1; IsValid(j) && Items[size_t(j)].HeadingLevel > Items[size_t(i)].HeadingLevel;
         ++j)
        if (IsShown(j)) return true;
    return false;
}

int CNavDoc::FindByTopicNumber(int32_t number) const {
    for (size_t i = 0; i < Items.size(); ++i)
        if (Items[i].TopicNumber == number) return int(i);
    return -1;
}

bool CNavDoc::IsVisible(int i, bool ignoreHelpFile) const {
    if (!IsValid(i)) return false;
    if (!ignoreHelpFile && !Items[size_t(i)].InHelp) return false;
    return !(Values.ObserveTopicAccess && typeOf(i).Access == 1);
}

int CNavDoc::NextVisible(int i, int direction) const {
    for (;;) {
        if (!IsValid(i) || !IsValid(i + direction)) return -1;
        i += direction;
        if (IsVisible(i)) return i;
    }
}

int CNavDoc::FirstVisible() const {
    return IsVisible(0) ? 0 : NextVisible(0, +1);
}

bool CNavDoc::PrintRange(int i, int mode, int& from, int& to) const {
    if (!IsValid(i)) return false;
    switch (mode) {
    case 0:
        from = to = i;
        return true;
    case 1:
        from = to = i;
        while (IsValid(to + 1) &&
               Items[size_t(to + 1)].HeadingLevel > Items[size_t(i)].HeadingLevel)
            ++to;
        return true;
    case 2:
        from = 0;
        to = int(Items.size()) - 1;
        return true;
    default:
        return false;
    }
}

bool CNavDoc::Open(const std::string& path, std::string* error) {
    const FileContents bytes = ReadWholeFile(path, 64 * 1024 * 1024);
    CNavDoc read;
    std::string why = bytes.error;
    if (!bytes.ok || !read.Deserialize(bytes.bytes, &why)) {
        if (error) *error = path + ": " + why;
        return false;
    }
    *this = std::move(read);
    SetPath(path);
    Modified = false;
    return true;
}

bool CNavDoc::Save(const std::string& path, std::string* error) {
    const FileResult written = WriteFileAtomically(path, Serialize());
    if (!written) {
        if (error) *error = written.error;
        return false;
    }
    SetPath(path);
    Modified = false;
    return true;
}

std::string CNavDoc::Title() const {
    if (path_.empty()) return "Untitled";
    std::string title = std::filesystem::path(path_).filename().string();
    if (title.size() > 4 && EqualNoCase(std::string_view(title).substr(title.size() - 4), ".ltp"))
        title.resize(title.size() - 4);
    return title;
}

std::string SaveAsName(const std::string& title) {
    return title.substr(0, title.find_first_of("#%;/\\")) + ".ltp";
}
