#pragma once
// The program's version record, compiled into the program, and the reader
// through which the about box asks for its values. A value left empty is
// one the record does not carry.
#include <string>

struct TVersionsSatz {
    std::string ProductName;
    std::string ProductVersion;
    std::string LegalCopyright;
    std::string SpecialBuild;
};

// The record of this program.
const TVersionsSatz& ProgrammVersion();

class TProjectRCVersion {
public:
    // Null: a program without a version record; every query answers false.
    explicit TProjectRCVersion(const TVersionsSatz* satz);
    virtual ~TProjectRCVersion() = default;

    // True, with the text set, when the record carries the value.
    bool GetProductName(const char*& text) const { return get(satz_.ProductName, text); }
    bool GetProductVersion(const char*& text) const { return get(satz_.ProductVersion, text); }
    bool GetLegalCopyright(const char*& text) const { return get(satz_.LegalCopyright, text); }
    bool GetSpecialBuild(const char*& text) const { return get(satz_.SpecialBuild, text); }

private:
    static bool get(const std::string& wert, const char*& text);
    TVersionsSatz satz_;
};
