// Whole files under Windows: every failure leaves its reason in the thread's last error.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "ui/app/win32/TextFile.h"

namespace {

std::wstring TempPath(const wchar_t* name)
{
    wchar_t folder[MAX_PATH + 1];
    const DWORD n = GetTempPathW(MAX_PATH + 1, folder);
    return std::wstring(folder, n) + name;
}

TEST(TextFile, EveryFailureLeavesItsReason)
{
    const std::wstring missing = TempPath(L"kivra_no_such_folder\\a.json");
    std::wstring text;
    struct Case {
        const char* what;
        bool ok;
        DWORD error;
    };
    SetLastError(0);
    const bool read = ReadTextFile(missing, text);
    const DWORD readError = GetLastError();
    SetLastError(0);
    const bool written = WriteTextFile(missing, L"{}");
    const DWORD writeError = GetLastError();
    SetLastError(0);
    const bool appended = AppendToFile(missing, "row\r\n");
    const DWORD appendError = GetLastError();
    const Case cases[] = {
        {"read from a missing folder", read, readError},
        {"write into a missing folder", written, writeError},
        {"append into a missing folder", appended, appendError},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(c.ok) << c.what;
        EXPECT_EQ(c.error, static_cast<DWORD>(ERROR_PATH_NOT_FOUND)) << c.what;
    }
}

TEST(TextFile, AFileTooLargeToReadWholeSaysSo)
{
    // Sparse: the size is set without writing the bytes.
    const std::wstring path = TempPath(L"kivra_too_large.log");
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    LARGE_INTEGER size{};
    size.QuadPart = (1LL << 30) + 1;
    const bool sized = SetFilePointerEx(file, size, nullptr, FILE_BEGIN) && SetEndOfFile(file);
    CloseHandle(file);
    ASSERT_TRUE(sized);
    std::string bytes;
    SetLastError(0);
    EXPECT_FALSE(ReadFileTail(path, 0, bytes));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_TOO_LARGE));
    DeleteFileW(path.c_str());
}

}  // namespace
