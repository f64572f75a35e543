// The window "Difusión" in the program: its button and key, the mixture its
// controls start, the divider's removal and the way back, the charts and the
// export, the count bar and the processes while a mixture is on, and what
// the views draw of it.
#include "uitest.h"

#include "atmospherecharts.h"
#include "chartstyle.h"
#include "diffusionwindow.h"
#include "focuschartview.h"
#include "graphswindow.h"
#include "mixturescene.h"
#include "controls.h"
#include "processwindow.h"
#include "speedchartview.h"

#include <QAreaSeries>
#include <QChart>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QScatterSeries>
#include <QSpinBox>
#include <QTemporaryDir>

#include <cmath>

namespace {

class DiffusionWindowTest : public molvix::test::ProgramTest
{
protected:
    DiffusionWindow &d() const { return *w.Difusion; }
    void run(int ticks)
    {
        for (int t = 0; t < ticks; ++t) {
            form->TimeLoopTimer();
        }
    }
    // The controls set as a user would leave them, then "Aplicar".
    void apply(int a, int b, double massB, int divider, double heavyMass = 0)
    {
        d().SpinNumA->setValue(a);
        d().SpinNumB->setValue(b);
        d().SpinMasaB->setValue(massB);
        d().BoxPared->setCurrentIndex(divider);
        d().SpinMasaPesada->setValue(heavyMass);
        QTest::mouseClick(d().BtnAplicar, Qt::LeftButton);
    }
    int softColourCount(TColor colour)
    {
        int n = 0;
        for (int32_t i = 1; i < view->MaxParticles(); ++i) {
            n += view->particles()[size_t(i)].Color == colour ? 1 : 0;
        }
        return n;
    }
};

TEST_F(DiffusionWindowTest, HiddenAtStartItsButtonAndF7ToggleIt)
{
    EXPECT_FALSE(d().isVisible());
    EXPECT_FALSE(gas().mixture()) << "nothing changed until chosen";
    EXPECT_TRUE(panel->BtnDifusion->toolTip().contains(QLatin1String("F7")));
    QTest::mouseClick(panel->BtnDifusion, Qt::LeftButton);
    EXPECT_TRUE(d().isVisible());
    QTest::mouseClick(panel->BtnDifusion, Qt::LeftButton);
    EXPECT_FALSE(d().isVisible());
    QTest::keyClick(form, Qt::Key_F7);
    EXPECT_TRUE(d().isVisible());
    EXPECT_TRUE(d().close());
    EXPECT_FALSE(d().isVisible());
    EXPECT_TRUE(form->toolTip().contains(QLatin1String("F7")));
}

TEST_F(DiffusionWindowTest, AplicarStartsTheMixtureWithTheSettingsShown)
{
    struct Case
    {
        int a, b;
        double massB;
        int item;
        Divider divider;
        double heavy;
    };
    for (const Case &c : {Case{60, 40, 4, DiffusionWindow::kSolida, Divider::Solid, 0},
                          Case{120, 80, 16, DiffusionWindow::kConAgujero, Divider::Hole, 0},
                          Case{200, 0, 1, DiffusionWindow::kNinguna, Divider::None, 500}}) {
        SCOPED_TRACE(c.a);
        d().SpinRadioA->setValue(2.5);
        d().SpinRadioB->setValue(3.5);
        d().SpinAgujero->setValue(30);
        d().SpinRadioPesada->setValue(8);
        apply(c.a, c.b, c.massB, c.item, c.heavy);
        ASSERT_TRUE(gas().mixture());
        const MixtureSettings &m = gas().mixtureSettings();
        EXPECT_EQ(m.aCount, c.a);
        EXPECT_EQ(m.bCount, c.b);
        EXPECT_FLOAT_EQ(m.bMass, float(c.massB));
        EXPECT_FLOAT_EQ(m.aRadius, 2.5f);
        EXPECT_FLOAT_EQ(m.bRadius, 3.5f);
        EXPECT_EQ(m.divider, c.divider);
        EXPECT_FLOAT_EQ(m.holeSide, 30.0f);
        EXPECT_FLOAT_EQ(m.heavyMass, float(c.heavy));
        EXPECT_FLOAT_EQ(m.heavyRadius, 8.0f);
        EXPECT_EQ(s().NumPar, c.a + c.b + (c.heavy > 0 ? 1 : 0));
        EXPECT_EQ(d().LabelExperimento->text(), DiffusionWindow::experimentText(m));
    }
}

TEST_F(DiffusionWindowTest, BAtMostWhatALeavesOf500)
{
    d().SpinNumA->setValue(450);
    EXPECT_EQ(d().SpinNumB->maximum(), 50);
    d().SpinNumB->setValue(300);
    EXPECT_EQ(d().shownSettings().aCount + d().shownSettings().bCount, kMixtureMaxCount);
    // A heavy particle takes one of the 500.
    d().SpinMasaPesada->setValue(100);
    EXPECT_EQ(d().SpinNumB->maximum(), 49);
    EXPECT_EQ(d().shownSettings().aCount + d().shownSettings().bCount, kMixtureMaxCount - 1);
}

// Spheres that would fill too much of the box have no layout without
// overlaps: refused in one line, whatever gas there was kept.
TEST_F(DiffusionWindowTest, ABoxPackedTooFullIsRefusedAndTheGasKept)
{
    apply(50, 50, 4, DiffusionWindow::kSolida);
    const MixtureSettings before = gas().mixtureSettings();
    d().SpinRadioA->setValue(10);
    apply(400, 0, 1, DiffusionWindow::kNinguna);
    EXPECT_EQ(gas().mixtureSettings(), before);
    EXPECT_TRUE(gas().dividerUp());
    EXPECT_TRUE(d().LabelAviso->text().startsWith(QStringLiteral("Las esferas llenarían")));
    d().SpinRadioA->setValue(2);
    apply(400, 0, 1, DiffusionWindow::kNinguna);
    EXPECT_EQ(gas().mixtureSettings().aCount, 400);
    EXPECT_FALSE(d().LabelAviso->text().contains(QStringLiteral("llenarían")));
}

TEST_F(DiffusionWindowTest, QuitarLaParedOnlyWhileTheDividerIsUp)
{
    EXPECT_FALSE(d().BtnQuitarPared->isEnabled());
    EXPECT_FALSE(d().BtnVolver->isEnabled());
    apply(50, 50, 4, DiffusionWindow::kSolida);
    ASSERT_TRUE(gas().dividerUp());
    EXPECT_TRUE(d().BtnQuitarPared->isEnabled());
    QTest::mouseClick(d().BtnQuitarPared, Qt::LeftButton);
    EXPECT_FALSE(gas().dividerUp());
    EXPECT_TRUE(gas().mixture()) << "the gases stay, only the wall goes";
    EXPECT_FALSE(d().BtnQuitarPared->isEnabled());
    apply(50, 50, 4, DiffusionWindow::kNinguna);
    EXPECT_FALSE(d().BtnQuitarPared->isEnabled());
}

TEST_F(DiffusionWindowTest, VolverGivesTheClassicGasWithThePanelsCountAndTheBarBack)
{
    const int count = panel->ScBarNPart->value();
    apply(150, 100, 4, DiffusionWindow::kSolida);
    // The count bar cannot break the mixture up, and says why.
    EXPECT_FALSE(panel->ScBarNPart->isEnabled());
    EXPECT_FALSE(panel->MaskNOfPar->isEnabled());
    EXPECT_TRUE(panel->ScBarNPart->toolTip().contains(QStringLiteral("Difusión")));
    EXPECT_TRUE(d().BtnVolver->isEnabled());
    QTest::mouseClick(d().BtnVolver, Qt::LeftButton);
    EXPECT_FALSE(gas().mixture());
    EXPECT_EQ(s().NumPar, count);
    EXPECT_TRUE(panel->ScBarNPart->isEnabled());
    EXPECT_TRUE(panel->ScBarNPart->toolTip().isEmpty());
    EXPECT_FALSE(d().BtnVolver->isEnabled());
    EXPECT_FALSE(d().BtnQuitarPared->isEnabled()) << "no divider in the classic gas";
}

TEST_F(DiffusionWindowTest, TheProcessesAreRefusedWhileAMixtureIsOn)
{
    ProcessWindow &p = *w.Procesos;
    p.BoxEmbolo->setCurrentIndex(ProcessWindow::kMovil);
    p.BoxBano->setCurrentIndex(molvix::ui::kYes);
    ASSERT_EQ(gas().process().piston, PistonMode::Moving);
    apply(100, 100, 4, DiffusionWindow::kNinguna);
    EXPECT_EQ(gas().process().piston, PistonMode::Fixed);
    EXPECT_FALSE(gas().process().bath);
    EXPECT_TRUE(p.mixtureLocked());
    EXPECT_FALSE(p.BoxEmbolo->isEnabled());
    EXPECT_FALSE(p.BoxBano->isEnabled());
    EXPECT_FALSE(p.LabelMezcla->isHidden());
    EXPECT_FALSE(p.LabelMezcla->text().isEmpty());
    // Typed text reaches the handler even so: it changes nothing.
    p.BoxEmbolo->setEditText(p.BoxEmbolo->itemText(ProcessWindow::kConCarga));
    p.applySettings();
    EXPECT_EQ(gas().process().piston, PistonMode::Fixed);
    QTest::mouseClick(d().BtnVolver, Qt::LeftButton);
    EXPECT_FALSE(p.mixtureLocked());
    EXPECT_TRUE(p.BoxEmbolo->isEnabled());
    EXPECT_TRUE(p.LabelMezcla->isHidden());
}

TEST_F(DiffusionWindowTest, TheChartsReceiveTheCountsPerSideAndSpecies)
{
    apply(30, 20, 4, DiffusionWindow::kSolida);
    run(10 * DiffusionWindow::kSampleTicks);
    const std::vector<MixtureRecorder::Sample> &x = d().samples();
    ASSERT_EQ(x.size(), 11u) << "one at the start, one every kSampleTicks";
    EXPECT_EQ(x.front().aLeft + x.front().aRight, 30);
    EXPECT_EQ(x.front().bLeft + x.front().bRight, 20);
    const SideCounts now = gas().sideCounts();
    EXPECT_EQ(x.back().aLeft, now.n[0][0]);
    EXPECT_EQ(x.back().bRight, now.n[1][1]);
    EXPECT_NEAR(x.back().t, 10 * DiffusionWindow::kSampleTicks * kTickTime, 1e-9);
    d().show();
    d().redraw();
    const QList<QAbstractSeries *> series = d().ChartLados->chart()->series();
    ASSERT_EQ(series.size(), 4);
    const std::array<int32_t, 4> last{x.back().aLeft, x.back().aRight, x.back().bLeft,
                                      x.back().bRight};
    for (size_t i = 0; i < 4; ++i) {
        const QList<QPointF> points = static_cast<QLineSeries *>(series[qsizetype(i)])->points();
        ASSERT_EQ(points.size(), qsizetype(x.size()));
        EXPECT_EQ(points.back(), QPointF(x.back().t, last[i])) << i;
    }
    EXPECT_EQ(static_cast<QLineSeries *>(d().ChartEfusion->chart()->series()[0])->count(),
              qsizetype(x.size()));
}

TEST_F(DiffusionWindowTest, ALongRunIsDrawnThinnedAndExportedWhole)
{
    d().chartPoints = 40;
    apply(30, 20, 4, DiffusionWindow::kSolida);
    run(3 * 40 * DiffusionWindow::kSampleTicks);
    const std::vector<MixtureRecorder::Sample> &x = d().samples();
    ASSERT_EQ(x.size(), 3u * 40 + 1);
    d().show();
    d().redraw();
    const auto *aLeft = static_cast<QLineSeries *>(d().ChartLados->chart()->series()[0]);
    EXPECT_LE(aLeft->count(), 41);
    EXPECT_GT(aLeft->count(), 20);
    EXPECT_EQ(aLeft->points().back(), QPointF(x.back().t, x.back().aLeft)) << "the last is drawn";
    EXPECT_EQ(aLeft->points().front(), QPointF(0, x.front().aLeft));
}

TEST_F(DiffusionWindowTest, AnotherMixtureStartsTheSeriesAfresh)
{
    apply(30, 20, 4, DiffusionWindow::kSolida);
    run(5 * DiffusionWindow::kSampleTicks);
    apply(40, 10, 4, DiffusionWindow::kConAgujero);
    ASSERT_EQ(d().samples().size(), 1u);
    EXPECT_EQ(d().samples().front().t, 0);
    const MixtureRecorder::Sample &first = d().samples().front();
    EXPECT_EQ(first.aLeft + first.aRight, 40);
    EXPECT_EQ(first.bLeft + first.bRight, 10);
}

TEST_F(DiffusionWindowTest, TheExportHasAHeaderAndOneRowPerSample)
{
    apply(30, 20, 4, DiffusionWindow::kConAgujero);
    run(3 * DiffusionWindow::kSampleTicks);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("mezcla.csv"));
    d().askPath = [&] { return path; };
    QTest::mouseClick(d().BtnExportarCSV, Qt::LeftButton);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(f.readAll()).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), qsizetype(d().samples().size()) + 1);
    EXPECT_EQ(lines[0], QStringLiteral(
                            "time,a_left,a_right,b_left,b_right,effusion_rate_a,effusion_rate_b"));
    const MixtureRecorder::Sample &last = d().samples().back();
    const QStringList fields = lines.back().split(u',');
    ASSERT_EQ(fields.size(), 7);
    EXPECT_DOUBLE_EQ(fields[0].toDouble(), last.t);
    EXPECT_EQ(fields[1].toInt(), last.aLeft);
    EXPECT_EQ(fields[2].toInt(), last.aRight);
    EXPECT_EQ(fields[3].toInt(), last.bLeft);
    EXPECT_EQ(fields[4].toInt(), last.bRight);
    EXPECT_DOUBLE_EQ(fields[5].toDouble(), last.rateA);
    EXPECT_DOUBLE_EQ(fields[6].toDouble(), last.rateB);
}

// The other windows record a mixture of up to 500 as they do the classic
// gas: the readings keep coming and every window redraws.
TEST_F(DiffusionWindowTest, TheOtherWindowsFollowAMixtureOfFiveHundred)
{
    QTest::mouseClick(form->BtnGraficas, Qt::LeftButton);
    QTest::mouseClick(form->BtnProcesos, Qt::LeftButton);
    gas().setCollisions(true);
    apply(250, 250, 4, DiffusionWindow::kConAgujero);
    ASSERT_EQ(s().NumPar, 500);
    const size_t before = w.Procesos->readings().size();
    run(2 * NPasosPresion);
    EXPECT_EQ(w.Procesos->readings().size(), before + 2);
    EXPECT_GT(s().Energ, 0);
    w.Graficas->redraw();
    w.Procesos->redraw();
    d().redraw();
    EXPECT_EQ(d().samples().size(), size_t(2 * NPasosPresion / DiffusionWindow::kSampleTicks) + 1);
}

TEST_F(DiffusionWindowTest, TheFiguresSayTheMeasuredAgainstTheory)
{
    gas().setCollisions(true);
    apply(150, 50, 16, DiffusionWindow::kConAgujero);
    run(400);
    const QString text = d().figuresText();
    EXPECT_TRUE(text.contains(QStringLiteral("λ"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Graham"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("√(m_B/m_A) = 4"))) << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("—: medido"))) << text.toStdString();
    QTest::mouseClick(d().BtnVolver, Qt::LeftButton);
    EXPECT_TRUE(d().figuresText().isEmpty());
}

// The walls fold the particles back into the box, where no two points are
// further apart than its diagonal; the mean-square displacement must keep
// growing past that (the positions unfolded through the walls), or D would
// be fitted to a curve the box flattens.
TEST_F(DiffusionWindowTest, TheMeanSquareDisplacementGrowsPastTheBox)
{
    gas().setCollisions(false);
    apply(20, 0, 1, DiffusionWindow::kNinguna);
    run(2000);
    d().redraw();
    auto *msd = qobject_cast<QLineSeries *>(d().ChartMSD->chart()->series().value(0));
    ASSERT_NE(msd, nullptr);
    ASSERT_GT(msd->count(), 10);
    const double diagonal2 = 3.0 * kBoxSize * kBoxSize;
    EXPECT_GT(msd->at(msd->count() - 1).y(), 2 * diagonal2);
}

// The heavy particle's speeds as bars beside Maxwell–Boltzmann at the gas's
// k T over the particle's own mass: a curve drawn for A's mass would be
// fifty times too wide in v^2, and one drawn from the samples' own mean
// could not show a particle running hot.
TEST_F(DiffusionWindowTest, TheHeavyParticlesSpeedsAgainstMaxwellBoltzmannAtItsMass)
{
    gas().setCollisions(true);
    d().show();
    apply(60, 0, 1, DiffusionWindow::kNinguna, 50);
    run(200 * DiffusionWindow::kSampleTicks);
    d().redraw();
    const QList<QPointF> bars = d().ChartRapidez->histogram()->upperSeries()->points();
    const QList<QPointF> curve = d().ChartRapidez->curve()->points();
    ASSERT_GT(bars.size(), 2 * 8);
    ASSERT_GT(curve.size(), 100);
    double area = 0;
    for (qsizetype k = 1; k + 2 < bars.size(); k += 2) {
        area += (bars[k + 1].x() - bars[k].x()) * bars[k].y();
    }
    EXPECT_NEAR(area, 1.0, 1e-9) << "the bars are a density";
    double v2 = 0;
    for (qsizetype k = 1; k < curve.size(); ++k) {
        const double dv = curve[k].x() - curve[k - 1].x();
        v2 += dv * (curve[k].y() * curve[k].x() * curve[k].x() +
                    curve[k - 1].y() * curve[k - 1].x() * curve[k - 1].x()) / 2;
    }
    const double kT = 100.0 * temperatureOf(s().Energ, s().NumPar);
    EXPECT_NEAR(v2, 3 * kT / 50, 0.03 * 3 * kT / 50) << "the curve's <v^2> is 3 kT / M";
    EXPECT_TRUE(d().ChartRapidez->accessibleDescription().startsWith(
        QStringLiteral("Histograma de %1 ").arg(d().samples().size())))
        << d().ChartRapidez->accessibleDescription().toStdString();
    EXPECT_TRUE(d().figuresText().contains(QStringLiteral("distancia KS")));

    // A new temperature: the speeds, the walk and the free paths start again
    // at it (theory's curve is drawn at it); the counts per side go on.
    const size_t before = d().samples().size();
    panel->ScBarTemp->setValue(panel->ScBarTemp->value() + 10);
    run(10 * DiffusionWindow::kSampleTicks);
    d().redraw();
    EXPECT_EQ(d().samples().size(), before + 10);
    EXPECT_TRUE(d().ChartRapidez->accessibleDescription().startsWith(
        QStringLiteral("Histograma de 10 ")))
        << d().ChartRapidez->accessibleDescription().toStdString();
    EXPECT_LE(gas().freePaths().ticks, 10 * DiffusionWindow::kSampleTicks);

    // No heavy particle, no distribution: the chart empties.
    apply(60, 0, 1, DiffusionWindow::kNinguna, 0);
    run(10 * DiffusionWindow::kSampleTicks);
    d().redraw();
    EXPECT_EQ(d().ChartRapidez->curve()->count(), 0);
    EXPECT_FALSE(d().figuresText().contains(QStringLiteral("distancia KS")));
}

// ---- the views ------------------------------------------------------------

TEST(MixtureSceneSizes, EachSphereAtItsRadiusScale)
{
    struct Case
    {
        float radius;
        int32_t pixels;
    };
    for (const Case &c : {Case{kRadius, 3}, Case{2 * kRadius, 6}, Case{0.1f, 1}, Case{10.0f, 20}}) {
        EXPECT_EQ(molvix::ui::softwareRadius(c.radius, 3), c.pixels) << c.radius;
    }
    EXPECT_FLOAT_EQ(molvix::ui::openGLSize(kRadius, false), molvix::ui::openGLClassicPointSize());
    EXPECT_FLOAT_EQ(molvix::ui::openGLSize(4.0f, true), 0.1f);
}

TEST_F(DiffusionWindowTest, TheClassicStartUpShowsNothingNew)
{
    EXPECT_EQ(view->NParticles, MaxPar);
    EXPECT_EQ(view->NSegments, s().NSeg);
    EXPECT_EQ(view->NTraces, 0);
    EXPECT_FALSE(view->ShowTrace);
    EXPECT_FALSE(gl->ShowTrace);
    for (TColor c : {molvix::ui::kSpeciesBColour, molvix::ui::kHeavyColour,
                     molvix::ui::kDividerColour, molvix::ui::kTraceColour}) {
        EXPECT_EQ(countInFrame(c), 0) << std::hex << c;
    }
    for (int32_t seg = molvix::ui::kDividerFirstSegment; seg < 24; ++seg) {
        EXPECT_EQ(view->segments()[size_t(seg)].Color, kBlack) << seg;
    }
    EXPECT_EQ(softColourCount(kYellow), s().NumPar);
}

TEST_F(DiffusionWindowTest, TheViewsDrawBInItsColourAndSizeAndTheClassicPictureComesBack)
{
    d().SpinRadioB->setValue(3.0);
    apply(60, 40, 4, DiffusionWindow::kConAgujero);
    EXPECT_EQ(softColourCount(kYellow), 60);
    EXPECT_EQ(softColourCount(molvix::ui::kSpeciesBColour), 40);
    const TParticleRec &b = view->particles()[61];
    EXPECT_EQ(b.Radius, molvix::ui::softwareRadius(3.0f, s().RadioSoft));
    EXPECT_EQ(b.Radius, 2 * s().RadioSoft);
    EXPECT_EQ(view->particles()[1].Radius, s().RadioSoft);
    // The frame has B's colour, and the divider with its hole.
    form->FormPaint();
    EXPECT_GT(countInFrame(molvix::ui::kSpeciesBColour), 40);
    EXPECT_GT(countInFrame(molvix::ui::kDividerColour), 0);
    EXPECT_GT(countInFrame(molvix::ui::kHoleColour), 0);
    EXPECT_EQ(view->segments()[size_t(molvix::ui::kHoleFirstSegment)].Color,
              molvix::ui::kHoleColour);
    // The OpenGL view's store the same: B pink, its size twice A's.
    const TGLParticleRec &gb = gl->particles()[61];
    const TGLParticleRec &ga = gl->particles()[1];
    EXPECT_EQ(gb.Color, molvix::ui::kSpeciesBColour);
    EXPECT_FLOAT_EQ(gb.Size, 2 * ga.Size);
    EXPECT_EQ(gl->NParticles, 100);
    // The trace follows particle 1 in both views.
    EXPECT_TRUE(view->ShowTrace);
    EXPECT_EQ(view->particles()[1].Trace, 1);
    EXPECT_EQ(gl->particles()[1].Trace, 1);

    QTest::mouseClick(d().BtnVolver, Qt::LeftButton);
    form->FormPaint();
    EXPECT_EQ(countInFrame(molvix::ui::kSpeciesBColour), 0);
    EXPECT_EQ(countInFrame(molvix::ui::kDividerColour), 0);
    EXPECT_EQ(softColourCount(molvix::ui::kSpeciesBColour), 0);
    EXPECT_EQ(view->particles()[61].Radius, s().RadioSoft);
    EXPECT_EQ(view->NParticles, MaxPar);
    EXPECT_EQ(view->NSegments, s().NSeg);
    EXPECT_FALSE(view->ShowTrace);
    EXPECT_EQ(view->particles()[1].Trace, 0);
    EXPECT_EQ(softColourCount(kYellow), s().NumPar);
}

TEST_F(DiffusionWindowTest, AMixtureBeyondAHundredIsDrawnWholeAndTheWallGoesWithQuitar)
{
    apply(250, 150, 4, DiffusionWindow::kSolida);
    EXPECT_EQ(view->NParticles, 400);
    EXPECT_EQ(softColourCount(molvix::ui::kSpeciesBColour), 150);
    // Vectors of every particle (their segments exist).
    panel->BoxDibVel->setCurrentIndex(molvix::ui::kYes);
    run(3);
    EXPECT_GE(view->NSegments, 400 + SegVel);
    EXPECT_EQ(view->segments()[size_t(400 + SegVel)].Color, kWhite);
    panel->BoxDibVel->setCurrentIndex(molvix::ui::kNo);
    run(1);
    form->FormPaint();
    EXPECT_EQ(countInFrame(kWhite), 0) << "no vector left on screen";
    panel->BoxDibVel->setCurrentIndex(molvix::ui::kYes);
    run(1);
    form->FormPaint();
    EXPECT_GT(countInFrame(kWhite), 0);
    EXPECT_EQ(view->segments()[size_t(molvix::ui::kDividerFirstSegment)].Color,
              molvix::ui::kDividerColour);
    EXPECT_EQ(view->segments()[size_t(molvix::ui::kHoleFirstSegment)].Color, kBlack)
        << "a solid divider has no hole";
    // The divider reaches up to the piston wherever the wall bar puts it
    // (a segment's ends are kept relative to the box's centre, 50).
    panel->ScBarPared->setValue(60);
    const TSegmentRec &edge = view->segments()[size_t(molvix::ui::kDividerFirstSegment)];
    EXPECT_FLOAT_EQ(std::max(edge.Y1, edge.Y2), 60.0f - 50.0f);
    QTest::mouseClick(d().BtnQuitarPared, Qt::LeftButton);
    EXPECT_EQ(view->segments()[size_t(molvix::ui::kDividerFirstSegment)].Color, kBlack);
}

TEST_F(DiffusionWindowTest, TheHeavyParticleInItsColourAndTheTraceOnTheOneChosen)
{
    apply(100, 0, 1, DiffusionWindow::kNinguna, 500);
    // The heavy particle as the gas marks it.
    s().Especie[1] = kHeavy;
    s().RadioPar[1] = 5;
    form->mixtureChanged();
    EXPECT_EQ(view->particles()[1].Color, molvix::ui::kHeavyColour);
    EXPECT_EQ(view->particles()[1].Radius, molvix::ui::softwareRadius(5, s().RadioSoft));
    EXPECT_EQ(gl->particles()[1].Color, molvix::ui::kHeavyColour);
    d().SpinTrazada->setValue(7);
    EXPECT_EQ(gas().tracedParticle(), 7);
    EXPECT_EQ(view->particles()[7].Trace, 1);
    EXPECT_EQ(view->particles()[1].Trace, 0) << "one trace, on the particle chosen";
    d().SpinTrazada->setValue(0);
    EXPECT_FALSE(view->ShowTrace);
}

// The field and the real gas as the window shows them: set through the
// control, the profile chart holds the core's layers point for point, the
// figures name the walls' pressures under a field and Z with collisions
// without one, and each "Aplicar" keeps the point of the setting it leaves
// on the Z chart.
TEST_F(DiffusionWindowTest, TheProfileAndZChartsShowTheCoresFigures)
{
    EXPECT_EQ(d().shownSettings().gravity, MixtureSettings{}.gravity) << "0 until chosen";
    struct Case
    {
        double gravity;
        int a, b;
        double radiusA;
        bool collisions;
    };
    const Case cases[] = {{0, 100, 0, 1.5, false}, {8, 100, 100, 1.5, false},
                          {0, 300, 0, 3, true},    {2, 200, 50, 2, true}};
    std::vector<QPointF> earlierWalls;
    d().show();
    for (const Case &c : cases) {
        SCOPED_TRACE(c.gravity);
        gas().setCollisions(c.collisions);
        const MixtureRecorder::Figures before = d().figures();
        d().SpinRadioA->setValue(c.radiusA);
        d().SpinGravedad->setValue(c.gravity);
        apply(c.a, c.b, 4, DiffusionWindow::kNinguna);
        EXPECT_EQ(gas().mixtureSettings().gravity, float(c.gravity));
        if (std::isfinite(before.zWalls)) {
            earlierWalls.push_back({packingForZ(before.zTheory), before.zWalls});
        }
        run(300);
        d().redraw();
        const std::vector<HeightProfile::Row> rows = d().profileRows();
        ASSERT_EQ(rows.size(), size_t(HeightProfile::kLayers) * (c.b > 0 ? 2 : 1));
        for (int sp : {kSpeciesA, kSpeciesB}) {
            const QList<QPointF> measured = d().ChartPerfil->measured(sp)->points();
            const QList<QPointF> theory = d().ChartPerfil->theory(sp)->points();
            qsizetype k = 0;
            for (const HeightProfile::Row &r : rows) {
                if (r.species == sp) {
                    ASSERT_LT(k, measured.size());
                    EXPECT_EQ(measured[k], QPointF(r.height, r.density));
                    EXPECT_EQ(theory[k++], QPointF(r.height, r.densityTheory));
                }
            }
            EXPECT_EQ(measured.size(), k);
            EXPECT_EQ(theory.size(), k);
        }
        const MixtureRecorder::Figures f = d().figures();
        const QString text = d().figuresText();
        EXPECT_EQ(text.contains(QStringLiteral("Peso por área: ") +
                                molvix::ui::shownNumber(f.weightPerArea)),
                  c.gravity > 0)
            << text.toStdString();
        EXPECT_EQ(text.contains(QStringLiteral("Z del virial: ") +
                                molvix::ui::shownNumber(f.zVirial)),
                  c.collisions && c.gravity == 0)
            << text.toStdString();
        // Under a field the density changes with height: no Z, no point.
        EXPECT_EQ(std::isfinite(f.zWalls), c.gravity == 0);
        const QList<QPointF> walls = d().ChartZ->walls()->points();
        const bool present = std::isfinite(f.zWalls);
        ASSERT_EQ(walls.size(), qsizetype(earlierWalls.size() + (present ? 1 : 0)));
        for (size_t i = 0; i < earlierWalls.size(); ++i) {
            EXPECT_EQ(walls[qsizetype(i)], earlierWalls[i]) << "an earlier setting's point";
        }
        if (present) {
            EXPECT_NEAR(carnahanStarling(walls.back().x()), f.zTheory, 1e-9);
            EXPECT_EQ(walls.back().y(), f.zWalls);
        }
    }
}

// With every figure on (a hole, the heavy particle, the field, collisions)
// the window opened still ends inside a 1280 x 1024 screen at its height,
// its figures whole and every chart with room to plot.
TEST_F(DiffusionWindowTest, EveryFigureShowsWholeInTheWindowAsOpened)
{
    gas().setCollisions(true);
    d().SpinGravedad->setValue(8);
    apply(150, 50, 4, DiffusionWindow::kConAgujero, 50);
    run(400);
    d().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&d()));
    d().redraw();
    QCoreApplication::processEvents();
    EXPECT_GE(d().LabelCifras->text().count(QLatin1Char('\n')), 8); // Z's line not under a field
    EXPECT_LE(d().geometry().right(), 1280);
    EXPECT_LE(d().geometry().height(), 700);
    EXPECT_GE(d().LabelCifras->height(), d().LabelCifras->heightForWidth(d().LabelCifras->width()))
        << d().LabelCifras->text().toStdString() << d().LabelCifras->width();
    for (QChartView *chart : d().findChildren<QChartView *>()) {
        EXPECT_GE(chart->chart()->plotArea().height(), 60) << chart->objectName().toStdString();
        EXPECT_GE(chart->chart()->plotArea().width(), 100) << chart->objectName().toStdString();
    }
    // A setting refused (too full a box) leaves no point behind.
    const qsizetype points = d().ChartZ->walls()->count();
    d().SpinRadioA->setValue(kMixtureRadiusMax);
    apply(400, 0, 1, DiffusionWindow::kNinguna);
    EXPECT_EQ(d().ChartZ->walls()->count(), points);
}

TEST_F(DiffusionWindowTest, ShownTextsBeginTheNamesAScreenReaderHears)
{
    for (QPushButton *b : {d().BtnAplicar, d().BtnQuitarPared, d().BtnVolver,
                           d().BtnExportarCSV, panel->BtnDifusion}) {
        EXPECT_TRUE(b->accessibleName().startsWith(b->text())) << b->objectName().toStdString();
    }
    for (QLabel *l : d().findChildren<QLabel *>()) {
        if (l->buddy() != nullptr) {
            EXPECT_TRUE(l->buddy()->accessibleName().startsWith(l->text()))
                << l->objectName().toStdString();
        }
    }
}

} // namespace
