// Owned byte buffer.
#include "runtime/TBuffer.h"

#include <cstdlib>

TBuffer::TBuffer(std::size_t size)
{
    if (size == 0)
        return;
    m_data = static_cast<unsigned char*>(std::malloc(size));
    if (!m_data) {
        MarkFailed(errc::kOutOfMemory);
        return;
    }
    m_size = size;
}

TBuffer::~TBuffer() { std::free(m_data); }

bool TBuffer::Resize(std::size_t size)
{
    if (size == m_size)
        return true;
    if (size == 0) {
        std::free(m_data);
        m_data = nullptr;
        m_size = 0;
        return true;
    }
    void* grown = std::realloc(m_data, size);
    if (!grown)
        return Fail(errc::kOutOfMemory);
    m_data = static_cast<unsigned char*>(grown);
    m_size = size;
    return true;
}
