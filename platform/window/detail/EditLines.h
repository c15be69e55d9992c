#pragma once
// The text of a multi-line edit as the program sees it: lines end in CR LF,
// and the soft line breaks (CR CR LF) that the old edit control put where it
// wrapped a line are dropped, so only plain text is ever stored. Display
// lines are the lines as the edit wraps them at its width.
#include <QString>

#include <string>
#include <string_view>

class QPlainTextEdit;

// Any line ends to CR LF, soft line breaks dropped.
std::string NormalizeEditLines(std::string_view text);
std::string EditTextOf(const QString& widgetText);
QString WidgetTextOf(std::string_view editText);

int DisplayLineCount(QPlainTextEdit* edit);
// Without its line end; empty for a line that does not exist.
std::string DisplayLine(QPlainTextEdit* edit, int line);
