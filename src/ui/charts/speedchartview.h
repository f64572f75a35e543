#pragma once

#include "focuschartview.h"

class QAreaSeries;
class QLineSeries;
class QValueAxis;
struct DensityHistogram;

// The distribution of speeds: the sampled density as bars, and the
// Maxwell–Boltzmann density of the same mean energy as a red curve.
class SpeedChartView : public FocusChartView
{
    Q_OBJECT

public:
    explicit SpeedChartView(QWidget *parent = nullptr);

    // Bars of h (its bins from speed 0 up, the last ending at upper) and
    // the curve for s2 = <v^2> / 3, on axes that hold both.
    void setDistribution(const DensityHistogram &h, double upper, double s2);
    // Nothing to draw: empty series on unit axes.
    void clear();

    QAreaSeries *histogram() const { return m_histogram; }
    QLineSeries *curve() const { return m_curve; }

private:
    QLineSeries *m_outline;
    QAreaSeries *m_histogram;
    QLineSeries *m_curve;
    QValueAxis *m_speedAxis;
    QValueAxis *m_densityAxis;
};
