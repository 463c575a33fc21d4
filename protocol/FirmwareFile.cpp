// Loading, checking and block-wise reading of a firmware image file.
#include "protocol/FirmwareFile.h"

#include <algorithm>
#include <cstring>

#include "protocol/FirmwareMessages.h"
#include "protocol/LittleEndian.h"
#include "protocol/UserPrompt.h"
#include "runtime/OsFile.h"
#include "runtime/SystemReason.h"

namespace
{
// 0 when all size bytes at position were read; otherwise the system's error, or end of file
// when fewer bytes were there.
TErrorCode ReadAt(TFileObject& file, int64_t position, void* data, uint32_t size)
{
    uint32_t moved = 0;
    if (!file.SetPosition(position) || !file.Read(data, size, &moved))
        return file.GetError();
    return moved == size ? 0 : errc::kHandleEof;
}
}

void CFirmwareFile::Clear()
{
    m_file.Close();
    std::memset(m_headerBytes, 0, sizeof m_headerBytes);
    m_header = FirmwareHeader{};
    m_position = 0;
    m_installed = false;
    m_readError = 0;
}

bool CFirmwareFile::Load(const wchar_t* path, CUserPrompt& prompt)
{
    if (path == nullptr)
        return false;
    Clear();
    if (!m_file.SetPath(path) ||
        !m_file.SetParameters(osfile::kGenericRead, osfile::kShareRead, osfile::kOpenExisting,
                              osfile::kAttributeNormal) ||
        !m_file.Open()) {
        prompt.ShowMessage(SystemReasonText(m_file.GetError()));
        Clear();
        return false;
    }
    int64_t fileSize = 0;
    if (!m_file.GetSize(&fileSize)) {
        prompt.ShowMessage(SystemReasonText(m_file.GetError()));
        Clear();
        return false;
    }
    const FirmwareImageFault fault = Check(fileSize);
    if (fault != FirmwareImageFault::None) {
        prompt.ShowMessage(BadImageMessage(fault));
        Clear();
        return false;
    }
    return true;
}

FirmwareImageFault CFirmwareFile::Check(int64_t fileSize)
{
    if (fileSize < int64_t(kFirmwareHeaderSize) || ReadAt(m_file, 0, m_headerBytes, kFirmwareHeaderSize) != 0)
        return FirmwareImageFault::TooShort;
    m_header = ParseFirmwareHeader(m_headerBytes);
    const FirmwareImageFault fault = CheckFirmwareHeader(m_header, uint64_t(fileSize));
    if (fault != FirmwareImageFault::None)
        return fault;
    uint8_t trailer[kFirmwareTrailerSize];
    if (ReadAt(m_file, fileSize - int64_t(kFirmwareTrailerSize), trailer, sizeof trailer) != 0 ||
        GetU32(trailer) != m_header.check)
        return FirmwareImageFault::DamagedTrailer;
    return FirmwareImageFault::None;
}

bool CFirmwareFile::CompareInstalled(const uint8_t* header)
{
    if (!IsOpen())
        return false;
    m_installed = std::memcmp(header, m_headerBytes, kFirmwareHeaderSize) == 0;
    return true;
}

bool CFirmwareFile::Resume(const uint8_t* header, uint32_t received)
{
    if (!IsOpen())
        return false;
    if (std::memcmp(header, m_headerBytes, kFirmwareHeaderSize) != 0) {
        m_position = 0;
        return true;
    }
    if (received > m_header.size)
        return false;
    m_position = received;
    return true;
}

uint32_t CFirmwareFile::ReadBlock(uint8_t* buffer, uint32_t max, uint32_t& checkValue, uint32_t& position)
{
    m_readError = 0;
    if (!IsOpen() || buffer == nullptr || max == 0 || m_position >= m_header.size)
        return 0;
    const uint32_t n = std::min(m_header.size - m_position, max);
    m_readError = ReadAt(m_file, m_position, buffer, n);
    if (m_readError != 0)
        return 0;
    checkValue = m_header.check;
    position = m_position;
    return n;
}

bool CFirmwareFile::Advance(uint32_t n)
{
    if (!IsOpen() || uint64_t(m_position) + n > m_header.size)
        return false;
    m_position += n;
    return true;
}
