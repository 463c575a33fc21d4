// Writes read string tables as a C++ source file: a sorted table for the host build.
#include "tools/rc-strings/CppTableWriter.h"

#include <algorithm>
#include <cstdio>

namespace rcstrings {
namespace {

bool IsHexDigit(wchar_t c) {
    return (c >= L'0' && c <= L'9') || (c >= L'a' && c <= L'f') || (c >= L'A' && c <= L'F');
}

}  // namespace

std::string WideLiteral(std::wstring_view text) {
    std::string out = "L\"";
    bool afterHexEscape = false;
    for (const wchar_t c : text) {
        // A hex escape swallows every hex digit after it: close the literal and reopen it.
        if (afterHexEscape && IsHexDigit(c)) out += "\" L\"";
        afterHexEscape = false;
        if (c == L'"' || c == L'\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c >= 0x20 && c < 0x7F) {
            out += static_cast<char>(c);
        } else {
            char escape[16];
            std::snprintf(escape, sizeof escape, "\\x%lx",
                          static_cast<unsigned long>(static_cast<std::make_unsigned_t<wchar_t>>(c)));
            out += escape;
            afterHexEscape = true;
        }
    }
    out += '"';
    return out;
}

std::string CompiledTableSource(std::vector<RcString> strings, const std::string& symbol) {
    std::sort(strings.begin(), strings.end(), [](const RcString& a, const RcString& b) {
        return a.langId != b.langId ? a.langId < b.langId : a.id < b.id;
    });
    std::string out =
        "// String table compiled from the resource scripts by kivra-rc-strings; do not edit.\n"
        "#include \"runtime/native/CompiledStringTable.h\"\n\n";
    if (strings.empty()) {
        out += "extern const CompiledStringTable " + symbol + " = {nullptr, 0};\n";
        return out;
    }
    out += "namespace {\n\nconst CompiledStringEntry kEntries[] = {\n";
    for (const RcString& s : strings) {
        out += "    {" + std::to_string(s.langId) + ", " + std::to_string(s.id) + ", " +
               WideLiteral(s.text) + ", " + std::to_string(s.text.size()) + "},  // " + s.origin +
               "\n";
    }
    out += "};\n\n}  // namespace\n\n";
    out += "extern const CompiledStringTable " + symbol +
           " = {kEntries, sizeof kEntries / sizeof kEntries[0]};\n";
    return out;
}

}  // namespace rcstrings
