#include "print_info.h"

#include <algorithm>

PrintInfo::PrintInfo() : dialog{}
{
    dialog.lStructSize = sizeof dialog;
    dialog.Flags = PD_ALLPAGES | PD_NOSELECTION | PD_USEDEVMODECOPIESANDCOLLATE | PD_RETURNDC;
    dialog.nMinPage = 1;
    dialog.nMaxPage = 0xFFFF;
    dialog.nFromPage = 1;
    dialog.nToPage = 1;
}

UINT PrintInfo::FromPage() const
{
    return dialog.Flags & PD_PAGENUMS ? std::max<UINT>(dialog.nFromPage, minPage) : minPage;
}

UINT PrintInfo::ToPage() const
{
    return dialog.Flags & PD_PAGENUMS ? std::min<UINT>(dialog.nToPage, maxPage) : maxPage;
}

RECT PrintableArea(HDC printer)
{
    return RECT{0, 0, GetDeviceCaps(printer, HORZRES), GetDeviceCaps(printer, VERTRES)};
}
