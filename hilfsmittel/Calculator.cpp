#include "hilfsmittel/Calculator.h"

#include "hilfsmittel/Assoc.h"
#include "hilfsmittel/DbAssert.h"
#include "hilfsmittel/RuntimeError.h"
#include "hilfsmittel/SymbolTable.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>

namespace {

// Parentheses, signs and assignments nest by recursion; a user's text deeper
// than this is refused instead of running the stack out.
constexpr int kMaxDepth = 200;

// Trigonometric results this small are taken as exactly 0: sin(180 degrees).
constexpr double kTrigZero = 0.00001;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v';
}

} // namespace

TCalculator::TCalculator() : TCalculator(nullptr) {}

TCalculator::TCalculator(TRuntimeError* holder)
    : assoc_(std::make_unique<TAssoc>()), table_(std::make_unique<TTableQTX>()), holder_(holder) {
    InitTable();
    InitAssoc();
}

TCalculator::~TCalculator() = default;

void TCalculator::InitTable() {
    constexpr double kPi = 3.14159265359; // as the program always used it
    for (const char* name : {"pi", "PI", "Pi"}) table_->AddVariable(name, kPi);
    const struct {
        const char* lower;
        const char* upper;
        double (TCalculator::*function)(double);
    } functions[] = {
        {"sqrt", "SQRT", &TCalculator::DoSqrt}, {"sin", "SIN", &TCalculator::DoSin},
        {"cos", "COS", &TCalculator::DoCos},    {"tan", "TAN", &TCalculator::DoTan},
        {"log", "LOG", &TCalculator::DoLog10},  {"ln", "LN", &TCalculator::DoLn},
    };
    for (const auto& f : functions) {
        table_->AddFunction(f.lower, f.function);
        table_->AddFunction(f.upper, f.function);
    }
}

void TCalculator::InitAssoc() {
    assoc_->Add(20, "Eingabefehler");
    assoc_->Add(5, "unbekanntes Zeichen");
    assoc_->Add(6, ") erwartet, Funktion");
    assoc_->Add(7, ") erwartet");
    assoc_->Add(40, "Eingabefehler");
    assoc_->Add(41, "Eingabefehler");
    assoc_->Add(42, "Eingabefehler");
    assoc_->Add(43, "Eingabefehler");
    assoc_->Add(46, "keine Fortsetzung nach (");
    assoc_->Add(1, "Division durch 0");
    assoc_->Add(2, "Überlauf");
    assoc_->Add(11, "negativer, nicht ganzzahliger Exponent");
    assoc_->Add(12, "zu große/kleine Zahl in der Eingabe");
    assoc_->Add(32, "Name nicht definiert");
    assoc_->Add(30, "Eingabefehler Funktionsdefinition");
    assoc_->Add(31, "keine Variable");
}

std::string TCalculator::GetErrorText(int code) {
    return assoc_->Find(code);
}

int TCalculator::GetError(int* position, int* line) const {
    if (position) *position = errorPos_;
    if (line) *line = errorLine_;
    return errorCode_;
}

void TCalculator::SetError(const int code) {
    if (errorCode_ != 0) return;
    errorCode_ = code;
    errorPos_ = int(pos_);
    errorLine_ = line_;
}

void TCalculator::Reset() {
    errorCode_ = errorPos_ = errorLine_ = line_ = 0;
    pos_ = 0;
    name_.clear();
}

double TCalculator::fail(int code) {
    SetError(code);
    return double(errorCode_); // meaningless: callers look at GetError
}

double TCalculator::Calculate(std::string_view text, short degrees) {
    text_ = text;
    degrees_ = degrees;
    double result = 0.0;
    while (get_token() != END) {
        while (token_ == ';') get_token();
        errno = 0;
        result = expr();
        if (errno != 0) SetError(2);
        if (token_ == ';') continue;
        if (token_ != END) SetError(20);
        break;
    }
    return result;
}

int TCalculator::get_token() {
    while (isBlank(peek())) ++pos_;
    const char c = peek();
    if (c == '\0') return token_ = END;
    ++pos_;
    if (c == '#') {
        while (peek() != '\0' && peek() != '\n') ++pos_;
        if (peek() == '\0') return token_ = END;
        ++pos_;
    }
    if (c == '\n' || c == '#') {
        ++line_;
        return token_ = ';';
    }
    switch (c) {
    case '(':
    case ')':
    case '*':
    case '+':
    case '-':
    case '/':
    case '=':
    case '^':
    case ';':
        return token_ = c;
    default:
        break;
    }
    if (isDigit(c) || c == '.') {
        scanNumber();
        return token_ = NUMBER;
    }
    if (isLetter(c)) {
        const std::size_t start = pos_ - 1;
        while (isLetter(peek()) || isDigit(peek())) ++pos_;
        name_.assign(text_.substr(start, pos_ - start));
        return token_ = NAME;
    }
    SetError(5);
    return token_ = ';';
}

// The run of digits and points is read from its start as far as it makes a
// number: "1.2.3" is 1.2. No exponent, no sign; '.' whatever the locale.
void TCalculator::scanNumber() {
    const std::size_t start = pos_ - 1;
    while (isDigit(peek()) || peek() == '.') ++pos_;
    const char* first = text_.data() + start;
    const char* last = text_.data() + pos_;
    const auto r = std::from_chars(first, last, numberValue_);
    if (r.ec == std::errc::invalid_argument) {
        numberValue_ = 0.0;
    } else if (r.ec == std::errc::result_out_of_range) {
        // Out of range with a nonzero digit before the point is too large;
        // otherwise too small, which reads as 0.
        const char* point = std::find(first, last, '.');
        const bool large = std::any_of(first, point, [](char d) { return d != '0'; });
        numberValue_ = large ? HUGE_VAL : 0.0;
    }
    if (std::fabs(numberValue_) == HUGE_VAL) SetError(12);
}

double TCalculator::expr() {
    double left = term();
    while (token_ == '+' || token_ == '-') {
        const bool plus = token_ == '+';
        if (get_token() == END) return fail(plus ? 40 : 41);
        const double right = term();
        left = plus ? left + right : left - right;
    }
    return left;
}

double TCalculator::term() {
    double left = factor();
    while (token_ == '*' || token_ == '/') {
        const bool times = token_ == '*';
        if (get_token() == END) return fail(times ? 42 : 43);
        const double right = factor();
        if (times) {
            left *= right;
        } else {
            if (right == 0.0) return fail(1);
            left /= right;
        }
    }
    return left;
}

// a^b^c is (a^b)^c, and the unary minus (in prim) binds tighter: -2^2 is 4.
double TCalculator::factor() {
    double left = prim();
    while (token_ == '^') {
        if (get_token() == END) return fail(54);
        const double exponent = prim();
        if (exponent < 0.0 && exponent != std::floor(exponent)) return fail(11);
        const int before = errno;
        errno = 0;
        const double power = std::pow(left, exponent);
        if (errno != 0) {
            if (holder_) holder_->SetError("Ungültiges Argument in Potenz-Funktion (^) ");
        } else {
            errno = before;
        }
        left = power;
    }
    return left;
}

double TCalculator::prim() {
    if (depth_ >= kMaxDepth) return fail(20);
    struct Nesting {
        int& depth;
        explicit Nesting(int& d) : depth(++d) {}
        ~Nesting() { --depth; }
    } nesting(depth_);

    switch (token_) {
    case NUMBER: {
        const double v = numberValue_;
        get_token();
        return v;
    }
    case NAME:
        return primName();
    case '(': {
        if (get_token() == END) return fail(46);
        const double v = expr();
        if (token_ != ')') return fail(7);
        get_token();
        return v;
    }
    case '-':
        if (get_token() == END) return fail(57);
        return -prim();
    case END:
        return 1.0; // "x=" at the end assigns 1.0
    default:
        return fail(3); // the token stays for the caller
    }
}

double TCalculator::primName() {
    const std::string name = name_;
    get_token();
    if (token_ == '=') {
        Symbol& symbol = table_->FindOrInsert(name);
        // A function keeps its meaning; the right side is still read.
        const bool function = symbol.kind == Symbol::Function;
        if (function) SetError(31);
        get_token();
        const double v = expr();
        if (function) return double(errorCode_);
        symbol.value = v;
        return v;
    }
    Symbol* symbol = table_->Find(name);
    if (!symbol) return fail(32);
    if (token_ == '(') {
        if (symbol->kind != Symbol::Function) return fail(30);
        if (get_token() == END) return fail(20);
        if (token_ == ')') return fail(20); // f(): there is no argument to pass
        const double argument = expr();
        if (token_ != ')') return fail(6);
        get_token();
        return (this->*symbol->function)(argument);
    }
    if (symbol->kind == Symbol::Function) return fail(31);
    return symbol->value;
}

// Without a holder the report names the check's line as the program did.
void TCalculator::domainError(const char* message, int line) {
    if (holder_)
        holder_->SetError(message);
    else
        dbassert("calc", line);
}

double TCalculator::DoSqrt(double x) {
    if (x >= 0.0) return std::sqrt(x);
    domainError("Ungültiges Argument in Funktion SQRT", 41);
    return 1.0;
}

double TCalculator::DoLog10(double x) {
    if (x > 0.0) return std::log10(x);
    domainError("Ungültiges Argument in Funktion LOG", 53);
    return 1.0;
}

double TCalculator::DoLn(double x) {
    if (x > 0.0) return std::log(x);
    domainError("Ungültiges Argument in Funktion LN", 65);
    return 1.0;
}

double TCalculator::angle(double x) const {
    if (!degrees_) return x;
    return static_cast<double>(static_cast<long double>(x) * piDegrees_ * (1.0L / 180.0L));
}

namespace {
double trigResult(double y) {
    return std::fabs(y) < kTrigZero ? 0.0 : y;
}
} // namespace

double TCalculator::DoSin(double x) {
    return trigResult(std::sin(angle(x)));
}
double TCalculator::DoCos(double x) {
    return trigResult(std::cos(angle(x)));
}
double TCalculator::DoTan(double x) {
    return trigResult(std::tan(angle(x)));
}
