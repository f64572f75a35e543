#include "chartstyle.h"

#include "controls.h"

#include <QChart>
#include <QChartView>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QLineSeries>
#include <QPen>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace molvix::ui {

QFont smallChartFont()
{
    QFont font = formFont();
    font.setBold(false);
    font.setPixelSize(10);
    return font;
}

QChart *plainChart(const QString &title)
{
    auto *chart = new QChart;
    chart->legend()->hide();
    chart->setTitle(title);
    chart->setTitleFont(formFont());
    chart->setTitleBrush(kNavyColour);
    chart->setBackgroundRoundness(0);
    chart->setMargins(QMargins(2, 2, 2, 2));
    // The white background fills the whole view: the room a window gives
    // its charts goes to the plot, and a saved or printed chart has no
    // border of the window's colour.
    chart->layout()->setContentsMargins(0, 0, 0, 0);
    chart->setLocale(shownLocale());
    chart->setLocalizeNumbers(true);
    return chart;
}

QLineSeries *styledLine(QChart *chart, const QColor &colour, const QString &name,
                        Qt::PenStyle style)
{
    auto *s = new QLineSeries;
    s->setName(name);
    QPen pen(colour);
    pen.setWidthF(1.5);
    pen.setStyle(style);
    s->setPen(pen);
    chart->addSeries(s);
    return s;
}

QValueAxis *makeAxis(const QString &title)
{
    auto *axis = new QValueAxis;
    axis->setLabelsFont(smallChartFont());
    axis->setTitleFont(smallChartFont());
    axis->setTitleText(title);
    axis->setLabelFormat(QStringLiteral("%.4g"));
    axis->setTickCount(5);
    return axis;
}

double axisCeil(double x)
{
    if (!(x > 0) || !std::isfinite(x)) {
        return 1;
    }
    const double step = std::pow(10.0, std::floor(std::log10(x))) / 2.0;
    // Less a hair: times come from float steps (200 x 0.1f is not quite 20),
    // and x / step lies between 2 and 20.
    return std::ceil(x / step - 1e-6) * step;
}

QString fixedLabelFormat(double step)
{
    int decimals = 0;
    if (step > 0 && std::isfinite(step)) {
        while (decimals < 6 && std::abs(std::round(step * std::pow(10.0, decimals)) -
                                        step * std::pow(10.0, decimals)) >
                                   1e-6 * step * std::pow(10.0, decimals)) {
            ++decimals;
        }
    }
    return QStringLiteral("%.%1f").arg(decimals);
}

void quickScene(QChartView *view)
{
    view->scene()->setItemIndexMethod(QGraphicsScene::NoIndex);
}

QLocale shownLocale()
{
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale;
}

QString shownNumber(double x, char format, int precision)
{
    const QLocale locale = shownLocale();
    QString text = locale.toString(x, format, precision);
    // A small negative number rounded to nothing is 0, not "-0,00": a class
    // reads the sign as a result.
    if (x < 0 && std::none_of(text.begin(), text.end(), [](QChar c) {
            return c.isDigit() && c != QLatin1Char('0');
        })) {
        text = locale.toString(0.0, format, precision);
    }
    return text;
}

} // namespace molvix::ui
