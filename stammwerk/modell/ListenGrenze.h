#pragma once
// The files keep every list's count as a 16-bit number that the readers take
// up to 32767; a longer list would give a file that no longer opens, so such
// a file is not written.
inline constexpr const char* kZuVieleEintraege =
    "Eine Liste hat mehr als 32767 Einträge; so kann die Datei nicht gespeichert werden.";
