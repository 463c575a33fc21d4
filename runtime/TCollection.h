// Ordered array of pointer-sized entries that grows and shrinks in fixed steps.
#pragma once

#include "runtime/TObject.h"

class TCollection : public TObject {
public:
    // Capacity and step of 0 or less mean 32.
    explicit TCollection(int capacity = 0, int step = 0);
    ~TCollection() override;

    // All three return the index concerned, or -1 with the cause in the error code.
    int InsertAt(void* entry, int index);
    int Append(void* entry) { return InsertAt(entry, Count()); }
    int RemoveAt(int index);  // -1 removes the last entry
    int IndexOf(const void* entry);

    int Count() const { return m_count; }
    int Capacity() const { return m_capacity; }
    void* At(int index) const { return index >= 0 && index < m_count ? m_entries[index] : nullptr; }

private:
    bool SetCapacity(int capacity);

    void** m_entries = nullptr;
    int m_count = 0;
    int m_capacity = 0;
    int m_step = 0;
};
