// The help navigator: lmbpilot32 [/a] [/h] [/i] file.ltp
#include "lmbpilot32/NavigatorApp.h"
#include "platform/window/QtRuntime.h"

#include <string>

int main(int argc, char** argv) {
    QtRuntime qt(argc, argv);
    std::string line;
    for (int i = 1; i < argc; ++i) line += std::string(i > 1 ? " " : "") + argv[i];
    return RunNavigator(line);
}
