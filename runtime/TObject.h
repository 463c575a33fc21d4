// Root of the runtime library classes: owned name, error code, ok flag and reference count.
#pragma once

#include <atomic>
#include <cstdint>

#include "runtime/ErrorCodes.h"
#include "runtime/OwnedWString.h"
#include "runtime/RefCount.h"

class TObject {
public:
    explicit TObject(const wchar_t* name = nullptr);
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    virtual ~TObject() = default;

    // True when the count is now above 0.
    virtual bool AddRef();
    // True when the count is now 0 or below; the caller then deletes the object.
    virtual bool Release();

    bool IsOk() const { return m_ok != 0; }
    TErrorCode GetError() const { return m_error; }
    void SetError(TErrorCode code) { m_error = code; }
    const wchar_t* GetName() const { return m_name.Get(); }
    std::int32_t RefCount() const { return m_refCount.load(); }

    // Takes over a member's failure: true when the member is ok; a null member counts as error 14.
    bool AdoptStatus(const TObject* member);

protected:
    // Records a failed construction step: the error code, and the ok flag cleared.
    void MarkFailed(TErrorCode code);
    // Stores the error code and returns false, the usual ending of a failed operation.
    bool Fail(TErrorCode code);
    // Replaces the name; false (error 14) when the copy cannot be allocated.
    bool SetName(const wchar_t* name);

private:
    TOwnedWString m_name;
    TErrorCode m_error = 0;
    std::uint32_t m_ok = 1;
    std::atomic<std::int32_t> m_refCount{0};
};

// Holder of one counted reference to a TObject descendant; dropping the last one deletes it.
template <class T>
using TRef = CRefPtr<T>;
