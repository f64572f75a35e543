#include "uitest.h"

#include <QSignalSpy>

#include <cstdio>
#include <string_view>

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

// Typed text keeps the vectors as the gas has them, and everything the gas
// draws follows that one switch: particles added then show their vectors.
TEST_F(ControlPanelTest, TypedTextKeepsTheVectorsOnForNewParticlesToo)
{
    panel->BoxDibVel->setCurrentText(QStringLiteral("SI"));
    panel->BoxDibVel->setCurrentText(QStringLiteral("S"));
    typeCount(QStringLiteral("60"));
    EXPECT_EQ(s().DibVel, 1);
    for (int i = 51; i <= 60; ++i) {
        EXPECT_EQ(view->segments()[i + SegVel].Color, kWhite) << i;
    }
    EXPECT_EQ(gl->NSegments, 60 + SegVel);
}

TEST_F(ControlPanelTest, OnlyTheYesItemSwitchesCollisionsOn)
{
    EXPECT_FALSE(gas().collisions());
    for (const char *text : {"SI", "si", "SI ", "S", "", "SI", "NO"}) {
        panel->BoxColi->setCurrentText(QString::fromLatin1(text));
        EXPECT_EQ(gas().collisions(), std::string_view(text) == "SI") << '"' << text << '"';
    }
    panel->BoxColi->setCurrentIndex(panel->BoxColi->findText(QStringLiteral("SI")));
    EXPECT_TRUE(gas().collisions()) << "picked from the list";
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

// A moving piston's process is the same whether the wall bar is taken to
// its target by a run of arrow presses, with the animation running between
// them, or in one jump: the piston sets off once the bar has settled.
TEST_F(ControlPanelTest, AMovingPistonMakesOneMoveHoweverTheBarIsTaken)
{
    panel->ScBarNPart->setValue(100);
    panel->BoxColi->setCurrentIndex(panel->BoxColi->findText(QStringLiteral("SI")));
    const auto run = [this](int ticks) {
        for (int t = 0; t < ticks; ++t) {
            form->TimeLoopTimer();
        }
    };
    const auto energy = [this] {
        double sum = 0;
        for (int i = 1; i <= s().NumPar; ++i) {
            sum += double(s().VelX[i]) * s().VelX[i] + double(s().VelY[i]) * s().VelY[i] +
                   double(s().VelZ[i]) * s().VelZ[i];
        }
        return sum;
    };
    // Each move starts from the gas the one before left, hotter or cooler:
    // the work is taken per energy at the start (0.01 sum v^2 / 100).
    struct Outcome
    {
        double work, workPerEnergy, temperatureRatio;
    };
    enum How { Keys, Drag, EndKey };
    // From the piston at `from`, the bar taken to `to`.
    const auto move = [&](float speed, int from, int to, How how) -> Outcome {
        gas().setProcess({});
        panel->ScBarPared->setValue(from);
        ProcessSettings moving;
        moving.piston = PistonMode::Moving;
        moving.pistonSpeed = speed;
        moving.pistonTarget = static_cast<float>(from);
        gas().setProcess(moving);
        run(3000);
        gas().resetLedger();
        const double before = energy();
        panel->ScBarPared->setFocus();
        QScrollBar *bar = panel->ScBarPared;
        if (how == Keys) {
            const Qt::Key key = to > from ? Qt::Key_Right : Qt::Key_Left;
            for (int k = 0; k < std::abs(to - from); ++k) {
                QTest::keyClick(panel->ScBarPared, key);
                run(30); // held down, an arrow repeats some 30 times a second
            }
        } else if (how == EndKey) {
            QTest::keyClick(bar, Qt::Key_End);
        } else {
            bar->setSliderDown(true);
            for (int p = from; p != to; p += to > from ? 1 : -1) {
                bar->setSliderPosition(p); // the mouse held still for a while
                run(30);
            }
            bar->setSliderPosition(to);
            QTest::qWait(TFormCPanel::kPistonSettleMs + 100);
            EXPECT_FLOAT_EQ(gas().pistonPosition(), static_cast<float>(from)) << "held";
            bar->setSliderDown(false);
        }
        EXPECT_EQ(panel->ScBarPared->value(), to);
        EXPECT_TRUE(panel->pistonTargetPending());
        EXPECT_FLOAT_EQ(gas().pistonPosition(), static_cast<float>(from)) << "not before it settles";
        EXPECT_TRUE(QTest::qWaitFor([this] { return !panel->pistonTargetPending(); },
                                    5 * TFormCPanel::kPistonSettleMs));
        run(static_cast<int>(std::abs(to - from) / (speed * 0.1f)) + 1000);
        EXPECT_FLOAT_EQ(gas().pistonPosition(), static_cast<float>(to));
        return Outcome{gas().ledger().work, 100 * gas().ledger().work / before, energy() / before};
    };
    // Faster than any particle, out: a free expansion, no work, T unchanged.
    for (const How how : {EndKey, Drag, Keys}) {
        const Outcome out = move(1000, 50, 100, how);
        EXPECT_EQ(out.work, 0) << "moved by way " << how;
        EXPECT_NEAR(out.temperatureRatio, 1, 1e-5);
    }
    // Speed 10, in: the same compression within the runs' own scatter.
    const Outcome jump = move(10, 100, 50, Drag);
    const Outcome keys = move(10, 100, 50, Keys);
    EXPECT_GT(jump.work, 300);
    EXPECT_NEAR(keys.workPerEnergy / jump.workPerEnergy, 1, 0.15)
        << keys.workPerEnergy << " by keys, " << jump.workPerEnergy << " in one drag";
    EXPECT_NEAR(keys.temperatureRatio / jump.temperatureRatio, 1, 0.1);
}
