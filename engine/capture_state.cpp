#include "capture_state.h"

#include "foreign_characters.h"

#include <cstring>

CaptureItem ItemTable[kItemSlots];
int32_t ItemCount;

char CaptureMode = 'O';
char StatusBarSeen = 'N';
int32_t ListRowCount;

int32_t GridCols, GridRows;
int32_t CurCol, CurRow;
int32_t BlockCol, BlockRow;
int32_t CurTextWidth;
int32_t OutputCols, OutputRows;

int32_t DelSpcLinFlg = 1;
int32_t DelSpcColFlg = 1;
int32_t CutUnderLine = 1;
int32_t NoMuitiLine;

char ScratchText[kScratchTextSize];
char InsideComboBox;
int32_t ListRightEdge;

static ItemLimitNotifier limitNotifier;

void SetClassName(CaptureItem& item, const char* name)
{
    size_t n = std::strlen(name);
    if (n > kClassNameSize - 1)
        n = kClassNameSize - 1;
    std::memcpy(item.className, name, n);
    item.className[n] = '\0';
}

bool HasClassName(const CaptureItem& item, const char* name)
{
    return std::strcmp(item.className, name) == 0;
}

void ResetCaptureState()
{
    for (CaptureItem& item : ItemTable)
        item = CaptureItem{};
    ItemCount = 0;
    CaptureMode = 'O';
    StatusBarSeen = 'N';
    ListRowCount = 0;
    GridCols = GridRows = 0;
    CurCol = CurRow = 0;
    BlockCol = BlockRow = 0;
    CurTextWidth = 0;
    OutputCols = OutputRows = 0;
    DelSpcLinFlg = 1;
    DelSpcColFlg = 1;
    CutUnderLine = 1;
    NoMuitiLine = 0;
    std::memset(ScratchText, 0, sizeof ScratchText);
    InsideComboBox = 0;
    ListRightEdge = 0;
}

void BeginCapture()
{
    ItemCount = 0;
    ClearForeignCharacters();
    StatusBarSeen = 'N';
}

void SetItemLimitNotifier(ItemLimitNotifier notifier)
{
    limitNotifier = notifier;
}

void NotifyItemLimitReached()
{
    if (limitNotifier)
        limitNotifier();
}
