// Writes decoder reports as readable text or as one JSON object per line.
#pragma once

#include "FrameReport.h"

#include <cstdio>
#include <string>

// The JSON object of one report: "dir", "family", "addr", "code", "name", "length", "crc_ok",
// "fields"; skipped bytes carry only "dir", "family" and "length".
CJson ReportJson(const CFrameReport& report);
// "rx response addr=1 code=0x01 Identification length=37 crc=ok firmware_version=8 ..."
std::string ReportText(const CFrameReport& report);

class CReportWriter : public CReportSink
{
public:
    CReportWriter(std::FILE* out, bool json) : m_out(out), m_json(json) {}
    void Report(const CFrameReport& report) override;

private:
    std::FILE* m_out;
    bool m_json;
};
