// Words of a driver script line, and the quoted form in which the driver prints texts.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

// A line the driver cannot read, or a command it cannot carry out as written.
class CScriptError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// Words are separated by blanks or tabs. "..." quotes a word with the escapes \" \\ \n \r \t;
// '...' quotes it literally (Windows paths need no doubled backslashes there). A backslash
// outside quotes is an ordinary character. A line whose first word starts with '#' is a comment
// and has no words. Throws CScriptError for an unterminated quote or an unknown escape.
std::vector<std::string> SplitWords(const std::string& line);

// The text in double quotes, escaped so that SplitWords reads it back unchanged (other control
// characters as \xHH, which SplitWords also reads).
std::string QuoteText(const std::string& text);
