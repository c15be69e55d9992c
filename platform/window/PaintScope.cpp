#include "platform/window/PaintScope.h"

#include <QCoreApplication>
#include <QTimer>

#include <utility>
#include <vector>

namespace {

int g_depth = 0;
std::vector<std::function<void()>> g_waiting;

void runWaiting() {
    auto work = std::exchange(g_waiting, {});
    for (auto& w : work) w();
}

} // namespace

PaintScope::PaintScope() {
    ++g_depth;
}

PaintScope::~PaintScope() {
    // Still inside Qt's repaint here: the waiting work goes to the event loop.
    if (--g_depth == 0 && !g_waiting.empty())
        QTimer::singleShot(0, QCoreApplication::instance(), runWaiting);
}

bool InsidePaint() {
    return g_depth > 0;
}

void AfterPaint(std::function<void()> work) {
    if (!InsidePaint()) {
        work();
        return;
    }
    g_waiting.push_back(std::move(work));
}
