#pragma once
// Opening a project file: the command line, the recent-files entries and
// dropped project files end here. The default says that opening projects is
// not available yet and opens nothing.
#include <string_view>

class ProjektOeffnung {
public:
    virtual ~ProjektOeffnung() = default;
    virtual void Oeffnen(std::string_view datei);
};
