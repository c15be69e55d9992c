#pragma once
// The print and printer set-up dialogs played by a test: each script gets
// the set-up the dialog would show, changes it as the user would, and
// returns true for OK. A dialog without a script fails the test and is
// cancelled; scripts left over fail it too.
#include "platform/print/PrintDialogs.h"
#include "platform/print/Printer.h"

#include <deque>
#include <functional>
#include <vector>

namespace testsupport {

class ScriptedPrintDialogService : public PrintDialogService {
public:
    using Script = std::function<bool(TPrintSetup&)>;
    ~ScriptedPrintDialogService() override;
    void ExpectPrint(Script script) { prints_.push_back(std::move(script)); }
    void ExpectSetup(Script script) { setups_.push_back(std::move(script)); }
    bool PrintDialog(TPrintSetup& setup) override;
    bool PrintSetupDialog(TPrintSetup& setup) override;
    // What each dialog offered, in order.
    const std::vector<TPrintSetup>& Offered() const { return offered_; }

private:
    bool run(std::deque<Script>& scripts, TPrintSetup& setup, const char* which);
    std::deque<Script> prints_, setups_;
    std::vector<TPrintSetup> offered_;
};

// Answers for the scripts: OK with the set-up as offered, or Cancel.
inline bool AcceptAsOffered(TPrintSetup&) {
    return true;
}
inline bool CancelDialog(TPrintSetup&) {
    return false;
}

} // namespace testsupport
