#include "file_dialogs.h"

#include <commdlg.h>

#include <iterator>

namespace {

const wchar_t* NameOf(TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf8:
        return L"UTF-8";
    case TextEncoding::Utf16:
        return L"UTF-16";
    case TextEncoding::ShiftJis:
        break;
    }
    return L"Shift-JIS";
}

// "Text Files (*.txt)\0*.txt\0" from the name and ".txt".
std::wstring FilterEntry(const std::wstring& name, const std::wstring& extension)
{
    std::wstring entry = name;
    entry += L'\0';
    entry += L"*" + extension;
    entry += L'\0';
    return entry;
}

std::wstring Ask(HWND owner, const std::wstring& filter, DWORD filterIndex, const std::wstring& extension,
                 const std::wstring& suggestedName, bool save, DWORD* chosenIndex)
{
    wchar_t path[MAX_PATH] = L"";
    suggestedName.copy(path, MAX_PATH - 1);
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = filterIndex;
    dialog.lpstrFile = path;
    dialog.nMaxFile = MAX_PATH;
    const std::wstring defaultExtension =
        extension.empty() || extension[0] != L'.' ? extension : extension.substr(1);
    dialog.lpstrDefExt = defaultExtension.c_str();
    dialog.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR |
                   (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
    const BOOL chosen = save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog);
    if (chosenIndex)
        *chosenIndex = dialog.nFilterIndex;
    return chosen ? std::wstring(path) : std::wstring();
}

}  // namespace

std::wstring AskOpenPath(HWND owner, const std::wstring& filterName, const std::wstring& extension)
{
    return Ask(owner, FilterEntry(filterName, extension), 1, extension, {}, false, nullptr);
}

std::wstring AskSavePath(HWND owner, const std::wstring& filterName, const std::wstring& extension,
                         const std::wstring& suggestedName, TextEncoding* encoding)
{
    std::wstring filter;
    DWORD index = 1;
    for (size_t i = 0; i < std::size(kSaveEncodings); ++i) {
        filter += FilterEntry(filterName + L" - " + NameOf(kSaveEncodings[i]), extension);
        if (kSaveEncodings[i] == *encoding)
            index = static_cast<DWORD>(i + 1);
    }
    const std::wstring path = Ask(owner, filter, index, extension, suggestedName, true, &index);
    if (!path.empty() && index >= 1 && index <= std::size(kSaveEncodings))
        *encoding = kSaveEncodings[index - 1];
    return path;
}
