#pragma once

#include "focuschartview.h"
#include "pvfit.h"

#include <vector>

class QLineSeries;
class QScatterSeries;
class QValueAxis;

// The P–V diagram of a process: "Presión" against the volume in units of
// the whole box (100 x 100 x wall over 100 x 100 x 100, so the wall
// position over 100), the path in the order of the readings with arrowheads
// along it, its first and latest readings marked, and the isotherm and the
// adiabat (P V^(5/3) constant) through the first reading.
class PvChartView : public FocusChartView
{
    Q_OBJECT

public:
    // Path points drawn at most (and the first): beyond, every k-th reading
    // counted back from the latest, which is always drawn.
    static constexpr int kMaxPathPoints = 400;
    static constexpr int kCurvePoints = 80; // along each reference curve
    static constexpr int kArrows = 3;       // arrowheads along the path

    explicit PvChartView(QWidget *parent = nullptr);

    // The readings since the reset, in their order (volumes in box
    // lengths^3, as pvfit.h has them).
    void setPath(const std::vector<PvPoint> &path);

    // An arrowhead on the path: where it sits and a point further along its
    // segment, which gives its direction (both in chart coordinates).
    struct Arrow
    {
        QPointF at;
        QPointF toward;
    };
    const std::vector<Arrow> &arrows() const { return m_arrows; }

    QLineSeries *pathSeries() const { return m_path; }
    QScatterSeries *firstSeries() const { return m_first; }
    QScatterSeries *latestSeries() const { return m_latest; }
    QLineSeries *isothermSeries() const { return m_isotherm; }
    QLineSeries *adiabatSeries() const { return m_adiabat; }
    QValueAxis *volumeAxis() const { return m_volumeAxis; }
    QValueAxis *pressureAxis() const { return m_pressureAxis; }

protected:
    void drawForeground(QPainter *painter, const QRectF &rect) override;

private:
    void placeArrows(const QList<QPointF> &points);

    QLineSeries *m_path;
    QScatterSeries *m_first;
    QScatterSeries *m_latest;
    QLineSeries *m_isotherm;
    QLineSeries *m_adiabat;
    QValueAxis *m_volumeAxis;
    QValueAxis *m_pressureAxis;
    std::vector<Arrow> m_arrows;
};
