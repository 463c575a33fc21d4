// Tests of the logging objects and the log manager's registry configuration.
#include <gtest/gtest.h>

#include <string>

#include "runtime/LogExcept.h"
#include "runtime/OsRegistry.h"
#include "runtime/TCyclicLogFile.h"
#include "runtime/TLogManager.h"
#include "runtime/TLogObject.h"
#include "runtime/TNotCyclicLogFile.h"
#include "runtime/Utf16.h"
#include "tests/runtime/LogTestSupport.h"
#include "tests/runtime/TestSupport.h"

namespace {

using testsupport::MakeTime;

class TPort : public TLogObject {
public:
    explicit TPort(const wchar_t* prefix) { SetLogPrefix(prefix); }
};

// Installs a cyclic log without stamps in the process manager for one test.
class TInstalledLog {
public:
    TInstalledLog(const testsupport::TScratchDir& dir, int level, const std::string& name = "objects.log")
        : m_path(dir.File(name))
    {
        TCyclicLogFile* file = new TCyclicLogFile;
        file->Open(m_path.c_str(), 65536, 0x100);
        LogManager().Install(file, level);
    }
    ~TInstalledLog() { LogManager().Install(nullptr, 0); }
    // The lines after the begin line, up to the zero byte.
    std::string Lines() const
    {
        const std::string text = testsupport::RingText(testsupport::ReadAll(std::filesystem::path(m_path)));
        return text.substr(text.find("\r\n") + 2);
    }

private:
    std::wstring m_path;
};

TEST(LogObjectTest, LevelDecidesWhichLinesAreWritten)
{
    testsupport::TScratchDir dir("levels");
    struct Case {
        int level;
        const char* lines;
    };
    const Case cases[] = {
        {0, ""},
        {1, "ERROR;COM3;CreateFile 2\r\n"},
        {2, "ERROR;COM3;CreateFile 2\r\nDEBUG;COM3;Rx[1]:0A \r\n"},
        {3, "ERROR;COM3;CreateFile 2\r\nDEBUG;COM3;Rx[1]:0A \r\nTRACE;COM3;Create OK\r\n"},
    };
    for (const Case& c : cases) {
        TInstalledLog log(dir, c.level, "level" + std::to_string(c.level) + ".log");
        TPort port(L"COM3");
        EXPECT_EQ(port.LogLevel(), c.level);
        port.LogError(L"CreateFile %lu", 2ul);
        port.LogDebug(L"Rx[%d]:%ls", 1, L"0A ");
        port.LogTrace(L"Create %hs", "OK");
        EXPECT_EQ(log.Lines(), c.lines) << "level " << c.level;
    }
}

TEST(LogObjectTest, LinesAboveTheLevelAreNeverFormatted)
{
    testsupport::TScratchDir dir("noformat");
    TInstalledLog log(dir, 1);
    TPort port(L"P");
    // Formatting this argument would read through a wild pointer.
    const wchar_t* wild = reinterpret_cast<const wchar_t*>(static_cast<std::uintptr_t>(16));
    port.LogTrace(L"%ls", wild);
    port.LogDebug(L"%ls", wild);
    EXPECT_EQ(log.Lines(), "");
}

TEST(LogObjectTest, ObjectKeepsTheLogItWasMadeWith)
{
    testsupport::TScratchDir dir("keeps");
    TPort* port = nullptr;
    {
        TInstalledLog log(dir, 3);
        port = new TPort(L"old");
    }
    TPort later(L"new");
    EXPECT_EQ(later.LogLevel(), 0);
    later.LogError(L"dropped");
    port->LogError(L"still written");
    delete port;  // the last reference closes the file with its end line
    const std::string text = testsupport::RingText(testsupport::ReadAll(dir.Path("objects.log")));
    EXPECT_NE(text.find("ERROR;old;still written\r\nEnd\r\n"), std::string::npos) << text;
    EXPECT_EQ(text.find("dropped"), std::string::npos);
}

TEST(LogObjectTest, ProcessLinesIgnoreTheLevel)
{
    testsupport::TScratchDir dir("process");
    TLogObject::LogProcess(L"nowhere");
    TInstalledLog log(dir, 0);
    TLogObject::LogProcess(L"SE (thread=%08X)", 0x1234u);
    EXPECT_EQ(log.Lines(), "ERROR;;SE (thread=00001234)\r\n");
}

// Registry configuration written below the manager's key for a made-up executable name.
class TLogConfig {
public:
    explicit TLogConfig(const wchar_t* exe) : m_exe(exe)
    {
        TLogManager::KeyPath(exe, m_key, 300);
        OsRegDeleteTree(reg::kLocalMachine, m_key);
    }
    ~TLogConfig() { OsRegDeleteTree(reg::kLocalMachine, m_key); }
    void Dword(const wchar_t* name, std::uint32_t value) { Set(name, reg::kDword, &value, 4); }
    void String(const wchar_t* name, const std::wstring& text)
    {
        char16_t units[300];
        const std::size_t n = WideToUtf16(text.c_str(), units, 300);
        Set(name, reg::kSz, units, static_cast<std::uint32_t>((n + 1) * 2));
    }

private:
    void Set(const wchar_t* name, std::uint32_t type, const void* data, std::uint32_t size)
    {
        TRegHandle key = 0;
        ASSERT_EQ(OsRegCreateKey(reg::kLocalMachine, m_key, reg::kReadWrite, &key, nullptr), 0);
        EXPECT_EQ(OsRegSetValue(key, name, type, data, size), 0);
        OsRegCloseKey(key);
    }

    const wchar_t* m_exe;
    wchar_t m_key[300];
};

TEST(LogManagerTest, MissingOrIncompleteConfigurationLeavesLoggingOff)
{
    testsupport::TScratchDir dir("config-off");
    {
        TLogConfig none(L"kivra-none.exe");
        TLogManager manager(L"kivra-none.exe");
        EXPECT_FALSE(manager.CurrentFile());
        EXPECT_EQ(manager.Level(), 0);
    }
    const char* missing[] = {"Path", "Level", "Limit"};
    for (const char* left : missing) {
        TLogConfig config(L"kivra-partial.exe");
        if (std::string(left) != "Path")
            config.String(L"Path", dir.File("partial.log"));
        if (std::string(left) != "Level")
            config.Dword(L"Level", 3);
        if (std::string(left) != "Limit")
            config.Dword(L"Limit", 64);
        TLogManager manager(L"kivra-partial.exe");
        EXPECT_FALSE(manager.CurrentFile()) << "without " << left;
        EXPECT_EQ(manager.Level(), 0) << "without " << left;
    }
    EXPECT_FALSE(std::filesystem::exists(dir.Path("partial.log")));
}

TEST(LogManagerTest, FileThatCannotBeOpenedIsDiscarded)
{
    testsupport::TScratchDir dir("config-bad");
    TLogConfig config(L"kivra-bad.exe");
    config.String(L"Path", dir.File("no-such-folder/diag.log"));
    config.Dword(L"Level", 3);
    config.Dword(L"Limit", 64);
    TLogManager manager(L"kivra-bad.exe");
    EXPECT_FALSE(manager.CurrentFile());
    EXPECT_EQ(manager.Level(), 0);
}

TEST(LogManagerTest, CompleteConfigurationCreatesTheChosenOrganisation)
{
    testsupport::TScratchDir dir("config-on");
    struct Case {
        std::uint32_t type;
        const wchar_t* kind;
    };
    const Case cases[] = {{0, L"0"}, {7, L"0"}, {1, L"1"}};
    for (const Case& c : cases) {
        TLogConfig config(L"kivra-on.exe");
        config.String(L"Path", dir.File("on.log"));
        config.Dword(L"Level", 2);
        config.Dword(L"Limit", 4);
        config.Dword(L"Flags", 0x301);
        config.Dword(L"Type", c.type);
        config.Dword(L"Except", 5);
        TLogManager manager(L"kivra-on.exe");
        TRef<TLogFile> file = manager.CurrentFile();
        ASSERT_TRUE(file);
        EXPECT_STREQ(file->GetName(), c.kind);
        EXPECT_EQ(file->Limit(), 4096u);
        EXPECT_EQ(file->Flags(), 0x301u);
        EXPECT_EQ(manager.Level(), 2);
        EXPECT_EQ(LogExceptValue(), 5u);
        SetLogExceptValue(0);
        if (c.type != 1) {
            // The begin line shows the "Except" value; flags 0x300 leave stamp and level name out.
            const std::string text = testsupport::ReadAll(dir.Path("on.log"));
            EXPECT_EQ(text.rfind("Begin 136 SE=5 ML\r\n", 0), 0u) << text;
        }
    }
}

}  // namespace
