#pragma once

#include <QString>
#include <QStringList>

// The program's languages. Spanish is the language the texts are written in
// and needs no translation; every other language is a compiled Qt Linguist
// catalogue built into the program (":/i18n/molvix_<code>.qm").
namespace molvix::i18n {

inline constexpr char kSourceLanguage[] = "es";

// The languages the program can show: Spanish, then those with a catalogue.
QStringList availableLanguages();

struct LanguageChoice
{
    QString language; // "es" or one of availableLanguages()
    QString unknown;  // what --lang asked for when no translation has it
};

// "--lang <code>" (or "--lang=<code>") in the arguments wins; otherwise the
// first of the user's interface languages (QLocale::uiLanguages(), most
// wanted first) that is Spanish or has a translation; otherwise Spanish.
LanguageChoice chooseLanguage(const QStringList &arguments, const QStringList &uiLanguages,
                              const QStringList &available);

// Installs the catalogue of a language in the application; Spanish needs
// none. Qt's own texts follow in that language where the system has Qt's
// catalogue for it. Returns false when a catalogue of the program was wanted
// and could not be loaded.
bool installTranslation(const QString &language);

// Removes what installTranslation() installed (tests switch languages).
void removeTranslation();

// The language the interface shows now: the one last installed, Spanish
// when none is.
QString currentLanguage();

} // namespace molvix::i18n
