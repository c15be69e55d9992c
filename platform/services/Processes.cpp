#include "platform/services/Processes.h"

#include "platform/detail/QtValues.h"
#include "platform/services/Services.h"

#include <QProcess>
#include <QStringList>

namespace {

class QtProcessService : public ProcessService {
public:
    bool StartProcess(std::string_view program, const std::vector<std::string>& args) override {
        QStringList list;
        for (const auto& a : args) list << QString::fromStdString(a);
        return QProcess::startDetached(qt_detail::Qs(program), list);
    }
};

} // namespace

bool StartProcess(std::string_view program, const std::vector<std::string>& args) {
    auto& s = CurrentServices();
    if (!s.processes) s.processes = std::make_shared<QtProcessService>();
    return s.processes->StartProcess(program, args);
}
