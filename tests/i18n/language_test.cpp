#include "language.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <gtest/gtest.h>

namespace {

using namespace molvix::i18n;

TEST(LanguageChoice, CommandLineThenSystemLanguageThenSpanish)
{
    const struct
    {
        QStringList args, system;
        const char *language, *unknown;
    } cases[] = {
        {{"--lang", "en"}, {"es-ES"}, "en", ""},
        {{"--lang=es"}, {"en-US", "en"}, "es", ""},
        {{"--lang", "EN_gb"}, {}, "en", ""},
        {{"--lang", "en", "--lang", "es"}, {"en"}, "es", ""}, // the last one counts
        {{"--lang"}, {"en-US"}, "en", ""},                    // no value, no choice
        {{"--lang", "fr"}, {"en-US"}, "es", "fr"},            // untranslated: Spanish, reported
        {{}, {"de-DE", "de", "en-GB"}, "en", ""},             // first with a translation
        {{}, {"es-MX", "en"}, "es", ""},
        {{}, {"C"}, "es", ""},
        {{}, {"fr-FR", "fr"}, "es", ""},
        {{}, {}, "es", ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(qPrintable(c.args.join(' ') + " / " + c.system.join(' ')));
        const auto choice = chooseLanguage(QStringList{"molvix"} + c.args, c.system, {"es", "en"});
        EXPECT_EQ(choice.language, c.language);
        EXPECT_EQ(choice.unknown, c.unknown);
    }
    // The program's own name is never read as an option.
    EXPECT_EQ(chooseLanguage({"--lang=en"}, {}, {"es", "en"}).language, "es");
}

TEST(LanguageCatalogues, EnglishIsBuiltInAndSwitchesTheTextsBothWays)
{
    EXPECT_EQ(availableLanguages().first(), "es");
    EXPECT_TRUE(availableLanguages().contains("en"));
    const auto text = [] { return QCoreApplication::translate("TForm1", "Animación"); };
    ASSERT_TRUE(installTranslation("en"));
    EXPECT_EQ(text(), "Animation");
    ASSERT_TRUE(installTranslation("es"));
    EXPECT_EQ(text(), QStringLiteral("Animación")) << "Spanish replaces English";
    ASSERT_TRUE(installTranslation("en"));
    removeTranslation();
    EXPECT_EQ(text(), QStringLiteral("Animación"));
    EXPECT_FALSE(installTranslation("xx"));
}

TEST(LanguageCatalogues, QtsOwnTextsFollowTheLanguageWhereTheSystemHasThem)
{
    const QString dir = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!QFileInfo::exists(dir + "/qtbase_es.qm")) {
        GTEST_SKIP() << "no qtbase_es.qm in " << qPrintable(dir);
    }
    const auto cancel = [] { return QCoreApplication::translate("QPlatformTheme", "Cancel"); };
    ASSERT_TRUE(installTranslation("es"));
    EXPECT_EQ(cancel(), "Cancelar");
    ASSERT_TRUE(installTranslation("en"));
    EXPECT_EQ(cancel(), "Cancel") << "English replaces Spanish";
    ASSERT_TRUE(installTranslation("es"));
    removeTranslation();
    EXPECT_EQ(cancel(), "Cancel");
}

} // namespace
