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
    // A click gives it the keyboard too: its keys (save, copy, print) then
    // act on the chart the user pointed at.
    setFocusPolicy(Qt::StrongFocus);
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
