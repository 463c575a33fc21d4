// Seam through which protocol code shows a message to the user (message box, console line).
#pragma once

#include <string>

class CUserPrompt
{
public:
    virtual void ShowMessage(const std::wstring& text) = 0;

protected:
    ~CUserPrompt() = default;
};
