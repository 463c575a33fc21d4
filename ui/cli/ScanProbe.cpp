// What came back to one identification request of a scan.
#include "ui/cli/ScanProbe.h"

#include "protocol/FrameScan.h"
#include "protocol/SensorAnswer.h"
#include "protocol/SettingsBlock.h"
#include "protocol/SensorCodes.h"

#include <algorithm>

namespace {

class CAnswerCollector : public CFrameVisitor
{
public:
    void OnFrame(EFrameFamily, unsigned, const uint8_t* frame, unsigned length) override
    {
        framed += length;
        CSensorAnswer answer;
        ProbeAnswer found;
        if (InterpretAnswer(frame, length, answer) && answer.code == EAnswerCode::Identification &&
            ParseIdentification(answer.record, answer.recordLength, found.identification)) {
            found.address = answer.address;
            answers.push_back(found);
        }
    }

    unsigned framed = 0;
    std::vector<ProbeAnswer> answers;
};

class CSettingsFinder : public CFrameVisitor
{
public:
    explicit CSettingsFinder(uint8_t address) : m_address(address) {}

    void OnFrame(EFrameFamily, unsigned, const uint8_t* frame, unsigned length) override
    {
        CSensorAnswer answer;
        if (InterpretAnswer(frame, length, answer) && answer.code == EAnswerCode::ReadSettings &&
            answer.address == m_address) {
            SettingsBlock block;
            std::copy_n(answer.record, block.size(), block.begin());
            serialNumber = DecodeSettings(block).serialNumber;
            found = true;
        }
    }

    bool found = false;
    uint32_t serialNumber = 0;

private:
    uint8_t m_address;
};

}  // namespace

ProbeOutcome ClassifyProbe(const uint8_t* bytes, unsigned length, uint8_t askedAddress)
{
    ProbeOutcome outcome;
    if (length == 0)
        return outcome;
    CAnswerCollector collector;
    ScanFrames(bytes, length, FamilyResponse, collector);
    outcome.answers = collector.answers;
    const bool stray = collector.framed < length;
    // At a sensor's own address an answer from another sender is a late one, not a collision.
    std::size_t fromAsked = 0;
    for (const ProbeAnswer& answer : outcome.answers)
        fromAsked += answer.address == askedAddress ? 1 : 0;
    const bool collided = askedAddress == CommonAddress ? outcome.answers.size() > 1 || stray : fromAsked > 1;
    if (collided)
        outcome.verdict = ProbeVerdict::Collided;
    else if (!outcome.answers.empty())
        outcome.verdict = ProbeVerdict::Answered;
    else if (stray)
        outcome.verdict = ProbeVerdict::Damaged;
    return outcome;
}

bool FindSettingsAnswer(const uint8_t* bytes, unsigned length, uint8_t address, uint32_t& serialNumber)
{
    CSettingsFinder finder(address);
    ScanFrames(bytes, length, FamilyResponse, finder);
    if (finder.found)
        serialNumber = finder.serialNumber;
    return finder.found;
}
