// Derived names of log files: text inserted before the extension of the file name.
#pragma once

#include <cstddef>

// Copies path into out (cap characters) with insert placed before the last "." of the file
// name, or at the end when the file name has none; false when it does not fit.
bool InsertBeforeExtension(const wchar_t* path, const wchar_t* insert, wchar_t* out, std::size_t cap);
