#include "interface_language.h"

LANGID LanguageNamed(const std::wstring& name)
{
    if (name == L"ja")
        return kJapanese;
    if (name == L"en")
        return kEnglish;
    return LANG_NEUTRAL;
}

LANGID ChooseInterfaceLanguage(LANGID stored, LANGID userInterface)
{
    if (stored != LANG_NEUTRAL)
        return stored;
    return PRIMARYLANGID(userInterface) == LANG_JAPANESE ? kJapanese : kEnglish;
}

void UseInterfaceLanguage(LANGID language)
{
    // A lookup in no particular language takes the thread's UI language on
    // Windows and the thread's locale under Wine; each is set for the other.
    SetThreadUILanguage(language);
    SetThreadLocale(MAKELCID(language, SORT_DEFAULT));
}
