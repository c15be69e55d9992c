#pragma once
// Values of a settings file that do not parse raise the assertion box one by
// one. While a ProfileValueReports lives on this thread they are noted here
// instead, so that whoever reads the file can name it once in a message.
#include <string>
#include <string_view>
#include <vector>

class ProfileValueReports {
public:
    ProfileValueReports();
    ~ProfileValueReports();
    ProfileValueReports(const ProfileValueReports&) = delete;
    ProfileValueReports& operator=(const ProfileValueReports&) = delete;

    // The texts noted, each once, in the order met.
    const std::vector<std::string>& Values() const { return values_; }

    // For the parsers: notes `text` and answers true while a collector
    // lives; false means the caller raises its assertion box.
    static bool Note(std::string_view text);

private:
    std::vector<std::string> values_;
    ProfileValueReports* outer_;
};
