#include "focuschartview.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace {

QAccessibleInterface *accessibleChart(const QString &key, QObject *object)
{
    if (key == QLatin1String("FocusChartView")) {
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Chart);
    }
    return nullptr;
}

} // namespace

FocusChartView::FocusChartView(QChart *chart, QWidget *parent) : QChartView(chart, parent)
{
    static const bool accessibilityInstalled = [] {
        QAccessible::installFactory(accessibleChart);
        return true;
    }();
    (void)accessibilityInstalled;
    // Tab only: a click on a chart is no reason to take the keyboard away
    // (unless the chart has keys of its own; see ChartExport).
    setFocusPolicy(Qt::TabFocus);
}

void FocusChartView::paintEvent(QPaintEvent *event)
{
    QChartView::paintEvent(event);
    if (!hasFocus()) {
        return;
    }
    QStylePainter painter(viewport());
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = viewport()->rect().adjusted(1, 1, -1, -1);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

void FocusChartView::focusInEvent(QFocusEvent *event)
{
    QChartView::focusInEvent(event);
    viewport()->update();
}

void FocusChartView::focusOutEvent(QFocusEvent *event)
{
    QChartView::focusOutEvent(event);
    viewport()->update();
}
