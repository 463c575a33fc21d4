// Reads the string tables of resource scripts: LANGUAGE and STRINGTABLE statements, the
// #define lines that name their ids, quoted #include files and #pragma code_page.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace rcstrings {

struct RcString {
    unsigned short langId = 0;  // MAKELANGID(primary, sub)
    unsigned short id = 0;
    std::wstring text;          // never empty
    std::string origin;         // "file:line" of the entry
};

class RcStringReader {
public:
    // Reads one script as windres compiles it: the language, the code page and the
    // definitions start afresh; the strings add to those read before. False on the first
    // fault, with Error() naming the place and the cause.
    bool ReadFile(const std::string& path);
    // The same for a script held in memory; quoted includes are looked up from directory.
    bool ReadText(std::string_view text, const std::string& name, const std::string& directory);

    const std::vector<RcString>& Strings() const { return strings_; }
    // Every #define of the last script read (with its includes): name and body text.
    const std::map<std::string, std::string>& Defines() const { return defines_; }
    // Numeric value of a defined name; false when it is undefined or not a number.
    bool ValueOf(const std::string& name, long& value) const;
    const std::string& Error() const { return error_; }

private:
    struct Cursor;

    void StartScript();
    bool ReadSource(std::string_view text, const std::string& name, const std::string& directory,
                    int depth);
    bool Advance(Cursor& cursor);
    bool RunDirective(Cursor& cursor, const std::string& line);
    bool ParseLanguage(Cursor& cursor, int& langId);
    bool ParseStringTable(Cursor& cursor);
    bool ParseEntry(Cursor& cursor, int langId);
    bool ParseValue(Cursor& cursor, long& value);
    bool Fail(const Cursor& cursor, const std::string& message);

    std::vector<RcString> strings_;
    std::map<std::string, std::string> defines_;
    int language_ = -1;        // of the LANGUAGE statement in force; -1 before the first
    bool utf8Source_ = false;  // #pragma code_page(65001) seen
    std::string error_;
};

}  // namespace rcstrings
