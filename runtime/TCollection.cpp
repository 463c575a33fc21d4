// Ordered pointer list.
#include "runtime/TCollection.h"

#include <cstdlib>
#include <cstring>

namespace {
constexpr int kDefaultStep = 32;
}

TCollection::TCollection(int capacity, int step)
    : m_step(step > 0 ? step : kDefaultStep)
{
    if (!SetCapacity(capacity > 0 ? capacity : kDefaultStep))
        MarkFailed(errc::kOutOfMemory);
}

TCollection::~TCollection() { std::free(m_entries); }

bool TCollection::SetCapacity(int capacity)
{
    void* grown = std::realloc(m_entries, sizeof(void*) * static_cast<std::size_t>(capacity));
    if (!grown)
        return false;
    m_entries = static_cast<void**>(grown);
    if (capacity > m_capacity)
        std::memset(m_entries + m_capacity, 0, sizeof(void*) * static_cast<std::size_t>(capacity - m_capacity));
    m_capacity = capacity;
    return true;
}

int TCollection::InsertAt(void* entry, int index)
{
    if (!m_entries)
        return -1;
    if (index < 0) {
        Fail(errc::kInvalidParameter);
        return -1;
    }
    if (index > m_count)
        index = m_count;
    if (m_count == m_capacity && !SetCapacity(m_capacity + m_step)) {
        Fail(errc::kOutOfMemory);
        return -1;
    }
    std::memmove(m_entries + index + 1, m_entries + index, sizeof(void*) * static_cast<std::size_t>(m_count - index));
    m_entries[index] = entry;
    ++m_count;
    return index;
}

int TCollection::RemoveAt(int index)
{
    if (!m_entries)
        return -1;
    if (m_count == 0) {
        Fail(errc::kNotFound);
        return -1;
    }
    if (index == -1)
        index = m_count - 1;
    if (index < 0 || index >= m_count) {
        Fail(errc::kInvalidParameter);
        return -1;
    }
    --m_count;
    std::memmove(m_entries + index, m_entries + index + 1, sizeof(void*) * static_cast<std::size_t>(m_count - index));
    m_entries[m_count] = nullptr;
    // A failed shrink keeps the larger array, which is still correct.
    if (m_count < m_capacity - 2 * m_step)
        SetCapacity(m_capacity - m_step);
    return index;
}

int TCollection::IndexOf(const void* entry)
{
    if (!m_entries)
        return -1;
    SetError(0);
    for (int i = 0; i < m_count; ++i) {
        if (m_entries[i] == entry)
            return i;
    }
    Fail(errc::kNotFound);
    return -1;
}
