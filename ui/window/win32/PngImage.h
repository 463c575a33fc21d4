// A picture decoded from a PNG resource of the program (GDI+), held in memory of
// its own: nothing of the resource or of the stream it was read from stays in use.
#pragma once

#include <windows.h>

#include <gdiplus.h>

class CPngImage
{
public:
    CPngImage() = default;
    ~CPngImage();
    CPngImage(const CPngImage&) = delete;
    CPngImage& operator=(const CPngImage&) = delete;

    // Attributes
    bool HasImage() const { return m_bitmap != nullptr; }
    Gdiplus::GpBitmap* GetBitmap() const { return m_bitmap; }
    int GetWidth() const { return m_width; }
    int GetHeight() const { return m_height; }
    // The system error code of the last failed Load, 0 after a successful one.
    DWORD GetLoadError() const { return m_loadError; }

    // Operations
    // Decodes resource id of type "PNG" from module; false leaves no image and
    // the reason in GetLoadError(). GDI+ must be running.
    bool Load(HMODULE module, int id);
    void Release();

private:
    bool Fail(DWORD error);

    Gdiplus::GpBitmap* m_bitmap = nullptr;
    int m_width = 0;
    int m_height = 0;
    DWORD m_loadError = 0;
};
