#include "platform/window/QtRuntime.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QPalette>
#include <QTranslator>
#include <clocale>

struct QtRuntime::Impl {
    QApplication app;
    QTranslator qtbase;
    Impl(int& argc, char** argv) : app(argc, argv) {
        // Qt's own dialogs (open, save, colour, font, print) speak the program's
        // language, whatever the desktop's is. Without the translations
        // installed they stay English.
        if (qtbase.load(QStringLiteral("qtbase_de"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&qtbase);
        // Greyed-out labels must stay readable on the grey dialog face:
        // Windows' grey text, not the style's pale one.
        QPalette palette = QApplication::palette();
        for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            palette.setColor(QPalette::Disabled, role, QColor(0x80, 0x80, 0x80));
        QApplication::setPalette(palette);
    }
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

std::string QtText(const char* context, const char* source) {
    return QCoreApplication::translate(context, source).toStdString();
}

void EnforceNumericCLocale() {
    std::setlocale(LC_NUMERIC, "C");
}
