// What a query command found, and how it is printed and compared.
#pragma once

#include <string>
#include <vector>

struct CQueryValue
{
    enum EKind { Text, Number, List };

    EKind kind = Text;
    std::string text;               // Text, and Number in decimal
    std::vector<std::string> items; // List

    static CQueryValue OfText(const std::string& text);
    static CQueryValue OfNumber(long number);
    static CQueryValue OfList(const std::vector<std::string>& items);

    // As printed after "ok": a text quoted, a number bare, a list as its quoted items separated
    // by blanks.
    std::string Display() const;
    // As an expectation compares it: a text or number itself, a list as displayed.
    std::string Compared() const;
};
