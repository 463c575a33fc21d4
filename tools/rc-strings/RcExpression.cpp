// Numeric expressions of resource scripts (ids, languages): numbers and defined names
// joined with + - | and parentheses, as the preprocessor would expand them.
#include "tools/rc-strings/RcExpression.h"

namespace rcstrings {
namespace {

// Deeper chains of definitions are taken for a definition that refers to itself.
constexpr int kMaxNesting = 32;

bool IsPunct(const RcToken& token, const char* text) {
    return token.kind == RcToken::Kind::Punct && token.text == text;
}

// Tokens of a definition's body.
class BodyFeed : public RcTokenFeed {
public:
    explicit BodyFeed(const std::string& body) : lexer_(body) {}
    const RcToken& Current() const override { return token_; }
    bool Advance() override {
        token_ = lexer_.Next();
        if (token_.kind == RcToken::Kind::Error) return Fail(token_.text);
        return true;
    }
    bool Fail(const std::string& message) override {
        if (why.empty()) why = message;
        return false;
    }
    std::string why;

private:
    RcLexer lexer_;
    RcToken token_;
};

bool Expression(RcTokenFeed& feed, const RcDefines& defines, int nesting, long& value);

bool Define(const std::string& name, const RcDefines& defines, int nesting, long& value,
            std::string& why) {
    const auto found = defines.find(name);
    if (found == defines.end()) {
        why = "undefined name " + name;
        return false;
    }
    if (nesting >= kMaxNesting) {
        why = "definition of " + name + " refers to itself";
        return false;
    }
    BodyFeed body(found->second);
    if (!body.Advance() || !Expression(body, defines, nesting + 1, value)) {
        why = name + ": " + body.why;
        return false;
    }
    if (body.Current().kind != RcToken::Kind::End) {
        why = name + " is not a number";
        return false;
    }
    return true;
}

bool Term(RcTokenFeed& feed, const RcDefines& defines, int nesting, long& value) {
    const RcToken& token = feed.Current();
    if (token.kind == RcToken::Kind::Number) {
        value = static_cast<long>(token.number);
        return feed.Advance();
    }
    if (token.kind == RcToken::Kind::Identifier) {
        std::string why;
        if (!Define(token.text, defines, nesting, value, why)) return feed.Fail(why);
        return feed.Advance();
    }
    if (IsPunct(token, "(")) {
        if (!feed.Advance() || !Expression(feed, defines, nesting, value)) return false;
        if (!IsPunct(feed.Current(), ")")) return feed.Fail("missing ')'");
        return feed.Advance();
    }
    if (IsPunct(token, "-") || IsPunct(token, "~")) {
        const bool negate = token.text == "-";
        if (!feed.Advance() || !Term(feed, defines, nesting, value)) return false;
        value = negate ? -value : ~value;
        return true;
    }
    return feed.Fail("expected a number or a defined name");
}

bool Expression(RcTokenFeed& feed, const RcDefines& defines, int nesting, long& value) {
    if (!Term(feed, defines, nesting, value)) return false;
    while (IsPunct(feed.Current(), "+") || IsPunct(feed.Current(), "-") ||
           IsPunct(feed.Current(), "|")) {
        const char op = feed.Current().text[0];
        long right = 0;
        if (!feed.Advance() || !Term(feed, defines, nesting, right)) return false;
        value = op == '+' ? value + right : op == '-' ? value - right : (value | right);
    }
    return true;
}

}  // namespace

bool EvaluateRcExpression(RcTokenFeed& feed, const RcDefines& defines, long& value) {
    return Expression(feed, defines, 0, value);
}

bool EvaluateRcDefine(const std::string& name, const RcDefines& defines, long& value,
                      std::string& why) {
    return Define(name, defines, 0, value, why);
}

}  // namespace rcstrings
