// A picture decoded from a PNG resource of the program.
#include "ui/window/win32/PngImage.h"

#include <objidl.h>

#include <cstring>

namespace gdip = Gdiplus::DllExports;

namespace {

constexpr wchar_t kPngResourceType[] = L"PNG";

// The calls that fail here mostly leave a reason in the thread's last error;
// where one does not, the reason is the data itself.
DWORD LastErrorOr(DWORD fallback)
{
    const DWORD error = GetLastError();
    return error != 0 ? error : fallback;
}

DWORD DecoderError(Gdiplus::GpStatus status)
{
    switch (status) {
    case Gdiplus::Win32Error:
        return LastErrorOr(ERROR_INVALID_DATA);
    case Gdiplus::OutOfMemory:
        return ERROR_NOT_ENOUGH_MEMORY;
    case Gdiplus::GdiplusNotInitialized:
        return ERROR_DLL_INIT_FAILED;
    default:
        return ERROR_INVALID_DATA;
    }
}

// Owns the movable block the stream reads from, and then the stream, which
// frees the block when released.
class CResourceStream
{
public:
    ~CResourceStream()
    {
        if (m_stream)
            m_stream->Release();
        else if (m_block)
            GlobalFree(m_block);
    }

    DWORD Open(const void* bytes, DWORD size)
    {
        m_block = GlobalAlloc(GMEM_MOVEABLE, size);
        if (!m_block)
            return LastErrorOr(ERROR_NOT_ENOUGH_MEMORY);
        void* target = GlobalLock(m_block);
        if (!target)
            return LastErrorOr(ERROR_NOT_ENOUGH_MEMORY);
        std::memcpy(target, bytes, size);
        GlobalUnlock(m_block);
        const HRESULT result = CreateStreamOnHGlobal(m_block, TRUE, &m_stream);
        if (FAILED(result)) {
            m_stream = nullptr;
            return HRESULT_FACILITY(result) == FACILITY_WIN32 ? HRESULT_CODE(result) : ERROR_NOT_ENOUGH_MEMORY;
        }
        return 0;
    }

    IStream* Get() const { return m_stream; }

private:
    HGLOBAL m_block = nullptr;
    IStream* m_stream = nullptr;
};

// Copies the decoded pixels into a bitmap whose memory GDI+ allocates and owns.
// A bitmap made from a stream may go on reading that stream while it lives.
Gdiplus::GpStatus CopyPixels(Gdiplus::GpBitmap* source, int width, int height, Gdiplus::GpBitmap** copy)
{
    const Gdiplus::GpRect all(0, 0, width, height);
    Gdiplus::GpStatus status = gdip::GdipCreateBitmapFromScan0(width, height, 0, PixelFormat32bppARGB, nullptr, copy);
    if (status != Gdiplus::Ok)
        return status;
    Gdiplus::BitmapData from{};
    Gdiplus::BitmapData to{};
    status = gdip::GdipBitmapLockBits(source, &all, Gdiplus::ImageLockModeRead, PixelFormat32bppARGB, &from);
    if (status == Gdiplus::Ok) {
        status = gdip::GdipBitmapLockBits(*copy, &all, Gdiplus::ImageLockModeWrite, PixelFormat32bppARGB, &to);
        if (status == Gdiplus::Ok) {
            for (int row = 0; row < height; ++row)
                std::memcpy(static_cast<BYTE*>(to.Scan0) + static_cast<ptrdiff_t>(row) * to.Stride,
                            static_cast<const BYTE*>(from.Scan0) + static_cast<ptrdiff_t>(row) * from.Stride,
                            static_cast<size_t>(width) * 4);
            gdip::GdipBitmapUnlockBits(*copy, &to);
        }
        gdip::GdipBitmapUnlockBits(source, &from);
    }
    if (status != Gdiplus::Ok) {
        gdip::GdipDisposeImage(*copy);
        *copy = nullptr;
    }
    return status;
}

}  // namespace

CPngImage::~CPngImage() { Release(); }

void CPngImage::Release()
{
    if (m_bitmap)
        gdip::GdipDisposeImage(m_bitmap);
    m_bitmap = nullptr;
    m_width = m_height = 0;
}

bool CPngImage::Fail(DWORD error)
{
    m_loadError = error;
    return false;
}

bool CPngImage::Load(HMODULE module, int id)
{
    Release();
    SetLastError(0);
    const HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(id), kPngResourceType);
    if (!resource)
        return Fail(LastErrorOr(ERROR_RESOURCE_NAME_NOT_FOUND));
    const DWORD size = SizeofResource(module, resource);
    const HGLOBAL loaded = size != 0 ? LoadResource(module, resource) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes)
        return Fail(LastErrorOr(ERROR_INVALID_DATA));

    CResourceStream stream;
    if (const DWORD error = stream.Open(bytes, size))
        return Fail(error);
    Gdiplus::GpBitmap* decoded = nullptr;
    Gdiplus::GpStatus status = gdip::GdipCreateBitmapFromStream(stream.Get(), &decoded);
    if (status != Gdiplus::Ok) {
        if (decoded)
            gdip::GdipDisposeImage(decoded);
        return Fail(DecoderError(status));
    }
    UINT width = 0, height = 0;
    status = gdip::GdipGetImageWidth(decoded, &width);
    if (status == Gdiplus::Ok)
        status = gdip::GdipGetImageHeight(decoded, &height);
    if (status == Gdiplus::Ok)
        status = CopyPixels(decoded, static_cast<int>(width), static_cast<int>(height), &m_bitmap);
    gdip::GdipDisposeImage(decoded);
    if (status != Gdiplus::Ok)
        return Fail(DecoderError(status));
    m_width = static_cast<int>(width);
    m_height = static_cast<int>(height);
    m_loadError = 0;
    return true;
}
