#pragma once
// The print dialog (printer or PDF file, page range, copies) and the printer
// set-up dialog (printer, paper, orientation, copies). The current service
// hangs on the application state: the program gets Qt's dialogs, a test
// scripts them (testsupport/ScriptedPrintDialogs.h).
struct TPrintSetup;

class PrintDialogService {
public:
    virtual ~PrintDialogService() = default;
    // True when the user chose to go on; the set-up then holds the choice.
    // The print dialog offers MinPage..MaxPage and starts on the set-up's
    // range.
    virtual bool PrintDialog(TPrintSetup& setup) = 0;
    virtual bool PrintSetupDialog(TPrintSetup& setup) = 0;
};

bool ExecutePrintDialog(TPrintSetup& setup);
bool ExecutePrintSetupDialog(TPrintSetup& setup);
