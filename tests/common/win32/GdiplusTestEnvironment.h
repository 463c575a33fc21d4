// GDI+ running for the whole test program, as the program keeps it running
// from before its first window until after its last.
#pragma once

#include <windows.h>
#include <gdiplus.h>
#include <gtest/gtest.h>

class CGdiplusTestEnvironment : public testing::Environment {
public:
    void SetUp() override
    {
        Gdiplus::GdiplusStartupInput input;
        ASSERT_EQ(Gdiplus::GdiplusStartup(&m_token, &input, nullptr), Gdiplus::Ok);
    }
    void TearDown() override { Gdiplus::GdiplusShutdown(m_token); }

private:
    ULONG_PTR m_token = 0;
};
