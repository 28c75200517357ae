// The language in force and the translation of our texts through GNU gettext.
#include "engine/language.h"

#include <unistd.h>

#include <algorithm>
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <unordered_map>

#ifndef __EMSCRIPTEN__
#include <libintl.h>
#endif

#include "engine/text.h"

namespace {

constexpr const char* kDomain = "duskhollow";

Language current = Language::Russian;
unsigned generation = 0;
std::string localeDir;
std::string problem;
// Texts already translated into the language in force, by their Russian text.
std::unordered_map<std::string, std::string> cache;

// Russian or English for one locale name ("en_GB.UTF-8", "ru", "C"); -1 when it names neither.
int NamedLanguage(const std::string& name) {
  if (name.compare(0, 2, "ru") == 0) return static_cast<int>(Language::Russian);
  if (name.compare(0, 2, "en") == 0) return static_cast<int>(Language::English);
  return -1;
}

#ifndef __EMSCRIPTEN__
// Points gettext at the English catalogue; gettext translates only under a locale other than "C".
bool OpenEnglishCatalogue() {
  const std::string file = localeDir + "/en/LC_MESSAGES/" + kDomain + ".mo";
  if (localeDir.empty() || access(file.c_str(), R_OK) != 0) {
    problem = "the English catalogue " + file + " cannot be read";
    return false;
  }
  if (std::setlocale(LC_MESSAGES, "C.UTF-8") == nullptr && std::setlocale(LC_MESSAGES, "") == nullptr) {
    problem = "no locale for messages can be set";
    return false;
  }
  setenv("LANGUAGE", "en", 1);
  bindtextdomain(kDomain, localeDir.c_str());
  bind_textdomain_codeset(kDomain, "UTF-8");
  return true;
}
#else
// The browser build carries no catalogues: it speaks Russian only.
bool OpenEnglishCatalogue() {
  problem = "the browser build speaks Russian only";
  return false;
}
#endif

std::string Translate(const char* russian) {
#ifndef __EMSCRIPTEN__
  if (current == Language::English) return ToCp1251(dgettext(kDomain, russian));
#endif
  return ToCp1251(russian);
}

}  // namespace

std::string Tr(const char* russian) {
  if (russian == nullptr || russian[0] == '\0') return "";  // gettext keeps its header under ""
  const std::string key(russian);
  auto found = cache.find(key);
  if (found == cache.end()) found = cache.emplace(key, Translate(russian)).first;
  return found->second;
}

bool SetLanguage(Language language) {
  problem.clear();
  if (language == Language::English && !OpenEnglishCatalogue()) language = Language::Russian;
  if (language != current) {
    current = language;
    ++generation;
    cache.clear();
  }
  return problem.empty();
}

Language CurrentLanguage() {
  return current;
}

unsigned LanguageGeneration() {
  return generation;
}

const char* LanguageCode(Language language) {
  return language == Language::English ? "en" : "ru";
}

const std::string& LanguageProblem() {
  return problem;
}

std::string LocalisedFile(const std::string& path) {
  if (current == Language::Russian) return path;
  const size_t slash = path.rfind('/');
  const std::string twin = slash == std::string::npos
                               ? std::string(LanguageCode(current)) + "/" + path
                               : path.substr(0, slash + 1) + LanguageCode(current) + path.substr(slash);
  return access(twin.c_str(), R_OK) == 0 ? twin : path;
}

void SetLocaleDir(const std::string& dir) {
  localeDir = dir;
}

Language LanguageFromLocale(const char* language, const char* lcAll, const char* lcMessages,
                            const char* lang) {
  // LANGUAGE is a list of preferences ("de:en:ru"): the first that we speak wins.
  if (language != nullptr) {
    const std::string list(language);
    size_t start = 0;
    while (start <= list.size()) {
      const size_t end = std::min(list.find(':', start), list.size());
      const int named = NamedLanguage(list.substr(start, end - start));
      if (named >= 0) return static_cast<Language>(named);
      start = end + 1;
    }
  }
  for (const char* value : {lcAll, lcMessages, lang}) {
    if (value == nullptr || value[0] == '\0') continue;
    const int named = NamedLanguage(value);
    return named >= 0 ? static_cast<Language>(named) : Language::Russian;
  }
  return Language::Russian;
}

Language LanguageFromEnvironment() {
  return LanguageFromLocale(std::getenv("LANGUAGE"), std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"),
                            std::getenv("LANG"));
}
