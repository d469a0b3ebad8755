// The state that capture and layout share during one conversion.
//
// Capture fills the item table; layout reads it and draws into a TextGrid.
// Everything here is global on purpose: extractors and layout steps talk
// through these variables instead of passing arguments.  ResetCaptureState()
// brings all of it back to its value at program start.
#pragma once

#include <cstdint>
#include <string>

constexpr int kItemLimit = 3000;      // records a conversion may keep
constexpr int kItemSlots = 3005;      // extra slots absorb writes ahead of the check
constexpr int kClassNameSize = 80;    // GetClassNameA buffer, NUL included
constexpr int kScratchTextSize = 502;

struct ItemRect {
    int32_t left, top, right, bottom;
};

// Which reading of the target made a record: its child windows, or its
// accessibility tree (MSAA).  The layout does not look at it.
enum class RecordSource : char { Window, Accessible };

struct CaptureItem {
    std::string text;
    ItemRect rect;
    char className[kClassNameSize];
    char kind;   // ' ' plain, 'B' boxed, 'G' group, 'I' tree opener, 'M' menu bar
    char shape;  // frame shape of a boxed record: ' ', 'L', 'S', 'Y', 'T', 'H', 'X', 'W'
    RecordSource source = RecordSource::Window;
};

// Copies a class name or tag into the record, cut to 79 bytes.
void SetClassName(CaptureItem& item, const char* name);
bool HasClassName(const CaptureItem& item, const char* name);

extern CaptureItem ItemTable[kItemSlots];
extern int32_t ItemCount;

extern char CaptureMode;     // 'O' whole top-level window, 'K' single control
extern char StatusBarSeen;   // 'Y' once a status bar record is kept
extern int32_t ListRowCount; // rows of the last captured list view

extern int32_t GridCols, GridRows;
extern int32_t CurCol, CurRow;
extern int32_t BlockCol, BlockRow;
extern int32_t CurTextWidth;
extern int32_t OutputCols, OutputRows;

// Option flags, named after their registry values; non-zero means on.
extern int32_t DelSpcLinFlg;  // remove blank rows
extern int32_t DelSpcColFlg;  // remove blank columns
extern int32_t CutUnderLine;  // strip '&' mnemonic markers
extern int32_t NoMuitiLine;   // keep multi-line texts in one record

// Walker state.
extern char ScratchText[kScratchTextSize];
extern char InsideComboBox;
extern int32_t ListRightEdge;

// Restores every variable above to its program-start value, options to their
// defaults and the table to empty records.
void ResetCaptureState();

// Starts a conversion: no records, no status bar seen.
void BeginCapture();

// Hook that tells the user the item table is full; the default does nothing.
// The GUI shows a message box, the console tools print to stderr.
using ItemLimitNotifier = void (*)();
void SetItemLimitNotifier(ItemLimitNotifier notifier);
void NotifyItemLimitReached();
