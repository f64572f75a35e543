// The "Gráficas" window in the program: start-up and its button, what it
// records and draws, its empty states, the marks at changes, the redraw
// coalescing, the CSV export, its numbers in the user's locale and its
// size on a small screen.
#include "uitest.h"

#include "chartexport.h"
#include "chartstyle.h"
#include "graphswindow.h"
#include "processwindow.h"
#include "language.h"
#include "savefolder.h"

#include <QAreaSeries>
#include <QDir>
#include <QElapsedTimer>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsTextItem>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLayout>
#include <QLineSeries>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>

#include <cmath>

namespace {

class GraphsWindowTest : public molvix::test::ProgramTest
{
protected:
    void run(int ticks)
    {
        for (int t = 0; t < ticks; ++t) {
            form->TimeLoopTimer();
        }
    }
    void toggle() { QTest::mouseClick(form->BtnGraficas, Qt::LeftButton); }
    QList<QPointF> histogram() const { return g().SerieHistograma->upperSeries()->points(); }
    bool says(QLabel *label, const char *text) const
    {
        return label->text().contains(QString::fromUtf8(text));
    }
    GraphsWindow &g() const { return *w.Graficas; }
    int redraws(GraphsWindow::Part part) const { return g().redraws(part); }
    static constexpr int kCycle = GraphsWindow::kParts * GraphsWindow::kRedrawStep; // ms
};

TEST_F(GraphsWindowTest, StartsHiddenAndEmptyItsButtonInTheFreeSpaceTogglesIt)
{
    // Between "Información" and "FIN", nothing moved.
    EXPECT_EQ(form->BtnInfo->geometry(), QRect(136, 3, 75, 18));
    EXPECT_EQ(form->BtnFin->geometry(), QRect(293, 3, 30, 18));
    EXPECT_GT(form->BtnGraficas->geometry().left(), form->BtnInfo->geometry().right());
    EXPECT_LT(form->BtnGraficas->geometry().right(), form->BtnFin->geometry().left());
    // Hidden, it has drawn its empty states already.
    EXPECT_TRUE(says(g().LabelEstadoHist, "no hay lecturas"));
    EXPECT_TRUE(says(g().LabelEstadoVel, "no hay muestras"));
    EXPECT_TRUE(says(g().LabelCociente, "no hay lecturas"));
    EXPECT_TRUE(says(g().LabelKS, "—"));

    for (const bool shown : {true, false, true}) {
        toggle();
        EXPECT_EQ(g().isVisible(), shown);
    }
    QPointer<GraphsWindow> alive(&g());
    EXPECT_TRUE(g().close());
    QCoreApplication::processEvents();
    ASSERT_FALSE(alive.isNull()) << "closing only hides it";
    EXPECT_FALSE(g().isVisible());
    toggle();
    EXPECT_TRUE(g().isVisible());
}

TEST_F(GraphsWindowTest, RecordsWhileHiddenDrawsADensityUnderItsCurveRedrawsCoalesced)
{
    const int before = redraws(GraphsWindow::Histogram);
    run(2000); // a snapshot every 50 ticks, a reading every 200
    EXPECT_EQ(g().sampler().samples().size(), 40u * 50u);
    ASSERT_EQ(g().log().readings().size(), 10u);
    QTest::qWait(2 * kCycle);
    EXPECT_EQ(redraws(GraphsWindow::Histogram), before) << "no redraw while hidden";
    const GasReading last = g().log().readings().back();
    EXPECT_EQ(std::tuple(last.tick, last.time, last.count),
              std::tuple(int64_t(2000), 2000 * double(s().DeltaT), 50));
    EXPECT_EQ(QString::asprintf("%5.0f", last.pressure), panel->MaskPre->text());
    EXPECT_EQ(QString::asprintf("%3.2f", last.temperature), panel->MaskTemp->text());

    toggle(); // opening draws what it recorded, once
    EXPECT_EQ(redraws(GraphsWindow::Histogram), before + 1);
    EXPECT_TRUE(g().LabelEstadoHist->isHidden());
    EXPECT_TRUE(g().LabelEstadoVel->isHidden());
    EXPECT_EQ(g().ChartPresion->series()->points().size(), 10);
    EXPECT_EQ(g().ChartEnergia->series()->points().back(), QPointF(last.time, last.energy));
    EXPECT_FALSE(g().LabelNota->isHidden()) << "collisions NO: it never thermalises";
    panel->BoxColi->setCurrentText(QStringLiteral("SI"));
    g().redraw();
    EXPECT_TRUE(g().LabelNota->isHidden());

    // The bars enclose an area of 1 and reach past the fastest sample; the
    // curve holds (nearly) all its probability and peaks at sqrt(2 <v^2> / 3).
    const std::vector<double> speeds = g().sampler().samples();
    EXPECT_TRUE(g().LabelKS->text().contains(QString::number(*maxwellBoltzmannKs(speeds), 'f', 3)));
    const QList<QPointF> bars = histogram(), curve = g().SerieMaxwell->points();
    ASSERT_GT(bars.size(), 4);
    double barArea = 0, curveArea = 0;
    for (qsizetype i = 1; i + 1 < bars.size(); i += 2) {
        EXPECT_EQ(bars[i].y(), bars[i + 1].y()) << "flat bar tops";
        barArea += (bars[i + 1].x() - bars[i].x()) * bars[i].y();
    }
    for (qsizetype i = 1; i < curve.size(); ++i) {
        curveArea += (curve[i].x() - curve[i - 1].x()) * (curve[i].y() + curve[i - 1].y()) / 2;
    }
    EXPECT_NEAR(barArea, 1.0, 1e-9);
    EXPECT_NEAR(curveArea, 1.0, 0.01);
    EXPECT_GE(bars.back().x(), *std::max_element(speeds.begin(), speeds.end()));
    const auto peak = std::max_element(curve.begin(), curve.end(),
                                       [](QPointF a, QPointF b) { return a.y() < b.y(); });
    EXPECT_NEAR(peak->x(), std::sqrt(2.0 * meanSquareOverThree(speeds)), curve[1].x());

    // A reading every 2 ms for a second: each history chart is redrawn once a
    // cycle, the speeds (no news) not at all.
    const int speedsDrawn = redraws(GraphsWindow::Histogram),
              energy = redraws(GraphsWindow::Energy);
    GasReading r = last;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 1000) {
        r.time = (r.tick += 200) * 0.1;
        g().addReading(r);
        QTest::qWait(2);
    }
    const qint64 elapsed = clock.elapsed();
    QTest::qWait(2 * kCycle);
    EXPECT_GE(redraws(GraphsWindow::Energy) - energy, 3);
    EXPECT_LE(redraws(GraphsWindow::Energy) - energy, elapsed / kCycle + 2);
    EXPECT_EQ(redraws(GraphsWindow::Histogram), speedsDrawn);
    EXPECT_EQ(g().ChartEnergia->series()->points().back().x(), r.time) << "the last is drawn";
}

TEST_F(GraphsWindowTest, NewSettingsStartTheSpeedsAfreshMarkTheHistoryAndEmptyStates)
{
    toggle();
    run(1000);
    panel->ScBarTemp->setValue(40);
    g().redraw();
    EXPECT_TRUE(histogram().isEmpty()) << "no speed of the old temperature beside the new gas";
    run(1000);
    EXPECT_EQ(g().sampler().samples().size(), 20u * 50u) << "the old speeds are gone";
    panel->ScBarPared->setValue(60);
    run(1000);
    g().redraw();

    // Each change marked half-way between the readings around it, and drawn:
    // a grey dashed line down the plot there, none between.
    const std::vector<GasReading> &readings = g().log().readings();
    ASSERT_EQ(g().log().changes(), (std::vector<size_t>{5, 10}));
    const std::vector<double> marks = {(readings[4].time + readings[5].time) / 2,
                                       (readings[9].time + readings[10].time) / 2};
    for (HistoryChartView *chart : {g().ChartPresion, g().ChartTemperatura, g().ChartEnergia}) {
        EXPECT_EQ(chart->marks(), marks) << qPrintable(chart->objectName());
    }
    HistoryChartView *chart = g().ChartPresion;
    const QImage shown = chart->grab().toImage();
    const auto greyAt = [&](double t) {
        const QPointF at = chart->chart()->mapToScene(chart->chart()->mapToPosition({t, 0}));
        int grey = 0; // in the three columns around t
        for (int i = 0, x = chart->mapFromScene(at).x() - 1; i < 3 * shown.height(); ++i) {
            grey += shown.pixel(x + i % 3, i / 3) == qRgb(128, 128, 128) ? 1 : 0;
        }
        return grey;
    };
    EXPECT_GT(greyAt(marks[0]), 10);
    EXPECT_GT(greyAt(marks[1]), 10);
    EXPECT_EQ(greyAt((marks[0] + marks[1]) / 2), 0);
    EXPECT_TRUE(g().LabelCociente->text().endsWith(QStringLiteral(": 4)")))
        << "the last stretch without its first reading";

    // Temperature 0 and no particles: nothing to draw, and why.
    const struct
    {
        int temp, count;
        const char *speeds, *ratio;
    } cases[] = {{0, 50, "Temperatura 0", "temperatura 0"},
                 {20, 0, "No hay partículas", "no hay partículas"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.speeds);
        panel->ScBarTemp->setValue(c.temp);
        panel->ScBarNPart->setValue(c.count);
        run(400);
        g().redraw();
        EXPECT_TRUE(says(g().LabelEstadoVel, c.speeds));
        EXPECT_TRUE(says(g().LabelCociente, c.ratio));
        EXPECT_TRUE(says(g().LabelKS, "—"));
        EXPECT_TRUE(histogram().isEmpty());
        EXPECT_TRUE(g().SerieMaxwell->points().isEmpty());
        for (HistoryChartView *h : {g().ChartPresion, g().ChartTemperatura, g().ChartEnergia}) {
            for (const QPointF &p : h->series()->points()) {
                EXPECT_TRUE(std::isfinite(p.y())) << qPrintable(h->objectName());
            }
        }
    }
    panel->ScBarNPart->setValue(30); // particles again: their speeds come in
    run(50);
    g().redraw();
    EXPECT_EQ(g().sampler().samples().size(), 30u);
    EXPECT_FALSE(histogram().isEmpty());
}

TEST_F(GraphsWindowTest, ALongHistoryIsDrawnWithFewPointsNeverAcrossAChange)
{
    GasReading r{.count = 50, .temperature = 1};
    for (int i = 1; i <= 1200; ++i) {
        r.time = 20.0 * (r.tick = i);
        r.pressure = i <= 1000 ? 100.0 : 300.0;
        r.wall = i <= 1000 ? 100 : 50;
        g().addReading(r);
    }
    g().redraw();
    const QList<QPointF> points = g().ChartPresion->series()->points();
    EXPECT_LE(points.size(), kHistoryPoints + 1);
    EXPECT_GE(points.size(), kHistoryPoints / 2);
    EXPECT_GE(points.front().x(), 20.0 * 301) << "only the last kHistoryReadings";
    EXPECT_DOUBLE_EQ(points.back().x(), 20.0 * 1200) << "the newest reading is drawn";
    for (const QPointF &p : points) {
        EXPECT_TRUE(p.y() == 100.0 || p.y() == 300.0) << "mixes the change: " << p.x();
    }
    EXPECT_EQ(g().ChartPresion->marks(), (std::vector<double>{20.0 * 1000.5}));
}

TEST_F(GraphsWindowTest, ProcessChangesAreMarkedABurstIsOneMarkAndTheMeansStartAfresh)
{
    toggle();
    run(3 * NPasosPresion);
    ProcessWindow &p = *w.Procesos;
    // The bath switched on in "Procesos": a change like the panel's.
    pick(p.BoxBano, QStringLiteral("SI"));
    run(3 * NPasosPresion);
    ASSERT_EQ(g().log().changes(), (std::vector<size_t>{3}));
    // Its temperature pressed up over three readings in a row: one mark.
    for (int k = 0; k < 3; ++k) {
        p.SpinTempBano->stepUp();
        run(NPasosPresion);
    }
    run(4 * NPasosPresion);
    EXPECT_EQ(g().log().changes(), (std::vector<size_t>{3, 6}));
    // The means since the change leave out the burst: the readings after
    // its last press but one (that one straddles it).
    g().redraw();
    const std::vector<GasReading> &readings = g().log().readings();
    ASSERT_EQ(readings.size(), 13u);
    double pressure = 0;
    for (size_t i = 9; i < readings.size(); ++i) {
        pressure += readings[i].pressure;
    }
    pressure /= 4;
    const QString text = g().LabelCociente->text();
    EXPECT_TRUE(text.contains(QStringLiteral(": 4)"))) << qPrintable(text);
    EXPECT_TRUE(text.contains(QStringLiteral("Presión media ") +
                              molvix::ui::shownNumber(pressure, 'f', 1)))
        << qPrintable(text);
    EXPECT_TRUE(text.contains(QStringLiteral("Temperatura media"))) << qPrintable(text);
    // The piston's mode is a change too.
    pick(p.BoxEmbolo, QStringLiteral("Con carga"));
    run(NPasosPresion);
    EXPECT_EQ(g().log().changes().back(), 13u);
}

// A bath at 0 brings the gas to rest, to a temperature near 1e-15 that
// floats leave, not 0: the window says there is no ratio, as molvix-lab
// leaves it blank, instead of a ratio of 10^12.
TEST_F(GraphsWindowTest, AGasBroughtToRestByTheBathHasNoRatio)
{
    toggle();
    panel->BoxColi->setCurrentText(QStringLiteral("SI"));
    panel->ScBarNPart->setValue(100);
    panel->ScBarPared->setValue(20);
    run(2 * NPasosPresion);
    ProcessWindow &p = *w.Procesos;
    pick(p.BoxBano, QStringLiteral("SI"));
    p.SpinTempBano->setValue(0);
    run(20 * NPasosPresion);
    g().redraw();
    const GasReading &last = g().log().readings().back();
    ASSERT_GT(last.count, 0);
    EXPECT_LT(last.temperature, 1e-6);
    EXPECT_TRUE(says(g().LabelCociente, "con temperatura 0")) << qPrintable(g().LabelCociente->text());
    EXPECT_FALSE(says(g().LabelCociente, "P·V / (N·T) =")) << qPrintable(g().LabelCociente->text());
}

TEST_F(GraphsWindowTest, AxesWriteNumbersInFullAndTheHistoriesShareTheirTimeAxis)
{
    // Pressures past 25 000 and times past a million: what a long run with
    // a hot gas in a small box reaches.
    toggle();
    g().resize(660, GraphsWindow::kOpenHeight);
    GasReading r{.count = 100, .wall = 20, .pressure = 25000, .temperature = 3, .energy = 900};
    r.tick = 10'000'000;
    for (int i = 0; i < 50; ++i) {
        r.time = 0.1 * (r.tick += NPasosPresion);
        r.pressure = 25000 + 500 * (i % 3);
        g().addReading(r);
    }
    g().redraw();
    QTest::qWait(100);
    std::vector<QRectF> plots;
    for (HistoryChartView *chart : {g().ChartPresion, g().ChartTemperatura, g().ChartEnergia}) {
        SCOPED_TRACE(qPrintable(chart->objectName()));
        int numbers = 0;
        for (const QGraphicsItem *item : chart->scene()->items()) {
            QString text;
            if (const auto *t = qgraphicsitem_cast<const QGraphicsTextItem *>(item)) {
                text = t->toPlainText();
            } else if (const auto *t = qgraphicsitem_cast<const QGraphicsSimpleTextItem *>(item)) {
                text = t->text();
            }
            if (text.contains(QRegularExpression(QStringLiteral("^[-0-9]")))) {
                ++numbers;
                EXPECT_FALSE(text.contains(QRegularExpression(QStringLiteral("[eE]"))))
                    << qPrintable(text);
            }
        }
        EXPECT_GE(numbers, 4);
        plots.push_back(chart->mapFromScene(chart->chart()->plotArea()).boundingRect());
    }
    EXPECT_EQ(plots[0].left(), plots[1].left());
    EXPECT_EQ(plots[0].left(), plots[2].left());
    EXPECT_EQ(plots[0].right(), plots[1].right());
    EXPECT_EQ(plots[0].right(), plots[2].right());
}

TEST_F(GraphsWindowTest, NoWindowWidensItselfToFitALabel)
{
    // The longest texts the windows show, in both languages: each window's
    // least width stays within the width it opens at.
    for (const char *language : {"es", "en"}) {
        SCOPED_TRACE(language);
        ASSERT_TRUE(molvix::i18n::installTranslation(QString::fromLatin1(language)));
        GraphsWindow graphs;
        ProcessWindow process;
        const int graphsWidth = graphs.width(), processWidth = process.width();
        GasReading r{.count = 100, .wall = 100, .pressure = 123456.7, .temperature = 12.345};
        for (int i = 0; i < 3; ++i) {
            r.time = 0.1 * (r.tick += NPasosPresion);
            r.pistonMean = r.piston = 100 - 30 * i;
            graphs.addReading(r);
            process.addReading(r);
        }
        graphs.redraw();
        process.redraw();
        graphs.LabelEstadoHist->setText(graphs.LabelEstadoHist->text().repeated(3));
        graphs.LabelEstadoHist->show();
        graphs.LabelNota->show();
        process.LabelDeltaU->setText(process.LabelDeltaU->text() +
                                     QStringLiteral("   (W + Q = 123456,78: las cifras están "
                                                    "redondeadas por separado)"));
        EXPECT_LE(graphs.minimumSizeHint().width(), graphsWidth);
        EXPECT_LE(process.minimumSizeHint().width(), processWidth);

        EXPECT_LE(graphs.layout()->minimumSize().width(), graphsWidth);
        EXPECT_LE(process.layout()->minimumSize().width(), processWidth);
    }
    molvix::i18n::installTranslation(QStringLiteral("es"));
}

TEST_F(GraphsWindowTest, ExportWritesTheWholeHistoryOrSaysWhyAndKeepsIt)
{
    run(600);
    QTemporaryDir dir;
    const QString good = dir.filePath(QStringLiteral("lecturas.csv"));
    const QString bad = dir.filePath(QStringLiteral("lecturas.csv/dentro.csv")); // under a file
    g().askPath = [&] { return good; };
    QTest::mouseClick(g().BtnExportarCSV, Qt::LeftButton);
    QFile file(good);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().toStdString(), readingsCsv(g().log().readings()));
    EXPECT_EQ(molvix::ui::saveFolder(), dir.path()) << "the next dialog opens there";

    g().askPath = [&] { return bad; };
    QString message;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            message = box->text();
            box->accept();
        }
    });
    poll.start(10);
    g().BtnExportarCSVClick();
    EXPECT_TRUE(message.contains(QDir::toNativeSeparators(bad))) << qPrintable(message);
    EXPECT_TRUE(message.contains(QStringLiteral("No se pudo guardar")));
    EXPECT_EQ(g().log().readings().size(), 3u) << "the history kept";
    EXPECT_EQ(molvix::ui::saveFolder(), dir.path()) << "a failed save is no folder to remember";

    g().askPath = [] { return QString(); }; // cancelled: nothing written, nothing said
    QTest::mouseClick(g().BtnExportarCSV, Qt::LeftButton);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1);
}

// The texts a chart draws: title, axis titles and labels.
QStringList chartTexts(const QChartView *view)
{
    QStringList texts;
    for (const QGraphicsItem *item : view->scene()->items()) {
        if (!item->isVisible()) {
            continue;
        }
        if (const auto *text = qgraphicsitem_cast<const QGraphicsTextItem *>(item)) {
            texts << text->toPlainText();
        } else if (const auto *simple = qgraphicsitem_cast<const QGraphicsSimpleTextItem *>(item)) {
            texts << simple->text();
        }
    }
    return texts;
}

// The program under a Spanish system locale (the windows are built after it
// is set, as at start-up).
class GraphsWindowSpanishTest : public GraphsWindowTest
{
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
        GraphsWindowTest::SetUp();
    }
    void TearDown() override
    {
        GraphsWindowTest::TearDown();
        QLocale::setDefault(previous);
    }
    QLocale previous;
};

TEST_F(GraphsWindowSpanishTest, EveryNumberShownHasADecimalCommaTheFileAPoint)
{
    panel->BoxColi->setCurrentText(QStringLiteral("SI"));
    toggle();
    run(3000);
    g().redraw();
    QTest::qWait(50); // the charts lay their axes out
    // What the screen shows and a screen reader reads.
    QStringList shown{g().ChartPresion->accessibleDescription(), g().LabelKS->text(),
                      g().LabelCociente->text(), g().LabelHistoria->text(),
                      chartTexts(g().ChartVelocidades).join(u' ')};
    const QRegularExpression point(QStringLiteral("\\d\\.\\d")), comma(QStringLiteral("\\d,\\d"));
    for (const QString &text : shown) {
        EXPECT_TRUE(text.contains(comma)) << qPrintable(text);
    }
    for (const QWidget *widget : g().findChildren<QWidget *>()) {
        const auto *label = qobject_cast<const QLabel *>(widget);
        shown << widget->accessibleDescription() << (label ? label->text() : QString());
        if (const auto *chart = qobject_cast<const QChartView *>(widget)) {
            EXPECT_GE(chartTexts(chart).size(), 6) << "its axis labels";
            shown << chartTexts(chart);
        }
    }
    for (const QString &text : shown) {
        EXPECT_FALSE(text.contains(point)) << qPrintable(text);
    }
    QTemporaryDir dir;
    g().askPath = [&] { return dir.filePath(QStringLiteral("lecturas.csv")); };
    g().BtnExportarCSVClick();
    QFile file(g().askPath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromLatin1(file.readAll()).contains(point)) << "files keep the point";
}

// A 1366 x 768 screen with a task bar of up to 48 pixels, and a frame (title
// bar, borders) of up to 60 as the usual desktops draw it: the window opens
// whole there, at most 700 pixels tall with its frame. Made taller, every
// chart gets more room; made as small as it goes, every text is whole and
// every chart keeps room to plot. Both languages, empty and with readings.
TEST(GraphsWindowSize, FitsASmallScreenChartsShareTheRoomNothingCutOffWhenSmallest)
{
    constexpr int kFrame = 60, kTaskBar = 48;
    for (const char *language : {"es", "en"}) {
        ASSERT_TRUE(molvix::i18n::installTranslation(QString::fromLatin1(language)));
        for (const int readings : {0, 10}) {
            SCOPED_TRACE(std::string(language) + " readings " + std::to_string(readings));
            Gas gas;
            GraphsWindow window(&gas);
            GasReading r{.count = 50, .wall = 100, .pressure = 3800, .temperature = 2};
            for (int i = 1; i <= readings; ++i) {
                r.time = 20.0 * (r.tick = 200 * i);
                window.addReading(r);
            }
            window.show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
            const QRect opened = window.geometry();
            EXPECT_LE(opened.height() + kFrame, 700);
            EXPECT_LE(opened.bottom() + kFrame, 768 - kTaskBar);
            EXPECT_LE(opened.right(), 1366);

            const QList<QChartView *> charts{window.ChartVelocidades, window.ChartPresion,
                                             window.ChartTemperatura, window.ChartEnergia};
            std::vector<int> heights[3]; // at opening, taller, smallest
            for (std::vector<int> &h : heights) {
                QCoreApplication::processEvents();
                for (const QChartView *c : charts) {
                    h.push_back(c->height());
                }
                window.resize(window.width(), &h == heights ? opened.height() + 200 : 1);
            }
            for (qsizetype i = 0; i < charts.size(); ++i) {
                SCOPED_TRACE(qPrintable(charts[i]->objectName()));
                EXPECT_GT(heights[1][i], heights[0][i]);
                EXPECT_GE(heights[0][i], heights[2][i]);
                EXPECT_GE(charts[i]->chart()->plotArea().height(), heights[2][i] / 3);
                EXPECT_TRUE(ChartExport::of(charts[i])) << "each chart can leave the program";
            }
            for (const QWidget *widget : window.findChildren<QWidget *>()) {
                if (!widget->isVisible() || widget->objectName().isEmpty()) {
                    continue;
                }
                SCOPED_TRACE(qPrintable(widget->objectName()));
                const QRect at(widget->mapTo(&window, QPoint(0, 0)), widget->size());
                EXPECT_TRUE(window.rect().contains(at)) << "placed off the window";
                const auto *label = qobject_cast<const QLabel *>(widget);
                if (label != nullptr && label->wordWrap()) {
                    EXPECT_GE(label->height(), label->heightForWidth(label->width()));
                } else if (label != nullptr || qobject_cast<const QPushButton *>(widget)) {
                    EXPECT_GE(widget->width(), widget->sizeHint().width());
                    EXPECT_GE(widget->height(), widget->sizeHint().height());
                }
            }
        }
        molvix::i18n::removeTranslation();
    }
}

TEST_F(GraphsWindowTest, ExportWritesTheSpreadsheetTypeWhenChosen)
{
    run(400);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("hoja.csv"));
    g().askPath = [&] {
        g().exportDialect = CsvDialect::Spreadsheet;
        return path;
    };
    QTest::mouseClick(g().BtnExportarCSV, Qt::LeftButton);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    std::vector<GasReading> back;
    std::string error;
    ASSERT_TRUE(
        parseReadingsCsv(file.readAll().toStdString(), &back, &error, CsvDialect::Spreadsheet))
        << error;
    EXPECT_EQ(readingsCsv(back), readingsCsv(g().log().readings()));
}

TEST(GraphsWindowOwnGas, TakesTheReadingHookAndGivesItBack)
{
    Gas gas;
    gas.state.NumPar = 10;
    {
        GraphsWindow window(&gas);
        for (int t = 0; t < 200; ++t) {
            gas.TimeLoopTimer();
        }
        EXPECT_EQ(window.log().readings().size(), 1u);
    }
    EXPECT_EQ(gas.readingListenerCount(), 0u) << "no hook into a window that is gone";
    for (int t = 0; t < 200; ++t) {
        gas.TimeLoopTimer();
    }
}

} // namespace
