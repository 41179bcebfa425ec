#pragma once

#include <QStringList>

#include <string>
#include <vector>

// The program's texts in the desktop's language. English is built in; every other language
// is a kedoozle_<name>.qm file (kedoozle_de.qm, kedoozle_pt_BR.qm) in the translations folder:
// translations/ beside the program when it runs from its build or program folder, else
// share/kedoozle/translations/ of the prefix it is installed in.

// The folders looked in for the translations, in order, each with a trailing '/'.
std::vector<std::string> TranslationFolders();

// The languages shipped besides English, as their files name them ("de", "pt_BR"), sorted.
std::vector<std::string> ShippedLanguages();

// Switches the program's texts to the first of `languages` (most wanted first, as
// QLocale::uiLanguages gives them: "de-DE", "pt-BR", "fr") that is English or shipped; any
// Portuguese takes the Brazilian texts. Returns the language now used, "en" for English
// (also when none of them is shipped). Texts already on the screen stay as they are.
std::string UseLanguage(const QStringList& languages);

// UseLanguage with the desktop's languages: LANGUAGE, else LC_ALL, LC_MESSAGES or LANG.
std::string UseDesktopLanguage();
