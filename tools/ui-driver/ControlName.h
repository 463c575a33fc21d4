// How a script names a control of the current window:
//   1003           the child with id 1003 of the current window (GetDlgItem)
//   page:1204      id 1204 in the shown child dialog of the current window (the selected tab
//                  page); pages reuse ids of their main window, so they must be asked for
//   1148@Edit      the first descendant with id 1148 and window class Edit (class names compare
//                  without regard to case); combines with page:
//   window         the current window itself
#pragma once

#include <string>

struct CControlName
{
    bool isWindow = false;
    bool inPage = false;
    int id = 0;
    std::string className; // empty: a direct child, by id alone

    std::string Describe() const;
};

// Throws CScriptError for anything else (the id is a decimal number 0..65535).
CControlName ParseControlName(const std::string& text);
