// Zooming live dialogs: control rectangles and fonts as computed, read back from the windows.
#include <windows.h>

#include <gtest/gtest.h>

#include "TestChildDlg.h"
#include "TestMainDlg.h"
#include "WindowTestHelpers.h"
#include "ui/window/DropDownMetrics.h"
#include "ui/window/FontHeights.h"
#include "ui/window/ScreenPlacement.h"
#include "ui/window/ZoomGeometry.h"
#include "ui/window/win32/CResizableFontSet.h"

namespace {

class ZoomTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dialog.Create(nullptr)) << ::GetLastError();
        dialog.ShowWindow(SW_SHOWNORMAL);
        initialClient = dialog.GetClientRect();
        baseHeight = FontHeightOf(dialog.GetDlgItem(IDC_TEST_EDIT));
        ASSERT_LT(baseHeight, 0) << "the template's font has a character height";
    }

    // Every registered control stands where the scales put its registered rectangle (a
    // drop-down list: its field, the height being its dropped height).
    void ExpectControlsAt(float sx, float sy)
    {
        for (int id : {IDC_TEST_LABEL, IDC_TEST_EDIT, IDC_TEST_NUMBER, IDC_TEST_BIG, IDC_TEST_CHECK, IDC_TEST_RADIO2,
                       IDC_TEST_TAB, IDOK}) {
            const CWindow control(dialog.GetDlgItem(id));
            const CResizableCtrlHandle* handle = dialog.FindControl(control);
            ASSERT_NE(handle, nullptr) << id;
            EXPECT_EQ(ToLayout(control.GetWindowRectIn(dialog)), ScaleLayoutRect(handle->GetRegisteredRect(), sx, sy))
                << "control " << id << " at " << sx << " x " << sy;
        }
    }

    void ExpectFontsAt(float scale)
    {
        const ScaledFontHeights heights = ComputeScaledFontHeights(baseHeight, scale);
        EXPECT_EQ(FontHeightOf(dialog.GetDlgItem(IDC_TEST_EDIT)), heights[0]) << scale;
        EXPECT_EQ(FontHeightOf(dialog.GetDlgItem(IDC_TEST_LABEL)), heights[0]) << scale;
        EXPECT_EQ(FontHeightOf(dialog.GetDlgItem(IDC_TEST_BIG)), heights[1]) << "font index 1 at " << scale;
        EXPECT_EQ(CResizableFontSet::Instance().GetScale(), scale);
    }

    int ClientWidth() const { return initialClient.right; }
    int ClientHeight() const { return initialClient.bottom; }

    CTestMainDlg dialog;
    RECT initialClient{};
    int baseHeight = 0;
};

TEST_F(ZoomTest, RegistersEveryControlWhereItStandsWithTheTemplateFonts)
{
    EXPECT_TRUE(dialog.IsSizable());
    const CWindow edit(dialog.GetDlgItem(IDC_TEST_EDIT));
    EXPECT_EQ(dialog.FindControl(edit)->GetRegisteredRect(), ToLayout(edit.GetWindowRectIn(dialog)));
    EXPECT_EQ(dialog.FindControl(dialog.GetDlgItem(IDC_TEST_BIG))->GetFlags(), LayoutFont(1));
    EXPECT_EQ(dialog.FindControl(dialog.GetDlgItem(IDC_TEST_COMBO))->GetFlags(), kLayoutDropDownList);
    EXPECT_EQ(dialog.FindControl(edit)->GetFlags(), 0u);
    EXPECT_EQ(dialog.FindControl(dialog.pages[0].GetHwnd()), nullptr) << "pages are not controls of the owner";
    ExpectFontsAt(1.0f);
    EXPECT_EQ(CResizableDialog::MainDialog(), &dialog);
}

TEST_F(ZoomTest, RegisteringAgainWithOtherFlagsTakesThePlaceAndFontAgain)
{
    const CWindow edit(dialog.GetDlgItem(IDC_TEST_EDIT));
    const ScaledFontHeights heights = ComputeScaledFontHeights(baseHeight, 1.0f);
    dialog.RegisterControl(edit, LayoutFont(1), true);
    EXPECT_EQ(dialog.FindControl(edit)->GetFlags(), 0u) << "only if absent: kept as it was";
    EXPECT_EQ(FontHeightOf(edit), heights[0]);

    edit.SetWindowPos(nullptr, 3, 4, 50, 30, SWP_NOZORDER);
    dialog.RegisterControl(edit, LayoutFont(1), false);
    EXPECT_EQ(dialog.FindControl(edit)->GetFlags(), LayoutFont(1));
    EXPECT_EQ(dialog.FindControl(edit)->GetRegisteredRect(), (LayoutRect{3, 4, 53, 34}));
    EXPECT_EQ(FontHeightOf(edit), heights[1]);
    ResizeClientTo(dialog, 2 * ClientWidth(), ClientHeight());
    EXPECT_EQ(ToLayout(edit.GetWindowRectIn(dialog)), (LayoutRect{6, 4, 106, 34}));
}

TEST(MainDialogRecord, IsTheFirstResizableDialogUntilItGoes)
{
    EXPECT_EQ(CResizableDialog::MainDialog(), nullptr);
    {
        CTestPageDlg first;
        {
            CTestPageDlg second;
            EXPECT_EQ(CResizableDialog::MainDialog(), &first);
        }
        EXPECT_EQ(CResizableDialog::MainDialog(), &first);
    }
    EXPECT_EQ(CResizableDialog::MainDialog(), nullptr);
    CTestPageDlg later;
    EXPECT_EQ(CResizableDialog::MainDialog(), &later);
}

TEST_F(ZoomTest, TwiceAsWideDoublesXAndWidthsButKeepsHeightsAndFonts)
{
    ResizeClientTo(dialog, 2 * ClientWidth(), ClientHeight());
    ASSERT_EQ(dialog.GetClientRect().right, 2 * ClientWidth());
    EXPECT_EQ(dialog.GetScaleX(), 2.0f);
    EXPECT_EQ(dialog.GetScaleY(), 1.0f);
    ExpectControlsAt(2.0f, 1.0f);
    ExpectFontsAt(1.0f);
}

TEST_F(ZoomTest, TwiceWideAndHighDoublesTheFontsAndKeepsTheDroppedItems)
{
    const CComboBox combo(dialog.GetDlgItem(IDC_TEST_COMBO));
    const DropDownMetrics registered = dialog.FindControl(combo)->GetDropDown();
    EXPECT_GT(registered.itemCount, 1);

    ResizeClientTo(dialog, 2 * ClientWidth(), 2 * ClientHeight());
    ExpectControlsAt(2.0f, 2.0f);
    ExpectFontsAt(2.0f);
    // The dropped height is set for the registered items at the new item and field heights.
    const RECT dropped = combo.GetDroppedControlRect();
    const RECT field = combo.GetWindowRect();
    const int wineShortfall = RunsOnWine() ? field.bottom - field.top : 0;
    EXPECT_EQ(dropped.bottom - dropped.top + wineShortfall,
              DropDownHeight(registered, combo.GetItemHeight(-1), combo.GetItemHeight(0)));
    EXPECT_GT(combo.GetItemHeight(0), 0);

    // Pages pick up the new fonts at their layout.
    const ScaledFontHeights heights = ComputeScaledFontHeights(baseHeight, 2.0f);
    EXPECT_EQ(FontHeightOf(dialog.pages[0].GetDlgItem(IDC_PAGE_EDIT)), heights[0]);

    ResizeClientTo(dialog, ClientWidth(), ClientHeight());
    ExpectControlsAt(1.0f, 1.0f);
    ExpectFontsAt(1.0f);
    EXPECT_EQ(FontHeightOf(dialog.GetDlgItem(IDC_TEST_EDIT)), baseHeight);
}

TEST_F(ZoomTest, CannotBeMadeSmallerThanTwoThirds)
{
    const RECT outer = dialog.GetWindowRect();
    MINMAXINFO info{};
    dialog.SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMinTrackSize.x, 2 * (outer.right - outer.left) / 3);
    EXPECT_EQ(info.ptMinTrackSize.y, 2 * (outer.bottom - outer.top) / 3);
    dialog.SetWindowPos(nullptr, 0, 0, 50, 50, SWP_NOZORDER | SWP_NOMOVE);
    const RECT small = dialog.GetWindowRect();
    EXPECT_EQ(small.right - small.left, info.ptMinTrackSize.x);
    EXPECT_EQ(small.bottom - small.top, info.ptMinTrackSize.y);
}

TEST_F(ZoomTest, RestoringFromMinimisedToTheSameSizeLaysNothingOut)
{
    ResizeClientTo(dialog, ClientWidth() * 3 / 2, ClientHeight());
    // Moved by hand after the layout: a layout would put it back.
    const CWindow edit(dialog.GetDlgItem(IDC_TEST_EDIT));
    edit.SetWindowPos(nullptr, 1, 2, 30, 20, SWP_NOZORDER);
    dialog.ShowWindow(SW_MINIMIZE);
    dialog.ShowWindow(SW_RESTORE);
    PumpMessages();
    EXPECT_EQ(ToLayout(edit.GetWindowRectIn(dialog)), (LayoutRect{1, 2, 31, 22}));
    ResizeClientTo(dialog, ClientWidth(), ClientHeight());
    EXPECT_NE(ToLayout(edit.GetWindowRectIn(dialog)), (LayoutRect{1, 2, 31, 22}));
}

TEST_F(ZoomTest, PagesFillTheDisplayAreaAndZoomTheirControls)
{
    for (float scale : {1.0f, 1.5f}) {
        ResizeClientTo(dialog, static_cast<int>(ClientWidth() * scale), static_cast<int>(ClientHeight() * scale));
        RECT area = dialog.tab.GetWindowRectIn(dialog);
        dialog.tab.AdjustRect(false, area);
        for (CTestPageDlg& page : dialog.pages) {
            EXPECT_EQ(ToLayout(page.GetWindowRectIn(dialog)), ToLayout(area)) << scale;
            const CWindow edit(page.GetDlgItem(IDC_PAGE_EDIT));
            EXPECT_EQ(ToLayout(edit.GetWindowRectIn(page)),
                      ScaleLayoutRect(page.FindControl(edit)->GetRegisteredRect(), page.GetScaleX(), page.GetScaleY()));
        }
    }
}

TEST(ZoomOfAPageSizedByTheProgram, ScalesBelowHalfAreRaisedToHalf)
{
    CTestPageDlg page;
    CWindow host(::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 800, 600, nullptr, nullptr, nullptr, nullptr));
    ASSERT_TRUE(page.Create(host)) << ::GetLastError();
    EXPECT_FALSE(page.IsSizable());
    const RECT client = page.GetClientRect();
    page.SetWindowPos(nullptr, 0, 0, client.right / 4, client.bottom / 5, SWP_NOZORDER);
    EXPECT_EQ(page.GetScaleX(), 0.5f);
    EXPECT_EQ(page.GetScaleY(), 0.5f);
    const CWindow edit(page.GetDlgItem(IDC_PAGE_EDIT));
    EXPECT_EQ(ToLayout(edit.GetWindowRectIn(page)), ScaleLayoutRect(page.FindControl(edit)->GetRegisteredRect(), 0.5f, 0.5f));
    page.DestroyWindow();
    host.DestroyWindow();
}

TEST_F(ZoomTest, AChildOpenedFromTheZoomedMainWindowIsLargerAndCentred)
{
    ResizeClientTo(dialog, ClientWidth() * 3 / 2, ClientHeight() * 3 / 2);
    const float scale = CResizableFontSet::Instance().GetScale();
    ASSERT_NEAR(scale, 1.5f, 0.01f);
    const RECT mainRect = dialog.GetWindowRect();

    // Where and how the child stands at its initialisation, unzoomed and zoomed.
    LayoutRect plainWindow;
    RECT plainClient{};
    CTestChildDlg probe(nullptr, [&](CTestChildDlg& child) {
        plainWindow = ToLayout(child.GetWindowRect());
        plainClient = child.GetClientRect();
        child.EndDialog(IDOK);
    });
    EXPECT_EQ(probe.DoModal(), IDOK) << "run alone: no opener, no enlargement";

    LayoutRect zoomedWindow;
    RECT zoomedClient{};
    int editFont = 0;
    CResizableDialog* opener = nullptr;
    CTestChildDlg child(&dialog, [&](CTestChildDlg& c) {
        zoomedWindow = ToLayout(c.GetWindowRect());
        zoomedClient = c.GetClientRect();
        editFont = FontHeightOf(c.GetDlgItem(IDC_CHILD_EDIT));
        opener = c.GetOpener();
        dialog.Update(0x400);
        c.EndDialog(IDOK);
    });
    EXPECT_EQ(dialog.RunChildModal(child), IDOK);
    EXPECT_EQ(opener, &dialog);
    EXPECT_EQ(child.updates, 1) << "the main window's updates reach its child";
    EXPECT_EQ(dialog.GetChild(), nullptr);
    EXPECT_EQ(child.GetOpener(), nullptr);

    const LayoutRect expected = EnlargedChildRect(plainWindow, plainClient.right, plainClient.bottom, scale, ToLayout(mainRect));
    EXPECT_EQ(zoomedWindow, expected);
    EXPECT_NEAR(zoomedClient.right, plainClient.right * scale, 1.5);
    EXPECT_NEAR(zoomedClient.bottom, plainClient.bottom * scale, 1.5);
    EXPECT_EQ((zoomedWindow.left + zoomedWindow.right) / 2, (mainRect.left + mainRect.right) / 2);
    EXPECT_EQ(editFont, ComputeScaledFontHeights(baseHeight, scale)[0]) << "the child shows the scaled font";
}

// The main window at its own size, then dragged partly off the screen: the child opens at its
// template's size, centred over it, or as near to that as the work area lets it.
TEST_F(ZoomTest, AChildOpensOverTheMainWindowAndInsideTheWorkArea)
{
    RECT work{};
    ASSERT_TRUE(::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0));
    const RECT plain = dialog.GetWindowRect();
    const int width = plain.right - plain.left, height = plain.bottom - plain.top;
    struct Case {
        const char* what;
        int left;
        int top;
    };
    const Case cases[] = {
        {"away from the edges", work.left + 40, work.top + 30},
        {"off the right and bottom", work.right - width / 4, work.bottom - height / 5},
        {"off the left and top", work.left - width * 3 / 4, work.top - height / 2},
    };
    for (const Case& c : cases) {
        dialog.SetWindowPos(nullptr, c.left, c.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        const LayoutRect mainRect = ToLayout(dialog.GetWindowRect());
        LayoutRect childRect;
        CTestChildDlg child(&dialog, [&](CTestChildDlg& d) {
            childRect = ToLayout(d.GetWindowRect());
            d.EndDialog(IDOK);
        });
        EXPECT_EQ(dialog.RunChildModal(child), IDOK);
        const LayoutRect centred = EnlargedChildRect(childRect, 0, 0, 1.0f, mainRect);
        EXPECT_EQ(childRect, KeptInside(centred, ToLayout(work))) << c.what;
        EXPECT_GE(childRect.left, work.left) << c.what;
        EXPECT_GE(childRect.top, work.top) << c.what;
        EXPECT_LE(childRect.right, work.right) << c.what;
        EXPECT_LE(childRect.bottom, work.bottom) << c.what;
    }
}

}  // namespace

namespace {

// Not a check: shows the test dialog zoomed by 1.5 for a while, for a look or a screenshot
// (run with --gtest_also_run_disabled_tests --gtest_filter=*ZoomedForALook*).
TEST(ZoomedForALook, DISABLED_ShowsTheTestDialogZoomed)
{
    CTestMainDlg dialog;
    ASSERT_TRUE(dialog.Create(nullptr));
    const RECT client = dialog.GetClientRect();
    dialog.SetWindowPos(nullptr, 20, 20, 0, 0, SWP_NOZORDER | SWP_NOSIZE);
    dialog.ShowWindow(SW_SHOWNORMAL);
    ResizeClientTo(dialog, client.right * 3 / 2, client.bottom * 3 / 2);
    dialog.tab.SetShown(2, true);
    dialog.tab.SelectEntry(1);
    dialog.combo.SetCurSel(3);
    const DWORD end = ::GetTickCount() + 15000;
    while (::GetTickCount() < end) {
        PumpMessages();
        ::Sleep(20);
    }
}

}  // namespace
