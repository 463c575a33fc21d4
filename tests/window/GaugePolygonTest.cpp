// The filled area of the inclination gauge at the angles a person reads most.
#include "ui/window/GaugePolygon.h"

#include <gtest/gtest.h>

namespace {

// 152 x 98 pixels: the main window's gauge (101 x 60 dialog units) with the
// usual 6 x 13 dialog font.
constexpr LayoutRect kGauge{0, 0, 152, 98};
constexpr LayoutRect kOffsetGauge{10, 20, 110, 80};

struct PolygonCase {
    LayoutRect client;
    int position;
    GaugePolygonPoints expected;
};

// Expected corners worked out by hand from the single-precision tangent.
const PolygonCase kPolygonCases[] = {
    // lower half, horizontal boundary through the centre
    {kGauge, 0, {{{152, 98}, {0, 98}, {0, 49}, {152, 49}}}},
    {kGauge, 180, {{{152, 98}, {0, 98}, {0, 49}, {152, 49}}}},
    {kGauge, 360, {{{152, 98}, {0, 98}, {0, 49}, {152, 49}}}},
    {kGauge, 1, {{{152, 98}, {0, 98}, {0, 50}, {152, 48}}}},
    {kGauge, 181, {{{152, 98}, {0, 98}, {0, 50}, {152, 48}}}},
    {kGauge, 30, {{{152, 98}, {0, 98}, {0, 93}, {152, 6}}}},
    // the last shallow angle: the line leaves the rectangle at top and bottom
    {kGauge, 45, {{{152, 98}, {0, 98}, {0, 125}, {152, -26}}}},
    // the first steep angle: still the area below-right of a rising line
    {kGauge, 46, {{{152, 98}, {152, 0}, {123, 0}, {29, 98}}}},
    {kGauge, 60, {{{152, 98}, {152, 0}, {104, 0}, {48, 98}}}},
    {kGauge, 89, {{{152, 98}, {152, 0}, {77, 0}, {76, 98}}}},
    // right half, vertical boundary through the centre (the tangent is huge and negative)
    {kGauge, 90, {{{152, 98}, {152, 0}, {76, 0}, {76, 98}}}},
    {kGauge, 91, {{{152, 98}, {152, 0}, {76, 0}, {77, 98}}}},
    {kGauge, 120, {{{152, 98}, {152, 0}, {48, 0}, {104, 98}}}},
    // the last steep angle: above-right of a falling line...
    {kGauge, 134, {{{152, 98}, {152, 0}, {29, 0}, {123, 98}}}},
    // ...and the first shallow one again: below-left of it
    {kGauge, 135, {{{152, 98}, {0, 98}, {0, -26}, {152, 125}}}},
    {kGauge, 150, {{{152, 98}, {0, 98}, {0, 6}, {152, 93}}}},
    {kGauge, 179, {{{152, 98}, {0, 98}, {0, 48}, {152, 50}}}},
    // negative positions count back from 180
    {kGauge, -10, {{{152, 98}, {0, 98}, {0, 36}, {152, 62}}}},
    {kGauge, -46, {{{152, 98}, {152, 0}, {29, 0}, {123, 98}}}},
    // a client rectangle away from the origin
    {kOffsetGauge, 0, {{{110, 80}, {10, 80}, {10, 50}, {110, 50}}}},
    {kOffsetGauge, 1, {{{110, 80}, {10, 80}, {10, 51}, {110, 50}}}},
    {kOffsetGauge, 45, {{{110, 80}, {10, 80}, {10, 100}, {110, 1}}}},
    {kOffsetGauge, 46, {{{110, 80}, {110, 20}, {89, 20}, {32, 80}}}},
    {kOffsetGauge, 90, {{{110, 80}, {110, 20}, {60, 20}, {60, 80}}}},
    {kOffsetGauge, 134, {{{110, 80}, {110, 20}, {32, 20}, {89, 80}}}},
    {kOffsetGauge, 135, {{{110, 80}, {10, 80}, {10, 1}, {110, 100}}}},
    {kOffsetGauge, 179, {{{110, 80}, {10, 80}, {10, 50}, {110, 51}}}},
    // an empty control draws nothing visible but still gets a well-defined area
    {LayoutRect{}, 0, {{{0, 0}, {0, 0}, {0, 0}, {0, 0}}}},
    {LayoutRect{}, 90, {{{0, 0}, {0, 0}, {0, 0}, {0, 0}}}},
};

TEST(GaugePolygon, CornersAtEachAngle)
{
    for (const PolygonCase& c : kPolygonCases) {
        SCOPED_TRACE(testing::Message() << "position " << c.position << " in " << c.client.left << ","
                                        << c.client.top << "-" << c.client.right << "," << c.client.bottom);
        const GaugePolygonPoints points = GaugePolygon(c.client, c.position);
        for (size_t i = 0; i < points.size(); ++i) {
            EXPECT_EQ(points[i].x, c.expected[i].x) << "corner " << i;
            EXPECT_EQ(points[i].y, c.expected[i].y) << "corner " << i;
        }
    }
}

// Even-odd rule, as the drawing fills.
bool Inside(const GaugePolygonPoints& polygon, double x, double y)
{
    bool inside = false;
    for (size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        const GaugePoint& a = polygon[i];
        const GaugePoint& b = polygon[j];
        if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / double(b.y - a.y) + a.x)
            inside = !inside;
    }
    return inside;
}

struct SideCase {
    int position;
    GaugePoint filled, empty;  // 20 pixels either side of the centre (76, 49)
};

// Which side of the boundary shows green: the reading a person takes in.
const SideCase kSideCases[] = {
    {0, {76, 69}, {76, 29}},   {180, {76, 69}, {76, 29}},  {90, {96, 49}, {56, 49}},
    {45, {96, 69}, {56, 29}},  {46, {96, 69}, {56, 29}},   {134, {96, 29}, {56, 69}},
    {135, {56, 69}, {96, 29}}, {179, {76, 69}, {76, 29}},
};

TEST(GaugePolygon, FilledSideOfTheBoundary)
{
    for (const SideCase& c : kSideCases) {
        SCOPED_TRACE(testing::Message() << "position " << c.position);
        const GaugePolygonPoints polygon = GaugePolygon(kGauge, c.position);
        EXPECT_TRUE(Inside(polygon, c.filled.x + 0.5, c.filled.y + 0.5));
        EXPECT_FALSE(Inside(polygon, c.empty.x + 0.5, c.empty.y + 0.5));
    }
}

}  // namespace
