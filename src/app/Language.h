#pragma once
// The language the game speaks: Polish (the default) or English. The data set
// of a language holds its pictures and voices; the few texts the code draws
// itself (the mini-games' banners, the screen editor's overlay) come from a
// small table per language. Engine error messages are not translated.

#include <string>

enum class Language { Polish, English };

struct UiTexts {
    const char* level;     // banner, printf format with the level number
    const char* done;      // banner when a task is finished
    const char* playTime;  // banner, printf format with two numbers
    const char* editMode;  // the screen editor's overlay
};

const UiTexts& uiTexts(Language language);
// The table of the language chosen for this run.
const UiTexts& uiTexts();

void setLanguage(Language language);
Language currentLanguage();

// "pl" or "en" (the settings file and --lang); false for anything else.
bool parseLanguage(const std::string& code, Language& language);
const char* languageCode(Language language);

// Where the data set of a language lives below a data root: "" for Polish
// (the root's own data_demo), "lang/en" for English.
std::string languageFolder(Language language);
