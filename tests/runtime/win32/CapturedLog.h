// Test helper: a diagnostic log without time stamps installed for one test, read back as text.
#pragma once

#include <string>

#include "tests/runtime/TestSupport.h"

class CapturedLog {
public:
    // Objects constructed while it is installed log at the level given.
    CapturedLog(const std::string& name, int level);
    ~CapturedLog();

    // Every line after the log's begin line, each ended by CR LF.
    std::string Text() const;
    bool HasLine(const std::string& line) const;
    // How many lines contain the fragment.
    int CountLines(const std::string& fragment) const;
    // Offset of the first line equal to line at or after from; npos when absent.
    std::size_t FindLine(const std::string& line, std::size_t from = 0) const;

private:
    testsupport::TScratchDir m_dir;
    std::wstring m_path;
};
