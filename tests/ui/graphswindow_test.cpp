// The "Gráficas" window in the program: hidden at start with everything else
// as before, its button, what it records while hidden, its empty states, the
// marks at changes, the redraw coalescing and the CSV export.
#include "uitest.h"

#include "graphswindow.h"
#include "ticktimer.h"

#include <QAreaSeries>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineSeries>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>

#include <cmath>

namespace {

using molvix::test::ProgramTest;

class GraphsWindowTest : public ProgramTest
{
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        graphs = w.Graficas;
        ASSERT_NE(graphs, nullptr);
    }
    void run(int ticks)
    {
        for (int t = 0; t < ticks; ++t) {
            form->TimeLoopTimer();
        }
    }
    QList<QPointF> histogram() const { return graphs->SerieHistograma->upperSeries()->points(); }
    static bool allFinite(const QList<QPointF> &points)
    {
        return std::all_of(points.begin(), points.end(), [](const QPointF &p) {
            return std::isfinite(p.x()) && std::isfinite(p.y());
        });
    }
    // Every chart's points finite, whatever the gas.
    void expectFiniteCharts() const
    {
        EXPECT_TRUE(allFinite(histogram()));
        EXPECT_TRUE(allFinite(graphs->SerieMaxwell->points()));
        for (HistoryChartView *c :
             {graphs->ChartPresion, graphs->ChartTemperatura, graphs->ChartEnergia}) {
            EXPECT_TRUE(allFinite(c->series()->points())) << qPrintable(c->objectName());
        }
    }

    GraphsWindow *graphs = nullptr;
};

TEST_F(GraphsWindowTest, StartUpAddsAHiddenWindowAndAButtonInTheFreeSpace)
{
    EXPECT_EQ(graphs->windowTitle(), QStringLiteral("Gráficas"));
    EXPECT_FALSE(graphs->isVisible());
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(panel->isVisible());
    EXPECT_FALSE(w.Form3->isVisible());
    EXPECT_EQ(form->Graficas, graphs);

    // The new button sits between "Información" and "FIN", nothing moved.
    EXPECT_EQ(form->BtnGraficas->text(), QStringLiteral("Gráficas"));
    EXPECT_EQ(form->BtnGraficas->parentWidget(), form->Panel1);
    const QRect button = form->BtnGraficas->geometry();
    EXPECT_EQ(form->BtnInfo->geometry(), QRect(136, 3, 75, 18));
    EXPECT_EQ(form->BtnFin->geometry(), QRect(293, 3, 30, 18));
    EXPECT_EQ(form->BtnCPanel->geometry(), QRect(4, 3, 50, 18));
    EXPECT_GT(button.left(), form->BtnInfo->geometry().right());
    EXPECT_LT(button.right(), form->BtnFin->geometry().left());
    EXPECT_EQ(button.height(), form->BtnInfo->height());
    EXPECT_EQ(form->BtnGraficas->font(), form->BtnInfo->font());

    // Hidden, it has drawn its empty states already.
    EXPECT_TRUE(graphs->log().empty());
    EXPECT_TRUE(histogram().isEmpty());
    EXPECT_TRUE(graphs->ChartPresion->series()->points().isEmpty());
    EXPECT_FALSE(graphs->LabelEstadoHist->isHidden());
    EXPECT_TRUE(graphs->LabelEstadoHist->text().contains(QStringLiteral("no hay lecturas")));
    EXPECT_TRUE(graphs->LabelEstadoVel->text().contains(QStringLiteral("no hay muestras")));
    EXPECT_TRUE(graphs->LabelCociente->text().contains(QStringLiteral("no hay lecturas")));
    EXPECT_TRUE(graphs->LabelKS->text().contains(QStringLiteral("—")));
}

TEST_F(GraphsWindowTest, TheButtonShowsAndHidesItAndClosingOnlyHidesIt)
{
    QTest::mouseClick(form->BtnGraficas, Qt::LeftButton);
    EXPECT_TRUE(graphs->isVisible());
    QTest::mouseClick(form->BtnGraficas, Qt::LeftButton);
    EXPECT_FALSE(graphs->isVisible());
    QTest::mouseClick(form->BtnGraficas, Qt::LeftButton);
    ASSERT_TRUE(graphs->isVisible());

    QPointer<GraphsWindow> alive(graphs);
    EXPECT_FALSE(graphs->testAttribute(Qt::WA_QuitOnClose));
    EXPECT_TRUE(graphs->close());
    QCoreApplication::processEvents();
    ASSERT_FALSE(alive.isNull());
    EXPECT_FALSE(graphs->isVisible());
    EXPECT_TRUE(form->isVisible());
    QTest::mouseClick(form->BtnGraficas, Qt::LeftButton);
    EXPECT_TRUE(graphs->isVisible());
}

TEST_F(GraphsWindowTest, HiddenItRecordsAndOpeningShowsWhatItRecorded)
{
    const int redraws = graphs->redraws(GraphsWindow::Histogram);
    run(1000);
    // A snapshot every 50 ticks, a reading every 200, nothing redrawn.
    EXPECT_EQ(graphs->sampler().snapshots(), 20);
    EXPECT_EQ(graphs->sampler().samples().size(), 20u * 50u);
    ASSERT_EQ(graphs->log().readings().size(), 5u);
    EXPECT_EQ(graphs->redraws(GraphsWindow::Histogram), redraws);
    QTest::qWait(2 * GraphsWindow::kParts * GraphsWindow::kRedrawStep);
    EXPECT_EQ(graphs->redraws(GraphsWindow::Histogram), redraws) << "no redraw while hidden";

    // The readings are the readouts' numbers at the same moment.
    const GasReading &last = graphs->log().readings().back();
    EXPECT_EQ(last.tick, 1000);
    EXPECT_DOUBLE_EQ(last.time, 1000 * double(s().DeltaT));
    EXPECT_EQ(last.count, 50);
    EXPECT_EQ(QString::asprintf("%5.0f", last.pressure), panel->MaskPre->text());
    EXPECT_EQ(QString::asprintf("%3.2f", last.temperature), panel->MaskTemp->text());

    QTest::mouseClick(form->BtnGraficas, Qt::LeftButton);
    EXPECT_EQ(graphs->redraws(GraphsWindow::Histogram), redraws + 1);
    EXPECT_TRUE(graphs->LabelEstadoHist->isHidden());
    EXPECT_TRUE(graphs->LabelEstadoVel->isHidden());
    const QList<QPointF> pressure = graphs->ChartPresion->series()->points();
    ASSERT_EQ(pressure.size(), 5);
    EXPECT_EQ(pressure.back(), QPointF(last.time, last.pressure));
    EXPECT_EQ(graphs->ChartEnergia->series()->points().back(), QPointF(last.time, last.energy));
    EXPECT_TRUE(
        graphs->LabelKS->text().contains(QRegularExpression(QStringLiteral("\\d\\.\\d{3}"))));
    // Collisions are "NO" at start: the window says what that means.
    EXPECT_FALSE(graphs->LabelNota->isHidden());
    panel->BoxColi->setCurrentText(QStringLiteral("SI"));
    graphs->redraw();
    EXPECT_TRUE(graphs->LabelNota->isHidden());
}

TEST_F(GraphsWindowTest, TheHistogramIsADensityAndTheCurveCoversTheSamples)
{
    panel->BoxColi->setCurrentText(QStringLiteral("SI"));
    run(2000);
    graphs->redraw();
    const std::vector<double> speeds = graphs->sampler().samples();
    ASSERT_EQ(speeds.size(), 40u * 50u);
    // The bars' outline encloses an area of 1.
    const QList<QPointF> outline = histogram();
    ASSERT_GT(outline.size(), 4);
    double bars = 0;
    for (qsizetype i = 1; i + 1 < outline.size(); i += 2) {
        EXPECT_EQ(outline[i].y(), outline[i + 1].y()) << "flat bar tops";
        bars += (outline[i + 1].x() - outline[i].x()) * outline[i].y();
    }
    EXPECT_NEAR(bars, 1.0, 1e-9);
    // The axis reaches past the fastest sample and the curve's tail: the
    // drawn curve holds (nearly) all its probability.
    const double fastest = *std::max_element(speeds.begin(), speeds.end());
    EXPECT_GE(outline.back().x(), fastest);
    const QList<QPointF> curve = graphs->SerieMaxwell->points();
    double area = 0;
    for (qsizetype i = 1; i < curve.size(); ++i) {
        area += (curve[i].x() - curve[i - 1].x()) * (curve[i].y() + curve[i - 1].y()) / 2;
    }
    EXPECT_NEAR(area, 1.0, 0.01);
    // The curve has the samples' mean kinetic energy: its peak is at
    // sqrt(2 <v^2> / 3).
    const auto peak = std::max_element(curve.begin(), curve.end(),
                                       [](QPointF a, QPointF b) { return a.y() < b.y(); });
    const double spacing = curve[1].x() - curve[0].x();
    EXPECT_NEAR(peak->x(), std::sqrt(2.0 * meanSquareOverThree(speeds)), spacing);
}

TEST_F(GraphsWindowTest, EmptyStatesNoParticlesAndTemperatureZero)
{
    QTest::mouseClick(form->BtnGraficas, Qt::LeftButton);
    run(400);

    // Temperature 0: every particle at rest, no curve, no ratio.
    panel->ScBarTemp->setValue(0);
    run(400);
    graphs->redraw();
    EXPECT_TRUE(graphs->LabelEstadoVel->text().contains(QStringLiteral("Temperatura 0")));
    EXPECT_TRUE(histogram().isEmpty());
    EXPECT_TRUE(graphs->SerieMaxwell->points().isEmpty());
    EXPECT_TRUE(graphs->LabelKS->text().contains(QStringLiteral("—")));
    EXPECT_TRUE(graphs->LabelCociente->text().contains(QStringLiteral("temperatura 0")));
    expectFiniteCharts();

    // No particles.
    panel->ScBarTemp->setValue(20);
    panel->ScBarNPart->setValue(0);
    run(400);
    graphs->redraw();
    EXPECT_TRUE(graphs->LabelEstadoVel->text().contains(QStringLiteral("No hay partículas")));
    EXPECT_TRUE(histogram().isEmpty());
    EXPECT_TRUE(graphs->LabelCociente->text().contains(QStringLiteral("no hay partículas")));
    EXPECT_EQ(graphs->log().readings().back().count, 0);
    expectFiniteCharts();

    // Particles again: the speeds of the empty gas are gone, the new ones
    // come in.
    panel->ScBarNPart->setValue(30);
    graphs->redraw();
    EXPECT_TRUE(graphs->LabelEstadoVel->text().contains(QStringLiteral("no hay muestras")));
    run(50);
    graphs->redraw();
    EXPECT_EQ(graphs->sampler().samples().size(), 30u);
    EXPECT_FALSE(histogram().isEmpty());
}

TEST_F(GraphsWindowTest, NewCountOrTemperatureStartsTheSpeedsAfreshAndMarksTheHistory)
{
    QTest::mouseClick(form->BtnGraficas, Qt::LeftButton);
    run(1000);
    ASSERT_EQ(graphs->sampler().snapshots(), 20);
    panel->ScBarTemp->setValue(40);
    // Not a speed of the old temperature is shown beside the new gas.
    graphs->redraw();
    EXPECT_TRUE(histogram().isEmpty());
    run(1000);
    EXPECT_EQ(graphs->sampler().snapshots(), 20);
    // Collisions off, walls keep speeds: every sample is a speed the gas
    // has now, at Temp 40.
    std::vector<float> now;
    for (int i = 1; i <= s().NumPar; ++i) {
        now.push_back(std::sqrt(s().VelX[i] * s().VelX[i] + s().VelY[i] * s().VelY[i] +
                                s().VelZ[i] * s().VelZ[i]));
    }
    for (const double v : graphs->sampler().samples()) {
        ASSERT_NE(std::find(now.begin(), now.end(), static_cast<float>(v)), now.end()) << v;
    }
    panel->ScBarPared->setValue(60);
    run(1000);
    graphs->redraw();

    // Two changes, each marked half-way between the readings around it.
    const std::vector<GasReading> &readings = graphs->log().readings();
    ASSERT_EQ(readings.size(), 15u);
    ASSERT_EQ(graphs->log().changes(), (std::vector<size_t>{5, 10}));
    const std::vector<double> expected = {(readings[4].time + readings[5].time) / 2,
                                          (readings[9].time + readings[10].time) / 2};
    EXPECT_EQ(graphs->ChartPresion->marks(), expected);
    EXPECT_EQ(graphs->ChartTemperatura->marks(), expected);
    EXPECT_EQ(graphs->ChartEnergia->marks(), expected);
    EXPECT_EQ(readings[10].wall, 60);
    // And drawn: a grey dashed line down the plot at each mark, none
    // half-way between them.
    HistoryChartView *chart = graphs->ChartPresion;
    const QImage shown = chart->grab().toImage();
    const auto greyInColumn = [&](double t) {
        const QPointF at = chart->chart()->mapToScene(
            chart->chart()->mapToPosition(QPointF(t, 0), chart->series()));
        const int x = chart->mapFromScene(at).x();
        int grey = 0;
        for (int y = 0; y < shown.height(); ++y) {
            for (int dx = -1; dx <= 1; ++dx) {
                grey += shown.pixel(x + dx, y) == qRgb(128, 128, 128) ? 1 : 0;
            }
        }
        return grey;
    };
    EXPECT_GT(greyInColumn(expected[0]), 10);
    EXPECT_GT(greyInColumn(expected[1]), 10);
    EXPECT_EQ(greyInColumn((expected[0] + expected[1]) / 2), 0);
    // The ratio is taken over the last stretch, its first reading left out.
    EXPECT_TRUE(graphs->LabelCociente->text().endsWith(QStringLiteral(": 4)")))
        << qPrintable(graphs->LabelCociente->text());
}

TEST_F(GraphsWindowTest, ALongHistoryIsDrawnWithFewPointsNeverAcrossAChange)
{
    GraphsWindow &g = *graphs;
    GasReading r;
    for (int i = 1; i <= 1200; ++i) {
        r.tick = 200 * i;
        r.time = 20.0 * i;
        r.count = 50;
        r.temperature = 1.0;
        r.pressure = i <= 1000 ? 100.0 : 300.0;
        r.wall = i <= 1000 ? 100 : 50; // the change comes at reading 1001
        g.addReading(r);
    }
    g.redraw();
    const QList<QPointF> points = g.ChartPresion->series()->points();
    EXPECT_LE(points.size(), GraphsWindow::kHistoryPoints + 1);
    EXPECT_GE(points.size(), GraphsWindow::kHistoryPoints / 2);
    // The last kHistoryReadings readings only: from reading 301 on.
    EXPECT_GE(points.front().x(), 20.0 * 301);
    EXPECT_DOUBLE_EQ(points.back().x(), 20.0 * 1200) << "the newest reading is drawn";
    // No point mixes the two sides of the change.
    for (const QPointF &p : points) {
        EXPECT_TRUE(p.y() == 100.0 || p.y() == 300.0) << p.x() << " " << p.y();
    }
    EXPECT_EQ(g.ChartPresion->marks(), (std::vector<double>{20.0 * 1000.5}));
}

TEST_F(GraphsWindowTest, RedrawsAreCoalescedAndOnlyWhileShown)
{
    GasReading r;
    r.count = 50;
    r.wall = 100;
    r.temperature = 1;
    r.pressure = 2000;
    const int cycle = GraphsWindow::kParts * GraphsWindow::kRedrawStep; // ms
    auto counts = [&] {
        std::vector<int> c;
        for (int part = 0; part < GraphsWindow::kParts; ++part) {
            c.push_back(graphs->redraws(static_cast<GraphsWindow::Part>(part)));
        }
        return c;
    };
    // Hidden: data arrives, nothing is redrawn.
    const std::vector<int> hidden = counts();
    for (int i = 0; i < 20; ++i) {
        r.tick += 200;
        graphs->addReading(r);
    }
    QTest::qWait(2 * cycle);
    EXPECT_EQ(counts(), hidden);

    QTest::mouseClick(form->BtnGraficas, Qt::LeftButton);
    const std::vector<int> shown = counts();
    QElapsedTimer clock;
    clock.start();
    // A reading every 2 ms for a second: each chart of the history is
    // redrawn once a cycle; the speeds, with no news, not at all.
    while (clock.elapsed() < 1000) {
        r.tick += 200;
        r.time = r.tick * 0.1;
        graphs->addReading(r);
        QTest::qWait(2);
    }
    const qint64 elapsed = clock.elapsed();
    QTest::qWait(2 * cycle);
    const std::vector<int> after = counts();
    for (const GraphsWindow::Part part :
         {GraphsWindow::Pressure, GraphsWindow::Temperature, GraphsWindow::Energy}) {
        const int redraws = after[part] - shown[part];
        EXPECT_GE(redraws, 3) << part;
        EXPECT_LE(redraws, elapsed / cycle + 2) << part;
    }
    EXPECT_EQ(after[GraphsWindow::Histogram], shown[GraphsWindow::Histogram]);
    EXPECT_EQ(graphs->ChartPresion->series()->points().back().x(), r.time)
        << "the last reading is drawn";
    EXPECT_EQ(graphs->ChartEnergia->series()->points().back().x(), r.time);
}

TEST_F(GraphsWindowTest, ExportWritesTheWholeHistoryOrSaysWhyAndKeepsIt)
{
    run(600);
    ASSERT_EQ(graphs->log().readings().size(), 3u);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());

    const QString good = dir.filePath(QStringLiteral("lecturas.csv"));
    graphs->askPath = [&] { return good; };
    QTest::mouseClick(graphs->BtnExportarCSV, Qt::LeftButton);
    QFile file(good);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    std::vector<GasReading> back;
    QString error;
    ASSERT_TRUE(parseReadingsCsv(file.readAll(), &back, &error)) << qPrintable(error);
    ASSERT_EQ(back.size(), 3u);
    for (size_t i = 0; i < back.size(); ++i) {
        EXPECT_EQ(back[i].tick, graphs->log().readings()[i].tick);
        EXPECT_EQ(back[i].pressure, graphs->log().readings()[i].pressure);
    }

    // A place that cannot take a file: a clear message, nothing written,
    // the history still there.
    QFile blocker(dir.filePath(QStringLiteral("archivo")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString bad = dir.filePath(QStringLiteral("archivo/lecturas.csv"));
    graphs->askPath = [&] { return bad; };
    QString shown;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            shown = box->text();
            box->accept();
            poll.stop();
        }
    });
    poll.start(10);
    graphs->BtnExportarCSVClick();
    poll.stop();
    EXPECT_TRUE(shown.contains(QDir::toNativeSeparators(bad))) << qPrintable(shown);
    EXPECT_TRUE(shown.contains(QStringLiteral("No se pudo guardar")));
    EXPECT_FALSE(QFile::exists(bad));
    EXPECT_EQ(graphs->log().readings().size(), 3u);

    // Cancelling the dialog writes nothing and says nothing.
    graphs->askPath = [] { return QString(); };
    QTest::mouseClick(graphs->BtnExportarCSV, Qt::LeftButton);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2);
}

TEST(GraphsWindowOwnGas, TakesTheReadingHookAndGivesItBack)
{
    Gas g;
    {
        GraphsWindow window(&g);
        ASSERT_TRUE(static_cast<bool>(g.onReading));
        g.state.NumPar = 10;
        for (int t = 0; t < 200; ++t) {
            g.TimeLoopTimer();
        }
        EXPECT_EQ(window.log().readings().size(), 1u);
    }
    EXPECT_FALSE(static_cast<bool>(g.onReading)) << "no hook into a window that is gone";
    for (int t = 0; t < 200; ++t) {
        g.TimeLoopTimer();
    }
}

} // namespace
