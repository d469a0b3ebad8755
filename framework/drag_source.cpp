#include "drag_source.h"

#include "com_object.h"
#include "guards.h"

#include <ole2.h>
#include <shlobj.h>

#include <cstring>
#include <iterator>
#include <string>

namespace {

// The formats offered, in the order a target should prefer them.
constexpr CLIPFORMAT kTextFormats[] = {CF_UNICODETEXT, CF_TEXT};

bool IsOffered(const FORMATETC* format)
{
    return (format->cfFormat == CF_UNICODETEXT || format->cfFormat == CF_TEXT) && (format->tymed & TYMED_HGLOBAL) &&
           format->dwAspect == DVASPECT_CONTENT;
}

// A copy of the block for the target, which frees it.
HGLOBAL CopyBlock(HGLOBAL block)
{
    const SIZE_T size = GlobalSize(block);
    HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!copy)
        return nullptr;
    GlobalLockGuard<char> from(block);
    GlobalLockGuard<char> to(copy);
    if (!from || !to) {
        GlobalFree(copy);
        return nullptr;
    }
    std::memcpy(to.Get(), from.Get(), size);
    return copy;
}

// A zeroed block of `size` bytes that begins with `length` bytes of `data`.
HGLOBAL BlockOf(const void* data, size_t length, size_t size)
{
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    if (!block)
        return nullptr;
    GlobalLockGuard<char> locked(block);
    if (!locked) {
        GlobalFree(block);
        return nullptr;
    }
    std::memcpy(locked.Get(), data, length);
    return block;
}

// The text in the system's code page, for targets that only take CF_TEXT.
std::string ToSystemCodePage(const std::wstring& text)
{
    const int units = static_cast<int>(text.size());
    const int size = units ? WideCharToMultiByte(CP_ACP, 0, text.data(), units, nullptr, 0, nullptr, nullptr) : 0;
    std::string bytes(static_cast<size_t>(size > 0 ? size : 0), '\0');
    if (size > 0)
        WideCharToMultiByte(CP_ACP, 0, text.data(), units, &bytes[0], size, nullptr, nullptr);
    return bytes;
}

class TextDataObject : public ComObject<IDataObject> {
public:
    explicit TextDataObject(const std::wstring& text)
    {
        const std::string bytes = ToSystemCodePage(text);
        // Twice the length, zeroed: the text is followed by at least as many NULs.
        ansi_.Reset(BlockOf(bytes.data(), bytes.size(), 2 * bytes.size()));
        unicode_.Reset(BlockOf(text.data(), text.size() * sizeof(wchar_t), (text.size() + 1) * sizeof(wchar_t)));
    }

    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override
    {
        if (!IsOffered(format))
            return DV_E_FORMATETC;
        const OwnedGlobal& block = format->cfFormat == CF_UNICODETEXT ? unicode_ : ansi_;
        HGLOBAL copy = block ? CopyBlock(block.Get()) : nullptr;
        if (!copy)
            return E_OUTOFMEMORY;
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = copy;
        medium->pUnkForRelease = nullptr;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override
    {
        return IsOffered(format) ? S_OK : DV_E_FORMATETC;
    }
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override
    {
        out->ptd = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats) override
    {
        if (direction != DATADIR_GET)
            return E_NOTIMPL;
        FORMATETC offered[std::size(kTextFormats)];
        for (size_t i = 0; i < std::size(kTextFormats); ++i)
            offered[i] = FORMATETC{kTextFormats[i], nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
        return SHCreateStdEnumFmtEtc(static_cast<UINT>(std::size(offered)), offered, formats);
    }
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override
    {
        return OLE_E_ADVISENOTSUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

private:
    OwnedGlobal unicode_;
    OwnedGlobal ansi_;
};

class TextDropSource : public ComObject<IDropSource> {
public:
    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escapePressed, DWORD keys) override
    {
        if (escapePressed)
            return DRAGDROP_S_CANCEL;
        if (!(keys & MK_LBUTTON))
            return DRAGDROP_S_DROP;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }
};

}  // namespace

IDataObject* MakeTextData(const std::wstring& text)
{
    return new TextDataObject(text);
}

DWORD DragText(const std::wstring& text, DWORD allowedEffects)
{
    ComRef<IDataObject> data(MakeTextData(text));
    ComRef<IDropSource> source(new TextDropSource);
    DWORD effect = DROPEFFECT_NONE;
    if (DoDragDrop(data.Get(), source.Get(), allowedEffects, &effect) != DRAGDROP_S_DROP)
        return DROPEFFECT_NONE;
    return effect;
}
