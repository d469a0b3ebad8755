#include "records.h"

#include <utility>

int32_t FitRowCount;

bool AppendPlainRecord(const char* tag, const ItemRect& rect, std::string text)
{
    ++ItemCount;
    if (ItemCount >= kItemLimit) {
        NotifyItemLimitReached();
        return false;
    }
    CaptureItem& item = CurrentRecord();
    item.text = std::move(text);
    item.rect = rect;
    SetClassName(item, tag);
    item.kind = ' ';
    item.shape = ' ';
    return true;
}
