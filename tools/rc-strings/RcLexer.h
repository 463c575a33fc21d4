// Tokens of a resource script: names, numbers, string literals, punctuation and whole
// preprocessor lines, with comments and line splices taken out.
#pragma once

#include <string>
#include <string_view>

namespace rcstrings {

struct RcToken {
    enum class Kind { End, Identifier, Number, String, Punct, Directive, Error };
    Kind kind = Kind::End;
    std::string text;         // name, punctuation, directive line after '#', raw string body, or error
    unsigned long number = 0; // Number
    bool wide = false;        // String with the L prefix
    int line = 0;             // where the token starts
};

class RcLexer {
public:
    explicit RcLexer(std::string_view source);

    // The next token; Kind::End at the end of the source, Kind::Error (message in text)
    // at anything that cannot start a token.
    RcToken Next();

private:
    bool SkipBlanksAndComments(std::string& error);
    RcToken ReadDirective();
    RcToken ReadNumber();
    RcToken ReadString(bool wide);
    bool StartsLineSplice(std::size_t at) const;
    void SkipLineSplice();

    std::string_view src_;
    std::size_t pos_ = 0;
    int line_ = 1;
    bool atLineStart_ = true;
};

}  // namespace rcstrings
