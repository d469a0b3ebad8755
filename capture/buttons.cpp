#include "buttons.h"

#include "messages.h"
#include "records.h"
#include "window_text.h"
#include "wrap_text.h"

#include <cstring>
#include <string>
#include <utility>

namespace {

constexpr int kThinLine = 7;       // pixels: a thinner static may be a line
constexpr int kThickLine = 3;      // pixels: from here on a line is drawn heavy
constexpr int kLineMarkStep = 5;   // pixels of height per mark of a vertical line
constexpr UINT kCheckBits = 3;     // BST_CHECKED | BST_INDETERMINATE
constexpr LONG kLineStyleBits = SS_BLACKRECT | SS_ETCHEDHORZ;  // frame, rectangle and etched types
constexpr LONG kFramedPanelExStyle = WS_EX_DLGMODALFRAME | WS_EX_NOPARENTNOTIFY;

enum class ButtonKind { CheckBox, RadioButton, GroupBox, PushButton };

ButtonKind KindOfButton(const char* className, LONG style)
{
    const LONG type = style & BS_TYPEMASK;
    if (type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE || type == BS_AUTO3STATE ||
        std::strcmp(className, "TCheckBox") == 0 ||
        std::strcmp(className, "IDSG_MultLineCheckBox") == 0)
        return ButtonKind::CheckBox;
    if (type == BS_AUTORADIOBUTTON || type == BS_RADIOBUTTON || std::strcmp(className, "TRadioButton") == 0)
        return ButtonKind::RadioButton;
    if (type == BS_GROUPBOX || std::strstr(className, "Group"))
        return ButtonKind::GroupBox;
    return ButtonKind::PushButton;
}

// Only the check bits choose the mark: focus and pressed bits do not hide it.
const char* Mark(UINT state, const char* unchecked, const char* checked, const char* mixed)
{
    switch (state & kCheckBits) {
    case BST_UNCHECKED:
        return unchecked;
    case BST_CHECKED:
        return checked;
    case BST_INDETERMINATE:
        return mixed;
    default:
        return "";
    }
}

void PadToEvenLength(std::string& text)
{
    if (text.size() % 2 != 0)
        text += ' ';
}

void WrapToWidth(CaptureItem& item)
{
    const int width = WidthInColumns(item.rect);
    const int length = static_cast<int>(item.text.size());
    if (!NoMuitiLine && length > width)
        WrapItemText(width, length);
}

void PutLeadingSpaces(std::string& text, int count)
{
    if (count > 0)
        text.insert(0, static_cast<size_t>(count), ' ');
}


bool IsLine(LONG style, int32_t height, int32_t width)
{
    return (height < kThinLine || width < kThinLine) && (style & kLineStyleBits);
}

// A horizontal line spans the static's width with marks; a vertical one is a
// column of records 7 pixels apart, one per 5 pixels of the static's height.
void CaptureLine(CaptureItem& item, int32_t height, int32_t width)
{
    SetClassName(item, "LINE");
    if (height < kThinLine) {
        const char* mark = height < kThickLine ? "─" : "━";
        for (int32_t i = 0; i < width / kPixelsPerColumn / 2; ++i)
            item.text += mark;
        return;
    }
    const char* mark = width < kThickLine ? "│" : "┃";
    item.text += mark;
    ItemRect rect = item.rect;
    for (int32_t i = 1; i < height / kLineMarkStep; ++i) {
        rect.top += kPixelsPerRow;
        if (!AppendPlainRecord("LINE", rect, mark))
            return;
    }
}

void Frame(CaptureItem& item, char shape)
{
    item.kind = 'B';
    item.shape = shape;
}

}  // namespace

void FormTextStatic(CaptureItem& item, LONG style, LONG exStyle)
{
    if (exStyle & WS_EX_CLIENTEDGE)
        Frame(item, 'L');
    const int width = WidthInColumns(item.rect);
    const int length = static_cast<int>(item.text.size());
    const int half = (width - length) / 2;
    if (!NoMuitiLine && length > width)
        WrapItemText(width, length);
    else if (style & SS_CENTER)
        PutLeadingSpaces(item.text, half);
    else if (style & SS_RIGHT)
        PutLeadingSpaces(item.text, 2 * half);
}

void FormCheckBox(CaptureItem& item, UINT checkState, const std::string& caption)
{
    SetClassName(item, "CheckBox");
    item.text = Mark(checkState, "□", "■", "Й");
    item.text += caption;
    PadToEvenLength(item.text);
    WrapToWidth(item);
}

void FormRadioButton(CaptureItem& item, UINT checkState, const std::string& caption)
{
    SetClassName(item, "RadioButton");
    item.text = Mark(checkState, "○", "●", "Θ");
    item.text += caption;
}

// The caption keeps its mnemonic markers: the layout removes them, once, as
// for every other caption.
void FormGroupBox(CaptureItem& item, std::string caption)
{
    item.kind = 'G';
    SetClassName(item, "GroupBox");
    item.text = std::move(caption);
    PadToEvenLength(item.text);
}

void FormPushButton(CaptureItem& item, std::string caption)
{
    item.kind = 'B';
    item.shape = 'L';
    SetClassName(item, "Button");
    item.text = std::move(caption);
    const int width = WidthInColumns(item.rect);
    PutLeadingSpaces(item.text, (width - static_cast<int>(item.text.size())) / 2 - 1);
}

void CaptureButton(HWND hwnd)
{
    CaptureItem& item = CurrentRecord();
    switch (KindOfButton(item.className, GetWindowLongA(hwnd, GWL_STYLE))) {
    case ButtonKind::CheckBox:
        FormCheckBox(item, Button_GetState(hwnd), WindowTitle(hwnd));
        break;
    case ButtonKind::RadioButton:
        FormRadioButton(item, Button_GetState(hwnd), WindowTitle(hwnd));
        break;
    case ButtonKind::GroupBox:
        FormGroupBox(item, WindowTitle(hwnd));
        break;
    case ButtonKind::PushButton:
        FormPushButton(item, WindowTitle(hwnd));
        break;
    }
}

void CaptureStatic(HWND hwnd)
{
    CaptureItem& item = CurrentRecord();
    const LONG style = GetWindowLongA(hwnd, GWL_STYLE);
    const LONG exStyle = GetWindowLongA(hwnd, GWL_EXSTYLE);
    item.text = WindowTitle(hwnd);
    const int32_t height = item.rect.bottom - item.rect.top;
    const int32_t width = item.rect.right - item.rect.left;
    if (IsLine(style, height, width))
        CaptureLine(item, height, width);
    else if (HasClassName(item, "TPanel") || HasClassName(item, "MDIClient"))
        Frame(item, 'L');
    else if ((style & 7) == SS_BLACKFRAME || (style & SS_SUNKEN) || (exStyle & 0x0F) == kFramedPanelExStyle)
        Frame(item, 'L');
    else if ((style & 3) == SS_ICON) {
        item.text = "  ";
        Frame(item, 'S');
    } else if ((style & SS_BITMAP) == SS_BITMAP) {
        item.text.clear();
        Frame(item, 'L');
    } else {
        FormTextStatic(item, style, exStyle);
    }
}
