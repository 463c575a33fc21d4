#include "WindowCalls.h"

#include "DriverTarget.h"
#include "ScriptWords.h"
#include "WideText.h"

#include <vector>

LRESULT CallWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT limitMs)
{
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, limitMs, &result))
        throw CDriverFailure(IsWindow(window) ? Describe(window) + " did not answer within " + std::to_string(limitMs) + " ms"
                                              : std::string("the window has gone"));
    return static_cast<LRESULT>(result);
}

void PostToWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!PostMessageW(window, message, wParam, lParam))
        throw CDriverFailure("cannot post to " + Describe(window) + " (error " + std::to_string(GetLastError()) + ")");
}

std::string ControlText(HWND window)
{
    const LRESULT length = CallWindow(window, WM_GETTEXTLENGTH, 0, 0);
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT copied = CallWindow(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
    return Narrow(std::wstring(buffer.data(), static_cast<size_t>(copied)));
}

std::string Caption(HWND window)
{
    wchar_t buffer[512] = L"";
    InternalGetWindowText(window, buffer, 512);
    return Narrow(buffer);
}

std::string ClassOf(HWND window)
{
    wchar_t buffer[256] = L"";
    GetClassNameW(window, buffer, 256);
    return Narrow(buffer);
}

bool IsClass(HWND window, const wchar_t* className)
{
    wchar_t buffer[256] = L"";
    GetClassNameW(window, buffer, 256);
    return lstrcmpiW(buffer, className) == 0;
}

std::string Describe(HWND window)
{
    if (!(GetWindowLongW(window, GWL_STYLE) & WS_CHILD)) {
        std::string text = "the window ";
        return text.append(QuoteText(Caption(window)));
    }
    std::string text = "control ";
    text += std::to_string(GetDlgCtrlID(window));
    const std::string caption = Caption(window);
    if (!caption.empty())
        text.append(" ").append(QuoteText(caption));
    return text;
}
