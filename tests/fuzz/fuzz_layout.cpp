// Feeds random captures to the layout engine.  An input that starts with '{'
// is read as a capture dump; any other input is decoded byte by byte into an
// item table, which reaches the drawing code far more often than random JSON.
// When every text holds whole Shift-JIS characters, so must the picture.
#include "capture_dump.h"
#include "capture_state.h"
#include "layout.h"
#include "random_items.h"
#include "whole_characters.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {

class ByteReader {
public:
    ByteReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    bool AtEnd() const { return pos_ >= size_; }
    uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }

    // Mostly screen-sized values, sometimes any 32-bit value.
    int32_t Coordinate()
    {
        uint8_t selector = Byte();
        if (selector < 240)
            return selector * 7 - 200;
        uint32_t raw = 0;
        for (int i = 0; i < 4; ++i)
            raw = raw << 8 | Byte();
        int32_t value;
        std::memcpy(&value, &raw, sizeof value);
        return value;
    }

    // Texts never hold NUL: capture reads them as C strings.  Texts of whole
    // characters take each from a list, to meet the picture's check.
    std::string Text(bool wholeCharacters)
    {
        std::string text;
        for (uint8_t n = Byte(); n > 0 && !AtEnd(); --n) {
            uint8_t b = Byte();
            if (wholeCharacters)
                text += kRandomCharacters[b % kRandomCharacters.size()];
            else
                text += static_cast<char>(b == 0 ? ' ' : b);
        }
        return text;
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
};

void DecodeTable(const uint8_t* data, size_t size)
{
    ByteReader in(data, size);
    uint8_t flags = in.Byte();
    CaptureMode = flags & 1 ? 'K' : 'O';
    DelSpcLinFlg = flags >> 1 & 1;
    DelSpcColFlg = flags >> 2 & 1;
    CutUnderLine = flags >> 3 & 1;
    StatusBarSeen = flags >> 4 & 1 ? 'Y' : 'N';
    bool wholeCharacters = flags >> 5 & 1;
    ListRowCount = in.Coordinate();
    while (!in.AtEnd() && ItemCount < kItemLimit) {
        CaptureItem& item = ItemTable[ItemCount++];
        SetClassName(item, kRandomClassNames[in.Byte() % kRandomClassNames.size()]);
        item.kind = kRandomKinds[in.Byte() % kRandomKinds.size()];
        item.shape = kRandomShapes[in.Byte() % kRandomShapes.size()];
        item.rect.left = in.Coordinate();
        item.rect.top = in.Coordinate();
        item.rect.right = in.Coordinate();
        item.rect.bottom = in.Coordinate();
        item.text = in.Text(wholeCharacters);
    }
}

// The texts as captured, when all of them hold whole characters only.
bool WholeTexts(std::vector<std::string>* texts)
{
    for (int i = 0; i < ItemCount; ++i) {
        if (!IsWholeShiftJis(ItemTable[i].text))
            return false;
        texts->push_back(ItemTable[i].text);
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ResetCaptureState();
    if (size > 0 && data[0] == '{') {
        CaptureDump dump;
        std::string error;
        if (!ParseCaptureDump(std::string(reinterpret_cast<const char*>(data), size), &dump, &error))
            return 0;
        LoadCaptureDump(dump);
    } else {
        DecodeTable(data, size);
    }
    std::vector<std::string> texts;
    bool wholeTexts = WholeTexts(&texts);
    ConversionResult result = LayOutItems();
    if (result.outputRows > 1000 || result.text.size() > 1000u * 802u)
        __builtin_trap();
    if (wholeTexts && !FindForeignCharacter(result.text, texts).empty())
        __builtin_trap();
    return 0;
}
