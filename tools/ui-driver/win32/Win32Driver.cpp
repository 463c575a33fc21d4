#include "Win32Driver.h"

#include "ControlItems.h"
#include "ScriptWords.h"
#include "WideText.h"
#include "Wildcard.h"
#include "WindowCalls.h"
#include "WindowSearch.h"

#include <commctrl.h>

namespace {

constexpr int PollIntervalMs = 50;
constexpr int ForegroundLimitMs = 2000;
constexpr int TypeSettleLimitMs = 1000;
// A tooltip shows half a second after the mouse stops, by default.
constexpr int TooltipLimitMs = 3000;
// The common file dialog's file name box and its open button.
constexpr int FileNameBoxId = 1148;
constexpr int OpenButtonId = IDOK;

DWORD ProcessOf(HWND window)
{
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    return processId;
}

std::string ShownCaptions()
{
    std::string captions;
    for (const HWND window : ShownTopLevelWindows()) {
        const std::string caption = Caption(window);
        if (caption.empty())
            continue;
        captions += captions.empty() ? "" : ", ";
        captions += QuoteText(caption);
    }
    return captions.empty() ? "none" : captions;
}

std::string RectText(const RECT& rect)
{
    return std::to_string(rect.left) + " " + std::to_string(rect.top) + " " + std::to_string(rect.right - rect.left) + " " +
           std::to_string(rect.bottom - rect.top);
}

// Moves the mouse to a point of the screen through the input queue.
void MoveMouse(int x, int y)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof input);
}

} // namespace

void CWin32Driver::Pause(int ms)
{
    Sleep(static_cast<DWORD>(ms));
}

long long CWin32Driver::NowMs()
{
    return static_cast<long long>(GetTickCount64());
}

HWND CWin32Driver::Current() const
{
    if (stack.empty())
        throw CDriverFailure("no current window: find one with wait-window first");
    return stack.back();
}

HWND CWin32Driver::Control(const CDriverCommand& command) const
{
    return FindControl(Current(), command.control);
}

HWND CWin32Driver::UsableControl(const CDriverCommand& command) const
{
    const HWND control = Control(command);
    if (!IsWindowVisible(control))
        throw CDriverFailure(Describe(control) + " is hidden");
    if (!IsWindowEnabled(control))
        throw CDriverFailure(Describe(control) + " is disabled");
    // A control's own state says nothing about its window, which a modal dialog disables.
    const HWND root = GetAncestor(control, GA_ROOT);
    if (root != control && !IsWindowEnabled(root))
        throw CDriverFailure(Describe(root) + " is disabled: a modal window of it is open");
    return control;
}

bool CWin32Driver::OnStack(HWND window) const
{
    for (const HWND known : stack)
        if (known == window)
            return true;
    return false;
}

template <typename Test>
HWND CWin32Driver::AwaitNewWindow(int timeoutMs, Test test)
{
    const long long deadline = NowMs() + timeoutMs;
    while (true) {
        for (const HWND window : ShownTopLevelWindows())
            if (!OnStack(window) && test(window))
                return window;
        if (NowMs() >= deadline)
            return nullptr;
        Pause(PollIntervalMs);
    }
}

bool CWin32Driver::AwaitClosed(HWND window, int timeoutMs)
{
    const long long deadline = NowMs() + timeoutMs;
    while (IsWindow(window) && IsWindowVisible(window)) {
        if (NowMs() >= deadline)
            return false;
        Pause(PollIntervalMs);
    }
    return true;
}

void CWin32Driver::BringToForeground()
{
    const HWND window = Current();
    const long long deadline = NowMs() + ForegroundLimitMs;
    while (GetForegroundWindow() != window) {
        SetForegroundWindow(window);
        if (NowMs() >= deadline) {
            const HWND foreground = GetForegroundWindow();
            throw CDriverFailure("cannot bring " + Describe(window) + " to the foreground; " +
                                 (foreground ? Describe(foreground) : std::string("no window")) + " keeps it");
        }
        Pause(PollIntervalMs);
    }
}

void CWin32Driver::FocusControl(HWND control)
{
    BringToForeground();
    // The dialog moves the focus itself, in its own thread, as Tab would (and selects an edit's
    // text); the top-level dialog, which keeps the focus of its pages' controls as well.
    CallWindow(GetAncestor(control, GA_ROOT), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    const long long deadline = NowMs() + ForegroundLimitMs;
    while (!GetGUIThreadInfo(GetWindowThreadProcessId(control, nullptr), &info) || info.hwndFocus != control) {
        if (NowMs() >= deadline)
            throw CDriverFailure(Describe(control) + " did not take the keyboard focus");
        Pause(PollIntervalMs);
    }
}

CQueryValue CWin32Driver::Query(const CDriverCommand& command)
{
    switch (command.verb) {
    case EVerb::Text:
        return CQueryValue::OfText(ControlText(Control(command)));
    case EVerb::Enabled:
        return CQueryValue::OfNumber(IsWindowEnabled(Control(command)) ? 1 : 0);
    case EVerb::Visible:
        return CQueryValue::OfNumber(IsWindowVisible(Control(command)) ? 1 : 0);
    case EVerb::Checked:
        return CQueryValue::OfNumber(static_cast<long>(CallWindow(Control(command), BM_GETCHECK, 0, 0)));
    case EVerb::Selection:
        return CQueryValue::OfNumber(SelectedIndex(Control(command)));
    case EVerb::ComboItems:
        return CQueryValue::OfList(ComboItems(Control(command)));
    case EVerb::TabItems:
        return CQueryValue::OfList(TabItems(Control(command)));
    case EVerb::ListItems:
        return CQueryValue::OfList(ListViewRows(Control(command)));
    case EVerb::GaugePos: {
        const HWND gauge = Control(command);
        if (!IsClass(gauge, PROGRESS_CLASSW))
            throw CDriverFailure(Describe(gauge) + " is a " + ClassOf(gauge) + ", not a progress bar");
        return CQueryValue::OfNumber(static_cast<long>(CallWindow(gauge, PBM_GETPOS, 0, 0)));
    }
    case EVerb::Rect: {
        const HWND control = Control(command);
        RECT rect = {};
        GetWindowRect(control, &rect);
        if (!command.control.isWindow)
            MapWindowPoints(nullptr, Current(), reinterpret_cast<POINT*>(&rect), 2);
        return CQueryValue::OfText(RectText(rect));
    }
    case EVerb::Focused: {
        GUITHREADINFO info = {};
        info.cbSize = sizeof info;
        if (!GetGUIThreadInfo(GetWindowThreadProcessId(Current(), nullptr), &info) || !info.hwndFocus)
            throw CDriverFailure("no control of " + Describe(Current()) + " has the keyboard focus");
        return CQueryValue::OfNumber(GetDlgCtrlID(info.hwndFocus));
    }
    case EVerb::MessageText:
        return CQueryValue::OfText(MessageText());
    case EVerb::Tooltip:
        return CQueryValue::OfText(Tooltip(Control(command)));
    case EVerb::WorkArea: {
        // The screen the current window is on, less its task bar.
        MONITORINFO monitor = {};
        monitor.cbSize = sizeof monitor;
        if (!GetMonitorInfoW(MonitorFromWindow(Current(), MONITOR_DEFAULTTONEAREST), &monitor))
            throw CDriverFailure("no screen for " + Describe(Current()) + ": error " + std::to_string(GetLastError()));
        return CQueryValue::OfText(RectText(monitor.rcWork));
    }
    default:
        throw CDriverFailure("not a query");
    }
}

std::string CWin32Driver::Act(const CDriverCommand& command, int timeoutMs)
{
    switch (command.verb) {
    case EVerb::WaitWindow:
        return WaitWindow(command.args[0], timeoutMs);
    case EVerb::WaitClosed:
        return WaitClosed(timeoutMs);
    case EVerb::Close:
        PostToWindow(Current(), WM_CLOSE, 0, 0);
        return std::string();
    case EVerb::Zoom:
        return Zoom(command.number);
    case EVerb::Move:
        return Move(command.x, command.y);
    case EVerb::MessageDialog:
        return AwaitMessageBox(command.args.empty() ? "*" : command.args[0], timeoutMs);
    case EVerb::Answer:
        return Answer(command.number, timeoutMs);
    case EVerb::FileDialog:
        return FileDialog(command.args[0], timeoutMs);
    case EVerb::SystemCommand:
        // What the window gets when a person picks the item from its system menu; posted, as
        // the item may open a modal dialog. Whether the item is grey is not looked at: the
        // program must refuse a command it cannot carry out.
        if (!IsWindowEnabled(Current()))
            throw CDriverFailure(Describe(Current()) + " is disabled: a modal window of it is open");
        PostToWindow(Current(), WM_SYSCOMMAND, static_cast<WPARAM>(command.number), 0);
        return std::string();
    case EVerb::Click: {
        // Posted: a click that opens a modal dialog returns only when that dialog has closed.
        PostToWindow(UsableControl(command), BM_CLICK, 0, 0);
        return std::string();
    }
    case EVerb::Key:
        BringToForeground();
        keyboard.Press(command.chord);
        return std::string();
    case EVerb::Hold:
        keyboard.Hold(command.chord);
        return std::string();
    case EVerb::Release:
        keyboard.ReleaseHeld();
        return std::string();
    case EVerb::SetText: {
        const HWND control = Control(command);
        const std::wstring text = Wide(command.args[1]);
        if (!CallWindow(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str())))
            throw CDriverFailure(Describe(control) + " refused the text");
        return std::string();
    }
    case EVerb::Type:
        return Type(command);
    case EVerb::Focus:
        FocusControl(UsableControl(command));
        return std::string();
    case EVerb::Select:
        return Select(command);
    case EVerb::TabSelect:
        return TabSelect(command);
    default:
        throw CDriverFailure("not an action");
    }
}

std::string CWin32Driver::WaitWindow(const std::string& pattern, int timeoutMs)
{
    const HWND window = AwaitNewWindow(timeoutMs, [&](HWND candidate) { return WildcardMatch(pattern, Caption(candidate)); });
    if (!window)
        throw CDriverFailure("no window " + QuoteText(pattern) + " within " + std::to_string(timeoutMs) + " ms; shown: " + ShownCaptions());
    stack.push_back(window);
    return QuoteText(Caption(window));
}

std::string CWin32Driver::WaitClosed(int timeoutMs)
{
    const HWND window = Current();
    if (!AwaitClosed(window, timeoutMs))
        throw CDriverFailure(Describe(window) + " is still open after " + std::to_string(timeoutMs) + " ms");
    stack.pop_back();
    return std::string();
}

std::string CWin32Driver::Zoom(int percent)
{
    const HWND window = Current();
    RECT outer = {};
    RECT client = {};
    if (!GetWindowRect(window, &outer) || !GetClientRect(window, &client))
        throw CDriverFailure(Describe(window) + " has no size to change");
    const int width = outer.right - outer.left + client.right * (percent - 100) / 100;
    const int height = outer.bottom - outer.top + client.bottom * (percent - 100) / 100;
    // The window answers with its sizing messages, as when its frame is dragged.
    if (!SetWindowPos(window, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE))
        throw CDriverFailure(Describe(window) + " could not be sized: error " + std::to_string(GetLastError()));
    return std::string();
}

std::string CWin32Driver::Move(int x, int y)
{
    const HWND window = Current();
    if (!SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE))
        throw CDriverFailure(Describe(window) + " could not be moved: error " + std::to_string(GetLastError()));
    return std::string();
}

std::string CWin32Driver::AwaitMessageBox(const std::string& pattern, int timeoutMs)
{
    // A dialog of the same program (message boxes and modal dialogs are top-level windows of
    // their own, owned by the window that opened them).
    const DWORD process = stack.empty() ? 0 : ProcessOf(Current());
    const HWND box = AwaitNewWindow(timeoutMs, [&](HWND candidate) {
        return IsClass(candidate, L"#32770") && (!process || ProcessOf(candidate) == process) && WildcardMatch(pattern, Caption(candidate));
    });
    if (!box)
        throw CDriverFailure("no message box " + QuoteText(pattern) + " within " + std::to_string(timeoutMs) + " ms; shown: " + ShownCaptions());
    stack.push_back(box);
    return QuoteText(MessageText());
}

std::string CWin32Driver::MessageText() const
{
    // The text statics of the box; its icon is a static too.
    std::string text;
    for (HWND child = GetWindow(Current(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsClass(child, L"Static") || (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
            continue;
        const std::string part = ControlText(child);
        if (part.empty())
            continue;
        text += text.empty() ? "" : "\n";
        text += part;
    }
    return text;
}

std::string CWin32Driver::Tooltip(HWND control)
{
    BringToForeground();
    const DWORD process = ProcessOf(control);
    const auto shownTip = [process]() -> HWND {
        for (const HWND window : ShownTopLevelWindows())
            if (IsClass(window, TOOLTIPS_CLASSW) && ProcessOf(window) == process)
                return window;
        return nullptr;
    };
    // The mouse comes from outside the control, through the input queue as a person's hand
    // moves it, so that the tooltip sees it arrive; a tip still shown for another control goes.
    RECT rect = {};
    GetWindowRect(control, &rect);
    MoveMouse(rect.left - 40, rect.top - 40);
    const long long gone = NowMs() + ForegroundLimitMs;
    while (shownTip() && NowMs() < gone)
        Pause(PollIntervalMs);
    MoveMouse((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    const long long deadline = NowMs() + TooltipLimitMs;
    HWND tip = nullptr;
    while (!(tip = shownTip())) {
        if (NowMs() >= deadline)
            throw CDriverFailure("no tooltip shows over " + Describe(control) + " within " + std::to_string(TooltipLimitMs) + " ms");
        Pause(PollIntervalMs);
    }
    const long width = static_cast<long>(CallWindow(tip, TTM_GETMAXTIPWIDTH, 0, 0));
    const long autoPop = static_cast<long>(CallWindow(tip, TTM_GETDELAYTIME, TTDT_AUTOPOP, 0));
    return std::to_string(width) + " " + std::to_string(autoPop) + " " + ControlText(tip);
}

std::string CWin32Driver::Answer(int buttonId, int timeoutMs)
{
    const HWND box = Current();
    const HWND button = GetDlgItem(box, buttonId);
    if (!button || !IsClass(button, L"Button"))
        throw CDriverFailure(Describe(box) + " has no button " + std::to_string(buttonId));
    if (!IsWindowEnabled(button) || !IsWindowVisible(button))
        throw CDriverFailure(Describe(button) + " cannot be pressed (hidden or disabled)");
    PostToWindow(button, BM_CLICK, 0, 0);
    if (!AwaitClosed(box, timeoutMs))
        throw CDriverFailure(Describe(box) + " is still open " + std::to_string(timeoutMs) + " ms after pressing " + Describe(button));
    stack.pop_back();
    return std::string();
}

std::string CWin32Driver::FileDialog(const std::string& path, int timeoutMs)
{
    // Known by its file name box rather than by its caption, which follows the language.
    const DWORD process = stack.empty() ? 0 : ProcessOf(Current());
    const long long deadline = NowMs() + timeoutMs;
    const HWND dialog = AwaitNewWindow(timeoutMs, [&](HWND candidate) {
        return IsClass(candidate, L"#32770") && (!process || ProcessOf(candidate) == process) &&
               FindDescendant(candidate, FileNameBoxId, L"ComboBoxEx32");
    });
    if (!dialog)
        throw CDriverFailure("no file dialog within " + std::to_string(timeoutMs) + " ms; shown: " + ShownCaptions());
    stack.push_back(dialog);
    // The box is a ComboBoxEx32 holding a ComboBox holding the Edit, all three with this id; the
    // open button shares id 1 with a list view and a toolbar.
    const HWND edit = FindDescendant(dialog, FileNameBoxId, L"Edit");
    const HWND open = FindDescendant(dialog, OpenButtonId, L"Button");
    if (!edit || !open)
        throw CDriverFailure(Describe(dialog) + " has no file name box or no open button");
    const std::wstring text = Wide(path);
    // The dialog shows itself before it has finished filling its folder view; it takes the
    // name when it is ready, within what is left of the time limit.
    const long long left = deadline - NowMs();
    CallWindow(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), static_cast<UINT>(left > 0 ? left : 1));
    PostToWindow(open, BM_CLICK, 0, 0);
    if (!AwaitClosed(dialog, timeoutMs))
        throw CDriverFailure(Describe(dialog) + " is still open " + std::to_string(timeoutMs) + " ms after choosing " + QuoteText(path) +
                             " (it stays current: it may ask something of its own)");
    stack.pop_back();
    return std::string();
}

std::string CWin32Driver::Select(const CDriverCommand& command)
{
    const HWND combo = UsableControl(command);
    const std::vector<std::string> items = ComboItems(combo);
    const int index = FindItem(items, command.item);
    if (index < 0)
        throw CDriverFailure(Describe(combo) + " has no " + command.item.Describe() + "; it holds " + CQueryValue::OfList(items).Display());
    if (CallWindow(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0) != index)
        throw CDriverFailure(Describe(combo) + " did not select " + command.item.Describe());
    // What the combo box tells its dialog when a person picks an item.
    PostToWindow(GetParent(combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
    return QuoteText(items[static_cast<size_t>(index)]);
}

std::string CWin32Driver::TabSelect(const CDriverCommand& command)
{
    const HWND tabs = UsableControl(command);
    const std::vector<std::string> items = TabItems(tabs);
    const int index = FindItem(items, command.item);
    if (index < 0)
        throw CDriverFailure(Describe(tabs) + " has no tab " + command.item.Describe() + "; it holds " + CQueryValue::OfList(items).Display());
    // Moving the focus to a tab selects it and notifies the owner (TCN_SELCHANGING, TCN_SELCHANGE)
    // as a click on it does.
    CallWindow(tabs, TCM_SETCURFOCUS, static_cast<WPARAM>(index), 0);
    const LRESULT selected = CallWindow(tabs, TCM_GETCURSEL, 0, 0);
    if (selected != index)
        throw CDriverFailure(Describe(tabs) + " kept tab #" + std::to_string(selected) + " selected");
    return QuoteText(items[static_cast<size_t>(index)]);
}

std::string CWin32Driver::Type(const CDriverCommand& command)
{
    const HWND control = UsableControl(command);
    FocusControl(control);
    keyboard.Type(Wide(command.args[1]));
    // Typing replaces the selected text; wait until the control shows it, or until the program
    // has had time to refuse it.
    const long long deadline = NowMs() + TypeSettleLimitMs;
    std::string text = ControlText(control);
    while (text != command.args[1] && NowMs() < deadline) {
        Pause(PollIntervalMs);
        text = ControlText(control);
    }
    Pause(CKeyboard::SettleMs);
    return QuoteText(ControlText(control));
}
