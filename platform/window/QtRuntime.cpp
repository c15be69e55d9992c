#include "platform/window/QtRuntime.h"

#include <QApplication>
#include <clocale>

struct QtRuntime::Impl {
    QApplication app;
    Impl(int& argc, char** argv) : app(argc, argv) {}
};

QtRuntime::QtRuntime(int& argc, char** argv) : impl_(std::make_unique<Impl>(argc, argv)) {
    EnforceNumericCLocale();
}

QtRuntime::~QtRuntime() = default;

int QtRuntime::Exec() {
    return QApplication::exec();
}

void QtRuntime::Quit(int exitCode) {
    QApplication::exit(exitCode);
}

bool QtRuntime::Exists() {
    return QApplication::instance() != nullptr;
}

void EnforceNumericCLocale() {
    std::setlocale(LC_NUMERIC, "C");
}
