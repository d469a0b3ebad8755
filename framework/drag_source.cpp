#include "drag_source.h"

#include "com_object.h"
#include "guards.h"

#include <ole2.h>
#include <shlobj.h>

#include <cstring>

namespace {

bool IsTextFormat(const FORMATETC* format)
{
    return format->cfFormat == CF_TEXT && (format->tymed & TYMED_HGLOBAL) && format->dwAspect == DVASPECT_CONTENT;
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

class TextDataObject : public ComObject<IDataObject> {
public:
    explicit TextDataObject(HGLOBAL text) : text_(text) {}

    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override
    {
        if (!IsTextFormat(format))
            return DV_E_FORMATETC;
        HGLOBAL copy = CopyBlock(text_);
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
        return IsTextFormat(format) ? S_OK : DV_E_FORMATETC;
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
        FORMATETC text{CF_TEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
        return SHCreateStdEnumFmtEtc(1, &text, formats);
    }
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override
    {
        return OLE_E_ADVISENOTSUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

private:
    HGLOBAL text_;
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

DWORD DragText(HGLOBAL text, DWORD allowedEffects)
{
    ComRef<IDataObject> data(new TextDataObject(text));
    ComRef<IDropSource> source(new TextDropSource);
    DWORD effect = DROPEFFECT_NONE;
    if (DoDragDrop(data.Get(), source.Get(), allowedEffects, &effect) != DRAGDROP_S_DROP)
        return DROPEFFECT_NONE;
    return effect;
}
