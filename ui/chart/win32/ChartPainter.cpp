// The one drawing routine of the chart (GDI).
#include "ui/chart/win32/ChartPainter.h"

#include "runtime/ResourceText.h"
#include "ui/chart/AxisTicks.h"
#include "ui/chart/ChartAxes.h"
#include "ui/chart/ColumnEnvelope.h"
#include "ui/chart/PointerReadout.h"
#include "ui/resources/chart_ids.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

// Text at zoom 1: the height of the dialogs' own font.
constexpr int kBaseTextHeight = 13;
constexpr COLORREF kBackground = RGB(255, 255, 255);
constexpr COLORREF kFrame = RGB(96, 96, 96);
constexpr COLORREF kGrid = RGB(225, 225, 225);
constexpr COLORREF kText = RGB(0, 0, 0);
constexpr COLORREF kPointer = RGB(64, 64, 64);
constexpr COLORREF kReadoutBack = RGB(255, 255, 225);
// Bands: output 1 solid, output 2 hatched, so both show where they overlap; edits not yet
// written in amber instead of green and grey.
constexpr COLORREF kActiveBand[2] = {RGB(204, 236, 204), RGB(120, 190, 120)};
constexpr COLORREF kInactiveBand[2] = {RGB(232, 232, 232), RGB(175, 175, 175)};
constexpr COLORREF kUnwrittenActiveBand[2] = {RGB(255, 226, 170), RGB(230, 160, 60)};
constexpr COLORREF kUnwrittenInactiveBand[2] = {RGB(250, 236, 220), RGB(215, 180, 150)};

COLORREF SeriesColour(SeriesId id)
{
    switch (id.kind) {
    case SeriesKind::Angle:
        return RGB(0, 70, 200);
    case SeriesKind::Temperature:
        return RGB(200, 30, 30);
    case SeriesKind::Lls1:
        return RGB(0, 140, 140);
    case SeriesKind::Lls2:
        return RGB(150, 0, 150);
    case SeriesKind::VectorX:
        return RGB(130, 110, 0);
    case SeriesKind::VectorY:
        return RGB(0, 120, 40);
    case SeriesKind::VectorZ:
        return RGB(140, 70, 0);
    case SeriesKind::Auxiliary:
        return RGB(90, 90, 90);
    case SeriesKind::Output1:
        return RGB(0, 130, 0);
    case SeriesKind::Output2:
        return RGB(0, 90, 170);
    case SeriesKind::Magnet1:
        return RGB(170, 80, 0);
    case SeriesKind::Magnet2:
        return RGB(110, 40, 170);
    case SeriesKind::Extra:
        break;
    }
    static constexpr COLORREF kExtraColours[] = {RGB(220, 110, 0), RGB(0, 160, 200), RGB(160, 0, 80),
                                                 RGB(80, 130, 0),  RGB(100, 60, 200), RGB(150, 110, 60)};
    return kExtraColours[id.code % std::size(kExtraColours)];
}

// A GDI object deleted when it goes, deselected first by the selection that holds it.
template <class Handle>
class GdiObject {
public:
    explicit GdiObject(Handle handle) : m_handle(handle) {}
    ~GdiObject()
    {
        if (m_handle)
            DeleteObject(m_handle);
    }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    Handle Get() const { return m_handle; }

private:
    Handle m_handle;
};

class Selection {
public:
    Selection(HDC dc, HGDIOBJ object) : m_dc(dc), m_old(SelectObject(dc, object)) {}
    ~Selection() { SelectObject(m_dc, m_old); }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_old;
};

int Scaled(double zoom, double value) { return std::max(1, int(std::lround(value * zoom))); }

HFONT MakeFont(double zoom, bool bold = false)
{
    LOGFONTW font{};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
    font.lfHeight = -Scaled(zoom, kBaseTextHeight * 0.85);
    font.lfWidth = 0;
    font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    font.lfQuality = ANTIALIASED_QUALITY;
    return CreateFontIndirectW(&font);
}

ChartTextMetrics Metrics(HDC dc)
{
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SIZE digit{};
    GetTextExtentPoint32W(dc, L"0", 1, &digit);
    return ChartTextMetrics{int(metrics.tmHeight), int(digit.cx)};
}

int TextWidth(HDC dc, const std::wstring& text)
{
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), int(text.size()), &size);
    return int(size.cx);
}

enum class Align { Left, Centre, Right };

void Text(HDC dc, const std::wstring& text, int x, int y, Align align, COLORREF colour = kText)
{
    const UINT alignment = align == Align::Left ? TA_LEFT : align == Align::Centre ? TA_CENTER : TA_RIGHT;
    SetTextAlign(dc, alignment | TA_TOP);
    SetTextColor(dc, colour);
    TextOutW(dc, x, y, text.c_str(), int(text.size()));
}

void FillRect(HDC dc, const RECT& rect, COLORREF colour)
{
    GdiObject<HBRUSH> brush(CreateSolidBrush(colour));
    ::FillRect(dc, &rect, brush.Get());
}

void Line(HDC dc, int x0, int y0, int x1, int y1)
{
    MoveToEx(dc, x0, y0, nullptr);
    LineTo(dc, x1, y1);
}

RECT ToRect(const LayoutRect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

int ToY(const LinearScale& scale, double value) { return int(std::lround(scale.Map(value))); }

LinearScale ValueScale(const LayoutRect& plot, ValueRange range)
{
    return LinearScale{range.low, range.high, double(plot.bottom - 1), double(plot.top)};
}

int RightAxes(const ChartAxes& axes) { return (axes.temperature ? 1 : 0) + (axes.values ? 1 : 0); }

class Painter {
public:
    Painter(HDC dc, const LayoutRect& area, const ChartScene& scene)
        : m_dc(dc), m_area(area), m_scene(scene), m_font(MakeFont(scene.zoom)), m_keep(dc, m_font.Get())
    {
        m_text = Metrics(dc);
        m_maxTicks = 0;
    }

    ChartLayout Layout()
    {
        const SampleStore& samples = *m_scene.samples;
        // The tick count follows the height the plot gets; a first guess from the whole area.
        const ChartAxes guess = ArrangeAxes(samples, m_scene.shown, m_scene.visible, 6);
        int laneLabels = 0;
        for (std::size_t s : guess.strip)
            laneLabels = std::max(laneLabels, TextWidth(m_dc, LaneName(samples.SeriesAt(s))));
        ChartLayout layout = LayOutChart(m_area, m_text, RightAxes(guess), int(guess.strip.size()), laneLabels);
        m_maxTicks = std::clamp(layout.plot.Height() / (m_text.height * 2), 2, 11);
        m_axes = ArrangeAxes(samples, m_scene.shown, m_scene.visible, m_maxTicks);
        return layout;
    }

    void Paint()
    {
        m_layout = Layout();
        SetBkMode(m_dc, TRANSPARENT);
        FillRect(m_dc, ToRect(m_area), kBackground);
        Bands();
        Grid();
        Series();
        Strip();
        Frame();
        Legend();
        if (m_axes.plotted.empty() && m_axes.strip.empty())
            Text(m_dc, LoadResourceText(IDS_CHART_NO_VALUES), (m_layout.plot.left + m_layout.plot.right) / 2,
                 (m_layout.plot.top + m_layout.plot.bottom) / 2 - m_text.height / 2, Align::Centre);
        Pointer();
    }

private:
    int Column(std::int64_t time) const { return ColumnOfTime(m_layout, m_scene.visible, time); }

    void Bands()
    {
        const LinearScale angle = ValueScale(m_layout.plot, kAngleRange);
        for (const AngleBand& band : m_scene.bands) {
            const COLORREF* colours = band.unwritten ? (band.active ? kUnwrittenActiveBand : kUnwrittenInactiveBand)
                                                     : (band.active ? kActiveBand : kInactiveBand);
            const RECT rect{m_layout.plot.left, ToY(angle, band.range.high), m_layout.plot.right,
                            ToY(angle, band.range.low) + 1};
            if (band.output == 0) {
                FillRect(m_dc, rect, colours[0]);
                continue;
            }
            GdiObject<HBRUSH> hatch(CreateHatchBrush(band.active ? HS_FDIAGONAL : HS_BDIAGONAL, colours[1]));
            ::FillRect(m_dc, &rect, hatch.Get());
        }
    }

    void Grid()
    {
        GdiObject<HPEN> grid(CreatePen(PS_SOLID, 1, kGrid));
        GdiObject<HPEN> frame(CreatePen(PS_SOLID, 1, kFrame));
        const LayoutRect& plot = m_layout.plot;
        const int tick = m_layout.tickLength;
        // The angle's axis at the left, whether the angle is shown or only its bands.
        if (m_axes.angle || !m_scene.bands.empty()) {
            const LinearScale angle = ValueScale(plot, kAngleRange);
            for (const Tick& t : StepTicks(kAngleRange, kAngleTickStep)) {
                const int y = ToY(angle, t.value);
                Selection pen(m_dc, grid.Get());
                Line(m_dc, plot.left, y, plot.right, y);
                Selection mark(m_dc, frame.Get());
                Line(m_dc, plot.left - tick, y, plot.left, y);
                Text(m_dc, t.label, plot.left - tick - 2, y - m_text.height / 2, Align::Right);
            }
            Text(m_dc, LoadResourceText(IDS_CHART_ANGLE), plot.left - m_layout.leftAxisWidth,
                 plot.top - m_text.height - m_text.height / 3, Align::Left, SeriesColour({SeriesKind::Angle, 0}));
        }
        struct RightAxis {
            std::optional<ValueRange> range;
            std::wstring title;
            COLORREF colour;
        };
        const RightAxis right[] = {
            {m_axes.temperature, LoadResourceText(IDS_CHART_TEMPERATURE), SeriesColour({SeriesKind::Temperature, 0})},
            {m_axes.values, LoadResourceText(IDS_CHART_VALUES_AXIS), kText},
        };
        int axisLeft = plot.right;
        std::vector<std::pair<int, const RightAxis*>> titled;
        for (const RightAxis& axis : right) {
            if (!axis.range)
                continue;
            const LinearScale scale = ValueScale(plot, *axis.range);
            Selection mark(m_dc, frame.Get());
            Line(m_dc, axisLeft, plot.top, axisLeft, plot.bottom);
            for (const Tick& t : ValueTicks(*axis.range, m_maxTicks)) {
                const int y = ToY(scale, t.value);
                Line(m_dc, axisLeft, y, axisLeft + tick, y);
                Text(m_dc, t.label, axisLeft + tick + 2, y - m_text.height / 2, Align::Left, axis.colour);
            }
            axisLeft += m_layout.rightAxisWidth;
            titled.push_back({axisLeft, &axis});
        }
        // Titles end over their axes; one that would run into the title right of it moves left.
        int limit = m_area.right;
        for (auto t = titled.rbegin(); t != titled.rend(); ++t) {
            const int end = std::min(t->first, limit);
            Text(m_dc, t->second->title, end, plot.top - m_text.height - m_text.height / 3, Align::Right, t->second->colour);
            limit = end - TextWidth(m_dc, t->second->title) - m_text.digitWidth * 2;
        }

        const int bottom = m_layout.strip.Height() > 0 ? m_layout.strip.bottom : plot.bottom;
        const int maxTimeTicks = std::max(2, plot.Width() / (m_text.digitWidth * 10));
        for (const Tick& t : TimeTicks(m_scene.visible, maxTimeTicks)) {
            const int x = Column(std::int64_t(t.value));
            Selection pen(m_dc, grid.Get());
            Line(m_dc, x, plot.top, x, bottom);
            Selection mark(m_dc, frame.Get());
            Line(m_dc, x, bottom, x, bottom + tick);
            Text(m_dc, t.label, x, m_layout.timeLabels.top, Align::Centre);
        }
        Text(m_dc, LoadResourceText(IDS_CHART_TIME_AXIS), (plot.left + plot.right) / 2,
             m_layout.timeLabels.top + m_text.height, Align::Centre);
    }

    LinearScale ScaleOf(std::size_t series) const
    {
        switch (AxisOf(m_scene.samples->SeriesAt(series).kind)) {
        case SeriesAxis::Temperature:
            return ValueScale(m_layout.plot, *m_axes.temperature);
        case SeriesAxis::Values:
            return ValueScale(m_layout.plot, *m_axes.values);
        case SeriesAxis::Angle:
        case SeriesAxis::Strip:
            break;
        }
        return ValueScale(m_layout.plot, kAngleRange);
    }

    void Series()
    {
        const LayoutRect& plot = m_layout.plot;
        const int saved = SaveDC(m_dc);
        IntersectClipRect(m_dc, plot.left, plot.top, plot.right, plot.bottom);
        // Drawn last to first, so the first shown (the angle) lies on top.
        for (auto s = m_axes.plotted.rbegin(); s != m_axes.plotted.rend(); ++s) {
            const LinearScale scale = ScaleOf(*s);
            GdiObject<HPEN> pen(CreatePen(PS_SOLID, Scaled(m_scene.zoom, 1.5), SeriesColour(m_scene.samples->SeriesAt(*s))));
            Selection keep(m_dc, pen.Get());
            for (const ColumnSpan& span : SeriesColumns(*m_scene.samples, *s, m_scene.visible, plot.Width())) {
                const int x = plot.left + span.column;
                if (span.joined)
                    LineTo(m_dc, x, ToY(scale, span.first));
                else
                    MoveToEx(m_dc, x, ToY(scale, span.first), nullptr);
                // A lone point still shows as a dot.
                if (!span.joined && span.low == span.high)
                    LineTo(m_dc, x + 1, ToY(scale, span.first));
                if (span.low != span.high) {
                    LineTo(m_dc, x, ToY(scale, span.low));
                    LineTo(m_dc, x, ToY(scale, span.high));
                }
                MoveToEx(m_dc, x, ToY(scale, span.last), nullptr);
            }
        }
        RestoreDC(m_dc, saved);
    }

    void Strip()
    {
        const LayoutRect& strip = m_layout.strip;
        if (m_axes.strip.empty())
            return;
        GdiObject<HPEN> grid(CreatePen(PS_SOLID, 1, kGrid));
        const int pad = std::max(2, m_layout.laneHeight / 5);
        const int mark = std::max(3, m_layout.laneHeight / 4);
        for (std::size_t lane = 0; lane < m_axes.strip.size(); ++lane) {
            const std::size_t s = m_axes.strip[lane];
            const SeriesId id = m_scene.samples->SeriesAt(s);
            const int top = strip.top + int(lane) * m_layout.laneHeight;
            const int high = top + pad;
            const int low = top + m_layout.laneHeight - pad;
            {
                Selection pen(m_dc, grid.Get());
                Line(m_dc, strip.left, top + m_layout.laneHeight, strip.right, top + m_layout.laneHeight);
            }
            const COLORREF colour = SeriesColour(id);
            Text(m_dc, LaneName(id), strip.left - m_layout.tickLength - 2, top + (m_layout.laneHeight - m_text.height) / 2,
                 Align::Right, colour);
            const int saved = SaveDC(m_dc);
            IntersectClipRect(m_dc, strip.left, top, strip.right, top + m_layout.laneHeight);
            GdiObject<HPEN> pen(CreatePen(PS_SOLID, Scaled(m_scene.zoom, 1.5), colour));
            GdiObject<HBRUSH> fill(CreateSolidBrush(colour));
            Selection keepPen(m_dc, pen.Get());
            Selection keepBrush(m_dc, fill.Get());
            const auto level = [&](float value) { return value != 0 ? high : low; };
            const bool output = id.kind == SeriesKind::Output1 || id.kind == SeriesKind::Output2;
            float previous = 0;
            for (const ColumnSpan& span : SeriesColumns(*m_scene.samples, s, m_scene.visible, strip.Width())) {
                const int x = strip.left + span.column;
                if (span.joined)
                    LineTo(m_dc, x, level(previous));
                MoveToEx(m_dc, x, level(span.joined ? previous : span.first), nullptr);
                LineTo(m_dc, x, level(span.low));
                LineTo(m_dc, x, level(span.high));
                LineTo(m_dc, x, level(span.last));
                // Where an output switched: a mark on its trace.
                const bool switched = (span.joined && (previous != 0) != (span.first != 0)) ||
                                      ((span.low != 0) != (span.high != 0));
                if (output && switched) {
                    const POINT triangle[] = {{x - mark / 2, low + pad - 1}, {x + mark / 2, low + pad - 1}, {x, low + pad - 1 - mark}};
                    Polygon(m_dc, triangle, 3);
                    MoveToEx(m_dc, x, level(span.last), nullptr);
                }
                previous = span.last;
            }
            RestoreDC(m_dc, saved);
        }
    }

    void Frame()
    {
        GdiObject<HPEN> frame(CreatePen(PS_SOLID, 1, kFrame));
        Selection pen(m_dc, frame.Get());
        Selection brush(m_dc, GetStockObject(NULL_BRUSH));
        Rectangle(m_dc, m_layout.plot.left - 1, m_layout.plot.top - 1, m_layout.plot.right + 1, m_layout.plot.bottom + 1);
        if (m_layout.strip.Height() > 0)
            Rectangle(m_dc, m_layout.strip.left - 1, m_layout.strip.top - 1, m_layout.strip.right + 1,
                      m_layout.strip.bottom + 1);
    }

    // Swatches and names from the left while they fit: the plotted series, then the bands.
    void Legend()
    {
        const LayoutRect& legend = m_layout.legend;
        int x = legend.left;
        const int swatch = m_text.height;
        const int gap = m_text.digitWidth * 2;
        const auto entry = [&](const std::wstring& name, const auto& drawSwatch) {
            const int width = swatch + m_text.digitWidth / 2 + TextWidth(m_dc, name);
            if (x + width > legend.right)
                return;
            drawSwatch(RECT{x, legend.top + 1, x + swatch, legend.top + swatch - 1});
            Text(m_dc, name, x + swatch + m_text.digitWidth / 2, legend.top, Align::Left);
            x += width + gap;
        };
        for (std::size_t s : m_axes.plotted) {
            const SeriesId id = m_scene.samples->SeriesAt(s);
            entry(SeriesName(id), [&](RECT r) {
                const int y = (r.top + r.bottom) / 2;
                GdiObject<HPEN> pen(CreatePen(PS_SOLID, Scaled(m_scene.zoom, 2), SeriesColour(id)));
                Selection keep(m_dc, pen.Get());
                Line(m_dc, r.left, y, r.right, y);
            });
        }
        // One entry per kind of band shown.
        for (int output = 0; output < 2; ++output)
            for (bool active : {true, false})
                for (bool unwritten : {false, true}) {
                    const bool shown = std::any_of(m_scene.bands.begin(), m_scene.bands.end(), [&](const AngleBand& b) {
                        return b.output == output && b.active == active && b.unwritten == unwritten;
                    });
                    if (!shown)
                        continue;
                    std::wstring name = LoadResourceText(active ? IDS_CHART_BAND_ACTIVE : IDS_CHART_BAND_INACTIVE,
                                                         {std::to_wstring(output + 1)});
                    if (unwritten)
                        name += L" " + LoadResourceText(IDS_CHART_BAND_UNWRITTEN);
                    AngleBand sample{output, active, {}, unwritten};
                    entry(name, [&](RECT r) { SwatchOf(sample, r); });
                }
    }

    void SwatchOf(const AngleBand& band, const RECT& r)
    {
        const COLORREF* colours = band.unwritten ? (band.active ? kUnwrittenActiveBand : kUnwrittenInactiveBand)
                                                 : (band.active ? kActiveBand : kInactiveBand);
        if (band.output == 0) {
            FillRect(m_dc, r, colours[0]);
        } else {
            GdiObject<HBRUSH> hatch(CreateHatchBrush(band.active ? HS_FDIAGONAL : HS_BDIAGONAL, colours[1]));
            ::FillRect(m_dc, &r, hatch.Get());
        }
        GdiObject<HPEN> frame(CreatePen(PS_SOLID, 1, kGrid));
        Selection pen(m_dc, frame.Get());
        Selection brush(m_dc, GetStockObject(NULL_BRUSH));
        Rectangle(m_dc, r.left, r.top, r.right, r.bottom);
    }

    void Pointer()
    {
        if (!m_scene.pointer)
            return;
        std::vector<std::size_t> series = m_axes.plotted;
        series.insert(series.end(), m_axes.strip.begin(), m_axes.strip.end());
        const std::optional<PointerReadout> readout =
            ReadOut(*m_scene.samples, m_layout, m_scene.visible, series, m_scene.pointer->x, m_scene.pointer->y);
        if (!readout)
            return;
        const int x = Column(readout->time);
        const int bottom = m_layout.strip.Height() > 0 ? m_layout.strip.bottom : m_layout.plot.bottom;
        GdiObject<HPEN> pen(CreatePen(PS_DOT, 1, kPointer));
        {
            Selection keep(m_dc, pen.Get());
            SetBkMode(m_dc, OPAQUE);
            SetBkColor(m_dc, kBackground);
            Line(m_dc, x, m_layout.plot.top, x, bottom);
            SetBkMode(m_dc, TRANSPARENT);
        }
        std::vector<std::pair<std::wstring, COLORREF>> lines{{TimeLabel(readout->time, true), kText}};
        for (const ReadoutValue& value : readout->values) {
            const SeriesId id = m_scene.samples->SeriesAt(value.series);
            lines.push_back({SeriesName(id) + L": " + value.text, SeriesColour(id)});
        }
        int width = 0;
        for (const auto& line : lines)
            width = std::max(width, TextWidth(m_dc, line.first));
        const int pad = m_text.digitWidth / 2 + 1;
        const int height = int(lines.size()) * m_text.height + 2 * pad;
        // Beside the line, on the side with room, near the pointer's height.
        int left = x + pad * 2;
        if (left + width + 2 * pad > m_layout.plot.right)
            left = x - pad * 2 - width - 2 * pad;
        const int top = std::clamp(m_scene.pointer->y - height / 2, m_layout.plot.top, std::max(m_layout.plot.top, bottom - height));
        const RECT box{left, top, left + width + 2 * pad, top + height};
        FillRect(m_dc, box, kReadoutBack);
        {
            GdiObject<HPEN> frame(CreatePen(PS_SOLID, 1, kFrame));
            Selection keep(m_dc, frame.Get());
            Selection brush(m_dc, GetStockObject(NULL_BRUSH));
            Rectangle(m_dc, box.left, box.top, box.right, box.bottom);
        }
        for (std::size_t i = 0; i < lines.size(); ++i)
            Text(m_dc, lines[i].first, left + pad, top + pad + int(i) * m_text.height, Align::Left, lines[i].second);
    }

    HDC m_dc;
    LayoutRect m_area;
    const ChartScene& m_scene;
    GdiObject<HFONT> m_font;
    Selection m_keep;
    ChartTextMetrics m_text;
    int m_maxTicks;
    ChartAxes m_axes;
    ChartLayout m_layout;
};

}  // namespace

ChartLayout ChartLayoutFor(HDC dc, const LayoutRect& area, const ChartScene& scene)
{
    return Painter(dc, area, scene).Layout();
}

void PaintChart(HDC dc, const LayoutRect& area, const ChartScene& scene)
{
    if (!scene.samples)
        return;
    Painter(dc, area, scene).Paint();
}
