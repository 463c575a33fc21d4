// A data log that cannot be opened, or stops, is said once, with the file and the system's reason;
// the rows before a full disk stay whole, and a program folder that cannot take the log sends it
// to the documents folder (host only: the home folder stands for the user's profile, the file
// size cap for the disk).
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "../ImageFiles.h"
#include "../SessionFixture.h"
#include "runtime/native/NativeFileSpace.h"

namespace
{
std::string Narrow(const std::wstring& text)
{
    return std::string(text.begin(), text.end());
}
}

class DataLogFailureTest : public SessionTest
{
protected:
    void SetUp() override
    {
        SessionTest::SetUp();
        const char* home = std::getenv("HOME");
        m_oldHome = home ? home : "";
        std::filesystem::create_directories(m_home / "Documents");
        setenv("HOME", m_home.c_str(), 1);
        session.SetUserPrompt(&told);
    }
    void TearDown() override
    {
        NativeSetMaxFileSize(-1);
        session.SetUserPrompt(nullptr);
        SessionTest::TearDown();
        setenv("HOME", m_oldHome.c_str(), 1);
        std::error_code ignored;
        std::filesystem::remove_all(m_home, ignored);
    }
    // Answers the poll that is out and lets the pause run out.
    void Poll(int16_t temperature)
    {
        Answer(0x28, DataAnswer(LastPayload()[0], {temperature, 4512, 17, 3}, {}, {0, 0}));
        Expire();
    }
    bool NotifiedDataLog() const
    {
        for (uint32_t bits : owner.posts)
            if (bits & SessionNotify::DataLog)
                return true;
        return false;
    }

    const std::filesystem::path own = DataLogPath(kTestSerial);
    const std::filesystem::path m_home = std::filesystem::temp_directory_path() / "kivra-datalog-home";
    const std::filesystem::path documentsLog = m_home / "Documents" / "KIVRA" / "GearLog_4711.txt";
    std::string m_oldHome;
    CRecordingPrompt told;
};

TEST_F(DataLogFailureTest, AFullDiskStopsTheLogOnceKeepingWholeRowsAndSayingWhy)
{
    Connect(4);
    session.SetDataLog(DataLogMode::Data);
    ASSERT_TRUE(session.IsDataLogOpen());
    Poll(100);
    Poll(200);
    // Room for part of the third row only.
    NativeSetMaxFileSize(std::filesystem::file_size(own) + 10);
    Poll(300);
    EXPECT_FALSE(session.IsDataLogOpen());
    EXPECT_STREQ(session.GetDataLogPath(), L"");
    EXPECT_TRUE(NotifiedDataLog());
    EXPECT_EQ(ReadAll(own), "0,   1.0,  45.1, 17, 3\r\n"
                            "500,   2.0,  45.1, 17, 3\r\n");
    ASSERT_EQ(told.messages.size(), 1u);
    EXPECT_EQ(Narrow(told.messages[0]), "Data logging has stopped: " + own.string() +
                                            " cannot be written. Rows written: 2.\r\nNo space left on device.");
    // Polling goes on, and nothing more is said.
    Poll(400);
    Poll(500);
    EXPECT_EQ(LastPayload(), Bytes{4});
    EXPECT_EQ(told.messages.size(), 1u);
}

TEST_F(DataLogFailureTest, AProgramFolderThatCannotTakeTheLogSendsItToTheDocumentsFolder)
{
    // A folder in the way of the file stands for a folder that cannot be written: no file opens there.
    std::filesystem::create_directory(own);
    Connect(4);
    session.SetDataLog(DataLogMode::FullData);
    ASSERT_TRUE(session.IsDataLogOpen());
    EXPECT_TRUE(session.IsFullData());
    EXPECT_EQ(std::filesystem::path(session.GetDataLogPath()), documentsLog);
    EXPECT_EQ(session.GetDataLogStart(), -1);
    Poll(100);
    session.SetDataLog(DataLogMode::Off);
    EXPECT_TRUE(told.messages.empty());
    EXPECT_EQ(ReadAll(documentsLog), "0,   1.0,  45.1, 17, 3\r\n");
    // The program's folder stays the first choice once it can take the log again.
    std::filesystem::remove(own);
    session.SetDataLog(DataLogMode::Data);
    EXPECT_EQ(std::filesystem::path(session.GetDataLogPath()), own);
}

TEST_F(DataLogFailureTest, ALogThatOpensNowhereIsSaidOnceWithEachPlaceAndItsReason)
{
    struct Case
    {
        const char* name;
        bool documentsBlocked;  // else the documents folder is a file, and KIVRA cannot be made in it
    };
    for (const Case& c : {Case{"the log file is a folder there too", true}, Case{"no KIVRA folder can be made", false}}) {
        SCOPED_TRACE(c.name);
        told.messages.clear();
        owner.posts.clear();
        std::error_code ignored;
        std::filesystem::remove_all(m_home / "Documents", ignored);
        std::filesystem::create_directories(m_home / "Documents");
        std::filesystem::create_directories(own);
        std::filesystem::path second;
        if (c.documentsBlocked) {
            std::filesystem::create_directories(documentsLog);
            second = documentsLog;
        } else {
            std::filesystem::remove(m_home / "Documents");
            std::ofstream(m_home / "Documents") << "not a folder";
            second = m_home / "Documents" / "KIVRA" / "";
        }
        Connect(4);
        session.SetDataLog(DataLogMode::FullData);
        EXPECT_FALSE(session.IsDataLogOpen());
        EXPECT_FALSE(session.IsFullData());
        EXPECT_TRUE(NotifiedDataLog());
        ASSERT_EQ(told.messages.size(), 1u);
        const std::string reason = c.documentsBlocked ? "Permission denied." : "Not a directory.";
        EXPECT_EQ(Narrow(told.messages[0]), "Data are not saved: the data log file cannot be opened.\r\n" +
                                                own.string() + ": Permission denied.\r\n" + second.string() + ": " +
                                                reason);
        // Polling goes on as without a log: plain data, not the full data asked for.
        Poll(100);
        EXPECT_EQ(LastPayload(), Bytes{4});
        std::filesystem::remove_all(own, ignored);
    }
}
