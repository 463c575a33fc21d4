// Captures the diagnostic log of the objects made while it lives, for checking their lines.
#pragma once

#include "runtime/LogLevels.h"
#include "runtime/TCyclicLogFile.h"
#include "runtime/TLogManager.h"
#include "tests/runtime/LogTestSupport.h"

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

class CLogCapture
{
public:
    explicit CLogCapture(int level)
    {
        wchar_t folder[MAX_PATH];
        GetTempPathW(MAX_PATH, folder);
        static int captures = 0;
        m_path = std::wstring(folder) + L"kivra-remote-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                 std::to_wstring(++captures) + L".log";
        DeleteFileW(m_path.c_str());
        auto* file = new TCyclicLogFile;
        file->Open(m_path.c_str(), 1 << 20, logging::kNoStamp | logging::kFlush);
        LogManager().Install(file, level);
    }
    ~CLogCapture()
    {
        LogManager().Install(nullptr, 0);
        DeleteFileW(m_path.c_str());
    }
    CLogCapture(const CLogCapture&) = delete;
    CLogCapture& operator=(const CLogCapture&) = delete;

    // The lines written so far, after the file's begin line.
    std::string Lines() const
    {
        std::ifstream in(std::filesystem::path(m_path), std::ios::binary);
        const std::string text =
            testsupport::RingText(std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()));
        const std::size_t begin = text.find("\r\n");
        return begin == std::string::npos ? std::string() : text.substr(begin + 2);
    }

private:
    std::wstring m_path;
};
