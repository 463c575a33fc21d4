// Fuzz target: the sensor session fed any answers, whole or broken, in each of its states
// (identification, settings, polling, firmware download), with its clock running on.
#include "FuzzInput.h"

#include "protocol/FirmwareFile.h"
#include "protocol/KivraProcessor.h"
#include "runtime/ProcessClock.h"
#include "runtime/SettableClockSource.h"
#include "tests/protocol/ImageFiles.h"
#include "tests/protocol/ScriptedOwner.h"
#include "tests/protocol/SessionFixture.h"

#include <cstring>

namespace {

enum StartState { kIdentifying, kReadingSettings, kPolling, kDownloading, kStateCount };

// Answer codes the session interprets; a frame built with one gets past the checksum.
constexpr uint8_t kAnswerCodes[] = {0x00, 0x01, 0x02, 0x28, 0x2B, 0x03, 0x05};

const TempFile& ImageFile()
{
    static const TempFile file(MakeImage(1500));
    return file;
}

void Feed(CScriptedOwner& owner, CKivraProcessor& session, const Bytes& bytes)
{
    std::size_t at = 0;
    // The channel hands over what fits and offers the rest after the session made room.
    while (at < bytes.size()) {
        const uint32_t n = std::min<uint32_t>(owner.rx.FreeSpace(), static_cast<uint32_t>(bytes.size() - at));
        if (n == 0)
            return;
        owner.rx.RestoreTerminators();
        std::memcpy(owner.rx.Data() + owner.rx.Length(), bytes.data() + at, n);
        owner.rx.AppendReceived(n);
        at += n;
        session.OnReceive();
    }
}

void Bring(StartState state, CScriptedOwner& owner, CKivraProcessor& session)
{
    session.Start();
    if (state == kIdentifying)
        return;
    Feed(owner, session, Response(255, 0x01, IdentificationPayload(8, kSupportedType)));
    if (state == kReadingSettings)
        return;
    Feed(owner, session, Response(255, 0x2B, SettingsAnswer(ValidSettings())));
    if (state == kPolling)
        return;
    CRecordingPrompt prompt;
    CRefPtr<CFirmwareFile> image(new CFirmwareFile);
    if (image->Load(ImageFile().Path().c_str(), prompt))
        session.StartFirmwareUpdate(image.Get());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    TSettableClockSource clock;
    clock.SetMilliseconds(5'000'000);
    ProcessClock().UseSource(&clock);
    {
        CScriptedOwner owner;
        CKivraProcessor session(owner);
        Bring(static_cast<StartState>(input.Byte() % kStateCount), owner, session);
        while (!input.Empty()) {
            switch (input.Byte() % 4) {
            case 0: // raw bytes off the line
                Feed(owner, session, input.Run(255));
                break;
            case 1: { // a well-formed frame with any payload
                const uint8_t code = kAnswerCodes[input.Byte() % sizeof kAnswerCodes];
                const uint8_t address = input.Byte();
                Feed(owner, session, Response(address, code, input.Run(120)));
                break;
            }
            case 2: // the clock runs on, perhaps to the armed timer
                clock.AdvanceMilliseconds(input.Byte() % 2 ? owner.TimerMs() : input.U16());
                session.OnTimeout();
                break;
            default: // what a person does meanwhile
                switch (input.Byte() % 4) {
                case 0: session.ReadSettings(); break;
                case 1: session.WriteSettings(); break;
                case 2: session.SetZero(); break;
                default: session.ReadDiagnostics(); break;
                }
            }
            owner.sent.clear();
            owner.posts.clear();
            owner.tracedIn.clear();
            owner.tracedOut.clear();
        }
        session.Stop();
    }
    ProcessClock().UseSource(nullptr);
    return 0;
}
