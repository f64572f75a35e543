// The option table is what the parser, --help (both languages) and the man
// page say: an option added, dropped or given another range in one of them
// and not in the others fails here.
#include "labhelp.h"
#include "labparse.h"
#include "labtable.h"

#include <QCoreApplication>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

// The option as the man page tags its paragraph: \fB\-\-collisions\fR
// \fBon\fR|\fBoff\fR, \fB\-h\fR, \fB\-\-help\fR.
QString manTag(const LabOption &option)
{
    const QString name = QString::fromLatin1(option.name).replace(u'-', QStringLiteral("\\-"));
    QString tag = QStringLiteral("\\fB\\-\\-%1\\fR").arg(name);
    if (option.shortName != 0) {
        tag.prepend(QStringLiteral("\\fB\\-%1\\fR, ").arg(QLatin1Char(option.shortName)));
    }
    if (option.words != nullptr) {
        QStringList words = QString::fromLatin1(option.words).split(u'|');
        for (QString &word : words) {
            word = QStringLiteral("\\fB%1\\fR").arg(word);
        }
        tag += u' ' + words.join(u'|');
    } else if (*option.value != '\0') {
        tag += QStringLiteral(" \\fI%1\\fR")
                   .arg(QCoreApplication::translate("molvix-lab", option.value));
    }
    return tag;
}

bool isWhole(const LabOption &option)
{
    return std::holds_alternative<int64_t LabOptions::*>(option.into) ||
           std::holds_alternative<int LabOptions::*>(option.into);
}

TEST(OptionTable, EveryOptionIsInTheHelpWithItsRangeInBothLanguages)
{
    for (const bool english : {false, true}) {
        if (english) {
            molvix::i18n::installTranslation(QStringLiteral("en"));
        }
        const QString help = labHelpText(4);
        for (const LabOption &option : labOptionTable()) {
            const qsizetype at = help.indexOf(QStringLiteral("\n  ") + optionSynopsis(option));
            ASSERT_GE(at, 0) << english << ": " << option.name;
            // Its lines: up to the next option or section.
            const QString lines =
                help.mid(at + 1).section(QRegularExpression(QStringLiteral("\n(  -|\n)")), 0, 0);
            EXPECT_TRUE(lines.contains(rangeText(option))) << english << ": " << option.name;
            EXPECT_FALSE(lines.contains(QRegularExpression(QStringLiteral("%\\d"))))
                << english << ": " << option.name;
        }
        molvix::i18n::removeTranslation();
    }
}

TEST(OptionTable, EachRangeRefusesJustOutsideItWithTheRangeInTheMessage)
{
    for (const LabOption &option : labOptionTable()) {
        if (!isNumeric(option)) {
            continue;
        }
        for (const double value : {option.min - 1, option.max + 1}) {
            const QString text = limitText(value);
            const QString reason =
                isWhole(option) && option.min == 1 && value < 1
                    ? QStringLiteral("must be positive (at most %1)").arg(limitText(option.max))
                    : text + QStringLiteral(" is outside ") + rangeText(option);
            const ParsedCommandLine parsed =
                parseInEnglish(QStringLiteral("--%1 %2").arg(QLatin1String(option.name), text));
            EXPECT_EQ(parsed.action, ParsedCommandLine::Error) << option.name;
            EXPECT_EQ(parsed.text.toStdString(), QStringLiteral("--%1 %2: %3")
                                                     .arg(QLatin1String(option.name), text, reason)
                                                     .toStdString());
        }
    }
}

TEST(OptionTable, TheManPageHasEveryOptionWithItsRangeAndNoOther)
{
    QFile file(QStringLiteral(MOLVIX_SOURCE_DIR "/packaging/man/molvix-lab.1"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString man = QString::fromUtf8(file.readAll());
    const QString section = man.section(QStringLiteral(".SH OPTIONS\n"), 1).section(".SH ", 0, 0);
    // Each tagged paragraph: its tag, and its text up to the next request.
    QMap<QString, QString> paragraphs;
    const QRegularExpression tagged(QStringLiteral("^\\.TP\\n(.*)\\n((?:[^.].*\\n)*)"),
                                    QRegularExpression::MultilineOption);
    for (auto m = tagged.globalMatch(section); m.hasNext();) {
        const auto match = m.next();
        paragraphs.insert(match.captured(1), match.captured(2));
    }
    molvix::i18n::installTranslation(QStringLiteral("en"));
    for (const LabOption &option : labOptionTable()) {
        const QString tag = manTag(option);
        ASSERT_TRUE(paragraphs.contains(tag)) << "no paragraph " << tag.toStdString();
        if (isNumeric(option)) {
            EXPECT_TRUE(paragraphs[tag].contains(rangeText(option))) << tag.toStdString();
        }
        paragraphs.remove(tag);
    }
    molvix::i18n::removeTranslation();
    EXPECT_TRUE(paragraphs.isEmpty())
        << "not in the table: " << paragraphs.keys().join(u' ').toStdString();
}

} // namespace
