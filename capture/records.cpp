#include "records.h"

#include "display_scale.h"

#include <utility>

int32_t FitRowCount;
RecordSource ReadingSource = RecordSource::Window;

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
    item.source = ReadingSource;
    return true;
}

namespace {

bool IsPartlyOffScreen(const RECT& rect)
{
    return rect.left < 0 || rect.top < 0 || rect.right < 0 || rect.bottom < 0;
}

}  // namespace

bool PrepareRecord(const RECT& screen, const char* className)
{
    CaptureItem& item = CurrentRecord();
    item.rect = ToLayoutPixels(screen);
    SetClassName(item, className);
    item.kind = ' ';
    item.shape = ' ';
    item.text.clear();
    item.source = ReadingSource;
    return IsPartlyOffScreen(screen);
}

bool KeepOrDrop(int prepared, bool skip)
{
    if (skip) {
        if (HasClassName(ItemTable[prepared], "StatusBar"))
            StatusBarSeen = 'N';
        const bool full = ItemCount >= kItemLimit;
        ItemCount = prepared;
        return !full;
    }
    if (ItemCount >= kItemLimit)
        return false;
    ++ItemCount;
    return ItemCount < kItemLimit;
}
