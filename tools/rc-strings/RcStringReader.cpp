// Reads the string tables of resource scripts: LANGUAGE and STRINGTABLE statements, the
// #define lines that name their ids, quoted #include files and #pragma code_page.
#include "tools/rc-strings/RcStringReader.h"

#include <fstream>
#include <iterator>

#include "tools/rc-strings/RcExpression.h"
#include "tools/rc-strings/RcLexer.h"
#include "tools/rc-strings/RcLiteral.h"

namespace rcstrings {
namespace {

constexpr int kMaxIncludeDepth = 16;

// The language names of the Windows headers the scripts use; those headers themselves
// are not read.
const std::pair<const char*, const char*> kLanguageNames[] = {
    {"LANG_NEUTRAL", "0x00"},    {"LANG_ENGLISH", "0x09"},        {"LANG_RUSSIAN", "0x19"},
    {"SUBLANG_NEUTRAL", "0x00"}, {"SUBLANG_DEFAULT", "0x01"},     {"SUBLANG_SYS_DEFAULT", "0x02"},
    {"SUBLANG_ENGLISH_US", "0x01"},
};

// Accepted after STRINGTABLE and ignored, as windres does.
const char* const kMemoryFlags[] = {"DISCARDABLE", "MOVEABLE", "FIXED",     "PURE",
                                    "IMPURE",      "PRELOAD",  "LOADONCALL"};

bool SameWord(const std::string& a, const char* b) {
    std::size_t i = 0;
    for (; i < a.size() && b[i] != '\0'; ++i) {
        const char x = a[i] >= 'a' && a[i] <= 'z' ? static_cast<char>(a[i] - 32) : a[i];
        if (x != b[i]) return false;
    }
    return i == a.size() && b[i] == '\0';
}

bool IsKeyword(const RcToken& token, const char* word) {
    return token.kind == RcToken::Kind::Identifier && SameWord(token.text, word);
}

bool IsPunct(const RcToken& token, const char* text) {
    return token.kind == RcToken::Kind::Punct && token.text == text;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\f' || c == '\v'; }

std::string Trim(const std::string& text) {
    std::size_t begin = 0, end = text.size();
    while (begin < end && IsBlank(text[begin])) ++begin;
    while (end > begin && IsBlank(text[end - 1])) --end;
    return text.substr(begin, end - begin);
}

// Splits a leading name off text; the rest keeps its blanks trimmed.
std::string TakeName(std::string& text) {
    std::size_t end = 0;
    while (end < text.size() && (text[end] == '_' || (text[end] >= 'A' && text[end] <= 'Z') ||
                                 (text[end] >= 'a' && text[end] <= 'z') ||
                                 (end > 0 && text[end] >= '0' && text[end] <= '9')))
        ++end;
    std::string name = text.substr(0, end);
    text = Trim(text.substr(end));
    return name;
}

std::string DirectoryOf(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

bool IsAbsolute(const std::string& path) {
    return (!path.empty() && (path[0] == '/' || path[0] == '\\')) ||
           (path.size() > 1 && path[1] == ':');
}

bool LoadFile(const std::string& path, std::string& text) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return false;
    text.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    return !file.bad();
}

}  // namespace

struct RcStringReader::Cursor : RcTokenFeed {
    Cursor(RcStringReader& owner, std::string_view text, const std::string& sourceName,
           const std::string& sourceDirectory, int includeDepth)
        : reader(owner), lexer(text), name(sourceName), directory(sourceDirectory),
          depth(includeDepth) {}
    const RcToken& Current() const override { return token; }
    bool Advance() override { return reader.Advance(*this); }
    bool Fail(const std::string& message) override { return reader.Fail(*this, message); }

    RcStringReader& reader;
    RcLexer lexer;
    RcToken token;
    std::string name;
    std::string directory;
    int depth;
};

void RcStringReader::StartScript() {
    defines_.clear();
    for (const auto& [name, value] : kLanguageNames) defines_[name] = value;
    language_ = -1;
    utf8Source_ = false;
    error_.clear();
}

bool RcStringReader::ReadFile(const std::string& path) {
    StartScript();
    std::string text;
    if (!LoadFile(path, text)) {
        error_ = path + ": cannot be read";
        return false;
    }
    return ReadSource(text, path, DirectoryOf(path), 0);
}

bool RcStringReader::ReadText(std::string_view text, const std::string& name,
                              const std::string& directory) {
    StartScript();
    return ReadSource(text, name, directory, 0);
}

bool RcStringReader::ValueOf(const std::string& name, long& value) const {
    std::string why;
    return EvaluateRcDefine(name, defines_, value, why);
}

bool RcStringReader::Fail(const Cursor& cursor, const std::string& message) {
    error_ = cursor.name + ":" + std::to_string(cursor.token.line) + ": " + message;
    return false;
}

bool RcStringReader::ReadSource(std::string_view text, const std::string& name,
                                const std::string& directory, int depth) {
    Cursor cursor(*this, text, name, directory, depth);
    if (!cursor.Advance()) return false;
    while (cursor.token.kind != RcToken::Kind::End) {
        if (IsKeyword(cursor.token, "LANGUAGE")) {
            if (!ParseLanguage(cursor, language_)) return false;
        } else if (IsKeyword(cursor.token, "STRINGTABLE")) {
            if (!ParseStringTable(cursor)) return false;
        } else {
            return Fail(cursor, "unsupported statement '" + cursor.token.text +
                                    "' (only LANGUAGE and STRINGTABLE are read)");
        }
    }
    return true;
}

bool RcStringReader::Advance(Cursor& cursor) {
    while (true) {
        cursor.token = cursor.lexer.Next();
        if (cursor.token.kind == RcToken::Kind::Error) return Fail(cursor, cursor.token.text);
        if (cursor.token.kind != RcToken::Kind::Directive) return true;
        if (!RunDirective(cursor, cursor.token.text)) return false;
    }
}

bool RcStringReader::RunDirective(Cursor& cursor, const std::string& line) {
    std::string rest = Trim(line);
    const std::string word = TakeName(rest);
    if (word.empty() && rest.empty()) return true;  // a lone '#'
    if (word == "define") {
        const std::string name = TakeName(rest);
        if (name.empty()) return Fail(cursor, "#define without a name");
        defines_[name] = rest;
        return true;
    }
    if (word == "undef") {
        defines_.erase(TakeName(rest));
        return true;
    }
    if (word == "include") {
        if (rest.size() > 1 && rest.front() == '<' && rest.back() == '>') return true;
        if (rest.size() < 2 || rest.front() != '"' || rest.back() != '"')
            return Fail(cursor, "malformed #include");
        const std::string file = rest.substr(1, rest.size() - 2);
        const std::string path =
            IsAbsolute(file) || cursor.directory.empty() ? file : cursor.directory + "/" + file;
        if (cursor.depth + 1 >= kMaxIncludeDepth) return Fail(cursor, "includes nested too deeply");
        std::string text;
        if (!LoadFile(path, text)) return Fail(cursor, "cannot read included file " + path);
        return ReadSource(text, path, DirectoryOf(path), cursor.depth + 1);
    }
    if (word == "pragma") {
        const std::string pragma = TakeName(rest);
        if (pragma != "code_page") return true;
        if (rest.size() < 2 || rest.front() != '(' || rest.back() != ')')
            return Fail(cursor, "malformed #pragma code_page");
        utf8Source_ = Trim(rest.substr(1, rest.size() - 2)) == "65001";
        return true;
    }
    if (word == "if" || word == "ifdef" || word == "ifndef" || word == "elif" || word == "else" ||
        word == "endif")
        return Fail(cursor, "conditional directive #" + word + " (keep the file to plain definitions)");
    return Fail(cursor, "unsupported directive #" + word);
}

bool RcStringReader::ParseValue(Cursor& cursor, long& value) {
    return EvaluateRcExpression(cursor, defines_, value);
}

bool RcStringReader::ParseLanguage(Cursor& cursor, int& langId) {
    long primary = 0, sub = 0;
    if (!cursor.Advance() || !ParseValue(cursor, primary)) return false;
    if (!IsPunct(cursor.token, ",")) return Fail(cursor, "LANGUAGE needs a language and a sublanguage");
    if (!cursor.Advance() || !ParseValue(cursor, sub)) return false;
    if (primary < 0 || primary > 0x3FF || sub < 0 || sub > 0x3F)
        return Fail(cursor, "language out of range");
    langId = static_cast<int>((sub << 10) | primary);
    return true;
}

bool RcStringReader::ParseStringTable(Cursor& cursor) {
    int langId = language_;
    if (!cursor.Advance()) return false;
    while (!IsKeyword(cursor.token, "BEGIN") && !IsPunct(cursor.token, "{")) {
        if (IsKeyword(cursor.token, "LANGUAGE")) {
            if (!ParseLanguage(cursor, langId)) return false;
            continue;
        }
        bool flag = false;
        for (const char* name : kMemoryFlags) flag = flag || IsKeyword(cursor.token, name);
        if (!flag) return Fail(cursor, "unexpected '" + cursor.token.text + "' before BEGIN");
        if (!cursor.Advance()) return false;
    }
    if (langId < 0) return Fail(cursor, "STRINGTABLE without a LANGUAGE");
    if (!cursor.Advance()) return false;
    while (!IsKeyword(cursor.token, "END") && !IsPunct(cursor.token, "}")) {
        if (cursor.token.kind == RcToken::Kind::End) return Fail(cursor, "STRINGTABLE without END");
        if (!ParseEntry(cursor, langId)) return false;
    }
    return cursor.Advance();
}

bool RcStringReader::ParseEntry(Cursor& cursor, int langId) {
    const std::string origin = cursor.name + ":" + std::to_string(cursor.token.line);
    long id = 0;
    if (!ParseValue(cursor, id)) return false;
    if (id < 0 || id > 0xFFFF) return Fail(cursor, "string id " + std::to_string(id) + " out of range");
    if (IsPunct(cursor.token, ",") && !cursor.Advance()) return false;
    if (cursor.token.kind != RcToken::Kind::String)
        return Fail(cursor, "expected the text of string " + std::to_string(id));
    std::wstring text;
    while (cursor.token.kind == RcToken::Kind::String) {
        std::string why;
        if (!DecodeRcLiteral(cursor.token.text, cursor.token.wide, utf8Source_, text, why))
            return Fail(cursor, why);
        if (!cursor.Advance()) return false;
    }
    // windres leaves an empty entry out, so the id would be missing in one build only.
    if (text.empty()) {
        error_ = origin + ": string " + std::to_string(id) + " is empty";
        return false;
    }
    for (const RcString& known : strings_) {
        if (known.langId == langId && known.id == id) {
            error_ = origin + ": string " + std::to_string(id) + " of language " +
                     std::to_string(langId) + " is already defined at " + known.origin;
            return false;
        }
    }
    strings_.push_back({static_cast<unsigned short>(langId), static_cast<unsigned short>(id),
                        std::move(text), origin});
    return true;
}

}  // namespace rcstrings
