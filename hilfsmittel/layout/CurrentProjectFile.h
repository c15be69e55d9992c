#pragma once
// The open project's file as the layout settings need it: the project's own
// settings file lies beside it. The project code sets the path when a project
// is opened and clears it when the project is closed:
//     ApplicationState::Current().Get<CurrentProjectFile>().path = file;
#include <filesystem>

struct CurrentProjectFile {
    std::filesystem::path path; // e.g. /daten/Haus.pro; empty: no project open
};
