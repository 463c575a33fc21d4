// "/resources FILE": kivra.exe appends samples of its memory, handles and GDI objects to FILE
// once a minute, for a long run in the field that is suspected of leaking.
#pragma once

#include <string>

// The file named by a command line that begins with the switch (any case; the file is the rest of
// the line, surrounding quotes removed); empty for any other line. Like the language switches it
// must start the line, and the language switches then stay unrecognised.
std::wstring ResourcesFileFromCommandLine(const std::wstring& commandLine);
