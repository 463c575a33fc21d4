// A firmware image file ("*.fw"): checked when loaded, then handed to the sensor block by block.
#pragma once

#include <cstdint>

#include "protocol/FirmwareHeader.h"
#include "runtime/ErrorCodes.h"
#include "runtime/RefCount.h"
#include "runtime/TFileObject.h"

class CUserPrompt;

class CFirmwareFile : public CRefCount
{
public:
    // Opens and checks the file; on failure tells the user why and holds nothing.
    bool Load(const wchar_t* path, CUserPrompt& prompt);

    // Whether the sensor's installed image has exactly this header; false when nothing is loaded.
    bool CompareInstalled(const uint8_t* header);
    bool IsInstalled() const { return m_installed; }

    // Takes the sensor's download status: its image header and how many bytes it holds.
    // False when nothing is loaded or the sensor claims more of this image than exists.
    bool Resume(const uint8_t* header, uint32_t received);

    // Up to max bytes from the current position into buffer, with the check value and the
    // position they start at; 0 when nothing is left or the file could not be read. The
    // position does not move.
    uint32_t ReadBlock(uint8_t* buffer, uint32_t max, uint32_t& checkValue, uint32_t& position);
    // Why the last ReadBlock could not read the file: the system's error code (end of file when
    // the file has become shorter); 0 when it read what it was asked for or had nothing to read.
    TErrorCode ReadError() const { return m_readError; }

    // Moves the position past bytes the sensor has taken; false beyond the image end.
    bool Advance(uint32_t n);

    bool IsOpen() const { return m_file.IsOpen(); }
    uint32_t Size() const { return m_header.size; }
    uint32_t Position() const { return m_position; }
    const FirmwareHeader& Header() const { return m_header; }

private:
    void Clear();
    // The fault found in the open file of the given size, reading its header and trailer.
    FirmwareImageFault Check(int64_t fileSize);

    TFileObject m_file;
    uint8_t m_headerBytes[kFirmwareHeaderSize] = {};
    FirmwareHeader m_header;
    uint32_t m_position = 0;
    bool m_installed = false;
    TErrorCode m_readError = 0;
};
