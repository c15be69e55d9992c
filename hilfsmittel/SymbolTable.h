#pragma once
// The calculator's names: variables with their values and the functions.
#include <deque>
#include <string>
#include <string_view>

class TCalculator;

struct Symbol {
    enum Kind : char { Function = 0, Variable = 1 };
    std::string name;
    char kind = Variable;
    double value = 1.0;
    double (TCalculator::*function)(double) = nullptr;
};

class TTableQTX {
public:
    // Exact, case-sensitive: "Sin" is not "sin".
    Symbol* Find(std::string_view name);
    // A missing name becomes a variable of value 1.0.
    Symbol& FindOrInsert(std::string_view name);
    void AddVariable(std::string_view name, double value);
    void AddFunction(std::string_view name, double (TCalculator::*function)(double));

private:
    // A deque keeps a symbol in place while an assignment's right side adds others.
    std::deque<Symbol> symbols_;
};
