#include "language.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

namespace {

using molvix::i18n::chooseLanguage;

const QStringList kAvailable{QStringLiteral("es"), QStringLiteral("en")};

QString chosen(const QStringList &args, const QStringList &system)
{
    return chooseLanguage(QStringList{QStringLiteral("molvix")} + args, system, kAvailable)
        .language;
}

TEST(LanguageChoice, CommandLineWinsOverTheSystemLanguage)
{
    EXPECT_EQ(chosen({"--lang", "en"}, {"es-ES"}), "en");
    EXPECT_EQ(chosen({"--lang=es"}, {"en-US", "en"}), "es");
    EXPECT_EQ(chosen({"--lang", "EN_gb"}, {}), "en");
    // The last one given counts; a --lang with no value is no choice.
    EXPECT_EQ(chosen({"--lang", "en", "--lang", "es"}, {"en"}), "es");
    EXPECT_EQ(chosen({"--lang"}, {"en-US"}), "en");
    // The program's own name is never read as an option.
    EXPECT_EQ(chooseLanguage({"--lang=en"}, {}, kAvailable).language, "es");
}

TEST(LanguageChoice, AnUntranslatedLanguageOnTheCommandLineGivesSpanishAndIsReported)
{
    const auto choice = chooseLanguage({"molvix", "--lang", "fr"}, {"en-US"}, kAvailable);
    EXPECT_EQ(choice.language, "es") << "not the system language either";
    EXPECT_EQ(choice.unknown, "fr");
    EXPECT_TRUE(chooseLanguage({"molvix", "--lang", "en"}, {}, kAvailable).unknown.isEmpty());
}

TEST(LanguageChoice, SystemLanguagesInOrderOfPreferenceThenSpanish)
{
    EXPECT_EQ(chosen({}, {"de-DE", "de", "en-GB"}), "en") << "first with a translation";
    EXPECT_EQ(chosen({}, {"es-MX", "en"}), "es");
    EXPECT_EQ(chosen({}, {"C"}), "es");
    EXPECT_EQ(chosen({}, {"fr-FR", "fr"}), "es");
    EXPECT_EQ(chosen({}, {}), "es");
}

TEST(LanguageCatalogues, EnglishIsBuiltInAndSwitchesTheTextsBothWays)
{
    const QStringList available = molvix::i18n::availableLanguages();
    EXPECT_EQ(available.first(), "es");
    EXPECT_TRUE(available.contains("en"));

    const auto text = [] { return QCoreApplication::translate("TForm1", "Animación"); };
    ASSERT_TRUE(molvix::i18n::installTranslation(QStringLiteral("en")));
    EXPECT_EQ(text(), "Animation");
    ASSERT_TRUE(molvix::i18n::installTranslation(QStringLiteral("es")));
    EXPECT_EQ(text(), QStringLiteral("Animación")) << "Spanish replaces English";
    ASSERT_TRUE(molvix::i18n::installTranslation(QStringLiteral("en")));
    molvix::i18n::removeTranslation();
    EXPECT_EQ(text(), QStringLiteral("Animación"));
    EXPECT_FALSE(molvix::i18n::installTranslation(QStringLiteral("xx")));
    EXPECT_EQ(text(), QStringLiteral("Animación"));
}

} // namespace
