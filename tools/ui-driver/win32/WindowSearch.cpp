#include "WindowSearch.h"

#include "DriverTarget.h"
#include "WideText.h"
#include "WindowCalls.h"

namespace {

BOOL CALLBACK CollectShown(HWND window, LPARAM list)
{
    if (IsWindowVisible(window))
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

struct SDescendantSearch
{
    int id;
    const wchar_t* className;
    HWND found;
};

BOOL CALLBACK MatchDescendant(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<SDescendantSearch*>(data);
    if (GetDlgCtrlID(window) == search->id && IsClass(window, search->className)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// The one shown child dialog of the window: the page its tab control shows.
HWND ShownPage(HWND window)
{
    HWND page = nullptr;
    int shown = 0;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (IsClass(child, L"#32770") && IsWindowVisible(child)) {
            page = child;
            ++shown;
        }
    }
    if (shown != 1)
        throw CDriverFailure(Describe(window) + (shown ? " shows " + std::to_string(shown) + " pages at once" : std::string(" shows no page")));
    return page;
}

} // namespace

std::vector<HWND> ShownTopLevelWindows()
{
    std::vector<HWND> windows;
    EnumWindows(CollectShown, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

HWND FindDescendant(HWND parent, int id, const wchar_t* className)
{
    SDescendantSearch search = {id, className, nullptr};
    EnumChildWindows(parent, MatchDescendant, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindControl(HWND window, const CControlName& wanted)
{
    if (!IsWindow(window))
        throw CDriverFailure("the current window has gone");
    if (wanted.isWindow)
        return window;
    const HWND container = wanted.inPage ? ShownPage(window) : window;
    const HWND control = wanted.className.empty() ? GetDlgItem(container, wanted.id)
                                                : FindDescendant(container, wanted.id, Wide(wanted.className).c_str());
    if (!control)
        throw CDriverFailure(Describe(window) + " has no " + wanted.Describe());
    return control;
}
