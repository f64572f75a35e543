// The "Procesos" window in the program: its button and key, the controls'
// settings in the gas, the ledger and its reset, the P–V diagram and its
// fit, numbers in the user's decimal sign, both languages and the export.
#include "uitest.h"

#include "language.h"
#include "processcsv.h"
#include "chartstyle.h"
#include "processwindow.h"
#include "pvchartview.h"
#include "savefolder.h"

#include <QAccessible>
#include <QDir>
#include <QDoubleSpinBox>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsTextItem>
#include <QRegularExpression>
#include <QLabel>
#include <QLineSeries>
#include <QLocale>
#include <QPointer>
#include <QPushButton>
#include <QScatterSeries>
#include <QTemporaryDir>

#include <cmath>

namespace {

class ProcessWindowTest : public molvix::test::ProgramTest
{
protected:
    void TearDown() override
    {
        QLocale::setDefault(QLocale::c());
        ProgramTest::TearDown();
    }
    void run(int ticks)
    {
        for (int t = 0; t < ticks; ++t) {
            form->TimeLoopTimer();
        }
    }
    ProcessWindow &p() const { return *w.Procesos; }
    const ProcessSettings &settings() const { return gas().process(); }
    // Readings on P V^gamma = c at the given wall positions, as if read.
    void feed(double gamma, std::initializer_list<double> walls)
    {
        GasReading r{.count = 50};
        for (const double wall : walls) {
            r.time = 0.1 * (r.tick += NPasosPresion);
            r.piston = r.pistonMean = wall;
            r.pressure = 3762 * std::pow(100 / wall, gamma);
            p().addReading(r);
        }
    }
};

TEST_F(ProcessWindowTest, HiddenAtStartItsButtonBetweenCPanelAndInformacionAndF4ToggleIt)
{
    EXPECT_EQ(form->BtnCPanel->geometry(), QRect(4, 3, 50, 18));
    EXPECT_EQ(form->BtnInfo->geometry(), QRect(136, 3, 75, 18));
    EXPECT_GT(form->BtnProcesos->geometry().left(), form->BtnCPanel->geometry().right());
    EXPECT_LT(form->BtnProcesos->geometry().right(), form->BtnInfo->geometry().left());
    EXPECT_TRUE(form->BtnProcesos->toolTip().contains(QLatin1String("F4")));
    EXPECT_FALSE(p().isVisible());
    EXPECT_EQ(settings(), ProcessSettings()) << "nothing changed until chosen";
    const EnergyLedger ledger = gas().ledger();
    EXPECT_TRUE(ledger.work == 0 && ledger.heat == 0 && ledger.energyChange == 0)
        << "the start-up put no heat in: Q = " << ledger.heat;

    QTest::mouseClick(form->BtnProcesos, Qt::LeftButton);
    EXPECT_TRUE(p().isVisible());
    QTest::mouseClick(form->BtnProcesos, Qt::LeftButton);
    EXPECT_FALSE(p().isVisible());
    panel->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(panel));
    QTest::keyClick(panel->MaskEner, Qt::Key_F4); // from any window
    EXPECT_TRUE(p().isVisible());
    QTest::keyClick(p().BtnCero, Qt::Key_F4);
    EXPECT_FALSE(p().isVisible());
    QTest::keyClick(form, Qt::Key_F4);
    QPointer<ProcessWindow> alive(&p());
    EXPECT_TRUE(p().close());
    QCoreApplication::processEvents();
    ASSERT_FALSE(alive.isNull()) << "closing only hides it";
    EXPECT_FALSE(p().isVisible());
}

TEST_F(ProcessWindowTest, ControlsSetTheGasProcessAndEnableWhatTheModeUses)
{
    const struct
    {
        int item;
        PistonMode mode;
        bool speed, load;
    } modes[] = {{ProcessWindow::kMovil, PistonMode::Moving, true, false},
                 {ProcessWindow::kConCarga, PistonMode::Loaded, false, true},
                 {ProcessWindow::kFijo, PistonMode::Fixed, false, false}};
    EXPECT_FALSE(p().SpinVelEmbolo->isEnabled() || p().SpinCarga->isEnabled() ||
                 p().SpinTempBano->isEnabled());
    for (const auto &m : modes) {
        SCOPED_TRACE(m.item);
        pick(p().BoxEmbolo, p().BoxEmbolo->itemText(m.item));
        EXPECT_EQ(settings().piston, m.mode);
        EXPECT_EQ(p().SpinVelEmbolo->isEnabled(), m.speed);
        EXPECT_EQ(p().SpinCarga->isEnabled(), m.load);
        EXPECT_EQ(p().SpinMasa->isEnabled(), m.load);
    }
    // Typed text that is no item leaves the piston as it is.
    pick(p().BoxEmbolo, QStringLiteral("Móvil"));
    p().BoxEmbolo->setEditText(QStringLiteral("Mó"));
    EXPECT_EQ(settings().piston, PistonMode::Moving);

    p().SpinVelEmbolo->setValue(2.5);
    p().SpinCarga->setValue(4000);
    p().SpinMasa->setValue(250);
    p().SpinTempBano->setValue(1.75);
    pick(p().BoxBano, QStringLiteral("SI"));
    EXPECT_EQ(std::tuple(settings().pistonSpeed, settings().load, settings().pistonMass,
                         settings().bath, settings().bathTemperature),
              std::tuple(2.5f, 4000.0f, 250.0f, true, 1.75f));
    EXPECT_TRUE(p().SpinTempBano->isEnabled());
    pick(p().BoxBano, QStringLiteral("NO"));
    EXPECT_FALSE(settings().bath);
    EXPECT_FALSE(p().SpinTempBano->isEnabled());

    // A piston set moving where the wall bar left it stays there until the
    // bar moves; then it goes at its speed, 2.5 x 0.1 a tick.
    pick(p().BoxEmbolo, QStringLiteral("Fijo"));
    panel->ScBarPared->setValue(80);
    pick(p().BoxEmbolo, QStringLiteral("Móvil"));
    run(10);
    EXPECT_FLOAT_EQ(gas().pistonPosition(), 80);
    panel->ScBarPared->setValue(70);
    run(20);
    EXPECT_NEAR(gas().pistonPosition(), 75, 1e-3);
    // Under load the wall bar follows the piston and cannot be dragged;
    // back to the fixed piston it moves it again.
    pick(p().BoxEmbolo, QStringLiteral("Con carga"));
    EXPECT_FALSE(panel->ScBarPared->isEnabled());
    run(400);
    EXPECT_EQ(panel->ScBarPared->value(), gas().state.PosPared);
    EXPECT_NE(gas().state.PosPared, 70) << "the load moved it";
    pick(p().BoxEmbolo, QStringLiteral("Fijo"));
    EXPECT_TRUE(panel->ScBarPared->isEnabled());
    EXPECT_EQ(panel->ScBarPared->value(), gas().state.PosPared);
    // Settings made elsewhere show when the window opens.
    ProcessSettings other = settings();
    other.piston = PistonMode::Loaded;
    other.load = 1234;
    gas().setProcess(other);
    p().show();
    EXPECT_EQ(p().BoxEmbolo->currentText(), QStringLiteral("Con carga"));
    EXPECT_EQ(p().SpinCarga->value(), 1234);
    EXPECT_EQ(settings(), other) << "showing them applies nothing";
}

TEST_F(ProcessWindowTest, ACompressionShowsTheLedgerThePathItsFitAndPutsThemToZero)
{
    p().show();
    pick(p().BoxEmbolo, QStringLiteral("Móvil"));
    p().SpinVelEmbolo->setValue(1);
    run(2 * NPasosPresion);
    p().redraw();
    EXPECT_TRUE(p().LabelAjuste->text().contains(QStringLiteral("10 %"))) << "no fit yet";
    panel->ScBarPared->setValue(60); // 40 lengths: 400 ticks
    run(4 * NPasosPresion);
    p().redraw();

    const EnergyLedger ledger = gas().ledger();
    EXPECT_GT(ledger.work, 0) << "a compression does work on the gas";
    const QString work = QString::number(ledger.work, 'f', 2);
    EXPECT_TRUE(p().LabelTrabajo->text().endsWith(work)) << qPrintable(p().LabelTrabajo->text());
    EXPECT_TRUE(p().LabelDeltaU->text().endsWith(QString::number(ledger.energyChange, 'f', 2)));
    const auto shares = gas().energyShares();
    EXPECT_TRUE(p().LabelReparto->text().contains(QString::number(100 * shares[1], 'f', 1)));

    // One path point per reading, at the piston's mean position over it.
    const std::vector<GasReading> &readings = p().readings();
    ASSERT_EQ(readings.size(), 6u);
    const QList<QPointF> path = p().ChartPV->pathSeries()->points();
    ASSERT_EQ(path.size(), 6);
    for (size_t i = 0; i < readings.size(); ++i) {
        EXPECT_DOUBLE_EQ(path[qsizetype(i)].x(), readings[i].pistonMean / 100);
        EXPECT_DOUBLE_EQ(path[qsizetype(i)].y(), readings[i].pressure);
    }
    EXPECT_GT(path[2].x() - path[3].x(), 0.05) << "the mean of a moving piston";
    EXPECT_EQ(p().ChartPV->latestSeries()->points(), QList<QPointF>{path.back()});
    EXPECT_TRUE(p().LabelAjuste->text().contains(QStringLiteral("γ = ")));

    QTest::mouseClick(p().BtnCero, Qt::LeftButton);
    EXPECT_TRUE(p().readings().empty());
    EXPECT_EQ(gas().ledger().work, 0);
    EXPECT_TRUE(p().LabelTrabajo->text().endsWith(QStringLiteral("= 0.00")));
    EXPECT_TRUE(p().ChartPV->pathSeries()->points().isEmpty());
    run(NPasosPresion);
    EXPECT_EQ(p().readings().size(), 1u);
    panel->ScBarNPart->setValue(20); // a new count: the path starts afresh
    run(NPasosPresion);
    EXPECT_EQ(p().readings().size(), 1u);
}

// A count set and set back between two readings still made a new gas: the
// ledger restarted, so the path restarts with it (the count alone, read from
// the readings, would have joined the two gases in one path).
TEST_F(ProcessWindowTest, ACountSetAndSetBackBetweenReadingsStillStartsAfresh)
{
    run(NPasosPresion);
    ASSERT_EQ(p().readings().size(), 1u);
    panel->ScBarNPart->setValue(20);
    panel->ScBarNPart->setValue(50);
    run(NPasosPresion);
    EXPECT_EQ(p().readings().size(), 1u);
}

// Switched on with no temperature chosen, the bath takes the gas's own, as
// molvix-lab does: exactly, though the box shows two decimals, and kept
// while other settings change; a temperature set in the box is the user's.
TEST_F(ProcessWindowTest, TheBathTakesTheGasTemperatureUntilOneIsChosen)
{
    panel->ScBarTemp->setValue(37);
    const float own = gas().bathTemperatureDefault();
    ASSERT_EQ(own, static_cast<float>(gas().reading(0).temperature));
    ASSERT_NE(own, 1.0f);
    pick(p().BoxBano, QStringLiteral("SI"));
    EXPECT_EQ(settings().bathTemperature, own);
    EXPECT_DOUBLE_EQ(p().SpinTempBano->value(), std::round(own * 100.0) / 100.0);
    pick(p().BoxEmbolo, QStringLiteral("Móvil"));
    EXPECT_EQ(settings().bathTemperature, own) << "not the box's rounded figure";
    run(NPasosPresion);
    pick(p().BoxBano, QStringLiteral("NO"));
    pick(p().BoxBano, QStringLiteral("SI"));
    EXPECT_EQ(settings().bathTemperature, gas().bathTemperatureDefault()) << "taken anew";
    p().SpinTempBano->setValue(2.5);
    pick(p().BoxBano, QStringLiteral("NO"));
    pick(p().BoxBano, QStringLiteral("SI"));
    EXPECT_EQ(settings().bathTemperature, 2.5f) << "the user's choice stays";
}

TEST_F(ProcessWindowTest, TheDiagramsCurvesArrowsAndFitInTheUsersDecimalSign)
{
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    feed(1.0, {100, 90, 80, 70, 60}); // on the isotherm
    p().redraw();
    PvChartView &chart = *p().ChartPV;
    const QList<QPointF> path = chart.pathSeries()->points();
    ASSERT_EQ(path.size(), 5);
    EXPECT_EQ(chart.firstSeries()->points(), QList<QPointF>{path.front()});
    EXPECT_EQ(chart.latestSeries()->points(), QList<QPointF>{path.back()});
    // The isotherm through the first reading holds P V; the adiabat P V^(5/3).
    for (const auto &[series, gamma] :
         {std::pair{chart.isothermSeries(), 1.0}, std::pair{chart.adiabatSeries(), 5.0 / 3}}) {
        const QList<QPointF> curve = series->points();
        ASSERT_GT(curve.size(), 10);
        EXPECT_LE(curve.front().x(), path.back().x());
        EXPECT_GE(curve.back().x(), path.front().x());
        for (const QPointF &c : curve) {
            EXPECT_NEAR(c.y() * std::pow(c.x(), gamma), 3762, 1e-6) << gamma;
        }
    }
    // The arrows point the way the readings went: to smaller volumes.
    ASSERT_EQ(chart.arrows().size(), size_t(PvChartView::kArrows));
    for (const PvChartView::Arrow &a : chart.arrows()) {
        EXPECT_LT(a.toward.x(), a.at.x());
        EXPECT_GT(a.toward.y(), a.at.y());
    }
    EXPECT_TRUE(
        p().LabelAjuste->text().startsWith(QStringLiteral("P·V^γ = const, γ = 1,0000 ± 0,0000")))
        << qPrintable(p().LabelAjuste->text());
    EXPECT_TRUE(p().LabelTrabajo->text().contains(QLatin1Char(',')))
        << qPrintable(p().LabelTrabajo->text());
    // No number on the axes has a point: a Spanish thousands separator
    // would read as another locale's decimal sign ("6.000").
    p().show();
    QTest::qWait(50);
    int labels = 0;
    for (const QGraphicsItem *item : chart.scene()->items()) {
        QString text;
        if (const auto *t = qgraphicsitem_cast<const QGraphicsTextItem *>(item)) {
            text = t->toPlainText();
        } else if (const auto *t = qgraphicsitem_cast<const QGraphicsSimpleTextItem *>(item)) {
            text = t->text();
        }
        labels += text.contains(QRegularExpression(QStringLiteral("^\\d")));
        EXPECT_FALSE(text.contains(QRegularExpression(QStringLiteral("\\d\\.\\d"))))
            << qPrintable(text);
    }
    EXPECT_GE(labels, 6) << "the axes' numbers";

    p().BtnCeroClick();
    feed(5.0 / 3, {100, 99, 98, 97, 96, 95, 94, 93, 92, 91});
    p().redraw();
    EXPECT_TRUE(p().LabelAjuste->text().contains(QStringLiteral("(ahora 9,0 %)")))
        << qPrintable(p().LabelAjuste->text());
    feed(5.0 / 3, {90});
    p().redraw();
    EXPECT_TRUE(p().LabelAjuste->text().contains(QStringLiteral("γ = 1,6667 ± 0,0000")));

    // A long path is drawn with few points, the latest always among them,
    // and goes on being drawn however long it gets.
    p().BtnCeroClick();
    GasReading r{.count = 50, .pressure = 4000};
    for (size_t i = 0; i < 2500; ++i) {
        r.piston = r.pistonMean = 100 - double(i) * 0.02;
        p().addReading(r);
    }
    p().redraw();
    ASSERT_EQ(p().readings().size(), 2500u);
    const QList<QPointF> drawn = chart.pathSeries()->points();
    EXPECT_LE(drawn.size(), PvChartView::kMaxPathPoints + 1);
    EXPECT_GE(drawn.size(), PvChartView::kMaxPathPoints / 2);
    EXPECT_DOUBLE_EQ(drawn.back().x(), p().readings().back().pistonMean / 100);
    EXPECT_DOUBLE_EQ(drawn.front().x(), 1.0);
    EXPECT_FALSE(p().LabelDiagrama->text().contains(QStringLiteral("lleno")));
}

TEST_F(ProcessWindowTest, ExportWritesTheReadingsWithTheProcessColumns)
{
    run(3 * NPasosPresion);
    QTemporaryDir dir;
    const QString good = dir.filePath(QStringLiteral("proceso.csv"));
    // Either file type of the dialog, the plain one or the spreadsheet one.
    for (const CsvDialect dialect : {CsvDialect::Plain, CsvDialect::Spreadsheet}) {
        p().askPath = [&] {
            p().exportDialect = dialect;
            return good;
        };
        QTest::mouseClick(p().BtnExportarCSV, Qt::LeftButton);
        QFile file(good);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray written = file.readAll();
        EXPECT_EQ(written.toStdString(), processReadingsCsv(p().readings(), dialect));
        EXPECT_EQ(written.contains(';'), dialect == CsvDialect::Spreadsheet);
    }
    EXPECT_EQ(p().readings().size(), 3u);
    EXPECT_EQ(molvix::ui::saveFolder(), dir.path()) << "the next dialog opens there";

    p().askPath = [] { return QString(); }; // cancelled: nothing written
    QTest::mouseClick(p().BtnExportarCSV, Qt::LeftButton);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1);
}

// The volume column of the exported readings, as numbers.
std::vector<double> csvVolumes(const std::vector<GasReading> &readings)
{
    const QList<QByteArray> rows =
        QByteArray::fromStdString(processReadingsCsv(readings)).split('\n');
    const qsizetype column = rows.front().split(',').indexOf("volume");
    std::vector<double> volumes;
    for (qsizetype i = 1; column >= 0 && i < rows.size() && !rows[i].isEmpty(); ++i) {
        volumes.push_back(rows[i].split(',').at(column).toDouble());
    }
    return volumes;
}

TEST_F(ProcessWindowTest, TheDiagramAndTheExportAgreeOnEachReadingsVolume)
{
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    // A free expansion from half the box: readings at 50, the one taken while
    // the piston went to 100 (its pressure gathered partly at each), then
    // readings at 100, all on one isotherm.
    GasReading r{.count = 100};
    const auto add = [&](double piston, double mean, int times) {
        for (int k = 0; k < times; ++k) {
            r.time = 0.1 * (r.tick += NPasosPresion);
            r.piston = piston;
            r.pistonMean = mean;
            r.pressure = 4000 * 100 / mean * (1 + 0.01 * ((k * 7) % 5 - 2));
            p().addReading(r);
        }
    };
    add(50, 50, 30);
    add(100, 72, 1);
    add(100, 100, 30);
    p().redraw();
    const QList<QPointF> drawn = p().ChartPV->pathSeries()->points();
    const std::vector<double> written = csvVolumes(p().readings());
    ASSERT_EQ(written.size(), p().readings().size());
    ASSERT_EQ(size_t(drawn.size()), written.size());
    for (size_t i = 0; i < written.size(); ++i) {
        EXPECT_FLOAT_EQ(float(drawn[qsizetype(i)].x()), float(written[i])) << i;
    }
    EXPECT_FLOAT_EQ(float(written[30]), 0.72f);
    // A jump has no exponent: the window says what it is instead.
    const QString fit = p().LabelAjuste->text();
    EXPECT_FALSE(fit.contains(QStringLiteral("±"))) << qPrintable(fit);
    EXPECT_TRUE(fit.contains(QStringLiteral("salto"))) << qPrintable(fit);
}

TEST_F(ProcessWindowTest, TheLedgerAddsUpAsShownAndNoFigureReadsMinusZero)
{
    // Each figure is rounded on its own: the decimals shown are the fewest
    // (two to four) at which they still add up.
    const struct
    {
        double work, heat, change;
        int decimals;
    } cases[] = {
        {262.004, 0, 262.004, 2},
        {1.004, 1.004, 2.008, 3},            // 1,00 + 1,00 would show ΔU 2,01
        {0.0044975, 0.0044975, 0.008995, 4}, // 0,004 + 0,004 would show 0,009
        {0.00444975, 0.00444975, 0.0088995, 2}, // never: two, and a word why
        {1e-9, -1e-9, 0, 2},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.change);
        EXPECT_EQ(ProcessWindow::ledgerDecimals(c.work, c.heat, c.change), c.decimals);
    }

    // In the window, after a compression in the bath, the three figures as
    // shown add up, or the window says why they do not.
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    p().show();
    pick(p().BoxBano, QStringLiteral("SI"));
    pick(p().BoxEmbolo, QStringLiteral("Móvil"));
    p().SpinVelEmbolo->setValue(1);
    panel->ScBarPared->setValue(70);
    run(4 * NPasosPresion);
    p().redraw();
    const auto figure = [](const QLabel *label) {
        const QString text = label->text().section(QStringLiteral(" = "), 1).section(' ', 0, 0);
        return QLocale(QLocale::Spanish).toDouble(text);
    };
    const QString change = p().LabelDeltaU->text();
    if (!change.contains(QStringLiteral("redondeadas"))) {
        EXPECT_NEAR(figure(p().LabelTrabajo) + figure(p().LabelCalor), figure(p().LabelDeltaU),
                    1e-9)
            << qPrintable(p().LabelTrabajo->text() + " | " + p().LabelCalor->text() + " | " +
                          change);
    }
    // Nothing reads "-0,00": a sign on a figure rounded to nothing.
    EXPECT_EQ(molvix::ui::shownNumber(-0.001, 'f', 2), QStringLiteral("0,00"));
    EXPECT_EQ(molvix::ui::shownNumber(-0.0004, 'f', 1), QStringLiteral("0,0"));
    EXPECT_EQ(molvix::ui::shownNumber(-0.006, 'f', 2), QStringLiteral("-0,01"));
    EXPECT_EQ(molvix::ui::shownNumber(-0.0, 'f', 2), QStringLiteral("0,00"));
    const QRegularExpression minusZero(QStringLiteral("[-−]0([,.]0+)?(?![,.]?[0-9])"));
    for (const QLabel *label : p().findChildren<QLabel *>()) {
        EXPECT_FALSE(label->text().contains(minusZero)) << qPrintable(label->text());
    }
}

// Numbers are typed with either decimal sign, whatever the interface's
// language and the system's.
TEST(ProcessWindowTyping, EitherDecimalSignIsTakenInBothLanguages)
{
    const struct
    {
        const char *language;
        QLocale system;
        const char *typed;
    } cases[] = {
        {"es", QLocale::c(), "0,1"},
        {"es", QLocale::c(), "0.1"},
        {"en", QLocale(QLocale::Spanish, QLocale::Spain), "0.1"},
        {"en", QLocale(QLocale::Spanish, QLocale::Spain), "0,1"},
        {"es", QLocale(QLocale::Spanish, QLocale::Spain), "0,1"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.language) + " " + c.typed + " " +
                     c.system.name().toStdString());
        ASSERT_TRUE(molvix::i18n::installTranslation(QString::fromLatin1(c.language)));
        QLocale::setDefault(c.system);
        gas() = Gas();
        ProcessWindow window;
        window.show();
        window.BoxEmbolo->setCurrentIndex(ProcessWindow::kMovil);
        window.BoxEmbolo->setEditText(window.BoxEmbolo->itemText(ProcessWindow::kMovil));
        window.SpinVelEmbolo->setFocus();
        window.SpinVelEmbolo->selectAll();
        QTest::keyClicks(window.SpinVelEmbolo, QString::fromLatin1(c.typed));
        QTest::keyClick(window.SpinVelEmbolo, Qt::Key_Return);
        EXPECT_DOUBLE_EQ(window.SpinVelEmbolo->value(), 0.1);
        EXPECT_FLOAT_EQ(gas().process().pistonSpeed, 0.1f);
    }
    molvix::i18n::installTranslation(QStringLiteral("es"));
    QLocale::setDefault(QLocale::c());
    gas() = Gas();
}

// Each control's spoken name begins with the text of the label beside it,
// in Spanish and in English, and English is English.
TEST(ProcessWindowLanguages, NamesBeginWithTheirLabelsInBothLanguages)
{
    std::map<QString, QString> spanish;
    for (const char *language : {"es", "en"}) {
        SCOPED_TRACE(language);
        ASSERT_TRUE(molvix::i18n::installTranslation(QString::fromLatin1(language)));
        gas() = Gas();
        ProcessWindow window;
        EXPECT_EQ(window.windowTitle(), language == std::string("es") ? "Procesos" : "Processes");
        const std::pair<QWidget *, QString> controls[] = {
            {window.BoxEmbolo, window.LabelEmbolo->text()},
            {window.SpinVelEmbolo, window.LabelVelEmbolo->text()},
            {window.SpinCarga, window.LabelCarga->text()},
            {window.SpinMasa, window.LabelMasa->text()},
            {window.BoxBano, window.LabelBano->text()},
            {window.SpinTempBano, window.LabelTempBano->text()},
            {window.BtnCero, window.BtnCero->text()},
            {window.BtnExportarCSV, window.BtnExportarCSV->text()}};
        for (const auto &[control, shown] : controls) {
            SCOPED_TRACE(qPrintable(control->objectName()));
            // What a screen reader hears: Qt names a combo box by its value,
            // a reader by its buddy label.
            QAccessibleInterface *a = QAccessible::queryAccessibleInterface(control);
            const auto labels = a->relations(QAccessible::Label);
            const QString name = a->role() == QAccessible::ComboBox && !labels.isEmpty()
                                     ? labels.first().first->text(QAccessible::Name)
                                     : a->text(QAccessible::Name);
            EXPECT_FALSE(shown.isEmpty());
            EXPECT_TRUE(name.startsWith(shown)) << qPrintable(name);
            EXPECT_FALSE(control->accessibleDescription().isEmpty());
            if (language == std::string("es")) {
                spanish[control->objectName()] = control->accessibleName();
            } else {
                EXPECT_NE(control->accessibleName(), spanish[control->objectName()]);
            }
        }
        molvix::i18n::removeTranslation();
    }
}

} // namespace
