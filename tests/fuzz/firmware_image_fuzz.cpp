// Fuzz target: a firmware image file that may be anything, loaded, resumed and read block by block.
#include "FuzzInput.h"

#include "protocol/FirmwareFile.h"
#include "tests/protocol/ImageFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    // The first bytes steer the reading; the rest is the file.
    const uint8_t blockLimit = input.Byte();
    const uint8_t resumeAt = input.Byte();
    const Bytes file = input.Bytes(input.Left());
    TempFile image(file);
    CRecordingPrompt prompt;
    CRefPtr<CFirmwareFile> firmware(new CFirmwareFile);
    if (!firmware->Load(image.Path().c_str(), prompt)) {
        if (prompt.messages.empty() || firmware->IsOpen())
            __builtin_trap(); // a refused file is said why, and nothing is held
        return 0;
    }
    if (file.size() >= 24 && resumeAt & 1)
        firmware->Resume(file.data(), static_cast<uint32_t>(resumeAt) * 16);
    uint8_t block[256];
    const uint32_t max = 1 + blockLimit % 243;
    uint32_t total = firmware->Position();
    for (;;) {
        uint32_t check = 0, position = 0;
        const uint32_t n = firmware->ReadBlock(block, max, check, position);
        if (n == 0)
            break;
        if (n > max || position != total || !firmware->Advance(n))
            __builtin_trap();
        total += n;
    }
    if (total > firmware->Size())
        __builtin_trap();
    return 0;
}
