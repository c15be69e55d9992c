#pragma once
// Layout settings tests: temporary folders for global.ini/datei.ini, a
// project folder, and scripted message boxes (an unplanned box fails).
#include "hilfsmittel/layout/CurrentProjectFile.h"
#include "testsupport/ScriptedServices.h"
#include "testsupport/TempDir.h"

#include <gtest/gtest.h>

class LayoutFixture : public ::testing::Test {
protected:
    std::filesystem::path Config(const char* name) const { return dirs.Dirs().config / name; }
    std::filesystem::path ProjectFolder() const { return dirs.Root() / "projekte"; }
    // Opens a project (its file need not exist: only its name is used).
    void OpenProject(const char* fileName) {
        std::filesystem::create_directories(ProjectFolder());
        services.State().Get<CurrentProjectFile>().path = ProjectFolder() / fileName;
    }
    void CloseProject() { services.State().Get<CurrentProjectFile>().path.clear(); }

    testsupport::ScriptedServices services;
    testsupport::TestDirectories dirs;
};
