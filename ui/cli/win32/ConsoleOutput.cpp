// Text output of kivra-cli: wide text on a console, UTF-8 into pipes and files.
#include "ui/cli/win32/ConsoleOutput.h"

#include "ui/app/Utf8.h"

#include <windows.h>

namespace {

bool IsConsole(HANDLE handle)
{
    DWORD mode = 0;
    return handle != INVALID_HANDLE_VALUE && handle != nullptr && GetConsoleMode(handle, &mode) != FALSE;
}

}  // namespace

CConsoleOutput::CConsoleOutput()
    : m_out(GetStdHandle(STD_OUTPUT_HANDLE)),
      m_err(GetStdHandle(STD_ERROR_HANDLE)),
      m_outConsole(IsConsole(m_out)),
      m_errConsole(IsConsole(m_err))
{
}

CConsoleOutput::CConsoleOutput(Kept)
    : m_out(nullptr), m_err(nullptr), m_outConsole(false), m_errConsole(false), m_keep(true)
{
}

void CConsoleOutput::Write(void* handle, bool console, const std::wstring& text)
{
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE || text.empty())
        return;
    if (console) {
        // The console takes the wide text as it is, Cyrillic included, whatever its code page.
        DWORD written = 0;
        WriteConsoleW(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
        return;
    }
    const std::string bytes = ToUtf8(text);
    DWORD written = 0;
    WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

void CConsoleOutput::Out(const std::wstring& line)
{
    if (m_keep)
        m_keptOut.push_back(line);
    Done();
    Write(m_out, m_outConsole, line + L"\n");
}

void CConsoleOutput::Err(const std::wstring& line)
{
    if (m_keep)
        m_keptErr.push_back(line);
    Done();
    Write(m_err, m_errConsole, line + L"\n");
}

void CConsoleOutput::Redraw(const std::wstring& line)
{
    std::wstring text = L"\r" + line;
    if (line.size() < m_redrawn)
        text += std::wstring(m_redrawn - line.size(), L' ');
    m_redrawn = line.size();
    Write(m_out, m_outConsole, text);
}

void CConsoleOutput::Done()
{
    if (m_redrawn == 0)
        return;
    m_redrawn = 0;
    Write(m_out, m_outConsole, L"\n");
}
