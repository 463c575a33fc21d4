// Text and JSON forms of decoder reports.
#include "ReportWriter.h"

namespace {

const char* DirectionName(EDirection direction)
{
    switch (direction) {
    case EDirection::Tx: return "tx";
    case EDirection::Rx: return "rx";
    case EDirection::None: break;
    }
    return nullptr;
}

const char* FamilyName(EReportFamily family)
{
    switch (family) {
    case EReportFamily::Request: return "request";
    case EReportFamily::Response: return "response";
    case EReportFamily::Lls: return "lls";
    case EReportFamily::Skipped: break;
    }
    return "skipped";
}

CJson OptionalText(const char* text) { return text ? CJson::Text(text) : CJson(); }

} // namespace

CJson ReportJson(const CFrameReport& report)
{
    CJson json = CJson::Object();
    json.Set("dir", OptionalText(DirectionName(report.direction)));
    json.Set("family", CJson::Text(FamilyName(report.family)));
    if (report.family == EReportFamily::Skipped)
        return json.Set("length", CJson::Integer(report.length));
    return json.Set("addr", CJson::Integer(report.address))
        .Set("code", CJson::Integer(report.code))
        .Set("name", OptionalText(report.name))
        .Set("length", CJson::Integer(report.length))
        .Set("crc_ok", CJson::Boolean(report.crcOk))
        .Set("fields", report.fields);
}

std::string ReportText(const CFrameReport& report)
{
    const char* direction = DirectionName(report.direction);
    std::string text = direction ? direction : "--";
    text += ' ';
    text += FamilyName(report.family);
    if (report.family == EReportFamily::Skipped)
        return text + ' ' + std::to_string(report.length) + (report.length == 1 ? " byte" : " bytes");
    char code[8];
    std::snprintf(code, sizeof code, "0x%02X", report.code);
    text += " addr=" + std::to_string(report.address) + " code=" + code + ' ' + (report.name ? report.name : "?") +
            " length=" + std::to_string(report.length) + (report.crcOk ? " crc=ok" : " crc=BAD");
    if (report.fields.IsObject())
        for (const auto& [key, value] : report.fields.Members())
            text += ' ' + key + '=' + value.Serialise();
    return text;
}

void CReportWriter::Report(const CFrameReport& report)
{
    const std::string line = m_json ? ReportJson(report).Serialise() : ReportText(report);
    std::fprintf(m_out, "%s\n", line.c_str());
}
