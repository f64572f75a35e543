// The height profile and Z against the packing, drawn from rows and points
// made here: each species' rows in its own series, what was not measured
// left out, every point inside the axes, and the packing found from Z.
#include "atmospherecharts.h"

#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

QValueAxis *axis(QChartView &view, Qt::Orientation o, int k = 0)
{
    return static_cast<QValueAxis *>(view.chart()->axes(o).at(k));
}

TEST(AtmosphereCharts, PackingForZInvertsCarnahanStarling)
{
    for (const double eta : {0.0, 0.007, 0.1, 0.29, 0.35, 0.5}) {
        EXPECT_NEAR(packingForZ(carnahanStarling(eta)), eta, 1e-9) << eta;
    }
    EXPECT_EQ(packingForZ(1.0), 0.0) << "the ideal gas";
    EXPECT_EQ(packingForZ(0.97), 0.0) << "a measured Z a little below the ideal gas";
    EXPECT_TRUE(std::isnan(packingForZ(kNaN)));
}

TEST(AtmosphereCharts, EachSpeciesRowsInItsSeriesEveryPointInsideTheAxes)
{
    ProfileChartView view({Qt::yellow, Qt::magenta, Qt::red});
    // B and the heavy particle only, in three layers of a box 60 high; no
    // B in the top layer (no temperature there).
    const std::vector<HeightProfile::Row> rows{
        {10, kSpeciesB, 3e-4, 2.9e-4, 2.0}, {30, kSpeciesB, 1e-4, 1.1e-4, 2.1},
        {50, kSpeciesB, 0, 0.4e-4, kNaN},   {10, kHeavy, 9e-6, 8e-6, 7.5},
        {30, kHeavy, 0, 1e-6, kNaN},        {50, kHeavy, 0, 1e-7, kNaN}};
    view.setRows(rows);
    EXPECT_TRUE(view.measured(kSpeciesA)->points().isEmpty());
    EXPECT_TRUE(view.theory(kSpeciesA)->points().isEmpty());
    for (const int sp : {kSpeciesB, kHeavy}) {
        ASSERT_EQ(view.measured(sp)->count(), 3);
        EXPECT_EQ(view.theory(sp)->at(1), QPointF(30, sp == kSpeciesB ? 1.1e-4 : 1e-6));
    }
    EXPECT_EQ(view.measured(kSpeciesB)->at(0), QPointF(10, 3e-4));
    EXPECT_EQ(view.temperature(kSpeciesB)->count(), 2) << "no temperature where none was";
    EXPECT_EQ(view.temperature(kHeavy)->points(), QList<QPointF>{QPointF(10, 7.5)});
    EXPECT_EQ(axis(view, Qt::Horizontal)->max(), 60.0) << "the layers' top";
    EXPECT_GE(axis(view, Qt::Vertical, 0)->max(), 3e-4);
    EXPECT_GE(axis(view, Qt::Vertical, 1)->max(), 7.5);
    view.setRows({});
    EXPECT_EQ(view.measured(kSpeciesB)->count(), 0);
    EXPECT_EQ(view.temperature(kHeavy)->count(), 0);
}

TEST(AtmosphereCharts, ZPointsLeaveOutWhatWasNotMeasuredAndStayInView)
{
    ZChartView view;
    EXPECT_NEAR(view.theory()->points().back().y(), carnahanStarling(ZChartView::kPackingMax),
                1e-12);
    view.setPoints({{0.1, 1.5, kNaN}, {kNaN, 2, 2}, {0.2, 2.0, 2.1}, {0.3, 9.0, 9.1}});
    EXPECT_EQ(view.walls()->points(),
              (QList<QPointF>{QPointF(0.1, 1.5), QPointF(0.2, 2.0), QPointF(0.3, 9.0)}));
    EXPECT_EQ(view.virial()->points(), (QList<QPointF>{QPointF(0.2, 2.1), QPointF(0.3, 9.1)}));
    EXPECT_GE(axis(view, Qt::Vertical)->max(), 9.1);
    view.setPoints({});
    EXPECT_EQ(view.walls()->count(), 0);
    EXPECT_GE(axis(view, Qt::Vertical)->max(), carnahanStarling(ZChartView::kPackingMax))
        << "the curve stays whole";
}

} // namespace
