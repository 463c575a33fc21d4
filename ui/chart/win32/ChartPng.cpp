// The chart as a PNG file.
#include "ui/chart/win32/ChartPng.h"

#include "ui/chart/win32/ChartPainter.h"

#include <windows.h>

#include <objidl.h>
#include <gdiplus.h>

#include <cstring>
#include <vector>

namespace gdip = Gdiplus::DllExports;

namespace {

DWORD LastErrorOr(DWORD fallback)
{
    const DWORD error = GetLastError();
    return error != 0 ? error : fallback;
}

DWORD EncoderError(Gdiplus::GpStatus status)
{
    switch (status) {
    case Gdiplus::Ok:
        return 0;
    case Gdiplus::OutOfMemory:
        return ERROR_NOT_ENOUGH_MEMORY;
    case Gdiplus::GdiplusNotInitialized:
        return ERROR_DLL_INIT_FAILED;
    case Gdiplus::Win32Error:
        return LastErrorOr(ERROR_GEN_FAILURE);
    default:
        return ERROR_GEN_FAILURE;
    }
}

bool PngEncoder(CLSID& encoder)
{
    UINT count = 0;
    UINT bytes = 0;
    if (gdip::GdipGetImageEncodersSize(&count, &bytes) != Gdiplus::Ok || bytes == 0)
        return false;
    std::vector<BYTE> buffer(bytes);
    auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    if (gdip::GdipGetImageEncoders(count, bytes, codecs) != Gdiplus::Ok)
        return false;
    for (UINT i = 0; i < count; ++i)
        if (codecs[i].MimeType && std::wcscmp(codecs[i].MimeType, L"image/png") == 0) {
            encoder = codecs[i].Clsid;
            return true;
        }
    return false;
}

// The chart's pixels, top row first, in a bitmap of its own.
class ChartBitmap {
public:
    ChartBitmap(const ChartScene& scene, LayoutSize size)
    {
        m_dc = CreateCompatibleDC(nullptr);
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = size.width;
        info.bmiHeader.biHeight = -size.height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        m_bitmap = m_dc ? CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, &m_bits, nullptr, 0) : nullptr;
        if (!m_bitmap) {
            m_error = LastErrorOr(ERROR_NOT_ENOUGH_MEMORY);
            return;
        }
        m_old = SelectObject(m_dc, m_bitmap);
        PaintChart(m_dc, LayoutRect{0, 0, size.width, size.height}, scene);
        GdiFlush();
    }
    ~ChartBitmap()
    {
        if (m_old)
            SelectObject(m_dc, m_old);
        if (m_bitmap)
            DeleteObject(m_bitmap);
        if (m_dc)
            DeleteDC(m_dc);
    }
    ChartBitmap(const ChartBitmap&) = delete;
    ChartBitmap& operator=(const ChartBitmap&) = delete;

    DWORD Error() const { return m_error; }
    BYTE* Bits() const { return static_cast<BYTE*>(m_bits); }

private:
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_old = nullptr;
    void* m_bits = nullptr;
    DWORD m_error = 0;
};

// The PNG's bytes, encoded into memory so that the file is written by one call whose failure
// carries the system's reason.
DWORD EncodePng(const ChartBitmap& pixels, LayoutSize size, std::vector<BYTE>& png)
{
    CLSID encoder{};
    if (!PngEncoder(encoder))
        return ERROR_NOT_SUPPORTED;
    Gdiplus::GpBitmap* bitmap = nullptr;
    Gdiplus::GpStatus status = gdip::GdipCreateBitmapFromScan0(size.width, size.height, size.width * 4,
                                                               PixelFormat32bppRGB, pixels.Bits(), &bitmap);
    if (status != Gdiplus::Ok)
        return EncoderError(status);
    IStream* stream = nullptr;
    const HRESULT made = CreateStreamOnHGlobal(nullptr, TRUE, &stream);
    if (FAILED(made)) {
        gdip::GdipDisposeImage(bitmap);
        return ERROR_NOT_ENOUGH_MEMORY;
    }
    status = gdip::GdipSaveImageToStream(bitmap, stream, &encoder, nullptr);
    gdip::GdipDisposeImage(bitmap);
    DWORD error = EncoderError(status);
    if (error == 0) {
        ULARGE_INTEGER end{};
        LARGE_INTEGER zero{};
        HGLOBAL block = nullptr;
        if (FAILED(stream->Seek(zero, STREAM_SEEK_END, &end)) || FAILED(GetHGlobalFromStream(stream, &block))) {
            error = ERROR_GEN_FAILURE;
        } else {
            const void* bytes = GlobalLock(block);
            png.assign(static_cast<const BYTE*>(bytes), static_cast<const BYTE*>(bytes) + end.QuadPart);
            GlobalUnlock(block);
        }
    }
    stream->Release();
    return error;
}

}  // namespace

std::uint32_t SaveChartPng(const std::wstring& path, const ChartScene& scene, LayoutSize size)
{
    const ChartBitmap pixels(scene, size);
    if (pixels.Error() != 0)
        return pixels.Error();
    std::vector<BYTE> png;
    if (const DWORD error = EncodePng(pixels, size, png))
        return error;
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return GetLastError();
    DWORD written = 0;
    const bool whole = WriteFile(file, png.data(), DWORD(png.size()), &written, nullptr) && written == png.size();
    const DWORD error = whole ? 0 : LastErrorOr(ERROR_DISK_FULL);
    CloseHandle(file);
    if (!whole)
        DeleteFileW(path.c_str());
    return error;
}
