// Text output of kivra-cli: wide text on a console, UTF-8 into pipes and files.
#pragma once

#include <string>

class CConsoleOutput
{
public:
    CConsoleOutput();

    void Out(const std::wstring& line);  // a line on standard output
    void Err(const std::wstring& line);  // a line on standard error
    // A line that replaces itself on a console (the progress bar); Done ends it.
    void Redraw(const std::wstring& line);
    void Done();
    bool OutIsConsole() const { return m_outConsole; }

private:
    void Write(void* handle, bool console, const std::wstring& text);

    void* m_out;
    void* m_err;
    bool m_outConsole;
    bool m_errConsole;
    std::size_t m_redrawn = 0;  // characters of the line being redrawn
};
