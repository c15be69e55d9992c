#include "hilfsmittel/layout/IniSectionWriter.h"

#include "platform/base/FileIO.h"
#include "platform/profile/IniDocument.h"
#include "platform/profile/Profile.h"
#include "platform/services/MessageBox.h"

namespace fs = std::filesystem;

IniSectionWriter::IniSectionWriter(std::string_view section, fs::path file)
    : section_(section), file_(TProfile::Resolve(file)) {}

void IniSectionWriter::Set(std::string_view key, std::string_view value) {
    values_.emplace_back(key, value);
}

void IniSectionWriter::SetInt(std::string_view key, int32_t value) {
    Set(key, std::to_string(value));
}

bool IniSectionWriter::Commit() {
    error_.clear();
    // A file that exists but cannot be read would come back empty, and writing
    // our section into that would drop every other section of it.
    std::error_code ec;
    if (fs::exists(file_, ec)) {
        const auto old = ReadWholeFile(file_, size_t(16) * 1024 * 1024);
        if (!old) error_ = old.error;
    }
    if (error_.empty()) {
        IniDocument doc = LoadIniFile(file_);
        for (const auto& [key, value] : values_) doc.Set(section_, key, value);
        if (SaveIniFile(file_, doc, &error_)) return true;
        if (error_.empty()) error_ = file_.string();
    }
    MessageBox("Die Einstellungen \"" + section_ + "\" konnten nicht gespeichert werden.\n" +
                   error_,
               kSchreibfehlerTitel, MB_OK | MB_ICONEXCLAMATION);
    return false;
}
