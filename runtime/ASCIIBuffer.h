// Receive buffer of every byte channel: line access, in-place field tokenizer and byte access.
#pragma once

#include <cstdint>

// One reply form a line consumer looks for. The keyword is compared at the start of a record; the
// separators text gives the character that ends each field (the first field uses the first
// character, later fields the following ones, the last character once the text runs out).
struct CKeywordEntry
{
    const char* keyword;
    const char* separators;
    uint32_t minFields;
    uint32_t maxFields;
    bool line; // the record ends at the end of its line rather than at the end of the data
};

// The buffer logic over storage supplied by CASCIIBufferTempl. Tokenizing writes 0 terminators into
// the data; each is remembered with the byte it replaced and put back by RestoreTerminators, which
// every scanning operation performs first, so no received byte is lost to a match.
// "Points" are addresses inside the data, as returned by GetLine or computed from Data().
class CASCIIBuffer
{
public:
    enum ELineStatus { LineNone = 0, LinePartial = 1, LineComplete = 2 };

    CASCIIBuffer(const CASCIIBuffer&) = delete;
    CASCIIBuffer& operator=(const CASCIIBuffer&) = delete;

    void Clear();
    // Accounts n bytes written at Data() + Length(); n is limited to the free space.
    void Commit(uint32_t n);

    // The current line as a 0-terminated text (the line end is replaced while it is current).
    char* GetLine(int& status, bool skipBlanks);
    // Past the current line and its line ends (0 when it is not complete), or to a point (-1 when
    // the point lies outside the unread region).
    int SkipLine(const void* point = nullptr);
    void RestoreTerminators();
    // Drops the bytes before the read position, putting back any replaced byte first.
    void Compact();
    // Cuts the data at a point of the unread region; -1 when it lies outside.
    int TruncateAt(const void* point);

    // -1 invalid entry or points, 0 no match (or the line is not complete yet), 1 match.
    int MatchRecord(const CKeywordEntry& entry, const void* start = nullptr, const void* stop = nullptr);
    const char* FieldText(uint32_t k) const;
    int32_t FieldInt(uint32_t k) const;
    uint32_t FieldHex(uint32_t k) const;
    uint32_t FieldCount() const { return m_fieldCount; }

    // Direct access: channels receive into Data() + Length() (FreeSpace() bytes), the sensor
    // session reads bytes from Data() + ReadPosition().
    uint8_t* Data() { return m_data; }
    const uint8_t* Data() const { return m_data; }
    uint32_t Length() const { return m_length; }
    uint32_t ReadPosition() const { return m_readPosition; }
    uint32_t Capacity() const { return m_capacity; }
    uint32_t FreeSpace() const { return m_capacity - m_length; }
    uint32_t RecordPosition() const { return m_recordPosition; }

protected:
    CASCIIBuffer(uint32_t capacity, uint32_t fieldLimit, uint32_t* fieldOffsets,
                 uint32_t* terminatorPositions, uint8_t* savedBytes, uint8_t* data);
    ~CASCIIBuffer() = default;

private:
    void RecordTerminator(uint32_t position);
    // Offset of a point, or -1 when it lies outside [read position, length].
    int64_t UnreadOffset(const void* point) const;
    uint32_t SkipBlanks(uint32_t i) const;
    // First line end at or after i, or the length when there is none.
    uint32_t FindLineEnd(uint32_t i) const;

    uint32_t m_capacity;
    uint32_t m_length = 0;
    uint32_t m_readPosition = 0;
    uint32_t m_recordPosition = 0;
    uint32_t m_fieldCount = 0;
    uint32_t m_terminatorCount = 0;
    uint32_t m_fieldLimit;
    uint32_t* m_fieldOffsets;
    uint32_t* m_terminatorPositions;
    uint8_t* m_savedBytes;
    uint8_t* m_data;
};
