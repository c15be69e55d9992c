#pragma once
// Evaluates the small arithmetic programs that users type into formulas and
// the area/volume calculator: numbers ('.' as decimal point), variables,
// assignments, + - * / ^, parentheses and the functions sqrt, sin, cos, tan,
// log, ln (lower or upper case). Statements are separated by ';' or newlines;
// '#' starts a comment. The first syntax error is kept with its position and
// line; domain errors of the functions go to the caller's TRuntimeError.
#include <memory>
#include <string>
#include <string_view>

class TAssoc;
class TTableQTX;
class TRuntimeError;

class TCalculator {
public:
    TCalculator();
    explicit TCalculator(TRuntimeError* holder);
    ~TCalculator();
    TCalculator(const TCalculator&) = delete;
    TCalculator& operator=(const TCalculator&) = delete;

    // The value of the last statement. A nonzero `degrees` makes sin, cos and
    // tan take degrees. Scanning goes on where the previous text stopped: a
    // second text needs Reset() first.
    double Calculate(std::string_view text, short degrees);
    // The first error's code (0 = none); its scan position and line (from 0).
    int GetError(int* position, int* line) const;
    // Records the code at the current position unless an error is recorded.
    void SetError(const int code);
    // Clears the error and rewinds the scanner; the variables stay.
    void Reset();
    // The German text of an error code, "unbekannte Ursache" for codes without one.
    std::string GetErrorText(int code);

    double DoSqrt(double x);
    double DoLog10(double x);
    double DoLn(double x);
    double DoSin(double x);
    double DoCos(double x);
    double DoTan(double x);

private:
    enum Token : int { NAME = 0, NUMBER = 1, END = 2 };

    void InitTable();
    void InitAssoc();
    char peek() const { return pos_ < text_.size() ? text_[pos_] : '\0'; }
    int get_token();
    void scanNumber();
    double expr();
    double term();
    double factor();
    double prim();
    double primName();
    double fail(int code);
    double angle(double x) const;
    void domainError(const char* message, int line);

    std::unique_ptr<TAssoc> assoc_;
    int token_ = END;
    double numberValue_ = 0.0;
    std::string name_;
    std::unique_ptr<TTableQTX> table_;
    std::string_view text_;
    int errorPos_ = 0;
    int errorLine_ = 0;
    int errorCode_ = 0;
    std::size_t pos_ = 0;
    int line_ = 0;
    short degrees_ = 0;
    double piDegrees_ = 3.141592654;
    TRuntimeError* holder_ = nullptr;
    int depth_ = 0;
};
