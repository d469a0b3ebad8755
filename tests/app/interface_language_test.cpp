// The two interfaces in the program's resources, and the choice between
// them: every text resource exists in Japanese and in English under the
// same ids and with the same structure, the English dialogs fit their
// texts, and the language chosen reaches every kind of resource.
#include "application.h"
#include "help.h"
#include "interface_language.h"
#include "program_profile.h"
#include "resource.h"
#include "settings.h"
#include "test_app.h"
#include "wide_text.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <map>
#include <regex>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

using Languages = std::set<LANGID>;

const Languages kBoth = {kJapanese, kEnglish};
const Languages kNeutral = {LANG_NEUTRAL};

// The resource types, as the wide functions name them.
const LPCWSTR kMenus = MAKEINTRESOURCEW(4);
const LPCWSTR kDialogs = MAKEINTRESOURCEW(5);
const LPCWSTR kStrings = MAKEINTRESOURCEW(6);
const LPCWSTR kAccelerators = MAKEINTRESOURCEW(9);

BOOL CALLBACK AddLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR found)
{
    reinterpret_cast<Languages*>(found)->insert(language);
    return TRUE;
}

BOOL CALLBACK AddName(HMODULE module, LPCWSTR type, LPWSTR name, LONG_PTR found)
{
    Languages languages;
    EnumResourceLanguagesW(module, type, name, AddLanguage, reinterpret_cast<LONG_PTR>(&languages));
    (*reinterpret_cast<std::map<UINT, Languages>*>(found))[static_cast<UINT>(reinterpret_cast<UINT_PTR>(name))] =
        languages;
    return TRUE;
}

// Each resource of the type by its numeric id, with the languages it has.
std::map<UINT, Languages> ResourcesOf(LPCWSTR type)
{
    std::map<UINT, Languages> found;
    EnumResourceNamesW(nullptr, type, AddName, reinterpret_cast<LONG_PTR>(&found));
    return found;
}

const void* ResourceData(LPCWSTR type, UINT id, LANGID language)
{
    HRSRC found = FindResourceExW(nullptr, type, MAKEINTRESOURCEW(id), language);
    return found ? LockResource(LoadResource(nullptr, found)) : nullptr;
}

// The strings of a string-table block (16 ids from (block - 1) * 16), by id.
std::map<UINT, std::wstring> StringBlock(UINT block, LANGID language)
{
    std::map<UINT, std::wstring> strings;
    auto* entry = static_cast<const WCHAR*>(ResourceData(kStrings, block, language));
    for (UINT i = 0; entry && i < 16; ++i) {
        const UINT length = *entry++;
        if (length)
            strings[(block - 1) * 16 + i] = std::wstring(entry, length);
        entry += length;
    }
    return strings;
}

bool IsAscii(const std::wstring& text)
{
    for (wchar_t c : text) {
        if (c > 0x7E || (c < 0x20 && c != L'\n' && c != L'\t'))
            return false;
    }
    return true;
}

// What a translation must keep: the placeholders in their order and the
// newline-separated parts (prompt and tip, the template's fields).
std::wstring Skeleton(const std::wstring& text)
{
    static const std::wregex kKept(L"%[0-9a-z]|\n|\t");
    std::wstring kept;
    for (std::wsregex_iterator it(text.begin(), text.end(), kKept), end; it != end; ++it)
        kept += it->str();
    return kept;
}

struct MenuItem {
    UINT id;
    UINT type;
    UINT state;
    std::wstring text;
    std::vector<MenuItem> popup;
};

std::vector<MenuItem> ItemsOf(HMENU menu)
{
    std::vector<MenuItem> items;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        WCHAR text[256] = L"";
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STATE | MIIM_STRING | MIIM_SUBMENU;
        info.dwTypeData = text;
        info.cch = 256;
        GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info);
        // A popup's id is its menu's handle: only the popup's items count.
        if (info.hSubMenu)
            items.push_back({0, info.fType, info.fState, text, ItemsOf(info.hSubMenu)});
        else
            items.push_back({info.wID, info.fType, info.fState, text, {}});
    }
    return items;
}

std::vector<MenuItem> MenuOf(UINT id, LANGID language)
{
    HMENU menu = LoadMenuIndirectW(ResourceData(kMenus, id, language));
    std::vector<MenuItem> items = ItemsOf(menu);
    DestroyMenu(menu);
    return items;
}

// Ids, kinds, states and shortcut texts agree; the English captions are
// ASCII with an access key.
void ExpectSameMenu(const std::vector<MenuItem>& japanese, const std::vector<MenuItem>& english,
                    const std::wstring& where)
{
    ASSERT_EQ(japanese.size(), english.size()) << Narrow(where);
    for (size_t i = 0; i < japanese.size(); ++i) {
        const MenuItem& ja = japanese[i];
        const MenuItem& en = english[i];
        const std::wstring place = where + L" > " + en.text;
        EXPECT_EQ(ja.id, en.id) << Narrow(place);
        EXPECT_EQ(ja.type, en.type) << Narrow(place);
        EXPECT_EQ(ja.state, en.state) << Narrow(place);
        EXPECT_TRUE(IsAscii(en.text)) << Narrow(place);
        const size_t tab = ja.text.find(L'\t');
        if (tab != std::wstring::npos) {
            EXPECT_EQ(en.text.substr(en.text.find(L'\t')), ja.text.substr(tab)) << Narrow(place);
        }
        const bool grayed = en.state & MFS_GRAYED;
        if (!(en.type & MFT_SEPARATOR) && !grayed) {
            EXPECT_NE(en.text.find(L'&'), std::wstring::npos) << Narrow(place) << ": no access key";
        }
        ExpectSameMenu(ja.popup, en.popup, place);
    }
}

INT_PTR CALLBACK QuietDialog(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

struct Control {
    int id;
    std::wstring className;
    std::wstring text;
};

// The dialog made from the template of that language, hidden.
HWND MakeDialog(UINT id, LANGID language)
{
    auto* dialog = static_cast<const DLGTEMPLATE*>(ResourceData(kDialogs, id, language));
    return CreateDialogIndirectParamW(nullptr, dialog, nullptr, QuietDialog, 0);
}

std::vector<Control> ControlsOf(HWND dialog)
{
    std::vector<Control> controls;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        WCHAR className[64] = L"", text[256] = L"";
        GetClassNameW(child, className, 64);
        GetWindowTextW(child, text, 256);
        controls.push_back({GetDlgCtrlID(child), className, text});
    }
    return controls;
}

// The room a control's text needs beside what the control draws itself; 0
// for a picture or a frame.
int TextWidth(HWND control)
{
    WCHAR className[64] = L"";
    GetClassNameW(control, className, 64);
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    const bool isStatic = std::wstring(className) == L"Static";
    if (isStatic && (style & SS_TYPEMASK) > SS_RIGHT && (style & SS_TYPEMASK) != SS_SIMPLE &&
        (style & SS_TYPEMASK) != SS_LEFTNOWORDWRAP)
        return 0;
    WCHAR text[256] = L"";
    GetWindowTextW(control, text, 256);
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    RECT box{0, 0, 0, 0};
    DrawTextW(dc, text, -1, &box, DT_CALCRECT | DT_SINGLELINE);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    const bool checkBox = !isStatic && (style & BS_TYPEMASK) == BS_AUTOCHECKBOX;
    // A check box draws its box and a gap before the text.
    return box.right + (checkBox ? GetSystemMetrics(SM_CXMENUCHECK) + 4 : 0);
}

// The texts of a menu's items, separators left out.
std::vector<std::wstring> Labels(HMENU menu)
{
    std::vector<std::wstring> labels;
    for (const MenuItem& item : ItemsOf(menu)) {
        if (!(item.type & MFT_SEPARATOR))
            labels.push_back(item.text);
    }
    return labels;
}

std::wstring MessagePane(HWND frame)
{
    WCHAR text[256] = L"";
    GetWindowTextW(FindWindowExW(frame, nullptr, STATUSCLASSNAMEW, nullptr), text, 256);
    return text;
}

// Restores the thread's language of the test run.
class InterfaceLanguageTest : public ::testing::Test {
protected:
    void TearDown() override { UseInterfaceLanguage(ChooseInterfaceLanguage(LANG_NEUTRAL, GetUserDefaultUILanguage())); }
};

TEST_F(InterfaceLanguageTest, TheStoredChoiceWinsOverTheUsersLanguageWhenItNamesOne)
{
    const std::vector<std::pair<std::wstring, LANGID>> names = {
        {L"ja", kJapanese}, {L"en", kEnglish}, {L"", LANG_NEUTRAL}, {L"EN", LANG_NEUTRAL},
        {L"fr", LANG_NEUTRAL}, {L"en ", LANG_NEUTRAL}, {L"english", LANG_NEUTRAL}};
    for (const auto& [name, language] : names)
        EXPECT_EQ(LanguageNamed(name), language) << '"' << name << '"';

    const LANGID japaneseUser = kJapanese, americanUser = kEnglish;
    const LANGID frenchUser = MAKELANGID(LANG_FRENCH, SUBLANG_FRENCH);
    const LANGID neutralJapanese = MAKELANGID(LANG_JAPANESE, SUBLANG_NEUTRAL);
    EXPECT_EQ(ChooseInterfaceLanguage(LANG_NEUTRAL, japaneseUser), kJapanese);
    EXPECT_EQ(ChooseInterfaceLanguage(LANG_NEUTRAL, neutralJapanese), kJapanese);
    EXPECT_EQ(ChooseInterfaceLanguage(LANG_NEUTRAL, americanUser), kEnglish);
    EXPECT_EQ(ChooseInterfaceLanguage(LANG_NEUTRAL, frenchUser), kEnglish);
    EXPECT_EQ(ChooseInterfaceLanguage(kEnglish, japaneseUser), kEnglish);
    EXPECT_EQ(ChooseInterfaceLanguage(kJapanese, frenchUser), kJapanese);

    // Read from the program's section, where a value of another type counts as none.
    ForgetProfile();
    const Profile profile(L"Quon", L"Quillscape");
    EXPECT_EQ(LoadLanguageChoice(profile), LANG_NEUTRAL);
    profile.WriteString(kSettingsSection, L"Language", L"en");
    EXPECT_EQ(LoadLanguageChoice(profile), kEnglish);
    profile.WriteString(kSettingsSection, L"Language", L"ja");
    EXPECT_EQ(LoadLanguageChoice(profile), kJapanese);
    profile.WriteString(kSettingsSection, L"Language", L"de");
    EXPECT_EQ(LoadLanguageChoice(profile), LANG_NEUTRAL);
    profile.WriteInt(kSettingsSection, L"Language", 1);
    EXPECT_EQ(LoadLanguageChoice(profile), LANG_NEUTRAL);
    ForgetProfile();
}

TEST_F(InterfaceLanguageTest, EveryTextResourceHasBothLanguagesAndWhatHasNoTextIsNeutral)
{
    const std::map<UINT, Languages> menus = ResourcesOf(kMenus);
    EXPECT_EQ(menus, (std::map<UINT, Languages>{{IDR_MAINFRAME, kBoth}, {IDR_QSCTYPE, kBoth}}));
    EXPECT_EQ(ResourcesOf(kDialogs),
              (std::map<UINT, Languages>{{IDD_ABOUTBOX, kBoth}, {IDD_FINDER_BAR, kNeutral}, {IDD_OPTIONS, kBoth}}));
    EXPECT_EQ(ResourcesOf(kAccelerators), (std::map<UINT, Languages>{{IDR_MAINFRAME, kNeutral}}));
    for (const auto& [block, languages] : ResourcesOf(kStrings))
        EXPECT_EQ(languages, kBoth) << "string block " << block;

    for (const auto& [id, languages] : menus)
        ExpectSameMenu(MenuOf(id, kJapanese), MenuOf(id, kEnglish), L"menu " + std::to_wstring(id));

    for (const auto& [block, languages] : ResourcesOf(kStrings)) {
        const std::map<UINT, std::wstring> japanese = StringBlock(block, kJapanese);
        const std::map<UINT, std::wstring> english = StringBlock(block, kEnglish);
        ASSERT_EQ(japanese.size(), english.size()) << "string block " << block;
        for (const auto& [id, text] : japanese) {
            ASSERT_TRUE(english.count(id)) << "string " << id;
            const std::wstring& translation = english.at(id);
            EXPECT_TRUE(IsAscii(translation)) << "string " << id;
            EXPECT_EQ(Skeleton(translation), Skeleton(text)) << "string " << id << ": " << Narrow(translation);
        }
    }
}

TEST_F(InterfaceLanguageTest, TheEnglishDialogsHaveTheJapaneseControlsAndFitTheirTexts)
{
    for (UINT id : {IDD_ABOUTBOX, IDD_OPTIONS}) {
        HWND japanese = MakeDialog(id, kJapanese);
        HWND english = MakeDialog(id, kEnglish);
        ASSERT_TRUE(japanese && english) << "dialog " << id;
        const std::vector<Control> japaneseControls = ControlsOf(japanese);
        const std::vector<Control> englishControls = ControlsOf(english);
        ASSERT_EQ(japaneseControls.size(), englishControls.size()) << "dialog " << id;
        for (size_t i = 0; i < englishControls.size(); ++i) {
            EXPECT_EQ(englishControls[i].id, japaneseControls[i].id) << "dialog " << id << ", control " << i;
            EXPECT_EQ(englishControls[i].className, japaneseControls[i].className) << "dialog " << id;
        }
        // The texts the dialog shows as it opens; the about box's version line and link are set then.
        SetDlgItemTextW(english, IDC_VERSION_LINE, L"Quillscape Version 2.0.2");
        SetDlgItemTextW(english, IDC_PRODUCT_LINK, L"http://quon.example");
        RECT client;
        GetClientRect(english, &client);
        for (HWND child = GetWindow(english, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            RECT box;
            GetWindowRect(child, &box);
            MapWindowPoints(nullptr, english, reinterpret_cast<POINT*>(&box), 2);
            WCHAR text[256] = L"";
            GetWindowTextW(child, text, 256);
            const int width = TextWidth(child);
            EXPECT_TRUE(width == 0 || IsAscii(text)) << "dialog " << id << ", control " << GetDlgCtrlID(child);
            EXPECT_LE(width, box.right - box.left)
                << "dialog " << id << ": the text of control " << GetDlgCtrlID(child) << " is cut off";
            EXPECT_LE(box.right, client.right) << "dialog " << id << ": control " << GetDlgCtrlID(child);
            EXPECT_LE(box.bottom, client.bottom) << "dialog " << id << ": control " << GetDlgCtrlID(child);
        }
        WCHAR caption[64] = L"";
        GetWindowTextW(english, caption, 64);
        EXPECT_EQ(std::wstring(caption), id == IDD_OPTIONS ? L"Options" : L"About Quillscape");
        DestroyWindow(japanese);
        DestroyWindow(english);
    }
}

// The lookups that name no language, as the program and its framework make
// them, follow the choice; so does the help file the program opens.
TEST_F(InterfaceLanguageTest, TheChosenLanguageReachesStringsMenusDialogsAndTheHelp)
{
    UseInterfaceLanguage(kEnglish);
    EXPECT_EQ(LoadString(0xE001), L"Ready");
    HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_QSCTYPE));
    char label[64] = "";
    GetMenuStringA(menu, 1, label, sizeof label, MF_BYPOSITION);
    EXPECT_STREQ(label, "&Edit");
    DestroyMenu(menu);
    HWND dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_OPTIONS), nullptr, QuietDialog, 0);
    char caption[64] = "";
    GetWindowTextA(dialog, caption, sizeof caption);
    EXPECT_STREQ(caption, "Options");
    DestroyWindow(dialog);
    const std::wstring help = HelpFilePath();
    EXPECT_EQ(help.substr(help.find_last_of(L'\\') + 1), L"Quillscape-en.chm");
    EXPECT_EQ(OptionsHelpTopic(), L"::/options.htm");

    UseInterfaceLanguage(kJapanese);
    EXPECT_EQ(LoadString(IDS_HELP_FILE), L"Quillscape.chm");
    menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_QSCTYPE));
    WCHAR wideLabel[64] = L"";
    GetMenuStringW(menu, 1, wideLabel, 64, MF_BYPOSITION);
    EXPECT_EQ(std::wstring(wideLabel), L"編集(&E)");
    DestroyMenu(menu);
    // Made through the wide function, which keeps the Japanese texts in any locale.
    dialog = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_OPTIONS), nullptr, QuietDialog, 0);
    WCHAR wideCaption[64] = L"";
    GetWindowTextW(dialog, wideCaption, 64);
    EXPECT_EQ(std::wstring(wideCaption), L"ｵﾌﾟｼｮﾝ");
    DestroyWindow(dialog);
}

// The program started as a user starts it: the profile's choice, or else
// the user's language, decides every menu and text it shows.
TEST_F(InterfaceLanguageTest, TheProgramStartsWithTheMenusAndTextsOfTheChosenLanguage)
{
    const std::vector<std::wstring> english = {L"&File", L"&View", L"&Convert", L"&Help"};
    const std::vector<std::wstring> japanese = {L"ﾌｧｲﾙ(&F)", L"表示(&V)", L"変換(&H)", L"ﾍﾙﾌﾟ(&H)"};
    const bool englishUser = PRIMARYLANGID(GetUserDefaultUILanguage()) != LANG_JAPANESE;
    struct Case {
        const char* stored;
        bool english;
    };
    for (const Case& choice : {Case{"en", true}, Case{"ja", false}, Case{"fr", englishUser}, Case{"", englishUser}}) {
        SCOPED_TRACE(std::string("Language \"") + choice.stored + '"');
        TestApp app(choice.stored);
        HWND frame = app.MainFrame()->Handle();
        EXPECT_EQ(Labels(GetMenu(frame)), choice.english ? english : japanese);
        const std::vector<std::wstring> help =
            choice.english ? std::vector<std::wstring>{L"Quillscape &Help\tF1", L"&About Quillscape..."}
                           : std::vector<std::wstring>{L"Quillscape のﾍﾙﾌﾟ(&H)", L"Quillscape のﾊﾞｰｼﾞｮﾝ情報(&A)..."};
        EXPECT_EQ(Labels(GetSubMenu(GetMenu(frame), 3)), help);
        EXPECT_EQ(MessagePane(frame), choice.english ? L"Ready" : L"レディ");
        app.Command(kCommandNew);
        const std::vector<std::wstring> documentMenu = Labels(GetMenu(frame));
        ASSERT_EQ(documentMenu.size(), 6u) << "the document's menu";
        EXPECT_EQ(documentMenu[1], choice.english ? L"&Edit" : L"編集(&E)");
        EXPECT_EQ(Labels(GetSubMenu(GetMenu(frame), 1)).front(),
                  choice.english ? L"&Undo\tCtrl+Z" : L"元に戻す(&U)\tCtrl+Z");
    }
}

}  // namespace
