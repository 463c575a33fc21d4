// Owned byte buffer of a given size.
#pragma once

#include <cstddef>

#include "runtime/TObject.h"

class TBuffer : public TObject {
public:
    explicit TBuffer(std::size_t size);
    ~TBuffer() override;

    // Keeps the contents up to the smaller size; on failure (error 14) the old storage stays.
    bool Resize(std::size_t size);

    unsigned char* Data() { return m_data; }
    const unsigned char* Data() const { return m_data; }
    std::size_t Size() const { return m_size; }

private:
    unsigned char* m_data = nullptr;
    std::size_t m_size = 0;
};
