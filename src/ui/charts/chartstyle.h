#pragma once

#include <QColor>
#include <QFont>
#include <QLocale>
#include <QString>
#include <Qt>

class QChart;
class QChartView;
class QLineSeries;
class QValueAxis;

// The look the instruments' charts share, and the numbers they show.
namespace molvix::ui {

inline const QColor kCurveColour(192, 0, 0);
inline const QColor kMarkColour(128, 128, 128);

// The charts' axis font: the windows' face, plain and smaller.
QFont smallChartFont();

// A chart with no legend, square corners, thin margins and a navy title in
// the windows' font; its numbers in the shown locale.
QChart *plainChart(const QString &title);

// A line of the given colour and style, 1.5 wide, named for the legend,
// added to the chart.
QLineSeries *styledLine(QChart *chart, const QColor &colour, const QString &name,
                        Qt::PenStyle style);

// A value axis in the small font with five ticks and up to four digits.
QValueAxis *makeAxis(const QString &title);

// x rounded up to a half of its leading decade (35 -> 35, 36 -> 40, 123 ->
// 150): an axis end that moves only now and then as samples come and go.
// 1 for anything not positive and finite.
double axisCeil(double x);

// The axis label format ("%.Nf") that writes every multiple of step in
// full: never an exponent ("2.5e+04"), as few decimals as the step needs.
QString fixedLabelFormat(double step);

// A chart's items move on every redraw: the scene's spatial index would be
// rebuilt each time for nothing (nobody looks items up by place here).
void quickScene(QChartView *view);

// The locale numbers are shown in: the system's decimal sign (or the
// default set by QLocale::setDefault), with no group separator, since
// the point that groups thousands in Spanish is another locale's decimal
// sign and figures such as 18000 read the same without it.
QLocale shownLocale();

// A number as shown in the windows: QLocale::toString's format and
// precision in shownLocale(); one that rounds to zero has no sign.
QString shownNumber(double x, char format = 'g', int precision = 4);

} // namespace molvix::ui
