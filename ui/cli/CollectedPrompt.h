// What the session would show in a message box, gathered as one console line for the end of a
// command, and lent to the session only while that command runs.
#pragma once

#include <string>

#include "protocol/KivraProcessor.h"
#include "protocol/UserPrompt.h"
#include "ui/cli/MessageLine.h"

class CCollectedPrompt : public CUserPrompt
{
public:
    void ShowMessage(const std::wstring& text) override
    {
        message += (message.empty() ? L"" : L" ") + MessageLine(text);
    }
    std::wstring message;
};

// The session must not keep a pointer to the prompt once the command is over.
class CPromptLoan
{
public:
    CPromptLoan(CKivraProcessor& session, CUserPrompt& prompt) : m_session(session) { session.SetUserPrompt(&prompt); }
    ~CPromptLoan() { m_session.SetUserPrompt(nullptr); }
    CPromptLoan(const CPromptLoan&) = delete;
    CPromptLoan& operator=(const CPromptLoan&) = delete;

private:
    CKivraProcessor& m_session;
};
