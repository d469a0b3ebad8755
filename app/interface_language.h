// The language of the program's interface. Every menu, dialog, string and
// accelerator table exists in Japanese and in English under the same id;
// the language chosen at start-up decides which of them the program loads.
#pragma once

#include <windows.h>

#include <string>

constexpr LANGID kJapanese = MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT);
constexpr LANGID kEnglish = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);

// "ja" or "en" as stored in the profile; LANG_NEUTRAL for any other text.
LANGID LanguageNamed(const std::wstring& name);

// The stored choice when there is one, else Japanese for a user whose
// interface language is Japanese and English for everyone else.
LANGID ChooseInterfaceLanguage(LANGID stored, LANGID userInterface);

// From now on this thread's resource lookups (menus, dialogs, strings,
// accelerators) take `language`.
void UseInterfaceLanguage(LANGID language);
