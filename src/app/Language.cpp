#include "app/Language.h"

namespace {

const UiTexts kPolish = {"Poziom %d", "Brawo! Zadanie wykonane.", "Czas gry: %d/%d", "EDIT MODE"};
const UiTexts kEnglish = {"Level %d", "Well done! Task complete.", "Play time: %d/%d", "EDIT MODE"};

Language gLanguage = Language::Polish;

}  // namespace

const UiTexts& uiTexts(Language language) { return language == Language::English ? kEnglish : kPolish; }

const UiTexts& uiTexts() { return uiTexts(gLanguage); }

void setLanguage(Language language) { gLanguage = language; }

Language currentLanguage() { return gLanguage; }

bool parseLanguage(const std::string& code, Language& language) {
    if (code == "pl") {
        language = Language::Polish;
        return true;
    }
    if (code == "en") {
        language = Language::English;
        return true;
    }
    return false;
}

const char* languageCode(Language language) { return language == Language::English ? "en" : "pl"; }

std::string languageFolder(Language language) { return language == Language::English ? "lang/en" : ""; }
