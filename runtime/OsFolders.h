// The user's own folders, for files the program's folder cannot take; win32/ asks the shell,
// native/ follows the home folder.
#pragma once

#include <string>

// The user's documents folder with its trailing separator; empty when the system names none.
std::wstring OsDocumentsFolder();
// True when the folder exists afterwards, made now or there before; else the last error says why.
bool OsCreateFolder(const std::wstring& path);
