// The window a message box belongs to when no window is active, as right
// after another dialog closed: a window kept on top must own it, or the box
// opens hidden behind that window.
#include "platform/services/detail/DialogOwner.h"

#include <QApplication>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace {

std::unique_ptr<QWidget> shown(bool onTop) {
    auto w = std::make_unique<QWidget>();
    w->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    w->resize(200, 100);
    w->show();
    return w;
}

} // namespace

TEST(DialogOwner, WithoutAnActiveWindowTheWindowKeptOnTopOwnsTheDialog) {
    EXPECT_EQ(qt_detail::DialogOwner(), nullptr);
    auto plain = shown(false);
    auto hidden = std::make_unique<QWidget>();
    hidden->setWindowFlag(Qt::WindowStaysOnTopHint);
    QApplication::setActiveWindow(nullptr);
    EXPECT_EQ(qt_detail::DialogOwner(), plain.get());
    auto onTop = shown(true);
    QApplication::setActiveWindow(nullptr);
    EXPECT_EQ(qt_detail::DialogOwner(), onTop.get());
    // An active window keeps its dialogs.
    QApplication::setActiveWindow(plain.get());
    EXPECT_EQ(qt_detail::DialogOwner(), plain.get());
}
