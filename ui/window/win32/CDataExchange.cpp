// Data exchange methods.
#include "ui/window/win32/CDataExchange.h"

#include <cerrno>
#include <cwchar>
#include <cwctype>
#include <string>

#include "ui/window/win32/CDialog.h"

namespace {
bool ParseWholeNumber(const std::wstring& text, long& value)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && std::iswspace(text[begin]))
        ++begin;
    while (end > begin && std::iswspace(text[end - 1]))
        --end;
    if (begin == end)
        return false;
    const std::wstring digits = text.substr(begin, end - begin);
    wchar_t* stop = nullptr;
    errno = 0;
    value = std::wcstol(digits.c_str(), &stop, 10);
    return errno == 0 && stop == digits.c_str() + digits.size();
}
}  // namespace

HWND CDataExchange::Item(int id) const
{
    HWND item = m_dialog.GetDlgItem(id);
    assert(item && "data exchange with a control the template lacks");
    return item;
}

void CDataExchange::Text(int id, std::wstring& value)
{
    if (Skip())
        return;
    CWindow control(Item(id));
    if (!control.GetHwnd())
        return;
    if (m_saving)
        value = control.GetWindowText();
    else
        control.SetWindowText(value);
}

bool CDataExchange::ShownChanges(int id, const std::wstring& value)
{
    if (m_saving || Skip())
        return false;
    const auto [shown, added] = m_dialog.m_shown.try_emplace(id, value);
    if (!added && shown->second == value)
        return false;
    shown->second = value;
    return true;
}

void CDataExchange::ShownText(int id, const std::wstring& value)
{
    if (ShownChanges(id, value)) {
        std::wstring text = value;
        Text(id, text);
    }
}

void CDataExchange::ShownRadio(int firstId, int index)
{
    if (ShownChanges(firstId, std::to_wstring(index)))
        Radio(firstId, index);
}

void CDataExchange::Number(int id, int& value, int min, int max)
{
    if (Skip())
        return;
    CWindow control(Item(id));
    if (!control.GetHwnd())
        return;
    if (!m_saving) {
        control.SetWindowText(std::to_wstring(value));
        return;
    }
    long parsed = 0;
    if (!ParseWholeNumber(control.GetWindowText(), parsed) || parsed < min || parsed > max) {
        Fail(id);
        return;
    }
    value = static_cast<int>(parsed);
}

void CDataExchange::ComboIndex(int id, int& index)
{
    if (Skip())
        return;
    CWindow control(Item(id));
    if (!control.GetHwnd())
        return;
    if (m_saving)
        index = static_cast<int>(control.SendMessage(CB_GETCURSEL));
    else
        control.SendMessage(CB_SETCURSEL, static_cast<WPARAM>(index));
}

void CDataExchange::Check(int id, int& state)
{
    if (Skip())
        return;
    CWindow control(Item(id));
    if (!control.GetHwnd())
        return;
    if (m_saving)
        state = static_cast<int>(control.SendMessage(BM_GETCHECK));
    else
        control.SendMessage(BM_SETCHECK, static_cast<WPARAM>(state));
}

void CDataExchange::Radio(int firstId, int& index)
{
    if (Skip() || !Item(firstId))
        return;
    if (m_saving)
        index = -1;
    const std::vector<HWND>& group = m_dialog.RadioGroup(firstId);
    for (int position = 0; position < int(group.size()); ++position) {
        const HWND button = group[position];
        if (m_saving) {
            if (::SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED)
                index = position;
        } else {
            ::SendMessageW(button, BM_SETCHECK, position == index ? BST_CHECKED : BST_UNCHECKED, 0);
        }
    }
}

void CDataExchange::Control(int id, CWindow& control)
{
    if (!m_saving && !control.IsWindow())
        control.Attach(Item(id));
}

void CDataExchange::Fail(int id)
{
    if (Failed())
        return;
    m_failedId = id;
    m_dialog.OnDataValidationFailed(id);
}
