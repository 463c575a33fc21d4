// Heap copy of a wide string that may be null; assigning frees the old copy first.
#pragma once

#include <cstddef>

class TOwnedWString {
public:
    TOwnedWString() = default;
    TOwnedWString(const TOwnedWString&) = delete;
    TOwnedWString& operator=(const TOwnedWString&) = delete;
    ~TOwnedWString();

    // Both return false when the copy cannot be allocated: Assign then leaves the string null,
    // Append keeps the old text.
    bool Assign(const wchar_t* text);
    bool Append(const wchar_t* text);

    const wchar_t* Get() const { return m_text; }
    bool IsNull() const { return m_text == nullptr; }
    std::size_t Length() const;

private:
    wchar_t* m_text = nullptr;
};
