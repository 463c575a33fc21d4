// Tests of the data log: rows in both forms, appending, the elapsed column and failures.
#include "SessionFixture.h"

#include <fstream>
#include <sstream>

namespace
{
void WriteAll(const std::filesystem::path& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}
}

class DataLogTest : public SessionTest
{
protected:
    // Answers the poll that is out, then lets the pause run out after the given time.
    void Poll(std::initializer_list<int16_t> values, std::initializer_list<float> vector = {}, int64_t pause = 0)
    {
        Answer(0x28, DataAnswer(LastPayload()[0], values, vector, {0, 0}));
        clock.AdvanceMilliseconds(pause);
        session.OnTimeout();
    }
    const std::filesystem::path log = DataLogPath(kTestSerial);
};

TEST_F(DataLogTest, ShortRowsAppendToTheFileAndRestartTheElapsedColumn)
{
    WriteAll(log, "earlier\r\n");
    Connect(4);
    session.SetDataLog(DataLogMode::Data);
    ASSERT_TRUE(session.IsDataLogOpen());
    EXPECT_FALSE(session.IsFullData());
    Poll({2150, 4512, 17, -32768}, {}, 500);
    Poll({-32768, 100, 1, 2}, {}, 500);
    session.SetDataLog(DataLogMode::Off);
    EXPECT_FALSE(session.IsDataLogOpen());
    Poll({1, 2, 3, 4});  // not logged
    session.SetDataLog(DataLogMode::Data);
    Poll({100, 200, 3, 4}, {}, 700);
    session.SetDataLog(DataLogMode::Data);  // the same mode again: a new log object
    Poll({100, 200, 3, 4});
    EXPECT_EQ(ReadAll(log), "earlier\r\n"
                            "0,  21.5,  45.1, 17, \r\n"
                            "500, ,   1.0, 1, 2\r\n"
                            "0,   1.0,   2.0, 3, 4\r\n"
                            "0,   1.0,   2.0, 3, 4\r\n");
}

TEST_F(DataLogTest, FullDataGivesLongRowsWithTheVectorColumns)
{
    Connect(4);
    session.SetDataLog(DataLogMode::FullData);
    ASSERT_TRUE(session.IsFullData());
    Poll({0, 0, 0, 0}, {}, 250);  // the short poll that was out still gives a short row
    ASSERT_EQ(LastPayload(), Bytes{5});
    Poll({-500, 9000, 5, 6}, {1.5f, 0, -2});
    EXPECT_EQ(ReadAll(log), "0,   0.0,   0.0, 0, 0\r\n"
                            "250,  -5.0,  90.0, 5, 6, 1.500000, 0.000000, -2.000000,   0.0\r\n");
}

