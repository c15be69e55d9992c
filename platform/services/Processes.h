#pragma once
// Starting another program (the desktop calculator), not waiting for it.
#include <string>
#include <string_view>
#include <vector>

class ProcessService {
public:
    virtual ~ProcessService() = default;
    // False when the program could not be started.
    virtual bool StartProcess(std::string_view program, const std::vector<std::string>& args) = 0;
};

bool StartProcess(std::string_view program, const std::vector<std::string>& args = {});
