#pragma once

#include "focuschartview.h"
#include "heightprofile.h"

#include <QColor>

#include <array>
#include <vector>

class QLineSeries;
class QScatterSeries;
class QValueAxis;

// The packing fraction at which Carnahan-Starling's Z is z, found by
// bisection on 0..0.6 (Z grows with the packing there); 0 for z at or
// below 1, NaN for z not finite.
double packingForZ(double z);

// The gas in layers along the height, as the core measured it: each
// species' density as points against the barometric law's line, and each
// species' temperature on the second axis (a flat line: the lesson).
class ProfileChartView : public FocusChartView
{
    Q_OBJECT

public:
    // The species' colours, A, B and the heavy particle's, in that order.
    explicit ProfileChartView(const std::array<QColor, 3> &colours, QWidget *parent = nullptr);

    // The rows of MixtureRecorder::profileRows, drawn as they are.
    void setRows(const std::vector<HeightProfile::Row> &rows);

    QScatterSeries *measured(int species) const { return m_measured[size_t(species)]; }
    QLineSeries *theory(int species) const { return m_theory[size_t(species)]; }
    QLineSeries *temperature(int species) const { return m_temperature[size_t(species)]; }

private:
    std::array<QScatterSeries *, 3> m_measured;
    std::array<QLineSeries *, 3> m_theory;
    std::array<QLineSeries *, 3> m_temperature;
    QValueAxis *m_height, *m_density, *m_kelvin;
};

// Z = P V / (N k T) against the packing: Carnahan-Starling's curve, the
// ideal gas's Z = 1, and measured points (from the walls, from the virial)
// at the packings the core took them.
class ZChartView : public FocusChartView
{
    Q_OBJECT

public:
    static constexpr double kPackingMax = 0.35;

    struct Point
    {
        double packing = 0;
        double walls = 0, virial = 0; // NaN: not measured
    };

    explicit ZChartView(QWidget *parent = nullptr);

    // The points drawn, earlier settings' first and the present gas's last.
    void setPoints(const std::vector<Point> &points);

    QLineSeries *theory() const { return m_theory; }
    QLineSeries *ideal() const { return m_ideal; }
    QScatterSeries *walls() const { return m_walls; }
    QScatterSeries *virial() const { return m_virial; }

private:
    QLineSeries *m_theory, *m_ideal;
    QScatterSeries *m_walls, *m_virial;
    QValueAxis *m_z;
};
