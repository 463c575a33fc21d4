// Runs kivra-decode on the example trace and checks every line of its output, and its exit status.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct CRun {
    int status = -1;
    std::vector<std::string> lines;
};

CRun Decode(const std::string& arguments)
{
    CRun run;
    const std::string command = std::string("'") + KIVRA_DECODE_PROGRAM + "' " + arguments;
    std::FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return run;
    std::string output;
    char chunk[4096];
    size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, pipe)) > 0)
        output.append(chunk, n);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::istringstream stream(output);
    for (std::string line; std::getline(stream, line);)
        run.lines.push_back(line);
    return run;
}

// The settings block of the example: serial 123456 at address 1, LLS output every `interval`
// seconds, approximation 5 s, zero (0.5, -0.25, 1), working angle 20..180 after 3 s, not working
// 0..10 after 5 s, output 1 following the working state.
std::string Settings(int interval)
{
    return R"({"serial":123456,"address":1,"address_flags":0,"output_interval":)" + std::to_string(interval) +
           R"(,"output_mode":1,"approx_interval":50,"zero":[0.5,-0.25,1],)"
           R"("angle_pair":[{"kind":1,"delay":5,"low":0,"high":10},{"kind":1,"delay":3,"low":20,"high":180}],)"
           R"("motion_timeout":60,"angle_threshold":15,"pulse_timeout":30,"lls_source":[1,9],)"
           R"("outputs":[{"code":3,"frequency":0,"pair":[{"kind":1,"delay":0,"low":0,"high":0},)"
           R"({"kind":1,"delay":2,"low":1,"high":1}]},)"
           R"({"code":0,"frequency":0,"pair":[{"kind":0,"delay":0,"low":0,"high":0},)"
           R"({"kind":0,"delay":0,"low":0,"high":0}]}]})";
}

const std::string kPoll =
    R"({"dir":"tx","family":"request","addr":255,"code":40,"name":"ReadData","length":6,"crc_ok":true,"fields":{"subcode":7}})";
const std::string kReadSettings =
    R"({"dir":"tx","family":"request","addr":255,"code":43,"name":"ReadSettings","length":6,"crc_ok":true,"fields":{}})";

} // namespace

TEST(DecodeExampleTrace, EveryFrameOfTheSessionAsJson)
{
    const std::vector<std::string> expected = {
        // Identification; two noise bytes, then the answer kept over two reads and decoded once.
        R"({"dir":"tx","family":"request","addr":255,"code":0,"name":"ReadIdentification","length":5,"crc_ok":true,"fields":{}})",
        R"({"dir":"rx","family":"skipped","length":2})",
        R"({"dir":"rx","family":"response","addr":1,"code":1,"name":"Identification","length":37,"crc_ok":true,"fields":{"firmware_version":8,"device_type":3201,"model":"TQS 25-07"}})",
        // Settings.
        kReadSettings,
        R"({"dir":"rx","family":"response","addr":1,"code":43,"name":"ReadSettings","length":103,"crc_ok":true,"fields":)" +
            Settings(10) + "}",
        // A poll answered by an LLS frame and the data answer in one read.
        kPoll,
        R"({"dir":"rx","family":"lls","addr":1,"code":6,"name":"LLS","length":9,"crc_ok":true,"fields":{"temperature":23,"parameter1":100,"parameter2":10}})",
        R"({"dir":"rx","family":"response","addr":1,"code":40,"name":"ReadData","length":31,"crc_ok":true,"fields":{"subcode":7,"temperature":23.45,"angle":12.5,"lls":[100,null],"output_values":[1,0],"magnets":[0,1],"extras":[{"code":1,"value":1250},{"code":9,"value":2345}]}})",
        // A damaged answer, and the repeated poll.
        kPoll,
        R"({"dir":"rx","family":"response","addr":1,"code":40,"name":"ReadData","length":31,"crc_ok":false,"fields":{}})",
        kPoll,
        R"({"dir":"rx","family":"response","addr":1,"code":40,"name":"ReadData","length":31,"crc_ok":true,"fields":{"subcode":7,"temperature":23.5,"angle":13,"lls":[101,null],"output_values":[0,0],"magnets":[1,1],"extras":[{"code":1,"value":1300},{"code":9,"value":2350}]}})",
        // Zero-angle setup.
        R"({"dir":"tx","family":"request","addr":255,"code":40,"name":"ReadData","length":6,"crc_ok":true,"fields":{"subcode":2}})",
        R"({"dir":"rx","family":"response","addr":1,"code":40,"name":"ReadData","length":23,"crc_ok":true,"fields":{"subcode":2,"temperature":23.5,"angle":13,"vector":[0.5,-0.25,1]}})",
        // Write, acknowledge, read-back.
        R"({"dir":"tx","family":"request","addr":255,"code":44,"name":"WriteSettings","length":103,"crc_ok":true,"fields":)" +
            Settings(5) + "}",
        R"({"dir":"rx","family":"response","addr":1,"code":0,"name":"Acknowledge","length":6,"crc_ok":true,"fields":{"status":0,"accepted":true}})",
        kReadSettings,
        R"({"dir":"rx","family":"response","addr":1,"code":43,"name":"ReadSettings","length":103,"crc_ok":true,"fields":)" +
            Settings(5) + "}",
        // Noise and the echoed request: received bytes never hold requests.
        R"({"dir":"rx","family":"skipped","length":8})",
        // A poll whose answer was cut off: reported at the end of the input.
        kPoll,
        R"({"dir":"rx","family":"skipped","length":9})",
    };
    const CRun run = Decode(std::string("--json '") + KIVRA_EXAMPLE_TRACE + "'");
    EXPECT_EQ(run.status, 0);
    ASSERT_EQ(run.lines.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(run.lines[i], expected[i]) << "line " << i + 1;
}

TEST(DecodeExampleTrace, TextLinesNameDirectionFamilyAndContents)
{
    const CRun run = Decode(std::string("'") + KIVRA_EXAMPLE_TRACE + "'");
    EXPECT_EQ(run.status, 0);
    ASSERT_EQ(run.lines.size(), 21u);
    EXPECT_EQ(run.lines[0], "tx request addr=255 code=0x00 ReadIdentification length=5 crc=ok");
    EXPECT_EQ(run.lines[1], "rx skipped 2 bytes");
    EXPECT_EQ(run.lines[2], "rx response addr=1 code=0x01 Identification length=37 crc=ok firmware_version=8 "
                            "device_type=3201 model=\"TQS 25-07\"");
    EXPECT_EQ(run.lines[9], "rx response addr=1 code=0x28 ReadData length=31 crc=BAD");
}

TEST(DecodeExampleTrace, UnreadableInputGivesStatusTwoAndSaysWhy)
{
    const CRun missing = Decode("/nonexistent/trace.txt 2>&1");
    EXPECT_EQ(missing.status, 2);
    ASSERT_EQ(missing.lines.size(), 1u);
    EXPECT_EQ(missing.lines[0], "kivra-decode: cannot open /nonexistent/trace.txt: No such file or directory");

    const CRun directory = Decode("/ 2>&1");
    EXPECT_EQ(directory.status, 2);
    ASSERT_EQ(directory.lines.size(), 1u);
    EXPECT_EQ(directory.lines[0], "kivra-decode: cannot read /: Is a directory");

    EXPECT_EQ(Decode("--bogus 2>/dev/null").status, 2);
}

TEST(DecodeExampleTrace, StandardInputIsAStreamAndBadLinesAreLeftOut)
{
    const std::string input = " <<'EOF'\n41 01 FF 2B FF\nAE\nnot hex\nEOF";
    const CRun frames = Decode("--json 2>/dev/null" + input);
    EXPECT_EQ(frames.status, 0);
    ASSERT_EQ(frames.lines.size(), 1u);
    EXPECT_EQ(frames.lines[0],
              R"({"dir":null,"family":"request","addr":255,"code":43,"name":"ReadSettings","length":6,"crc_ok":true,"fields":{}})");

    const CRun messages = Decode("2>&1 >/dev/null" + input);
    EXPECT_EQ(messages.status, 0);
    ASSERT_EQ(messages.lines.size(), 1u);
    EXPECT_EQ(messages.lines[0], "kivra-decode: standard input:3: neither a trace line nor hexadecimal bytes, left out");
}
