// The program: the Qt application, the directories, then the main window.
#include "platform/base/Directories.h"
#include "platform/services/MessageBox.h"
#include "platform/window/QtRuntime.h"

int main(int argc, char** argv) {
    QtRuntime qt(argc, argv);
    if (!PrepareDirectories(CurrentDirectories())) {
        MessageBox("Die Programmverzeichnisse können nicht angelegt werden.", "Fehler",
                   MB_OK | MB_ICONHAND);
        return 1;
    }
    // FIXME: the main frame arrives with the window layer; until then the
    // program only starts and ends.
    MessageBox("Korvalin ist gestartet.", "Info", MB_OK | MB_ICONASTERISK);
    return 0;
}
