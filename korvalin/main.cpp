// The program: the Qt application and the directories, then the application
// object's start-up and message loop.
#include "korvalin/shell/korpusApp.h"
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
    return OwlMain(argc, argv);
}
