// The common file dialogs (Explorer style) for one kind of file: "Open" and "Save As".
#include "ui/window/win32/FileDialog.h"

#include <commdlg.h>

namespace {

constexpr DWORD kFileNameChars = 260;

std::wstring Choose(HWND owner, const FileKind& kind, const std::wstring& folder, DWORD flags, bool save)
{
    // Display text and pattern, each ended by a zero, and a zero after the last pair.
    std::wstring filter = kind.name;
    filter.push_back(L'\0');
    filter += kind.pattern;
    filter.push_back(L'\0');
    filter.push_back(L'\0');
    wchar_t file[kFileNameChars] = {};
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file;
    dialog.nMaxFile = kFileNameChars;
    dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    dialog.lpstrDefExt = kind.extension;
    dialog.Flags = OFN_EXPLORER | flags;
    const BOOL chosen = save ? ::GetSaveFileNameW(&dialog) : ::GetOpenFileNameW(&dialog);
    return chosen ? std::wstring(file) : std::wstring();
}

}  // namespace

std::wstring ChooseFileToOpen(HWND owner, const FileKind& kind, const std::wstring& folder, DWORD flags)
{
    return Choose(owner, kind, folder, flags, false);
}

std::wstring ChooseFileToSave(HWND owner, const FileKind& kind, const std::wstring& folder, DWORD flags)
{
    return Choose(owner, kind, folder, flags, true);
}
