// Intrusive reference count of the application's non-window objects; deletes itself at zero.
#pragma once

#include <atomic>
#include <cstdint>
#include <type_traits>

class CRefCount {
public:
    CRefCount() = default;
    CRefCount(const CRefCount&) = delete;
    CRefCount& operator=(const CRefCount&) = delete;
    virtual ~CRefCount() = default;

    // Both return the count after the change; Release deletes the object when it reaches 0.
    std::int32_t AddRef() { return m_refCount.fetch_add(1) + 1; }
    std::int32_t Release()
    {
        const std::int32_t left = m_refCount.fetch_sub(1) - 1;
        if (left == 0)
            delete this;
        return left;
    }
    std::int32_t RefCount() const { return m_refCount.load(); }

private:
    std::atomic<std::int32_t> m_refCount{0};
};

// Gives back one counted reference. A CRefCount deletes itself at zero; a TObject's
// Release only says whether it was the last, and then the one giving it back deletes it.
template <class T>
void ReleaseCounted(T* p)
{
    if constexpr (std::is_same_v<decltype(p->Release()), bool>) {
        if (p->Release())
            delete p;
    } else {
        p->Release();
    }
}

// Holder of one counted reference to a counted object (a CRefCount or TObject descendant).
template <class T>
class CRefPtr {
public:
    CRefPtr() = default;
    CRefPtr(T* p) : m_p(p) { if (m_p) m_p->AddRef(); }
    CRefPtr(const CRefPtr& o) : CRefPtr(o.m_p) {}
    CRefPtr(CRefPtr&& o) noexcept : m_p(o.m_p) { o.m_p = nullptr; }
    ~CRefPtr() { Reset(); }
    CRefPtr& operator=(CRefPtr o) noexcept
    {
        T* old = m_p;
        m_p = o.m_p;
        o.m_p = old;
        return *this;
    }
    void Reset()
    {
        T* old = m_p;
        m_p = nullptr;
        if (old)
            ReleaseCounted(old);
    }
    T* Get() const { return m_p; }
    T* operator->() const { return m_p; }
    T& operator*() const { return *m_p; }
    explicit operator bool() const { return m_p != nullptr; }

private:
    T* m_p = nullptr;
};
