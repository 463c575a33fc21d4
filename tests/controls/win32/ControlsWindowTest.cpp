// The gauge and the image buttons in a live dialog: what they put on the screen,
// read back pixel by pixel.
#include <windows.h>

#include <gdiplus.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "tests/common/win32/GdiplusTestEnvironment.h"
#include "tests/controls/win32/ControlsTestIds.h"
#include "ui/resources/image_ids.h"
#include "ui/window/GaugePolygon.h"
#include "ui/window/PngFit.h"
#include "ui/window/win32/CDataExchange.h"
#include "ui/window/win32/CDialog.h"
#include "ui/window/win32/CInclinationCtrl.h"
#include "ui/window/win32/CPNGButton.h"

namespace gdip = Gdiplus::DllExports;
using Gdiplus::ARGB;

namespace {

const testing::Environment* const kGdiplus = testing::AddGlobalTestEnvironment(new CGdiplusTestEnvironment);

class CControlsTestDlg : public CDialog {
public:
    CControlsTestDlg()
        : CDialog(IDD_CONTROLS_TEST), m_logo(IDP_LOGO), m_marker(IDP_HELP_MARKER), m_fullSizeMarker(IDP_HELP_MARKER),
          m_missing(IDP_TEST_MISSING)
    {
    }

    CInclinationCtrl m_gauge;
    CPNGButton m_logo;
    CPNGButton m_marker;
    CPNGButton m_fullSizeMarker;
    CPNGButton m_missing;

protected:
    void DoDataExchange(CDataExchange& dx) override
    {
        dx.Subclass(IDC_TEST_GAUGE, m_gauge);
        dx.Subclass(IDC_TEST_LOGO, m_logo);
        dx.Subclass(IDC_TEST_MARKER, m_marker);
        dx.Subclass(IDC_TEST_MARKER_FULL_SIZE, m_fullSizeMarker);
        dx.Subclass(IDC_TEST_MISSING_IMAGE, m_missing);
    }
};

// The pixels of a window's client area as COLORREFs, row by row.
struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> colors;
    COLORREF At(int x, int y) const { return colors[static_cast<size_t>(y) * width + x]; }
};

// Copies what the window shows on the screen, or what it paints into our
// bitmap when asked to print itself (PrintWindow).
enum class Source { Screen, Print };

Pixels Capture(HWND window, Source source)
{
    RECT client{};
    ::GetClientRect(window, &client);
    Pixels out;
    out.width = client.right;
    out.height = client.bottom;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = out.width;
    info.bmiHeader.biHeight = -out.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC screen = ::GetDC(window);
    HDC memory = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    if (source == Source::Screen)
        ::BitBlt(memory, 0, 0, out.width, out.height, screen, 0, 0, SRCCOPY);
    else
        ::PrintWindow(window, memory, PW_CLIENTONLY);
    ::GdiFlush();
    const auto* bgra = static_cast<const BYTE*>(bits);
    for (int i = 0; i < out.width * out.height; ++i)
        out.colors.push_back(RGB(bgra[4 * i + 2], bgra[4 * i + 1], bgra[4 * i]));
    ::SelectObject(memory, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(window, screen);
    return out;
}

COLORREF Face() { return ::GetSysColor(COLOR_BTNFACE); }

bool Near(COLORREF a, COLORREF b, int tolerance)
{
    return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance && std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
           std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

// Lets the controls paint what is pending, as the message loop would.
void Pump()
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

class ControlsWindowTest : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_dialog = std::make_unique<CControlsTestDlg>();
        ASSERT_TRUE(s_dialog->Create(nullptr)) << "error " << ::GetLastError();
        ::SetWindowPos(*s_dialog, HWND_TOP, 20, 20, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
        Pump();
    }
    static void TearDownTestSuite() { s_dialog.reset(); }

    static std::unique_ptr<CControlsTestDlg> s_dialog;
};

std::unique_ptr<CControlsTestDlg> ControlsWindowTest::s_dialog;

// Every pixel of the gauge clearly on one side of its boundary line: green on
// the filled side, button face on the other. Pixels within two of the line are
// left to the rasteriser.
struct GaugeTally {
    int green = 0, face = 0, wrong = 0;
};

GaugeTally CheckGauge(const Pixels& pixels, int position)
{
    const LayoutRect client{0, 0, pixels.width, pixels.height};
    const GaugePolygonPoints corners = GaugePolygon(client, position);
    // Corners 2 and 3 are the ends of the boundary; corner 1 tells the kind.
    const bool steep = corners[1].x == client.right && corners[1].y == client.top;
    const double margin = 2.0;
    GaugeTally tally;
    for (int y = 0; y < pixels.height; ++y) {
        for (int x = 0; x < pixels.width; ++x) {
            const double cx = x + 0.5, cy = y + 0.5;
            double beyond;  // how far the pixel lies on the filled side
            if (steep) {
                const double lineX = corners[2].x + double(corners[3].x - corners[2].x) * cy / pixels.height;
                beyond = cx - lineX;
            } else {
                const double lineY = corners[2].y + double(corners[3].y - corners[2].y) * cx / pixels.width;
                beyond = cy - lineY;
            }
            if (beyond > -margin && beyond < margin)
                continue;
            const COLORREF expected = beyond > 0 ? kGaugeFillColor : Face();
            const COLORREF seen = pixels.At(x, y);
            if (seen != expected) {
                if (tally.wrong++ < 5)
                    ADD_FAILURE() << "position " << position << ": pixel " << x << "," << y << " is " << std::hex
                                  << seen << ", expected " << expected;
            } else if (beyond > 0) {
                ++tally.green;
            } else {
                ++tally.face;
            }
        }
    }
    return tally;
}

TEST_F(ControlsWindowTest, GaugeDrawsItsPolygonAtEachPosition)
{
    CInclinationCtrl& gauge = s_dialog->m_gauge;
    gauge.SetRange(0, 180);
    // One position after the other, as the main window moves it: each change
    // alone must bring the whole picture up to date.
    for (int position : {0, 45, 46, 90, 134, 135, 179, 180, 30, 120, 1}) {
        SCOPED_TRACE(testing::Message() << "position " << position);
        gauge.SetWindowText(std::to_wstring(position) + L"\u00b0");
        gauge.SetPos(position);
        Pump();
        ASSERT_EQ(gauge.GetPos(), position);
        for (Source source : {Source::Screen, Source::Print}) {
            const GaugeTally tally = CheckGauge(Capture(gauge, source), position);
            EXPECT_EQ(tally.wrong, 0);
            // The areas are large whatever the angle: a blank picture cannot pass.
            EXPECT_GT(tally.green, 1000);
            EXPECT_GT(tally.face, 1000);
        }
    }
}

TEST_F(ControlsWindowTest, GaugeOutsideItsUsualRangeDrawsThePositionModulo180)
{
    CInclinationCtrl& gauge = s_dialog->m_gauge;
    gauge.SetRange(0, 360);
    gauge.SetPos(225);
    Pump();
    const Pixels pixels = Capture(gauge, Source::Screen);
    EXPECT_EQ(CheckGauge(pixels, 45).wrong, 0);
    gauge.SetRange(0, 180);
}

TEST_F(ControlsWindowTest, HighlightRepaintsOnlyWhenItChanges)
{
    CInclinationCtrl& gauge = s_dialog->m_gauge;
    gauge.SetRange(0, 180);
    gauge.SetPos(30);
    Pump();
    ASSERT_FALSE(gauge.GetHighlight());

    ::ValidateRect(gauge, nullptr);
    gauge.SetHighlight(false);
    EXPECT_FALSE(::GetUpdateRect(gauge, nullptr, FALSE));

    gauge.SetHighlight(true);
    EXPECT_TRUE(gauge.GetHighlight());
    RECT update{};
    ASSERT_TRUE(::GetUpdateRect(gauge, &update, FALSE));
    const RECT client = gauge.GetClientRect();
    EXPECT_TRUE(::EqualRect(&update, &client));

    ::ValidateRect(gauge, nullptr);
    gauge.SetHighlight(true);
    EXPECT_FALSE(::GetUpdateRect(gauge, nullptr, FALSE));

    // The highlight has no look of its own on the gauge.
    ::InvalidateRect(gauge, nullptr, TRUE);
    Pump();
    EXPECT_EQ(CheckGauge(Capture(gauge, Source::Screen), 30).wrong, 0);
    gauge.SetHighlight(false);
    EXPECT_FALSE(gauge.GetHighlight());
}

// The decoded picture's pixels as 0xAARRGGBB, row by row.
std::vector<ARGB> PicturePixels(const CPngImage& image)
{
    std::vector<ARGB> out(static_cast<size_t>(image.GetWidth()) * image.GetHeight());
    Gdiplus::BitmapData data{};
    data.Width = image.GetWidth();
    data.Height = image.GetHeight();
    data.Stride = image.GetWidth() * 4;
    data.PixelFormat = PixelFormat32bppARGB;
    data.Scan0 = out.data();
    const Gdiplus::GpRect all(0, 0, image.GetWidth(), image.GetHeight());
    EXPECT_EQ(gdip::GdipBitmapLockBits(image.GetBitmap(), &all,
                                       Gdiplus::ImageLockModeRead | Gdiplus::ImageLockModeUserInputBuf,
                                       PixelFormat32bppARGB, &data),
              Gdiplus::Ok);
    gdip::GdipBitmapUnlockBits(image.GetBitmap(), &data);
    return out;
}

COLORREF Opaque(ARGB pixel) { return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF); }

TEST_F(ControlsWindowTest, MarkerAtItsOwnSizeShowsEveryPixelOfThePicture)
{
    CPNGButton& button = s_dialog->m_fullSizeMarker;
    ASSERT_TRUE(button.HasImage());
    button.SetWindowPos(nullptr, 0, 0, 32, 32, SWP_NOMOVE | SWP_NOZORDER);
    button.Invalidate(true);
    Pump();
    const Pixels pixels = Capture(button, Source::Screen);
    ASSERT_EQ(pixels.width, 32);
    ASSERT_EQ(pixels.height, 32);

    CPngImage reference;
    ASSERT_TRUE(reference.Load(::GetModuleHandleW(nullptr), IDP_HELP_MARKER));
    ASSERT_EQ(reference.GetWidth(), 32);
    const std::vector<ARGB> picture = PicturePixels(reference);
    // The drawing script's colours: a blue disc, transparent corners.
    EXPECT_EQ(Opaque(picture[16 * 32 + 3]), RGB(0x1f, 0x5f, 0xbf));
    EXPECT_EQ(picture[0] >> 24, 0u);

    int opaque = 0, clear = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const ARGB pixel = picture[y * 32 + x];
            const unsigned alpha = pixel >> 24;
            if (alpha == 0xFF) {
                ++opaque;
                EXPECT_TRUE(Near(pixels.At(x, y), Opaque(pixel), 2)) << x << "," << y;
            } else if (alpha == 0) {
                ++clear;
                EXPECT_EQ(pixels.At(x, y), Face()) << x << "," << y;
            }
        }
    }
    EXPECT_GT(opaque, 500);
    EXPECT_GT(clear, 50);
}

// The button shows the face outside the fitted rectangle, and inside it the
// picture wherever the picture is of one colour over the area that maps to a
// pixel (there the scaling cannot blend in anything else).
struct FitTally {
    int compared = 0, wrong = 0;
};

FitTally CheckFittedPicture(const Pixels& pixels, const LayoutRect& fit, const CPngImage& image)
{
    const std::vector<ARGB> picture = PicturePixels(image);
    const int w = image.GetWidth(), h = image.GetHeight();
    const int reachX = w / fit.Width() + 2, reachY = h / fit.Height() + 2;
    FitTally tally;
    for (int y = 0; y < pixels.height; ++y) {
        for (int x = 0; x < pixels.width; ++x) {
            const bool inside = x >= fit.left && x < fit.right && y >= fit.top && y < fit.bottom;
            COLORREF expected = Face();
            if (inside) {
                const int sx = static_cast<int>((x - fit.left + 0.5) * w / fit.Width());
                const int sy = static_cast<int>((y - fit.top + 0.5) * h / fit.Height());
                const ARGB centre = picture[sy * w + sx];
                bool uniform = (centre >> 24) == 0 || (centre >> 24) == 0xFF;
                for (int dy = -reachY; uniform && dy <= reachY; ++dy)
                    for (int dx = -reachX; uniform && dx <= reachX; ++dx) {
                        const int px = sx + dx, py = sy + dy;
                        uniform = px >= 0 && py >= 0 && px < w && py < h && picture[py * w + px] == centre;
                    }
                if (!uniform)
                    continue;
                if (centre >> 24)
                    expected = Opaque(centre);
            }
            ++tally.compared;
            if (!Near(pixels.At(x, y), expected, 3) && tally.wrong++ < 5)
                ADD_FAILURE() << "pixel " << x << "," << y << " is " << std::hex << pixels.At(x, y) << ", expected "
                              << expected;
        }
    }
    return tally;
}

LayoutRect FitOf(const CPNGButton& button, const CPngImage& image)
{
    const RECT client = button.GetClientRect();
    HDC dc = ::GetDC(button);
    const FitDpi dpi{::GetDeviceCaps(dc, LOGPIXELSX), ::GetDeviceCaps(dc, LOGPIXELSY)};
    ::ReleaseDC(button, dc);
    return PngFit(LayoutRect{0, 0, client.right, client.bottom}, dpi, LayoutSize{image.GetWidth(), image.GetHeight()});
}

TEST_F(ControlsWindowTest, LogoFillsTheWidthCentredVertically)
{
    CPNGButton& button = s_dialog->m_logo;
    ASSERT_TRUE(button.HasImage());
    CPngImage reference;
    ASSERT_TRUE(reference.Load(::GetModuleHandleW(nullptr), IDP_LOGO));
    ASSERT_EQ(reference.GetWidth(), 846);
    ASSERT_EQ(reference.GetHeight(), 108);
    const LayoutRect fit = FitOf(button, reference);
    const RECT client = button.GetClientRect();
    EXPECT_EQ(fit.Width(), client.right);
    EXPECT_LT(fit.Height(), client.bottom);
    EXPECT_LE(std::abs(fit.top - (client.bottom - fit.bottom)), 1);

    for (Source source : {Source::Screen, Source::Print}) {
        const FitTally tally = CheckFittedPicture(Capture(button, source), fit, reference);
        EXPECT_EQ(tally.wrong, 0);
        EXPECT_GT(tally.compared, client.right * client.bottom / 2);
    }
}

TEST_F(ControlsWindowTest, SmallMarkerIsScaledDownToItsSquare)
{
    CPNGButton& button = s_dialog->m_marker;
    CPngImage reference;
    ASSERT_TRUE(reference.Load(::GetModuleHandleW(nullptr), IDP_HELP_MARKER));
    const LayoutRect fit = FitOf(button, reference);
    EXPECT_EQ(fit.Width(), fit.Height());
    const Pixels pixels = Capture(button, Source::Screen);
    EXPECT_EQ(CheckFittedPicture(pixels, fit, reference).wrong, 0);
    // The disc is there: most of the square is not button face.
    int drawn = 0;
    for (int y = fit.top; y < fit.bottom; ++y)
        for (int x = fit.left; x < fit.right; ++x)
            drawn += pixels.At(x, y) != Face();
    EXPECT_GT(drawn, fit.Width() * fit.Height() / 2);
}

TEST_F(ControlsWindowTest, ButtonWithoutPictureShowsThePlainFace)
{
    CPNGButton& button = s_dialog->m_missing;
    EXPECT_FALSE(button.HasImage());
    EXPECT_EQ(button.GetLoadError(), static_cast<DWORD>(ERROR_RESOURCE_NAME_NOT_FOUND));
    button.Invalidate(true);
    Pump();
    const Pixels pixels = Capture(button, Source::Screen);
    ASSERT_GT(pixels.colors.size(), 0u);
    for (COLORREF color : pixels.colors)
        ASSERT_EQ(color, Face());
}

struct LoadCase {
    const char* what;
    int id;
    bool loads;
};

TEST(PNGButtonLoad, EachKindOfResource)
{
    const LoadCase cases[] = {
        {"logo", IDP_LOGO, true},
        {"help marker", IDP_HELP_MARKER, true},
        {"no such resource", IDP_TEST_MISSING, false},
        {"text, not a picture", IDP_TEST_NOT_A_PICTURE, false},
        {"empty resource", IDP_TEST_EMPTY, false},
    };
    for (const LoadCase& c : cases) {
        SCOPED_TRACE(c.what);
        CPNGButton button(c.id);
        EXPECT_EQ(button.HasImage(), c.loads);
        // A button without its picture always says why.
        EXPECT_EQ(button.GetLoadError() == 0, c.loads);
    }
}

TEST(PNGButtonLifetime, PictureGoesWithTheWindow)
{
    CControlsTestDlg dialog;
    ASSERT_TRUE(dialog.Create(nullptr));
    ASSERT_TRUE(dialog.m_logo.HasImage());
    dialog.DestroyWindow();
    EXPECT_FALSE(dialog.m_logo.HasImage());
    EXPECT_FALSE(dialog.m_logo.IsWindow());
}

}  // namespace
