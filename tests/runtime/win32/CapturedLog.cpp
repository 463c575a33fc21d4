// Test helper: a cyclic log without time stamps installed in the process log manager.
#include "tests/runtime/win32/CapturedLog.h"

#include "runtime/TCyclicLogFile.h"
#include "runtime/TLogManager.h"
#include "tests/runtime/LogTestSupport.h"

CapturedLog::CapturedLog(const std::string& name, int level) : m_dir("log-" + name), m_path(m_dir.File(name + ".log"))
{
    auto* file = new TCyclicLogFile;
    file->Open(m_path.c_str(), 1 << 22, 0x100);
    LogManager().Install(file, level);
}

CapturedLog::~CapturedLog() { LogManager().Install(nullptr, 0); }

std::string CapturedLog::Text() const
{
    const std::string text = testsupport::RingText(testsupport::ReadAll(std::filesystem::path(m_path)));
    const std::size_t first = text.find("\r\n");
    return first == std::string::npos ? std::string() : text.substr(first + 2);
}

std::size_t CapturedLog::FindLine(const std::string& line, std::size_t from) const
{
    const std::string text = "\n" + Text();
    // The match starts at the line end before the line, whose offset in the text it has.
    return text.find("\n" + line + "\r\n", from);
}

bool CapturedLog::HasLine(const std::string& line) const { return FindLine(line) != std::string::npos; }

int CapturedLog::CountLines(const std::string& fragment) const
{
    const std::string text = Text();
    int count = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        const std::string line = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (line.find(fragment) != std::string::npos)
            ++count;
        if (end == std::string::npos)
            break;
        start = end + 2;
    }
    return count;
}
