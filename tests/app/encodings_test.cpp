// Documents hold Unicode: files in Shift-JIS, UTF-8 and UTF-16 are told
// apart when opened, saved in the encoding chosen, and a Shift-JIS save
// that would lose characters asks first. Dragged text comes in both text
// formats.
#include "dialog_answer.h"
#include "document.h"
#include "drag_source.h"
#include "edit_view.h"
#include "file_contents.h"
#include "guards.h"
#include "mdi_child.h"
#include "mdi_frame.h"
#include "test_app.h"
#include "text_encoding.h"

#include <gtest/gtest.h>

#include <dlgs.h>

#include <string>
#include <vector>

namespace {

// Box drawing and kana that Shift-JIS has, and Latin, Hangul and an emoji
// beyond it.
const std::wstring kMixed = L"┌─┐カナ\r\n│café 한 \U0001F600│\r\n";
const std::string kMixedUtf8 = "\xE2\x94\x8C\xE2\x94\x80\xE2\x94\x90\xE3\x82\xAB\xE3\x83\x8A\r\n\xE2\x94\x82" "caf"
                               "\xC3\xA9 \xED\x95\x9C \xF0\x9F\x98\x80\xE2\x94\x82\r\n";

// A byte string literal whole, NULs included.
template <size_t Size>
std::string Bytes(const char (&literal)[Size])
{
    return std::string(literal, Size - 1);
}

class EncodingsTest : public ::testing::Test {
protected:
    EditView* ActiveView() const
    {
        return static_cast<EditView*>(app_.MainFrame()->ActiveChild()->GetView());
    }
    Document* ActiveDocument() const { return app_.MainFrame()->ActiveChild()->GetDocument(); }

    // A new document holding `text` as a conversion puts it in.
    Document* NewDocumentWith(const std::wstring& text)
    {
        app_.Command(kCommandNew);
        SendMessageW(ActiveView()->Edit(), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
        ActiveDocument()->SetModifiedFlag(false);
        return ActiveDocument();
    }

    TestApp app_;
};

TEST_F(EncodingsTest, EachEncodingRoundTripsTheWholeText)
{
    const std::string utf16 = [] {
        std::string bytes = "\xFF\xFE";
        for (wchar_t unit : kMixed)
            bytes += {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
        return bytes;
    }();
    const struct {
        TextEncoding encoding;
        std::string bytes;
    } saves[] = {
        {TextEncoding::Utf8, "\xEF\xBB\xBF" + kMixedUtf8},
        {TextEncoding::Utf16, utf16},
    };
    for (const auto& save : saves) {
        Document* document = NewDocumentWith(kMixed);
        EXPECT_EQ(ActiveView()->Text(), kMixed) << "the view holds every character";
        document->SetEncoding(save.encoding);
        const std::wstring path = ScratchPath(L"mixed.txt");
        ASSERT_TRUE(document->DoSave(path));
        EXPECT_EQ(FileBytes(path), save.bytes);
        document->OnCloseDocument();

        ASSERT_NE(app_.OpenDocumentFile(path), nullptr);
        EXPECT_EQ(ActiveView()->Text(), kMixed);
        EXPECT_EQ(ActiveDocument()->Encoding(), save.encoding) << "saved again as it was read";
        ASSERT_TRUE(ActiveDocument()->DoFileSave());
        EXPECT_EQ(FileBytes(path), save.bytes);
        ActiveDocument()->OnCloseDocument();
    }
    EXPECT_TRUE(app_.messages.empty());
}

TEST_F(EncodingsTest, OpeningTellsTheEncodingByItsMarkOrByStrictUtf8)
{
    const struct {
        std::string bytes;
        TextEncoding encoding;
        std::wstring text;
    } files[] = {
        {"\xEF\xBB\xBF" "abc", TextEncoding::Utf8, L"abc"},
        {Bytes("\xFF\xFE" "a\0\x00\x25"), TextEncoding::Utf16, L"a─"},
        {Bytes("\xFE\xFF\0a\x25\x00"), TextEncoding::Utf16, L"a─"},
        {kMixedUtf8, TextEncoding::Utf8, kMixed},
        {"plain ASCII\r\n", TextEncoding::ShiftJis, L"plain ASCII\r\n"},
        {"\x84\xA1\x84\x9F\x82\xA0", TextEncoding::ShiftJis, L"┌─あ"},
        // UTF-8 at first and then not, an overlong form, a surrogate, a
        // cut-off character: none is UTF-8.
        {"\xC3\xA9\x82\xA0", TextEncoding::ShiftJis, L"\uFF83\uFF69\u3042"},
        {"\xC0\xAF", TextEncoding::ShiftJis, L"\uFF80\uFF6F"},
        {"\xED\xA0\x80", TextEncoding::ShiftJis, {}},
        {"\xE3\x81", TextEncoding::ShiftJis, {}},
    };
    for (const auto& file : files) {
        EXPECT_EQ(DetectEncoding(file.bytes), file.encoding) << file.text;
        if (!file.text.empty()) {
            EXPECT_EQ(DecodeText(file.bytes, file.encoding), file.text);
        }
    }

    // A file of today, Shift-JIS, opens and saves back to the same bytes.
    const std::string picture = "\x84\xA1\x84\x9F\x84\xA2 \x83\x4A\x83\x69\r\n";
    const std::wstring path = ScratchPath(L"today.txt");
    ASSERT_TRUE(WriteFileBytes(path, picture));
    ASSERT_NE(app_.OpenDocumentFile(path), nullptr);
    EXPECT_EQ(ActiveView()->Text(), L"┌─┐ カナ\r\n");
    EXPECT_EQ(ActiveDocument()->Encoding(), TextEncoding::ShiftJis);
    SendMessageW(ActiveView()->Edit(), EM_SETSEL, 0, 0);
    SendMessageW(ActiveView()->Edit(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"x"));
    ASSERT_TRUE(ActiveDocument()->DoFileSave());
    EXPECT_EQ(FileBytes(path), "x" + picture) << "an edited text is encoded afresh, the same way";
}

TEST_F(EncodingsTest, AShiftJisSaveThatLosesCharactersAsksFirst)
{
    const std::wstring path = ScratchPath(L"lossy.txt");
    ASSERT_TRUE(WriteFileBytes(path, "previous"));
    Document* document = NewDocumentWith(L"│café \U0001F600│");
    document->SetModifiedFlag(true);
    ASSERT_EQ(document->Encoding(), TextEncoding::ShiftJis) << "a new document is Shift-JIS";

    app_.answer = IDNO;
    EXPECT_FALSE(document->DoSave(path));
    ASSERT_EQ(app_.messages.size(), 1u);
    EXPECT_NE(app_.messages[0].find(path), std::wstring::npos) << "the question names the file";
    EXPECT_EQ(FileBytes(path), "previous") << "no: nothing is written";
    EXPECT_TRUE(document->IsModified());
    EXPECT_TRUE(document->PathName().empty());

    app_.answer = IDYES;
    EXPECT_TRUE(document->DoSave(path));
    EXPECT_EQ(app_.messages.size(), 2u);
    const std::string saved = FileBytes(path).value_or("");
    EXPECT_EQ(saved.substr(0, 2), "\x84\xA0");
    EXPECT_EQ(saved.substr(2), "caf\x81\x48 \x81\x48\x84\xA0")
        << "yes: what Shift-JIS lacks becomes a question mark of its width; the accented e and the emoji are wide";
    EXPECT_FALSE(document->IsModified());

    // A text that Shift-JIS keeps whole saves without a word.
    NewDocumentWith(L"┌─┐");
    EXPECT_TRUE(ActiveDocument()->DoSave(ScratchPath(L"whole.txt")));
    EXPECT_EQ(app_.messages.size(), 2u);
}

TEST_F(EncodingsTest, TheSaveDialogOffersEachEncodingAndTheDocumentKeepsTheChoice)
{
    Document* document = NewDocumentWith(kMixed);
    const std::wstring path = ScratchPath(L"chosen.txt");
    DeleteFileW(path.c_str());
    std::vector<std::wstring> types;
    WithModalDialog([this] { app_.Command(kCommandSaveAs); }, [&](HWND dialog) {
        HWND typeBox = GetDlgItem(dialog, cmb1);
        for (LRESULT i = 0; i < SendMessageW(typeBox, CB_GETCOUNT, 0, 0); ++i) {
            wchar_t type[128] = L"";
            SendMessageW(typeBox, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(type));
            types.push_back(type);
        }
        SendMessageW(typeBox, CB_SETCURSEL, 2, 0);
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(cmb1, CBN_SELENDOK), reinterpret_cast<LPARAM>(typeBox));
        // The name's box: a combo box in the explorer style, an edit before it.
        for (int nameBox : {cmb13, edt1})
            SetDlgItemTextW(dialog, nameBox, path.c_str());
        Click(dialog, IDOK);
    });
    EXPECT_EQ(types, (std::vector<std::wstring>{L"Text Files (*.txt) - Shift-JIS", L"Text Files (*.txt) - UTF-8",
                                                L"Text Files (*.txt) - UTF-16"}));
    EXPECT_EQ(document->Encoding(), TextEncoding::Utf16);
    EXPECT_EQ(FileBytes(path).value_or("").substr(0, 4), "\xFF\xFE\x0C\x25") << "UTF-16 with its mark: ┌";
}

// What a drop target gets in `format`, as bytes, or nothing.
std::optional<std::string> DataOf(IDataObject* data, CLIPFORMAT format)
{
    FORMATETC wanted{format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM medium{};
    if (FAILED(data->GetData(&wanted, &medium)))
        return std::nullopt;
    std::string bytes;
    {
        GlobalLockGuard<char> locked(medium.hGlobal);
        if (locked)
            bytes.assign(locked.Get(), GlobalSize(medium.hGlobal));
    }
    ReleaseStgMedium(&medium);
    return bytes;
}

TEST(DraggedTextTest, OffersUnicodeTextBesideTheCodePagesText)
{
    ComRef<IDataObject> data(MakeTextData(L"┌\u00E9\U0001F600"));
    IEnumFORMATETC* formats = nullptr;
    ASSERT_EQ(data->EnumFormatEtc(DATADIR_GET, &formats), S_OK);
    ComRef<IEnumFORMATETC> owned(formats);
    std::vector<CLIPFORMAT> offered;
    FORMATETC format;
    while (formats->Next(1, &format, nullptr) == S_OK)
        offered.push_back(format.cfFormat);
    EXPECT_EQ(offered, (std::vector<CLIPFORMAT>{CF_UNICODETEXT, CF_TEXT})) << "Unicode first";

    const std::string wide = DataOf(data.Get(), CF_UNICODETEXT).value_or("");
    EXPECT_EQ(std::wstring(reinterpret_cast<const wchar_t*>(wide.data()), wide.size() / 2),
              std::wstring(L"┌\u00E9\U0001F600", 5)) << "the whole text, ended by a NUL";
    // In the system's code page (932 here), and followed by as many NULs as it is long.
    const std::string ansi = DataOf(data.Get(), CF_TEXT).value_or("");
    ASSERT_GE(ansi.size(), 2u);
    EXPECT_EQ(ansi.substr(0, 2), "\x84\xA1");
    EXPECT_EQ(ansi.size(), 2 * std::string(ansi.c_str()).size());
    FORMATETC bitmap{CF_BITMAP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    EXPECT_EQ(data->QueryGetData(&bitmap), DV_E_FORMATETC);
}

}  // namespace
