#pragma once
// The error holder that the caller of TCalculator owns: domain errors of the
// functions (sqrt, log, ln, '^') leave their message here, apart from the
// syntax errors that the calculator keeps itself.
#include <cstddef>
#include <string>

class TRuntimeError {
public:
    TRuntimeError();

    // A text sets the message and state 1; nullptr clears to state 0, "Ok".
    void SetError(const char* text);
    // The message, cut to the buffer and always terminated.
    void GetErrorString(char* dest, std::size_t size) const;
    const std::string& GetErrorString() const { return message; }
    void Reset();

    // Read directly by callers, as the dialogs always did.
    int state; // 0 no error, 1 error
    std::string message;
    std::string description;
};
