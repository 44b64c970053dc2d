#include "platform/win32/banner.h"

#include <objidl.h>
#include <ocidl.h>
#include <olectl.h>

#include <cstring>

#include "app/resources/resource_ids.h"

namespace ruvelka {

HBITMAP LoadBannerBitmap(HINSTANCE instance) {
    HRSRC resource = FindResourceA(instance, MAKEINTRESOURCEA(IDR_BANNER), MAKEINTRESOURCEA(10) /* RT_RCDATA */);
    if (resource == nullptr) return nullptr;
    DWORD size = SizeofResource(instance, resource);
    HGLOBAL loaded = LoadResource(instance, resource);
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (bytes == nullptr || size == 0) return nullptr;

    // OleLoadPicture reads from a stream over a movable memory block.
    HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, size);
    if (copy == nullptr) return nullptr;
    std::memcpy(GlobalLock(copy), bytes, size);
    GlobalUnlock(copy);
    IStream* stream = nullptr;
    if (FAILED(CreateStreamOnHGlobal(copy, TRUE, &stream))) {
        GlobalFree(copy);
        return nullptr;
    }
    IPicture* picture = nullptr;
    HRESULT loadedPicture =
        OleLoadPicture(stream, static_cast<LONG>(size), FALSE, IID_IPicture, reinterpret_cast<void**>(&picture));
    stream->Release();
    if (FAILED(loadedPicture) || picture == nullptr) return nullptr;

    HBITMAP result = nullptr;
    OLE_HANDLE handle = 0;
    SHORT type = PICTYPE_NONE;
    if (SUCCEEDED(picture->get_Type(&type)) && type == PICTYPE_BITMAP && SUCCEEDED(picture->get_Handle(&handle))) {
        // The picture owns its bitmap; keep a copy of our own.
        result = static_cast<HBITMAP>(
            CopyImage(reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(handle)), IMAGE_BITMAP, 0, 0, 0));
    }
    picture->Release();
    return result;
}

}  // namespace ruvelka
