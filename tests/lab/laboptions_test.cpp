#include "laboptions.h"

#include <gtest/gtest.h>

namespace {

std::vector<int32_t> sweep(const char *text)
{
    QString error;
    const auto values = parseSweep(QString::fromLatin1(text), 0, 100, &error);
    EXPECT_TRUE(values.has_value()) << text << ": " << qPrintable(error);
    return values.value_or(std::vector<int32_t>{});
}

TEST(ParseSweep, ValuesRangesAndListsInTheOrderWritten)
{
    EXPECT_EQ(sweep("50"), (std::vector<int32_t>{50}));
    EXPECT_EQ(sweep("0"), (std::vector<int32_t>{0}));
    EXPECT_EQ(sweep("20:100:10"), (std::vector<int32_t>{20, 30, 40, 50, 60, 70, 80, 90, 100}));
    // The stop is included only when the steps land on it.
    EXPECT_EQ(sweep("20:100:30"), (std::vector<int32_t>{20, 50, 80}));
    EXPECT_EQ(sweep("98:100"), (std::vector<int32_t>{98, 99, 100}));
    EXPECT_EQ(sweep("7:7:5"), (std::vector<int32_t>{7}));
    EXPECT_EQ(sweep("0:100:1000"), (std::vector<int32_t>{0}));
    EXPECT_EQ(sweep("100,10,50"), (std::vector<int32_t>{100, 10, 50}));
    EXPECT_EQ(sweep("10:30:10,100,5"), (std::vector<int32_t>{10, 20, 30, 100, 5}));
    EXPECT_EQ(sweep("0:100").size(), 101u);
}

TEST(ParseSweep, RefusesWithAReason)
{
    const struct
    {
        const char *text;
        const char *reason;
    } cases[] = {
        {"20:100:0", "step 0 must be positive"},
        {"20:100:-10", "step -10 must be positive"},
        {"10,20:30:0", "step 0 must be positive"},
        {"101", "101 is outside 0..100"},
        {"-1", "-1 is outside 0..100"},
        {"0:101:10", "101 is outside 0..100"},
        {"99999999999999999999", "99999999999999999999 is outside 0..100"},
        {"100:20:10", "'100:20:10' starts above its stop"},
        {"abc", "'abc' is not a whole number"},
        {"2.5", "'2.5' is not a whole number"},
        {" 5", "' 5' is not a whole number"},
        {"+5", "'+5' is not a whole number"},
        {"0x10", "'0x10' is not a whole number"},
        {"5 ", "'5 ' is not a whole number"},
        {"٥", "'٥' is not a whole number"},
        {"", "a value is missing"},
        {"10,,20", "a value is missing"},
        {"10,", "a value is missing"},
        {"10::2", "a value is missing"},
        {"1:2:3:4", "'1:2:3:4' has too many parts: use start:stop:step"},
    };
    for (const auto &c : cases) {
        QString error;
        EXPECT_FALSE(parseSweep(QString::fromUtf8(c.text), 0, 100, &error).has_value()) << c.text;
        EXPECT_EQ(error, QString::fromUtf8(c.reason)) << c.text;
    }
}

ParsedCommandLine parse(QStringList arguments)
{
    arguments.prepend(QStringLiteral("molvix-lab"));
    return parseLabCommandLine(arguments, 4);
}

TEST(ParseLabCommandLine, DefaultsAreTheProgramsStart)
{
    const ParsedCommandLine c = parse({});
    ASSERT_EQ(c.action, ParsedCommandLine::Run) << qPrintable(c.text);
    const std::vector<RunSettings> runs = c.options.runs();
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].count, 50);
    EXPECT_EQ(runs[0].wall, 100);
    EXPECT_EQ(runs[0].temperature, 20);
    EXPECT_FALSE(runs[0].collisions);
    EXPECT_EQ(c.options.ticks, kDefaultTicks);
    EXPECT_EQ(c.options.warmup, kDefaultWarmup);
    EXPECT_EQ(c.options.threads, 4);
    EXPECT_EQ(c.options.format, OutputFormat::Csv);
    EXPECT_TRUE(c.options.out.isEmpty());
    EXPECT_TRUE(c.options.series.isEmpty());
}

TEST(ParseLabCommandLine, TheRunsAreTheProductOfTheSweepsInTheirOrder)
{
    const ParsedCommandLine c =
        parse({QStringLiteral("--particles"), QStringLiteral("10,20"),
               QStringLiteral("--wall=30:40:10"), QStringLiteral("--temperature"),
               QStringLiteral("5"), QStringLiteral("--collisions"), QStringLiteral("on,off"),
               QStringLiteral("--ticks"), QStringLiteral("400"), QStringLiteral("--warmup"),
               QStringLiteral("0"), QStringLiteral("--threads"), QStringLiteral("3"),
               QStringLiteral("--format"), QStringLiteral("json"), QStringLiteral("--out"),
               QStringLiteral("a.json"), QStringLiteral("--series"), QStringLiteral("b.json")});
    ASSERT_EQ(c.action, ParsedCommandLine::Run) << qPrintable(c.text);
    const std::vector<RunSettings> runs = c.options.runs();
    ASSERT_EQ(runs.size(), 8u);
    const int expected[8][4] = {{10, 30, 5, 1}, {10, 30, 5, 0}, {10, 40, 5, 1}, {10, 40, 5, 0},
                                {20, 30, 5, 1}, {20, 30, 5, 0}, {20, 40, 5, 1}, {20, 40, 5, 0}};
    for (size_t i = 0; i < runs.size(); ++i) {
        EXPECT_EQ(runs[i].count, expected[i][0]) << i;
        EXPECT_EQ(runs[i].wall, expected[i][1]) << i;
        EXPECT_EQ(runs[i].temperature, expected[i][2]) << i;
        EXPECT_EQ(runs[i].collisions, expected[i][3] == 1) << i;
    }
    EXPECT_EQ(c.options.ticks, 400);
    EXPECT_EQ(c.options.warmup, 0);
    EXPECT_EQ(c.options.threads, 3);
    EXPECT_EQ(c.options.format, OutputFormat::Json);
    EXPECT_EQ(c.options.out, QStringLiteral("a.json"));
    EXPECT_EQ(c.options.series, QStringLiteral("b.json"));
}

TEST(ParseLabCommandLine, HelpAndVersionWinOverTheRest)
{
    const ParsedCommandLine help =
        parse({QStringLiteral("--ticks"), QStringLiteral("0"), QStringLiteral("-h")});
    EXPECT_EQ(help.action, ParsedCommandLine::Help);
    // The help names every option the parser takes, and the threads here.
    for (const char *option :
         {"--particles", "--temperature", "--wall", "--collisions", "--ticks", "--warmup",
          "--threads", "--out", "--series", "--format", "--help", "--version"}) {
        EXPECT_TRUE(help.text.contains(QLatin1String(option))) << option;
    }
    EXPECT_TRUE(help.text.contains(QLatin1String("4 here")));
    EXPECT_EQ(parse({QStringLiteral("--version")}).action, ParsedCommandLine::Version);
}

} // namespace
