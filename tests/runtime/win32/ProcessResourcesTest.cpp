// The process's counters as a long run samples them: GDI objects and handles made and freed
// must show in the sample, including where the system's own counters say 0 (Wine). One test,
// since every sample probes all handle values and takes seconds under Wine.
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "runtime/ProcessResources.h"

TEST(ProcessResources, GdiObjectsAndHandlesMadeAndFreedShowInTheSample)
{
    const ProcessResources before = SampleProcessResources();
    std::vector<HGDIOBJ> objects;
    for (int i = 0; i < 12; ++i)
        objects.push_back(CreatePen(PS_SOLID, i + 1, RGB(i, 0, 0)));
    for (int i = 0; i < 5; ++i)
        objects.push_back(CreateSolidBrush(RGB(0, i, 0)));
    std::vector<HANDLE> events;
    for (int i = 0; i < 9; ++i)
        events.push_back(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    const ProcessResources held = SampleProcessResources();
    for (HGDIOBJ object : objects)
        DeleteObject(object);
    for (HANDLE event : events)
        CloseHandle(event);
    const ProcessResources after = SampleProcessResources();

    EXPECT_GT(before.gdiObjects, 0u) << "the stock objects at least are counted";
    EXPECT_EQ(held.gdiObjects, before.gdiObjects + 17);
    EXPECT_EQ(after.gdiObjects, before.gdiObjects);
    EXPECT_EQ(held.handles, before.handles + 9);
    EXPECT_EQ(after.handles, before.handles);
    EXPECT_GT(before.memoryBytes, 0u);
}
