// Fixed storage for a CASCIIBuffer: DataSize data bytes and room for FieldLimit fields.
#pragma once

#include "runtime/ASCIIBuffer.h"

// Storage of a CASCIIBufferTempl; a separate base so that it exists before the logic points at it.
template <uint32_t DataSize, uint32_t FieldLimit>
struct CASCIIBufferStorage
{
    uint32_t fieldOffsets[FieldLimit];
    uint32_t terminatorPositions[FieldLimit + 1];
    uint8_t savedBytes[FieldLimit + 1];
    uint8_t data[DataSize + 1];
};

template <uint32_t DataSize, uint32_t FieldLimit>
class CASCIIBufferTempl : private CASCIIBufferStorage<DataSize, FieldLimit>, public CASCIIBuffer
{
    using Storage = CASCIIBufferStorage<DataSize, FieldLimit>;

public:
    CASCIIBufferTempl()
        : Storage{}, CASCIIBuffer(DataSize, FieldLimit, Storage::fieldOffsets, Storage::terminatorPositions,
                                  Storage::savedBytes, Storage::data)
    {
    }
};
