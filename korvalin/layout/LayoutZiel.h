#pragma once
// Which settings file the layout settings sheet edits: the open project's
// own file, datei.ini (sheets of catalogue files, belonging to no project),
// or global.ini (the program's settings for all projects).
enum class LayoutZiel { Projekt, Datei, Programm };
