// The common file dialogs (Explorer style) for one kind of file: "Open" and "Save As".
#pragma once

#include <windows.h>

#include <string>

struct FileKind {
    std::wstring name;                 // shown in the dialog's type list
    const wchar_t* pattern;            // "*.fw"
    const wchar_t* extension;          // given to a name typed without one; null for none
};

// The chosen path, or empty when the person cancelled. The dialog opens in folder (the
// system's choice when empty); flags are added to OFN_EXPLORER.
std::wstring ChooseFileToOpen(HWND owner, const FileKind& kind, const std::wstring& folder, DWORD flags);
std::wstring ChooseFileToSave(HWND owner, const FileKind& kind, const std::wstring& folder, DWORD flags);
