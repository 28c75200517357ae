// The language the game speaks: Russian as our texts are written, or English from the compiled catalogue.
#pragma once

#include <string>

// The languages a player can choose.
enum class Language { Russian, English };

// Marks a Russian text kept in a table for the catalogue; it is translated where it is shown, with Tr.
#define N_(text) text

// The Windows-1251 text of `russian` (one of our UTF-8 texts) in the language in force.
std::string Tr(const char* russian);

// Switches every text translated from now on; false (and Russian kept) when English has no catalogue.
bool SetLanguage(Language language);
// The language in force (Russian until SetLanguage says otherwise).
Language CurrentLanguage();
// Counts the language switches, so a table translated once knows when to translate again.
unsigned LanguageGeneration();
// "ru" or "en".
const char* LanguageCode(Language language);
// Why the last switch to English failed ("" when it did not).
const std::string& LanguageProblem();

// The picture `path` ("Data/menu.png") in the language in force: its twin in Data/<code>/ when the language
// has one and the file is there, else `path` itself.
std::string LocalisedFile(const std::string& path);

// The folder holding <code>/LC_MESSAGES/duskhollow.mo; set before the first switch to English.
void SetLocaleDir(const std::string& dir);
// The language a locale asks for: the first of LANGUAGE's list, else LC_ALL, LC_MESSAGES, LANG, that names
// Russian or English decides; Russian when none does. Null or empty values are skipped.
Language LanguageFromLocale(const char* language, const char* lcAll, const char* lcMessages,
                            const char* lang);
// LanguageFromLocale of this process's environment.
Language LanguageFromEnvironment();
