// Line access, field tokenizer and byte bookkeeping of the receive buffer.
#include "runtime/ASCIIBuffer.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

bool IsBlank(uint8_t c) { return c <= 0x20; }
bool IsLineEnd(uint8_t c) { return c == '\r' || c == '\n'; }
bool IsDecimalStart(char c) { return (c >= '0' && c <= '9') || c == '-'; }
bool IsHexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

} // namespace

CASCIIBuffer::CASCIIBuffer(uint32_t capacity, uint32_t fieldLimit, uint32_t* fieldOffsets,
                           uint32_t* terminatorPositions, uint8_t* savedBytes, uint8_t* data)
    : m_capacity(capacity), m_fieldLimit(fieldLimit), m_fieldOffsets(fieldOffsets),
      m_terminatorPositions(terminatorPositions), m_savedBytes(savedBytes), m_data(data)
{
    Clear();
}

void CASCIIBuffer::Clear()
{
    m_length = 0;
    m_readPosition = 0;
    m_recordPosition = 0;
    m_fieldCount = 0;
    m_terminatorCount = 0;
    m_data[0] = 0;
}

void CASCIIBuffer::Commit(uint32_t n)
{
    m_length += std::min(n, m_capacity - m_length);
    m_data[m_length] = 0;
    m_recordPosition = m_length;
}

void CASCIIBuffer::RecordTerminator(uint32_t position)
{
    m_terminatorPositions[m_terminatorCount] = position;
    m_savedBytes[m_terminatorCount] = m_data[position];
    ++m_terminatorCount;
    m_data[position] = 0;
}

void CASCIIBuffer::RestoreTerminators()
{
    for (uint32_t t = 0; t < m_terminatorCount; ++t)
        m_data[m_terminatorPositions[t]] = m_savedBytes[t];
    m_fieldCount = 0;
    m_terminatorCount = 0;
    m_recordPosition = m_length;
}

int64_t CASCIIBuffer::UnreadOffset(const void* point) const
{
    const auto address = reinterpret_cast<uintptr_t>(point);
    const auto begin = reinterpret_cast<uintptr_t>(m_data);
    if (address < begin + m_readPosition || address > begin + m_length)
        return -1;
    return static_cast<int64_t>(address - begin);
}

uint32_t CASCIIBuffer::SkipBlanks(uint32_t i) const
{
    while (i < m_length && IsBlank(m_data[i]) && !IsLineEnd(m_data[i]))
        ++i;
    return i;
}

uint32_t CASCIIBuffer::FindLineEnd(uint32_t i) const
{
    while (i < m_length && !IsLineEnd(m_data[i]))
        ++i;
    return i;
}

char* CASCIIBuffer::GetLine(int& status, bool skipBlanks)
{
    status = LineNone;
    RestoreTerminators();
    uint32_t i = skipBlanks ? SkipBlanks(m_readPosition) : m_readPosition;
    const uint32_t j = FindLineEnd(i);
    if (j < m_length) {
        status = LineComplete;
        RecordTerminator(j);
    } else if (i < m_length) {
        status = LinePartial;
    }
    return reinterpret_cast<char*>(m_data + i);
}

int CASCIIBuffer::SkipLine(const void* point)
{
    RestoreTerminators();
    uint32_t i = m_readPosition;
    if (point) {
        const int64_t offset = UnreadOffset(point);
        if (offset < 0)
            return -1;
        i = static_cast<uint32_t>(offset);
    } else {
        i = FindLineEnd(i);
        if (i >= m_length)
            return 0;
        while (i < m_length && IsLineEnd(m_data[i]))
            ++i;
    }
    m_readPosition = i;
    return 1;
}

void CASCIIBuffer::Compact()
{
    // Terminators are remembered by offset: moving the data under them would leave a 0 in place
    // of a received byte and later write that byte back at a stale offset.
    RestoreTerminators();
    if (m_readPosition != 0) {
        if (m_readPosition < m_length) {
            std::memmove(m_data, m_data + m_readPosition, m_length - m_readPosition);
            m_length -= m_readPosition;
        } else {
            m_length = 0;
        }
    }
    m_readPosition = 0;
    m_data[m_length] = 0;
    m_recordPosition = m_length;
}

int CASCIIBuffer::TruncateAt(const void* point)
{
    RestoreTerminators();
    const int64_t offset = UnreadOffset(point);
    if (offset < 0)
        return -1;
    m_length = static_cast<uint32_t>(offset);
    m_data[m_length] = 0;
    m_recordPosition = m_length;
    return 1;
}

int CASCIIBuffer::MatchRecord(const CKeywordEntry& entry, const void* start, const void* stop)
{
    if (!entry.keyword || !entry.separators || entry.minFields > m_fieldLimit ||
        (entry.maxFields > m_fieldLimit && !entry.line) || entry.maxFields < entry.minFields ||
        (entry.separators[0] == 0 && entry.maxFields >= 2))
        return -1;

    RestoreTerminators();
    const uint32_t i = SkipBlanks(m_readPosition);
    uint32_t e = m_length;
    if (entry.line) {
        e = FindLineEnd(i);
        if (e >= m_length)
            return 0;
    }
    if (e <= i)
        return 0;

    // Points must lie in the unread data; a start or stop elsewhere would let the scan run
    // outside the buffer.
    int64_t s = i;
    int64_t l = e;
    if (start && (s = UnreadOffset(start)) < 0)
        return -1;
    if (entry.line && stop && (l = UnreadOffset(stop)) < 0)
        return -1;
    if (!(s < l && s < e && i < l))
        return -1;

    const size_t keywordLength = std::strlen(entry.keyword);
    if (keywordLength && std::strncmp(reinterpret_cast<const char*>(m_data + s), entry.keyword, keywordLength) != 0)
        return 0;

    m_recordPosition = static_cast<uint32_t>(s);
    const uint32_t m = std::min(entry.maxFields, m_fieldLimit);
    const uint32_t required = entry.line ? entry.minFields : m;
    const size_t separatorCount = std::strlen(entry.separators);
    const uint32_t limit = static_cast<uint32_t>(l);

    uint32_t p = static_cast<uint32_t>(s + keywordLength);
    while (p < limit) {
        uint32_t f = p;
        uint32_t j;
        if (separatorCount == 0 || m_fieldCount + 1 >= m) {
            j = limit;
            p = limit;
        } else {
            const uint8_t separator =
                entry.separators[std::min<size_t>(m_terminatorCount, separatorCount - 1)];
            j = p;
            while (j < limit && !IsLineEnd(m_data[j]) && m_data[j] != separator)
                ++j;
            p = (j < limit && m_data[j] == separator) ? j + 1 : limit;
        }
        if (entry.line || p < limit) {
            while (f < j && IsBlank(m_data[f]))
                ++f;
            while (j > f && IsBlank(m_data[j - 1]))
                --j;
            if (m_data[j] != 0)
                RecordTerminator(j);
        }
        if (m_fieldCount < m)
            m_fieldOffsets[m_fieldCount++] = f;
    }
    if (m_data[limit] != 0)
        RecordTerminator(limit);

    if (m_fieldCount >= required)
        return 1;
    RestoreTerminators();
    return 0;
}

const char* CASCIIBuffer::FieldText(uint32_t k) const
{
    return k < m_fieldCount ? reinterpret_cast<const char*>(m_data + m_fieldOffsets[k]) : "";
}

int32_t CASCIIBuffer::FieldInt(uint32_t k) const
{
    const char* text = FieldText(k);
    while (*text && !IsDecimalStart(*text))
        ++text;
    // Clamped rather than wrapped: an over-long number must not turn into an unrelated value.
    const long long value = std::strtoll(text, nullptr, 10);
    return static_cast<int32_t>(std::clamp<long long>(value, INT32_MIN, INT32_MAX));
}

uint32_t CASCIIBuffer::FieldHex(uint32_t k) const
{
    const char* text = FieldText(k);
    while (*text && !IsHexDigit(*text))
        ++text;
    const unsigned long long value = std::strtoull(text, nullptr, 16);
    return static_cast<uint32_t>(std::min<unsigned long long>(value, UINT32_MAX));
}
