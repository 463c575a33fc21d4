// The filled area of the inclination gauge.
#include "ui/window/GaugePolygon.h"

#include <cmath>

namespace {

constexpr int kHalfTurnDegrees = 180;
// Tilts from here to kLastSteepDegrees are drawn against the vertical.
constexpr int kFirstSteepDegrees = 46;
constexpr int kLastSteepDegrees = 134;

// The tangent of the angle the way the gauge has always drawn it: the angle in
// single precision, the tangent taken in double and kept in single, so that the
// boundary falls on the same pixels at every angle.
float GaugeTangent(int degrees)
{
    const float radians = static_cast<float>(degrees * 3.141592653589793 / kHalfTurnDegrees);
    return static_cast<float>(std::tan(static_cast<double>(radians)));
}

}  // namespace

GaugePolygonPoints GaugePolygon(const LayoutRect& client, int position)
{
    const int l = client.left, t = client.top, r = client.right, b = client.bottom;
    const int w = r - l, h = b - t;
    int degrees = position % kHalfTurnDegrees;
    if (degrees < 0)
        degrees += kHalfTurnDegrees;
    const float tangent = GaugeTangent(degrees);

    // Each offset is worked out only on the side that uses it: the other one
    // divides by a tangent of 0 or multiplies one near infinity.
    if (degrees < kFirstSteepDegrees || degrees > kLastSteepDegrees) {
        const int dy = static_cast<int>(tangent * static_cast<float>(w));
        return {{{r, b}, {l, b}, {l, t + (h + dy + 1) / 2}, {r, t + (h - dy + 1) / 2}}};
    }
    const int dx = static_cast<int>(static_cast<float>(h) / tangent);
    return {{{r, b}, {r, t}, {l + (w + dx + 1) / 2, t}, {l + (w - dx + 1) / 2, b}}};
}
