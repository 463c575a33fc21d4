// Field names and units of decoded requests, answers and LLS frames.
#include "FrameFields.h"

#include "protocol/IdentificationRecord.h"
#include "protocol/LittleEndian.h"
#include "protocol/LiveData.h"
#include "protocol/SensorAnswer.h"
#include "protocol/SensorCodes.h"
#include "protocol/SensorModel.h"
#include "protocol/SettingsBlock.h"

#include <algorithm>
#include <cwchar>
#include <string>

namespace {

constexpr unsigned kFirmwareBlockHeader = 12;
constexpr unsigned kImageHeaderOffset = 8;

CJson Number(long long value) { return CJson::Integer(value); }

// A 16-bit reading in hundredths, null when the sensor has no value.
CJson Hundredths(int32_t value) { return value == kNoValue ? CJson() : CJson::Real(value / 100.0); }
CJson Reading(int32_t value) { return value == kNoValue ? CJson() : Number(value); }

CJson Pair(CJson first, CJson second) { return CJson::Array().Append(std::move(first)).Append(std::move(second)); }

CJson Vector(const float (&v)[3])
{
    return CJson::Array().Append(CJson::Real(v[0])).Append(CJson::Real(v[1])).Append(CJson::Real(v[2]));
}

CJson Range(const RangeRecord& r)
{
    return CJson::Object()
        .Set("kind", Number(r.kind))
        .Set("delay", Number(r.delay))
        .Set("low", Number(r.low))
        .Set("high", Number(r.high));
}

CJson Conditions(const ConditionPair& pair) { return Pair(Range(pair.inactive), Range(pair.active)); }

CJson SettingsFields(const uint8_t* block)
{
    SettingsBlock bytes;
    std::copy_n(block, bytes.size(), bytes.begin());
    const SensorSettings s = DecodeSettings(bytes);
    CJson outputs = CJson::Array();
    for (const OutputRecord& o : s.outputs)
        outputs.Append(CJson::Object()
                           .Set("code", Number(o.valueCode))
                           .Set("frequency", Number(o.frequencyMode))
                           .Set("pair", Conditions(o.conditions)));
    return CJson::Object()
        .Set("serial", Number(s.serialNumber))
        .Set("address", Number(s.networkAddress))
        .Set("address_flags", Number(s.addressFlags))
        .Set("output_interval", Number(s.outputInterval))
        .Set("output_mode", Number(s.unsolicitedOutput))
        .Set("approx_interval", Number(s.approximationInterval))
        .Set("zero", Vector(s.zeroReference))
        .Set("angle_pair", Conditions(s.angle))
        .Set("motion_timeout", Number(s.angularMotionTimeout))
        .Set("angle_threshold", Number(s.angleThreshold))
        .Set("pulse_timeout", Number(s.pulseSensorTimeout))
        .Set("lls_source", Pair(Number(s.llsSource[0]), Number(s.llsSource[1])))
        .Set("outputs", std::move(outputs));
}

CJson ImageHeader(const uint8_t* header)
{
    return CJson::Object()
        .Set("size", Number(GetU32(header + 4)))
        .Set("check_value", Number(GetU32(header + 8)))
        .Set("firmware_version", Number(GetU32(header + 12)))
        .Set("device_type", Number(GetU32(header + 16)));
}

CJson IdentificationFields(const uint8_t* payload, unsigned length)
{
    SensorIdentification id;
    ParseIdentification(payload, length, id);
    const wchar_t* model = ModelName(id.deviceType);
    return CJson::Object()
        .Set("firmware_version", Number(id.firmwareVersion))
        .Set("device_type", Number(id.deviceType))
        .Set("model", model ? CJson::Text(std::string(model, model + std::wcslen(model))) : CJson());
}

CJson DownloadStatusFields(const uint8_t* record)
{
    return CJson::Object()
        .Set("received", Number(GetU32(record)))
        .Set("block_limit", Number(GetU32(record + 4)))
        .Set("image", ImageHeader(record + kImageHeaderOffset));
}

CJson Ignored(const char* why) { return CJson::Object().Set("ignored", CJson::Text(why)); }

// Values as the data answer of the subcode carries them: temperature and angle in degrees,
// auxiliary in units, all null for "no value"; extra values by value code.
CJson DataFields(uint8_t subcode, const uint8_t* record, unsigned length)
{
    LiveData live;
    if (!ApplyDataRecord(subcode, record, length, live))
        return Ignored("record too short for its subcode");
    const unsigned groups = DataAnswerTextGroups(subcode);
    CJson fields = CJson::Object().Set("subcode", Number(subcode));
    if (groups & kTextTemperature)
        fields.Set("temperature", Hundredths(live.temperature));
    if (groups & kTextAngle)
        fields.Set("angle", Hundredths(live.angle));
    if (groups & kTextLls)
        fields.Set("lls", Pair(Reading(live.lls[0]), Reading(live.lls[1])));
    if (groups & kTextVector)
        fields.Set("vector", Vector(live.vector));
    if (groups & kTextAuxiliary)
        fields.Set("auxiliary", Hundredths(live.auxiliary));
    if (groups & kTextDiagnostics)
        fields.Set("c", Number(live.diagnosticFlags & 1))
            .Set("t", Number((live.diagnosticFlags >> 1) & 1))
            .Set("a", Number((live.diagnosticFlags >> 2) & 1))
            .Set("sw", Number(live.sw));
    if (groups & kTextOutputs)
        fields.Set("output_values", Pair(Reading(live.outputValue[0]), Reading(live.outputValue[1])));
    if (groups & kTextMagnets)
        fields.Set("magnets", Pair(Reading(live.magnet[0]), Reading(live.magnet[1])));
    if (groups & kTextExtras) {
        CJson extras = CJson::Array();
        for (uint32_t i = 0; i < live.extraCount; ++i)
            extras.Append(CJson::Object()
                              .Set("code", Number(live.extras[i].code))
                              .Set("value", Reading(live.extras[i].value)));
        fields.Set("extras", std::move(extras));
    }
    return fields;
}

} // namespace

CJson RequestFields(const uint8_t* frame, unsigned length)
{
    const uint8_t* payload = frame + 4;
    const unsigned n = length - 5;
    CJson fields = CJson::Object();
    switch (static_cast<ERequestCode>(frame[3])) {
    case ERequestCode::ReadData:
        if (n >= 1)
            fields.Set("subcode", Number(payload[0]));
        break;
    case ERequestCode::WriteSettings:
        if (n >= kSettingsPayloadSize && payload[0] == kSettingsMarker0 && payload[1] == kSettingsMarker1)
            return SettingsFields(payload + 2);
        break;
    case ERequestCode::WriteFirmwareBlock:
        if (n >= kFirmwareBlockHeader)
            fields.Set("check_value", Number(GetU32(payload)))
                .Set("position", Number(GetU32(payload + 4)))
                .Set("block_length", Number(GetU32(payload + 8)));
        else if (n == 0) // the image has nothing left
            fields.Set("block_length", Number(0));
        break;
    case ERequestCode::TestCommand:
        if (n >= 2)
            fields.Set("value", Number(payload[1]));
        break;
    default:
        break;
    }
    return fields;
}

CJson ResponseFields(const uint8_t* frame, unsigned length)
{
    CSensorAnswer answer;
    if (!InterpretAnswer(frame, length, answer))
        return Ignored(AnswerName(frame[3]) ? "too short or wrong marker bytes" : "code not interpreted");
    switch (answer.code) {
    case EAnswerCode::Acknowledge:
        return CJson::Object().Set("status", Number(answer.status)).Set("accepted", CJson::Boolean(answer.status == 0));
    case EAnswerCode::Identification: return IdentificationFields(answer.record, answer.recordLength);
    case EAnswerCode::ReadDownloadStatus: return DownloadStatusFields(answer.record);
    case EAnswerCode::ReadData: return DataFields(answer.subcode, answer.record, answer.recordLength);
    case EAnswerCode::ReadSettings: return SettingsFields(answer.record);
    }
    return CJson::Object();
}

CJson LlsFields(const uint8_t* frame, unsigned length)
{
    CLlsData data;
    if (!InterpretLlsData(frame, length, data))
        return CJson::Object();
    return CJson::Object()
        .Set("temperature", Number(data.temperature))
        .Set("parameter1", Number(data.parameter1))
        .Set("parameter2", Number(data.parameter2));
}
