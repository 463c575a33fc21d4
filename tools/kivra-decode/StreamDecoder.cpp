// Frames, damaged frames and skipped bytes of one trace direction.
#include "StreamDecoder.h"

#include "FrameFields.h"

#include "protocol/FrameRecognisers.h"
#include "protocol/SensorCodes.h"

#include <algorithm>

namespace {

unsigned FamiliesOf(EDirection direction)
{
    switch (direction) {
    case EDirection::Tx: return FamilyRequest;
    case EDirection::Rx: return FamilyLls | FamilyResponse;
    case EDirection::None: break;
    }
    return FamilyLls | FamilyResponse | FamilyRequest;
}

EReportFamily ReportFamilyOf(EFrameFamily family)
{
    switch (family) {
    case FamilyRequest: return EReportFamily::Request;
    case FamilyResponse: return EReportFamily::Response;
    case FamilyLls: break;
    }
    return EReportFamily::Lls;
}

// Whether p[0..available-1] has the prefix and the announced length of a frame of the families.
bool IsFrameShaped(const uint8_t* p, unsigned available, unsigned families, EReportFamily& family)
{
    if (available >= 5 && p[1] + 5u == available) {
        if ((families & FamilyResponse) && p[0] == ResponsePrefix) {
            family = EReportFamily::Response;
            return true;
        }
        if ((families & FamilyRequest) && p[0] == RequestPrefix) {
            family = EReportFamily::Request;
            return true;
        }
    }
    if ((families & FamilyLls) && available >= 4 && p[0] == LlsPrefix &&
        (LlsFrameLength(p[2]) == available || (p[2] == 7 && available == 9))) {
        family = EReportFamily::Lls;
        return true;
    }
    return false;
}

} // namespace

CStreamDecoder::CStreamDecoder(EDirection direction, CReportSink& sink)
    : m_direction(direction), m_families(FamiliesOf(direction)), m_sink(sink)
{
}

void CStreamDecoder::TakeSnapshot(const uint8_t* bytes, size_t length)
{
    const bool repeatsKept = m_pending.size() <= length && std::equal(m_pending.begin(), m_pending.end(), bytes);
    if (!repeatsKept)
        Finish();
    m_pending.assign(bytes, bytes + length);
    Scan();
}

void CStreamDecoder::TakeBytes(const uint8_t* bytes, size_t length)
{
    m_pending.insert(m_pending.end(), bytes, bytes + length);
    Scan();
}

void CStreamDecoder::Finish()
{
    ReportUnframed(m_pending.data(), static_cast<unsigned>(m_pending.size()));
    m_pending.clear();
}

void CStreamDecoder::Scan()
{
    m_reported = 0;
    const unsigned cut = ScanFrames(m_pending.data(), static_cast<unsigned>(m_pending.size()), m_families, *this);
    ReportUnframed(m_pending.data() + m_reported, cut - m_reported);
    m_pending.erase(m_pending.begin(), m_pending.begin() + cut);
}

void CStreamDecoder::OnFrame(EFrameFamily family, unsigned offset, const uint8_t* frame, unsigned length)
{
    ReportUnframed(m_pending.data() + m_reported, offset - m_reported);
    ReportFrame(ReportFamilyOf(family), frame, length, true);
    m_reported = offset + length;
}

void CStreamDecoder::ReportUnframed(const uint8_t* bytes, unsigned length)
{
    for (unsigned i = 0; i < length; ++i) {
        EReportFamily family;
        if (IsFrameShaped(bytes + i, length - i, m_families, family)) {
            ReportSkipped(i);
            ReportFrame(family, bytes + i, length - i, false);
            return;
        }
    }
    ReportSkipped(length);
}

void CStreamDecoder::ReportFrame(EReportFamily family, const uint8_t* frame, unsigned length, bool crcOk)
{
    CFrameReport report;
    report.direction = m_direction;
    report.family = family;
    report.length = length;
    report.crcOk = crcOk;
    if (family == EReportFamily::Lls) {
        report.address = frame[1];
        report.code = frame[2];
        report.name = "LLS";
        report.fields = crcOk ? LlsFields(frame, length) : CJson::Object();
    } else {
        report.address = frame[2];
        report.code = frame[3];
        const bool request = family == EReportFamily::Request;
        report.name = request ? RequestName(frame[3]) : AnswerName(frame[3]);
        if (!crcOk)
            report.fields = CJson::Object();
        else
            report.fields = request ? RequestFields(frame, length) : ResponseFields(frame, length);
    }
    m_sink.Report(report);
}

void CStreamDecoder::ReportSkipped(unsigned length)
{
    if (length == 0)
        return;
    CFrameReport report;
    report.direction = m_direction;
    report.length = length;
    m_sink.Report(report);
}
