#include "platform/services/detail/DialogOwner.h"

#include <QApplication>
#include <QWidget>

namespace qt_detail {

QWidget* DialogOwner() {
    if (QWidget* w = QApplication::activeModalWidget()) return w;
    if (QWidget* w = QApplication::activeWindow()) return w;
    // Right after a dialog closes no window is active yet.
    QWidget* first = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (!w->isVisible() || w->isMinimized()) continue;
        const Qt::WindowType type = w->windowType();
        if (type == Qt::Popup || type == Qt::ToolTip || type == Qt::SplashScreen) continue;
        if (w->windowFlags() & Qt::WindowStaysOnTopHint) return w;
        if (!first) first = w;
    }
    return first;
}

} // namespace qt_detail
