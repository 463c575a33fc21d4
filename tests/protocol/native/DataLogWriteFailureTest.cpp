// A data log whose writes fail is closed without a word, and polling goes on (host only: /dev/full).
#include "../SessionFixture.h"

TEST_F(SessionTest, FailingWriteClosesTheDataLogSilently)
{
    const std::filesystem::path log = DataLogPath(kTestSerial);
    std::filesystem::create_symlink("/dev/full", log);
    Connect(4);
    session.SetDataLog(1);
    ASSERT_TRUE(session.IsDataLogOpen());
    Answer(0x28, DataAnswer(4, {1, 2, 3, 4}));
    EXPECT_FALSE(session.IsDataLogOpen());
    EXPECT_EQ(session.GetRequestType(), CKivraProcessor::ReqPollPause);
    Expire();
    EXPECT_EQ(LastPayload(), Bytes{4});
}
