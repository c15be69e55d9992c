#include "hilfsmittel/SymbolTable.h"

Symbol* TTableQTX::Find(std::string_view name) {
    for (auto& s : symbols_)
        if (s.name == name) return &s;
    return nullptr;
}

Symbol& TTableQTX::FindOrInsert(std::string_view name) {
    if (Symbol* s = Find(name)) return *s;
    AddVariable(name, 1.0);
    return symbols_.back();
}

void TTableQTX::AddVariable(std::string_view name, double value) {
    symbols_.push_back({std::string(name), Symbol::Variable, value, nullptr});
}

void TTableQTX::AddFunction(std::string_view name, double (TCalculator::*function)(double)) {
    symbols_.push_back({std::string(name), Symbol::Function, 0.0, function});
}
