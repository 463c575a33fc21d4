// Text output of kivra-cli: wide text on a console, UTF-8 into pipes and files.
#pragma once

#include <string>
#include <vector>

class CConsoleOutput
{
public:
    CConsoleOutput();
    // The output of one link of a fleet run: nothing reaches the console, the lines are kept
    // for the vehicle's record.
    struct Kept {};
    explicit CConsoleOutput(Kept);

    void Out(const std::wstring& line);  // a line on standard output
    void Err(const std::wstring& line);  // a line on standard error
    // A line that replaces itself on a console (the progress bar); Done ends it.
    void Redraw(const std::wstring& line);
    void Done();
    bool OutIsConsole() const { return m_outConsole; }
    // Kept lines: those of standard output and of standard error, in order.
    const std::vector<std::wstring>& KeptOut() const { return m_keptOut; }
    const std::vector<std::wstring>& KeptErr() const { return m_keptErr; }

private:
    void Write(void* handle, bool console, const std::wstring& text);

    void* m_out;
    void* m_err;
    bool m_outConsole;
    bool m_errConsole;
    std::size_t m_redrawn = 0;  // characters of the line being redrawn
    bool m_keep = false;
    std::vector<std::wstring> m_keptOut;
    std::vector<std::wstring> m_keptErr;
};
