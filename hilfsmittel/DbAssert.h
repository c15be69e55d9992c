#pragma once
// The report of a broken internal assumption: a message box that lets the user
// end the program (Abort) or go on (Retry, Ignore). There is no log.

// Shows "assertion failed! File: <file> Zeile: <line>" with the caption
// "Assert-Box". Abort ends the process at once (std::abort, nothing saved);
// otherwise returns the user's answer (IDRETRY or IDIGNORE), which callers
// treat alike.
int dbassert(const char* file, int line);
