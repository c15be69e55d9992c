#pragma once
// The report of a broken internal assumption: a message box that lets the user
// end the program (Abort) or go on (Retry, Ignore). There is no log.

// Shows "assertion failed! File: <file> Zeile: <line>" with the caption
// "Assert-Box". Abort ends the process at once (std::abort, nothing saved);
// otherwise returns the user's answer (IDRETRY or IDIGNORE), which callers
// treat alike. Raised while a window paints, the report waits until the paint
// has ended and the call answers IDIGNORE at once, so the drawing goes on.
int dbassert(const char* file, int line);
