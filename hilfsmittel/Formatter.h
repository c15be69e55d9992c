#pragma once
// The program's printf-style number formatter: 'f' conversions are written with
// the process-wide decimal and thousands characters (German "1.234.567,89" by
// default); 'e' and 'g' keep '.'; integers are never grouped. The process
// locale plays no part.
//
// Integer arguments are 32-bit: 'l' and 'q' ask for nothing wider, 'h' for
// 16 bits. Pass int32_t/uint32_t, never a 64-bit long.
//
// Every form writes at most min(size, 2048) bytes including the NUL; output
// that does not fit is cut, NUL-terminated, and the result is -1. Otherwise
// the result is the number of characters written without the NUL.
#include <cstdarg>
#include <cstddef>
#include <string>

constexpr std::size_t kQtxStreamCapacity = 2048;

int QTX_vsnprintf(char* dest, std::size_t size, const char* format, va_list args);
int QTX_snprintf(char* dest, std::size_t size, const char* format, ...);

// The array forms take their bound from the array itself.
template <std::size_t N>
int QTX_vsprintf(char (&dest)[N], const char* format, va_list args) {
    return QTX_vsnprintf(dest, N, format, args);
}
template <std::size_t N>
int QTX_sprintf(char (&dest)[N], const char* format, ...) {
    va_list args;
    va_start(args, format);
    const int n = QTX_vsnprintf(dest, N, format, args);
    va_end(args);
    return n;
}

// The formatted text itself (at most 2047 characters).
std::string QTX_format(const char* format, ...);

// Thousands ' ' switches grouping off; a decimal character that is not
// printable ASCII becomes ',' when thousands is '.', else '.'.
void SetSPRINTFCharacters(const char thousands, const char decimal);
// The decimal character that 'f' conversions write.
char SPRINTFDecimalCharacter();
