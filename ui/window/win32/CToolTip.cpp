// Tooltips whose texts their dialog gives.
#include "ui/window/win32/CToolTip.h"

#include <map>
#include <string>
#include <utility>

#include "runtime/ResourceLanguage.h"
#include "runtime/ResourceText.h"
#include "ui/window/win32/DialogTemplate.h"

namespace {
// Text requests carry a pointer the tooltip reads later; the texts stay for the process.
const std::wstring& KeptString(UINT stringId)
{
    static std::map<std::pair<unsigned short, UINT>, std::wstring> kept;
    const std::pair<unsigned short, UINT> key{GetResourceLanguage(), stringId};
    auto found = kept.find(key);
    if (found == kept.end())
        found = kept.emplace(key, LoadResourceText(stringId)).first;
    return found->second;
}

bool IsTextRequest(const NMHDR& header)
{
    // Our windows are Unicode windows: the tooltip asks in the wide form.
    return header.code == TTN_GETDISPINFOW;
}
}  // namespace

bool CToolTip::Create(HWND dialog, bool (*hasTip)(int controlId))
{
    EnsureCommonControls();
    m_dialog = dialog;
    m_hWnd = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, dialog, nullptr,
                               ::GetModuleHandleW(nullptr), nullptr);
    if (!m_hWnd)
        return false;
    for (HWND child = ::GetWindow(dialog, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (hasTip(::GetDlgCtrlID(child)))
            AddTool(child);
    }
    return true;
}

bool CToolTip::AddTool(HWND control)
{
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = m_dialog;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = LPSTR_TEXTCALLBACKW;
    return SendMessage(TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool)) != FALSE;
}

int CToolTip::ToolControlId(const NMHDR& header)
{
    if (!IsTextRequest(header))
        return 0;
    const auto& info = reinterpret_cast<const NMTTDISPINFOW&>(header);
    if (!(info.uFlags & TTF_IDISHWND))
        return 0;
    return ::GetDlgCtrlID(reinterpret_cast<HWND>(header.idFrom));
}

void CToolTip::AnswerWithString(NMHDR& header, UINT stringId, int maxWidth, int autoPopMilliseconds)
{
    auto& info = reinterpret_cast<NMTTDISPINFOW&>(header);
    ::SendMessageW(header.hwndFrom, TTM_SETMAXTIPWIDTH, 0, maxWidth);
    ::SendMessageW(header.hwndFrom, TTM_SETDELAYTIME, TTDT_AUTOPOP, MAKELPARAM(autoPopMilliseconds, 0));
    info.lpszText = const_cast<wchar_t*>(KeptString(stringId).c_str());
    info.hinst = nullptr;
}
