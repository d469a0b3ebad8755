#include "file_dialogs.h"

#include <commdlg.h>

namespace {

// "Text Files (*.txt)\0*.txt\0\0" from the name and ".txt".
std::string FilterOf(const std::string& name, const std::string& extension)
{
    std::string filter = name;
    filter += '\0';
    filter += "*" + extension;
    filter += '\0';
    filter += '\0';
    return filter;
}

std::string Ask(HWND owner, const std::string& filterName, const std::string& extension,
                const std::string& suggestedName, bool save)
{
    const std::string filter = FilterOf(filterName, extension);
    char path[MAX_PATH] = "";
    suggestedName.copy(path, sizeof path - 1);
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = path;
    dialog.nMaxFile = sizeof path;
    const std::string defaultExtension = extension.empty() || extension[0] != '.' ? extension : extension.substr(1);
    dialog.lpstrDefExt = defaultExtension.c_str();
    dialog.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR |
                   (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
    const BOOL chosen = save ? GetSaveFileNameA(&dialog) : GetOpenFileNameA(&dialog);
    return chosen ? std::string(path) : std::string();
}

}  // namespace

std::string AskOpenPath(HWND owner, const std::string& filterName, const std::string& extension)
{
    return Ask(owner, filterName, extension, {}, false);
}

std::string AskSavePath(HWND owner, const std::string& filterName, const std::string& extension,
                        const std::string& suggestedName)
{
    return Ask(owner, filterName, extension, suggestedName, true);
}
