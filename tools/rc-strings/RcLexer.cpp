// Tokens of a resource script: names, numbers, string literals, punctuation and whole
// preprocessor lines, with comments and line splices taken out.
#include "tools/rc-strings/RcLexer.h"

namespace rcstrings {
namespace {

bool IsNameStart(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsNameChar(char c) { return IsNameStart(c) || IsDigit(c); }

RcToken ErrorToken(std::string message, int line) {
    RcToken token;
    token.kind = RcToken::Kind::Error;
    token.text = std::move(message);
    token.line = line;
    return token;
}

}  // namespace

RcLexer::RcLexer(std::string_view source) : src_(source) {
    // A byte-order mark is not part of the script.
    if (src_.substr(0, 3) == "\xEF\xBB\xBF") pos_ = 3;
}

bool RcLexer::StartsLineSplice(std::size_t at) const {
    if (at >= src_.size() || src_[at] != '\\') return false;
    if (at + 1 < src_.size() && src_[at + 1] == '\n') return true;
    return at + 2 < src_.size() && src_[at + 1] == '\r' && src_[at + 2] == '\n';
}

void RcLexer::SkipLineSplice() {
    pos_ += src_[pos_ + 1] == '\r' ? 3 : 2;
    ++line_;
}

bool RcLexer::SkipBlanksAndComments(std::string& error) {
    while (pos_ < src_.size()) {
        const char c = src_[pos_];
        if (c == '\n') {
            ++line_;
            ++pos_;
            atLineStart_ = true;
        } else if (c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v') {
            ++pos_;
        } else if (StartsLineSplice(pos_)) {
            SkipLineSplice();
        } else if (src_.compare(pos_, 2, "//") == 0) {
            while (pos_ < src_.size() && src_[pos_] != '\n') ++pos_;
        } else if (src_.compare(pos_, 2, "/*") == 0) {
            const std::size_t end = src_.find("*/", pos_ + 2);
            if (end == std::string_view::npos) {
                error = "unterminated comment";
                return false;
            }
            for (std::size_t i = pos_; i < end; ++i)
                if (src_[i] == '\n') ++line_;
            pos_ = end + 2;
        } else {
            return true;
        }
    }
    return true;
}

RcToken RcLexer::Next() {
    std::string error;
    if (!SkipBlanksAndComments(error)) return ErrorToken(error, line_);
    RcToken token;
    token.line = line_;
    if (pos_ >= src_.size()) return token;

    const char c = src_[pos_];
    if (c == '#' && atLineStart_) return ReadDirective();
    atLineStart_ = false;
    if (c == 'L' && pos_ + 1 < src_.size() && src_[pos_ + 1] == '"') {
        ++pos_;
        return ReadString(true);
    }
    if (c == '"') return ReadString(false);
    if (IsDigit(c)) return ReadNumber();
    if (IsNameStart(c)) {
        const std::size_t start = pos_;
        while (pos_ < src_.size() && IsNameChar(src_[pos_])) ++pos_;
        token.kind = RcToken::Kind::Identifier;
        token.text = std::string(src_.substr(start, pos_ - start));
        return token;
    }
    if (std::string_view(",(){}+-|~").find(c) != std::string_view::npos) {
        ++pos_;
        token.kind = RcToken::Kind::Punct;
        token.text = std::string(1, c);
        return token;
    }
    return ErrorToken(std::string("unexpected character '") + c + "'", line_);
}

RcToken RcLexer::ReadDirective() {
    RcToken token;
    token.kind = RcToken::Kind::Directive;
    token.line = line_;
    ++pos_;  // '#'
    while (pos_ < src_.size() && src_[pos_] != '\n') {
        if (StartsLineSplice(pos_)) {
            SkipLineSplice();
        } else if (src_.compare(pos_, 2, "//") == 0) {
            while (pos_ < src_.size() && src_[pos_] != '\n') ++pos_;
        } else if (src_.compare(pos_, 2, "/*") == 0) {
            const std::size_t end = src_.find("*/", pos_ + 2);
            if (end == std::string_view::npos) return ErrorToken("unterminated comment", line_);
            for (std::size_t i = pos_; i < end; ++i)
                if (src_[i] == '\n') ++line_;
            pos_ = end + 2;
            token.text.push_back(' ');
        } else {
            if (src_[pos_] != '\r') token.text.push_back(src_[pos_]);
            ++pos_;
        }
    }
    return token;
}

RcToken RcLexer::ReadNumber() {
    RcToken token;
    token.kind = RcToken::Kind::Number;
    token.line = line_;
    const std::size_t start = pos_;
    while (pos_ < src_.size() && IsNameChar(src_[pos_])) ++pos_;
    std::string_view digits = src_.substr(start, pos_ - start);
    token.text = std::string(digits);
    // Integer suffixes carry no meaning for resource ids.
    while (!digits.empty() && (digits.back() == 'L' || digits.back() == 'l' ||
                               digits.back() == 'U' || digits.back() == 'u'))
        digits.remove_suffix(1);
    unsigned base = 10;
    if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
        base = 16;
        digits.remove_prefix(2);
    }
    if (digits.empty()) return ErrorToken("malformed number " + token.text, token.line);
    for (const char d : digits) {
        unsigned value;
        if (IsDigit(d)) value = static_cast<unsigned>(d - '0');
        else if (base == 16 && d >= 'a' && d <= 'f') value = static_cast<unsigned>(d - 'a' + 10);
        else if (base == 16 && d >= 'A' && d <= 'F') value = static_cast<unsigned>(d - 'A' + 10);
        else return ErrorToken("malformed number " + token.text, token.line);
        if (token.number > 0xFFFFFFFFUL / base) return ErrorToken("number too large: " + token.text, token.line);
        token.number = token.number * base + value;
    }
    return token;
}

RcToken RcLexer::ReadString(bool wide) {
    RcToken token;
    token.kind = RcToken::Kind::String;
    token.wide = wide;
    token.line = line_;
    const std::size_t start = ++pos_;  // after the opening quote
    while (true) {
        if (pos_ >= src_.size() || src_[pos_] == '\n')
            return ErrorToken("unterminated string", token.line);
        const char c = src_[pos_];
        if (StartsLineSplice(pos_)) {
            SkipLineSplice();
        } else if (c == '\\') {
            pos_ += 2;  // the escaped character never ends the literal
        } else if (c == '"') {
            if (pos_ + 1 < src_.size() && src_[pos_ + 1] == '"') {
                pos_ += 2;
            } else {
                token.text = std::string(src_.substr(start, pos_ - start));
                ++pos_;
                return token;
            }
        } else {
            ++pos_;
        }
    }
}

}  // namespace rcstrings
