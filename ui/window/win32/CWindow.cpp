// Window handle methods that need more than one line.
#include "ui/window/win32/CWindow.h"

#include "ui/window/win32/MessageBoxOver.h"

std::wstring CWindow::GetWindowText() const
{
    const int length = ::GetWindowTextLengthW(Checked());
    std::wstring text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, L'\0');
    const int got = ::GetWindowTextW(m_hWnd, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(got > 0 ? got : 0));
    return text;
}

bool CWindow::SetWindowText(std::wstring_view text) const
{
    const std::wstring terminated(text);
    return ::SetWindowTextW(Checked(), terminated.c_str()) != FALSE;
}

RECT CWindow::GetWindowRect() const
{
    RECT r{};
    ::GetWindowRect(Checked(), &r);
    return r;
}

RECT CWindow::GetClientRect() const
{
    RECT r{};
    ::GetClientRect(Checked(), &r);
    return r;
}

RECT CWindow::GetWindowRectIn(HWND other) const
{
    RECT r = GetWindowRect();
    ::MapWindowPoints(nullptr, other, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

int CWindow::MessageBox(const wchar_t* text, const wchar_t* caption, UINT type) const
{
    return MessageBoxOver(Checked(), text, caption, type);
}
