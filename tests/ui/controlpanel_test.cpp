#include "uitest.h"

#include <QSignalSpy>

#include <cstdio>

namespace {

using molvix::test::ProgramTest;
using ControlPanelTest = ProgramTest;

TEST_F(ControlPanelTest, StartUpShowsTheGasOfTemperatureTwenty)
{
    EXPECT_EQ(panel->windowTitle(), QStringLiteral("Panel de Control"));
    EXPECT_EQ(panel->ScBarNPart->value(), 50);
    EXPECT_EQ(panel->ScBarTemp->value(), 20);
    EXPECT_EQ(panel->ScBarPared->value(), 100);
    EXPECT_EQ(panel->MaskNOfPar->text(), QStringLiteral(" 50"));
    EXPECT_EQ(panel->MaskPosPa->text(), QStringLiteral("100"));
    EXPECT_EQ(s().NumPar, 50);
    EXPECT_EQ(s().Temp, 20);
    // The readouts agree with the velocities Temp 20 gives the templates.
    double sum = 0;
    for (int i = 1; i <= 50; ++i) {
        const double vx = 20.0f * s().DirX[i], vy = 20.0f * s().DirY[i], vz = 20.0f * s().DirZ[i];
        EXPECT_EQ(s().VelX[i], static_cast<float>(vx));
        sum += vx * vx + vy * vy + vz * vz;
    }
    char ener[32], temp[32];
    std::snprintf(ener, sizeof ener, "%3.0f", 0.01 * sum);
    std::snprintf(temp, sizeof temp, "%3.2f", sum / (3 * 50 * 100.0));
    EXPECT_EQ(panel->MaskEner->text(), QString::fromLatin1(ener));
    EXPECT_EQ(panel->MaskTemp->text(), QString::fromLatin1(temp));
    EXPECT_TRUE(panel->MaskPre->text().isEmpty()) << "no pressure reading before 200 ticks";
    EXPECT_EQ(panel->BoxColi->currentText(), QStringLiteral("NO"));
    EXPECT_EQ(panel->BoxDibVel->currentText(), QStringLiteral("NO"));
}

TEST_F(ControlPanelTest, TypedCountsFollowTheClassicConversionAndTheBarsRange)
{
    const struct
    {
        const char *typed;
        int count;
    } cases[] = {{"75", 75}, {"75a", 0}, {" 75", 75}, {"", 0},  {"250", 100},
                 {"-5", 0},  {"$20", 32}, {"x10", 16}, {"60", 60}}; // each a change
    for (const auto &c : cases) {
        typeCount(QString::fromLatin1(c.typed));
        EXPECT_EQ(panel->ScBarNPart->value(), c.count) << c.typed;
        EXPECT_EQ(s().NumPar, c.count) << c.typed;
        EXPECT_EQ(panel->MaskNOfPar->text(), QString::number(c.count)) << c.typed;
    }
}

TEST_F(ControlPanelTest, RaisingTheCountAddsTheNewParticlesOnly)
{
    const GasState before = s();
    typeCount(QStringLiteral("75"));
    for (int i = 1; i <= 50; ++i) {
        EXPECT_EQ(s().ParX[i], before.ParX[i]);
    }
    for (int i = 51; i <= 75; ++i) {
        EXPECT_EQ(view->particles()[i].Color, kYellow) << i;
    }
    EXPECT_EQ(view->particles()[76].Color, kBlack);
    EXPECT_EQ(gl->NParticles, 75);
}

TEST_F(ControlPanelTest, TypingTheCurrentCountChangesNothing)
{
    const GasState before = s();
    typeCount(QStringLiteral("050"));
    EXPECT_EQ(panel->MaskNOfPar->text(), QStringLiteral("050")) << "the typed text stays";
    EXPECT_EQ(s().NumPar, 50);
    EXPECT_EQ(s().ParX, before.ParX);
}

TEST_F(ControlPanelTest, TheEnterKeyStillReachesTheEdit)
{
    QSignalSpy entered(panel->MaskNOfPar, &QLineEdit::returnPressed);
    typeCount(QStringLiteral("20"));
    EXPECT_EQ(entered.count(), 1);
}

// Dropping straight to 0 must hide every particle that was live (and its
// vector) in both views, not only the first.
TEST_F(ControlPanelTest, DroppingStraightToZeroHidesEveryParticle)
{
    panel->BoxDibVel->setCurrentText(QStringLiteral("SI"));
    typeCount(QStringLiteral("0"));
    EXPECT_EQ(s().NumPar, 0);
    for (int i = 1; i <= 50; ++i) {
        EXPECT_EQ(view->particles()[i].Color, kBlack) << i;
        EXPECT_EQ(view->segments()[i + SegVel].Color, kBlack) << i;
    }
    EXPECT_EQ(gl->NParticles, 0);
    EXPECT_EQ(gl->NSegments, SegVel);
    EXPECT_EQ(countInFrame(kYellow), 0);
    EXPECT_EQ(countInFrame(kWhite), 0);
    EXPECT_EQ(panel->MaskTemp->text(), QStringLiteral("Temperatura = 0.00"));

    typeCount(QStringLiteral("1"));
    EXPECT_EQ(view->particles()[1].Color, kYellow);
    EXPECT_EQ(gl->particles()[1].Color, 0xFFFFFF);
    EXPECT_EQ(gl->NParticles, 1);
}

TEST_F(ControlPanelTest, LoweringTheWallFoldsParticlesAboveIt)
{
    std::vector<int> above;
    for (int i = 1; i <= 50; ++i) {
        if (s().ParY[i] > 40.0f) {
            above.push_back(i);
        }
    }
    ASSERT_FALSE(above.empty());
    const GasState before = s();
    panel->ScBarPared->setValue(40);
    EXPECT_EQ(panel->MaskPosPa->text(), QStringLiteral("40"));
    for (int i : above) {
        EXPECT_EQ(s().ParY[i], 39.0f);
        EXPECT_EQ(s().ParX[i], before.ParX[i]);
        EXPECT_EQ(s().VelY[i], before.VelY[i]);
    }
    EXPECT_EQ(view->segments()[24].Y1, 40.0f - 50.0f);
}

TEST_F(ControlPanelTest, VectorsOnThenOffBlackensEveryVectorSegment)
{
    panel->BoxDibVel->setCurrentText(QStringLiteral("SI"));
    EXPECT_EQ(s().DibVel, 1);
    EXPECT_EQ(view->segments()[30].Color, kWhite);
    EXPECT_EQ(gl->NSegments, 50 + SegVel);
    EXPECT_GT(countInFrame(kWhite), 0);
    panel->BoxDibVel->setCurrentText(QStringLiteral("NO"));
    EXPECT_EQ(s().DibVel, 0);
    for (int seg = 30; seg <= 130; ++seg) {
        EXPECT_EQ(view->segments()[seg].Color, kBlack) << seg;
    }
    EXPECT_EQ(gl->NSegments, 27);
    EXPECT_EQ(countInFrame(kWhite), 0);
}

TEST_F(ControlPanelTest, OtherTextsSwitchNothing)
{
    panel->BoxDibVel->setCurrentText(QStringLiteral("si"));
    EXPECT_EQ(s().DibVel, 0);
    panel->BoxDibVel->setCurrentText(QStringLiteral("SI"));
    panel->BoxDibVel->setCurrentText(QStringLiteral("S"));
    EXPECT_EQ(s().DibVel, 1);
}

TEST_F(ControlPanelTest, TemperatureZeroStopsEveryParticleAndTwentyRestores)
{
    const GasState before = s();
    panel->ScBarTemp->setValue(0);
    for (int i = 1; i <= 100; ++i) {
        EXPECT_EQ(s().VelX[i], 0.0f);
    }
    EXPECT_EQ(panel->MaskEner->text(), QStringLiteral("  0"));
    EXPECT_EQ(panel->MaskTemp->text(), QStringLiteral("0.00"));
    panel->ScBarTemp->setValue(20);
    EXPECT_EQ(s().VelX, before.VelX);
}

TEST_F(ControlPanelTest, TheBarsClampAndStepByOne)
{
    for (QScrollBar *bar : {panel->ScBarNPart, panel->ScBarTemp, panel->ScBarPared}) {
        EXPECT_EQ(bar->minimum(), 0);
        EXPECT_EQ(bar->maximum(), 100);
        EXPECT_EQ(bar->singleStep(), 1);
        EXPECT_EQ(bar->pageStep(), 1);
    }
    panel->ScBarPared->setValue(150);
    EXPECT_EQ(s().PosPared, 100);
}

} // namespace
