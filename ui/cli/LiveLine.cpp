// One line of live values per poll, as text or as a JSON object.
#include "ui/cli/LiveLine.h"

#include "ui/app/JsonText.h"

#include <cwchar>

namespace {

std::wstring Seconds(int64_t ms)
{
    wchar_t text[32];
    std::swprintf(text, 32, L"%.1f", static_cast<double>(ms) / 1000.0);
    return text;
}

}  // namespace

std::wstring TrimBlanks(const std::wstring& text)
{
    const std::size_t first = text.find_first_not_of(L' ');
    if (first == std::wstring::npos)
        return std::wstring();
    return text.substr(first, text.find_last_not_of(L' ') - first + 1);
}

std::wstring LiveTextLine(const LiveLineFacts& f)
{
    const DisplayTexts& t = *f.texts;
    std::wstring line = L"t=" + Seconds(f.elapsedMs) + L"s temperature=" + TrimBlanks(t.temperature) +
                        L" angle=" + TrimBlanks(t.angle) + L" lls1=" + TrimBlanks(t.lls[0]) + L" lls2=" +
                        TrimBlanks(t.lls[1]) + L" output1=" + TrimBlanks(t.outputValue[0]) +
                        L" output2=" + TrimBlanks(t.outputValue[1]);
    if (f.magnetDetectors)
        line += L" magnets=" + std::to_wstring(t.magnetState[0] == 0) + L"," + std::to_wstring(t.magnetState[1] == 0);
    for (std::size_t i = 0; i < t.extraCount && i < kMaxExtraValues; ++i)
        line += L" [" + t.extraName[i] + L"]=" + TrimBlanks(t.extraValue[i]);
    return line;
}

std::wstring LiveJsonLine(const LiveLineFacts& f)
{
    const DisplayTexts& t = *f.texts;
    CJsonObject line;
    line.Number(L"t_ms", f.elapsedMs)
        .String(L"temperature", TrimBlanks(t.temperature))
        .String(L"angle", TrimBlanks(t.angle))
        .String(L"lls1", TrimBlanks(t.lls[0]))
        .String(L"lls2", TrimBlanks(t.lls[1]))
        .String(L"output1", TrimBlanks(t.outputValue[0]))
        .String(L"output2", TrimBlanks(t.outputValue[1]));
    if (f.magnetDetectors)
        line.Bool(L"magnet1", t.magnetState[0] == 0).Bool(L"magnet2", t.magnetState[1] == 0);
    CJsonObject extras;
    for (std::size_t i = 0; i < t.extraCount && i < kMaxExtraValues; ++i)
        extras.String(t.extraName[i], TrimBlanks(t.extraValue[i]));
    line.Raw(L"extra", extras.Text());
    return line.Text();
}
