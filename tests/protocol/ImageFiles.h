// Firmware image files written for a test and removed after it, and a prompt that keeps messages.
#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "protocol/LittleEndian.h"
#include "protocol/UserPrompt.h"
#include "tests/common/FrameBytes.h"

// A sound image: header, a body with a recognisable pattern, the check value as trailer.
inline Bytes MakeImage(uint32_t size, uint32_t check = 0x5A5A1234, uint32_t version = 9, uint32_t type = 3201)
{
    Bytes image(size);
    for (uint32_t i = 24; i < size; ++i)
        image[i] = uint8_t(i * 7 + 3);
    PutU32(image.data(), 0x31305746);
    PutU32(image.data() + 4, size);
    PutU32(image.data() + 8, check);
    PutU32(image.data() + 12, version);
    PutU32(image.data() + 16, type);
    PutU32(image.data() + 20, 24);
    PutU32(image.data() + size - 4, check);
    return image;
}

class TempFile
{
public:
    explicit TempFile(const Bytes& bytes)
    {
        static int counter = 0;
        // The random part keeps programs that run at the same time off each other's files.
        static const unsigned run = std::random_device()();
        m_path = std::filesystem::temp_directory_path() /
                 ("kivra_image_" + std::to_string(run) + "_" + std::to_string(++counter) + ".fw");
        std::ofstream(m_path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    }
    ~TempFile()
    {
        std::error_code ignored;
        std::filesystem::remove(m_path, ignored);
    }
    std::wstring Path() const { return m_path.wstring(); }

private:
    std::filesystem::path m_path;
};

class CRecordingPrompt : public CUserPrompt
{
public:
    void ShowMessage(const std::wstring& text) override { messages.push_back(text); }
    std::vector<std::wstring> messages;
};
