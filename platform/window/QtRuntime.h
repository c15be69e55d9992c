#pragma once
// The Qt application object behind the layer. Making it sets the C library's
// locale from the environment; numbers must not follow it, so LC_NUMERIC is
// put back to "C" right after.
#include <memory>
#include <string>

class QtRuntime {
public:
    QtRuntime(int& argc, char** argv);
    ~QtRuntime();
    QtRuntime(const QtRuntime&) = delete;
    QtRuntime& operator=(const QtRuntime&) = delete;

    int Exec();
    // Ends Exec with the code.
    static void Quit(int exitCode);
    static bool Exists();

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// A text of Qt's own dialogs as they show it (translated when Qt's
// translations are installed); context and source are Qt's.
std::string QtText(const char* context, const char* source);

// Sets LC_NUMERIC to "C"; called by QtRuntime, and by anything else that
// changes the process locale.
void EnforceNumericCLocale();
