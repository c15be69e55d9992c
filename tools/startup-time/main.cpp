// Start-up time: runs the program as main.cpp does and prints the time from
// process start to the first painted frame of the main window, then ends.
// The process start is the launcher's KORVALIN_T0 (ns of CLOCK_REALTIME,
// `date +%s%N`), or else the kernel's start time of the process.
#include "korvalin/shell/korpusApp.h"
#include "platform/base/Directories.h"
#include "platform/window/QtRuntime.h"

#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

double millisecondsSinceStart() {
    using namespace std::chrono;
    if (const char* t0 = std::getenv("KORVALIN_T0")) {
        const auto now = duration_cast<nanoseconds>(system_clock::now().time_since_epoch()).count();
        return double(now - std::stoll(t0)) / 1e6;
    }
    // Field 22 of /proc/self/stat: start time in clock ticks after boot.
    std::ifstream stat("/proc/self/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), {});
    std::istringstream rest(text.substr(text.rfind(')') + 2));
    std::string field;
    for (int i = 3; i <= 22; ++i) rest >> field;
    const double started = double(std::stoll(field)) / double(sysconf(_SC_CLK_TCK));
    timespec boot{};
    clock_gettime(CLOCK_BOOTTIME, &boot);
    return (double(boot.tv_sec) + double(boot.tv_nsec) / 1e9 - started) * 1000.0;
}

class FirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* e) override {
        auto* w = qobject_cast<QWidget*>(watched);
        if (done_ || e->type() != QEvent::Paint || !w || !qobject_cast<QMainWindow*>(w->window()))
            return false;
        done_ = true;
        std::printf("first painted frame: %.1f ms after process start\n", millisecondsSinceStart());
        std::fflush(stdout);
        QTimer::singleShot(0, [] { std::_Exit(0); });
        return false;
    }

private:
    bool done_ = false;
};

} // namespace

int main(int argc, char** argv) {
    QtRuntime qt(argc, argv);
    if (!PrepareDirectories(CurrentDirectories())) return 1;
    FirstPaint probe;
    qApp->installEventFilter(&probe);
    return OwlMain(argc, argv);
}
