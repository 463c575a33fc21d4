// The record a starting worker thread and its creator share during the start handshake.
#pragma once

#include <windows.h>

#include "runtime/TObject.h"

class TThread;

class TThreadStartData : public TObject {
public:
    explicit TThreadStartData(TThread* owner);
    ~TThreadStartData() override;

    TThread* Owner() const { return m_owner; }
    // Set by the worker once its events exist and its start hook ran (or failed).
    HANDLE StartedEvent() const { return m_started; }
    // Set by the creator once it has done its bookkeeping; the worker then enters its loop.
    HANDLE GoEvent() const { return m_go; }
    void CloseStarted();
    // The worker closes the go event after waiting on it; the record no longer owns it.
    void HandOverGo() { m_go = nullptr; }

    bool Failed() const { return m_failed != 0; }
    void SetFailed() { m_failed = 1; }

    // The creator's locale for the worker to adopt; none in the plain record.
    virtual LCID ThreadLocale() const { return 0; }
    virtual const wchar_t* LocaleName() const { return L""; }

private:
    TThread* m_owner;
    HANDLE m_started = nullptr;
    HANDLE m_go = nullptr;
    volatile LONG m_failed = 0;
};

// Adds the creator's locale, so that the worker formats and converts text like its creator.
class TThreadStartDataExt : public TThreadStartData {
public:
    explicit TThreadStartDataExt(TThread* owner);

    LCID ThreadLocale() const override { return m_locale; }
    // Empty when the run-time library did not report one.
    const wchar_t* LocaleName() const override { return m_localeName; }

private:
    LCID m_locale;
    wchar_t m_localeName[128] = {};
};
