#include "language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace molvix::i18n {

namespace {

const QString kCataloguePrefix = QStringLiteral("molvix_");

// "en-GB", "en_GB" and "EN" all name English.
QString languageCode(const QString &name)
{
    return name.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
}

std::unique_ptr<QTranslator> &installed()
{
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

// Qt's own texts (file and print dialogs, standard buttons, context menus)
// come from the system's Qt catalogues, where the system has them.
std::unique_ptr<QTranslator> &installedQt()
{
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

void installQtTranslation(const QString &language)
{
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(QStringLiteral("qtbase_") + language,
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator.get());
        installedQt() = std::move(translator);
    }
}

QString &installedLanguage()
{
    static QString language = QLatin1String(kSourceLanguage);
    return language;
}

} // namespace

QStringList availableLanguages()
{
    QStringList languages{QLatin1String(kSourceLanguage)};
    const QStringList catalogues =
        QDir(QStringLiteral(":/i18n")).entryList({kCataloguePrefix + QStringLiteral("*.qm")});
    for (const QString &file : catalogues) {
        languages << file.mid(kCataloguePrefix.size()).chopped(3);
    }
    return languages;
}

LanguageChoice chooseLanguage(const QStringList &arguments, const QStringList &uiLanguages,
                              const QStringList &available)
{
    const QString source = QLatin1String(kSourceLanguage);
    // The program's own name comes first; a later --lang overrides an earlier.
    QString asked;
    bool askedOnCommandLine = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &arg = arguments.at(i);
        if (arg == QLatin1String("--lang") && i + 1 < arguments.size()) {
            asked = arguments.at(++i);
            askedOnCommandLine = true;
        } else if (arg.startsWith(QLatin1String("--lang="))) {
            asked = arg.mid(7);
            askedOnCommandLine = true;
        }
    }
    if (askedOnCommandLine) {
        const QString code = languageCode(asked);
        if (available.contains(code)) {
            return {code, {}};
        }
        return {source, asked};
    }
    for (const QString &name : uiLanguages) {
        const QString code = languageCode(name);
        if (available.contains(code)) {
            return {code, {}};
        }
    }
    return {source, {}};
}

bool installTranslation(const QString &language)
{
    removeTranslation();
    installQtTranslation(language);
    if (language == QLatin1String(kSourceLanguage)) {
        return true;
    }
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(kCataloguePrefix + language, QStringLiteral(":/i18n"))) {
        return false;
    }
    QCoreApplication::installTranslator(translator.get());
    installed() = std::move(translator);
    installedLanguage() = language;
    return true;
}

void removeTranslation()
{
    if (installed()) {
        QCoreApplication::removeTranslator(installed().get());
        installed().reset();
    }
    if (installedQt()) {
        QCoreApplication::removeTranslator(installedQt().get());
        installedQt().reset();
    }
    installedLanguage() = QLatin1String(kSourceLanguage);
}

QString currentLanguage()
{
    return installedLanguage();
}

} // namespace molvix::i18n
