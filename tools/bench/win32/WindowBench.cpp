// kivra-window-bench: the window program's side of make bench. Starts kivra.exe, says when its
// main window is shown, connects it with its "Connect sensor" button as a person would, and
// leaves it connected and untouched for a while before ending it.
//   kivra-window-bench SECONDS PROGRAM [ARGUMENT...]
// Prints "window_ms N" (from the program's start to its visible main window) and then
// "connect_clicked"; status 0 done, 1 no window within a minute, 2 wrong command line,
// 3 no connect button, 4 the program could not be started.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

constexpr DWORD kWindowWaitMs = 60000;
constexpr wchar_t kConnectText[] = L"Connect sensor";

struct CWindowSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindMainWindow(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<CWindowSearch*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    // The main window is a dialog that may have a hidden owner: the visible window with a caption.
    if (owner != search->processId || !IsWindowVisible(window) ||
        (GetWindowLongPtrW(window, GWL_STYLE) & WS_CAPTION) != WS_CAPTION)
        return TRUE;
    search->found = window;
    return FALSE;
}

BOOL CALLBACK FindConnectButton(HWND child, LPARAM data)
{
    wchar_t text[64] = {};
    GetWindowTextW(child, text, 64);
    if (std::wcscmp(text, kConnectText) != 0)
        return TRUE;
    *reinterpret_cast<HWND*>(data) = child;
    return FALSE;
}

double MillisecondsSince(const LARGE_INTEGER& start)
{
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return double(now.QuadPart - start.QuadPart) * 1000.0 / double(frequency.QuadPart);
}

std::wstring Quoted(const wchar_t* argument)
{
    return std::wstring(L"\"") + argument + L"\"";
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 3 || _wtoi(argv[1]) <= 0) {
        std::fprintf(stderr, "usage: kivra-window-bench SECONDS PROGRAM [ARGUMENT...]\n");
        return 2;
    }
    const DWORD connectedMs = static_cast<DWORD>(_wtoi(argv[1])) * 1000;
    std::wstring commandLine = Quoted(argv[2]);
    for (int i = 3; i < argc; ++i)
        commandLine += L" " + Quoted(argv[i]);

    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    if (!CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        std::fprintf(stderr, "kivra-window-bench: cannot start the program (error %lu)\n", GetLastError());
        return 4;
    }
    CWindowSearch search{process.dwProcessId, nullptr};
    while (!search.found && MillisecondsSince(start) < kWindowWaitMs) {
        EnumWindows(&FindMainWindow, reinterpret_cast<LPARAM>(&search));
        if (!search.found)
            Sleep(1);
    }
    int status = 0;
    if (!search.found) {
        std::fprintf(stderr, "kivra-window-bench: no main window within %lu s\n", kWindowWaitMs / 1000);
        status = 1;
    } else {
        std::printf("window_ms %.1f\n", MillisecondsSince(start));
        std::fflush(stdout);
        WaitForInputIdle(process.hProcess, kWindowWaitMs);
        HWND button = nullptr;
        EnumChildWindows(search.found, &FindConnectButton, reinterpret_cast<LPARAM>(&button));
        if (!button) {
            std::fprintf(stderr, "kivra-window-bench: the main window has no \"Connect sensor\" button\n");
            status = 3;
        } else {
            // Posted: a click that opens a message box must not hold this program.
            PostMessageW(button, BM_CLICK, 0, 0);
            std::printf("connect_clicked\n");
            std::fflush(stdout);
            Sleep(connectedMs);
        }
    }
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 5000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return status;
}
