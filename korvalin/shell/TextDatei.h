#pragma once
// Files dropped on the program open as text, each in a window of its own
// that lists the file's lines, decoded from Windows-1252. A dropped project
// file is shown as text too, not opened as a project.
#include <cstddef>
#include <string>
#include <vector>

class korpusMDIClient;
class TMDIChild;

// Files above this size are not shown: the list would hold them in memory
// line by line.
constexpr size_t kTextDateiGrenze = size_t(4) * 1024 * 1024;
// Longer lines are shown in pieces of this many bytes.
constexpr size_t kTextZeileBreite = 255;

// Copies `datei` (unless null) into the client's file-name buffer and opens
// the window for the buffer's name; answers the window.
TMDIChild* TextDateiOeffnen(korpusMDIClient& client, const char* datei);
// Fills the active child's list with the lines of the file in the buffer.
void TextDateiLesen(korpusMDIClient& client);

// The lines of a file's bytes as the window shows them.
std::vector<std::string> TextZeilen(const std::vector<unsigned char>& bytes);
