// Text for a terminal: its size, the columns a text takes, message lines that fit it.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

namespace quelm {

// Characters as a terminal counts them: UTF-8 continuation bytes take no column.
std::size_t CodePoints(const std::string& text);
// The size of the terminal `out` writes to, else COLUMNS and LINES, else 80 x 24.
void TerminalSize(std::FILE* out, int& columns, int& rows);
// `text` broken at spaces into lines of at most `columns` characters (a longer word stays whole),
// every line after the first indented by two spaces; one line when `columns` is 0 or less.
std::string WrapAtWords(const std::string& text, int columns);
// Prints a message line on stderr, wrapped at the terminal's width when stderr is a terminal,
// so a line never breaks inside a word there.
void PrintMessage(const std::string& line);

}  // namespace quelm
