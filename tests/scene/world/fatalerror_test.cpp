#include "fatalcapture.h"
#include "fatalerror.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

using molvix::formatFatalError;
using molvix::reportFatalError;

TEST(FatalErrorFormat, NamesTheFunctionThenTheMessage)
{
    EXPECT_EQ(formatFatalError("MoveSegment", "Attempt to address non existing segment ignored!"),
              QStringLiteral("Error in function MoveSegment\n"
                             "Attempt to address non existing segment ignored!"));
}

TEST(FatalErrorFormat, LongTextIsCutToTheBufferNotOverrun)
{
    const std::string longMessage(1000, 'x');
    const QString text = formatFatalError("AddNLabels", longMessage.c_str());
    EXPECT_EQ(text.size(), 255); // 256-byte buffer including its terminator
    EXPECT_TRUE(text.startsWith(QStringLiteral("Error in function AddNLabels\nxxx")));
}

TEST(FatalErrorFormat, NullTextsPrintAsEmpty)
{
    EXPECT_EQ(formatFatalError(nullptr, nullptr), QStringLiteral("Error in function \n"));
}

TEST(FatalErrorDeathTest, ReportEndsTheProcessWithExitCodeOne)
{
    EXPECT_EXIT(reportFatalError("Vx3DWorld Error", "DrawWorld", "boom"),
                ::testing::ExitedWithCode(1),
                molvix::test::fatalPattern("Vx3DWorld Error", "DrawWorld", "boom"));
}

TEST(FatalErrorDeathTest, ReplacedPresenterSeesCaptionAndTextBeforeTheExit)
{
    EXPECT_EXIT(
        {
            molvix::setFatalErrorPresenter([](const QString &caption, const QString &text) {
                std::fprintf(stderr, "custom<%s><%s>\n", qPrintable(caption),
                             qPrintable(QString(text).replace('\n', '|')));
            });
            reportFatalError("Caption", "Fn", "Msg");
        },
        ::testing::ExitedWithCode(1), "custom<Caption><Error in function Fn\\|Msg>");
}
