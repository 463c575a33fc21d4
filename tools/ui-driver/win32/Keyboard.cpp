#include "Keyboard.h"

#include "DriverTarget.h"

#include <windows.h>

namespace {

bool IsExtendedKey(unsigned short key)
{
    switch (key) {
    case VK_INSERT: case VK_DELETE: case VK_HOME: case VK_END: case VK_PRIOR: case VK_NEXT:
    case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN:
        return true;
    default:
        return false;
    }
}

INPUT KeyInput(unsigned short key, bool up)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (IsExtendedKey(key) ? KEYEVENTF_EXTENDEDKEY : 0);
    return input;
}

void Send(std::vector<INPUT> inputs)
{
    if (inputs.empty())
        return;
    const UINT sent = SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    if (sent != inputs.size())
        throw CDriverFailure("the system took " + std::to_string(sent) + " of " + std::to_string(inputs.size()) +
                             " input events (error " + std::to_string(GetLastError()) + ")");
}

} // namespace

CKeyboard::~CKeyboard()
{
    try {
        ReleaseHeld();
    } catch (const CDriverFailure&) {
        // Leaving: nothing more can be done about keys the system did not take.
    }
}

void CKeyboard::Press(const CKeyChord& chord)
{
    std::vector<INPUT> downs;
    for (const unsigned short modifier : chord.modifiers)
        downs.push_back(KeyInput(modifier, false));
    downs.push_back(KeyInput(chord.key, false));
    downs.push_back(KeyInput(chord.key, true));
    Send(downs);
    if (chord.modifiers.empty()) {
        Sleep(SettleMs);
        return;
    }
    Sleep(ModifierHoldMs);
    std::vector<INPUT> ups;
    for (auto modifier = chord.modifiers.rbegin(); modifier != chord.modifiers.rend(); ++modifier)
        ups.push_back(KeyInput(*modifier, true));
    Send(ups);
    Sleep(SettleMs);
}

void CKeyboard::Hold(const CKeyChord& chord)
{
    std::vector<unsigned short> keys = chord.modifiers;
    if (chord.key)
        keys.push_back(chord.key);
    std::vector<INPUT> downs;
    for (const unsigned short key : keys)
        downs.push_back(KeyInput(key, false));
    Send(downs);
    held.insert(held.end(), keys.begin(), keys.end());
}

void CKeyboard::ReleaseHeld()
{
    std::vector<INPUT> ups;
    for (auto key = held.rbegin(); key != held.rend(); ++key)
        ups.push_back(KeyInput(*key, true));
    held.clear();
    Send(ups);
}

void CKeyboard::Type(const std::wstring& text)
{
    std::vector<INPUT> inputs;
    for (const wchar_t c : text) {
        INPUT input = {};
        input.type = INPUT_KEYBOARD;
        input.ki.wScan = static_cast<WORD>(c);
        input.ki.dwFlags = KEYEVENTF_UNICODE;
        inputs.push_back(input);
        input.ki.dwFlags |= KEYEVENTF_KEYUP;
        inputs.push_back(input);
    }
    Send(inputs);
}
