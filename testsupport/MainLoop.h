#pragma once
// Runs a test's body inside the application's main loop, as the program's
// code runs. Nested loops (modal dialogs, modal frames) need it: once any
// test has ended a main loop (a main window closed), Qt lets no nested loop
// run outside a fresh main loop. Header only: for test binaries that link Qt.
#include <QCoreApplication>
#include <QTimer>

#include <functional>

namespace testsupport {

inline void RunInMainLoop(const std::function<void()>& body) {
    QTimer::singleShot(0, [&body] {
        body();
        QCoreApplication::exit(0);
    });
    QCoreApplication::exec();
}

} // namespace testsupport
