#include "hilfsmittel/ProfileValueReports.h"

#include <algorithm>

namespace {
thread_local ProfileValueReports* current = nullptr;
} // namespace

ProfileValueReports::ProfileValueReports() : outer_(current) {
    current = this;
}

ProfileValueReports::~ProfileValueReports() {
    current = outer_;
}

bool ProfileValueReports::Note(std::string_view text) {
    if (!current) return false;
    auto& v = current->values_;
    if (std::find(v.begin(), v.end(), text) == v.end()) v.emplace_back(text);
    return true;
}
