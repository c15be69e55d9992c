#pragma once
// Opening a project file by name: the command line, the open command, the
// recent-files entries and dropped project files end here. The default
// opens the file as the open command does (ProjektOeffnenName); tests may
// record instead.
#include <string_view>

class ProjektOeffnung {
public:
    virtual ~ProjektOeffnung() = default;
    virtual void Oeffnen(std::string_view datei);
};
