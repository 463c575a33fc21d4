// kivra.exe's "/resources FILE" switch: only at the start of the line, in any case, the file being
// the rest of the line.
#include <gtest/gtest.h>

#include "ui/main/ResourcesSwitch.h"

#include <string>

TEST(ResourcesSwitch, NamesTheRestOfTheLineOnlyWhenTheLineStartsWithIt)
{
    const struct {
        const wchar_t* line;
        const wchar_t* file;
    } cases[] = {
        {L"/resources C:\\soak\\r.txt", L"C:\\soak\\r.txt"},
        {L"/RESOURCES r.txt", L"r.txt"},
        {L"/resources \"C:\\My files\\r.txt\"", L"C:\\My files\\r.txt"},
        {L"/resources   spaced.txt  ", L"spaced.txt"},
        {L"/resources", L""},
        {L"/resources ", L""},
        {L"/resources    ", L""},
        {L"/resourcesX r.txt", L""},
        {L"/rus /resources r.txt", L""},
        {L"resources r.txt", L""},
        {L"", L""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ResourcesFileFromCommandLine(c.line), c.file) << "line: " << std::wstring(c.line).size();
}
