// The temperature–entropy diagram of the state panel, drawn with Qt Charts: the
// saturation dome with its critical point, and after a good run the isobar and
// the point of the state.
#pragma once

#include <QChartView>

struct DiagramRange;
struct StateDiagram;
class QLineSeries;
class QScatterSeries;
class QValueAxis;

class TsChart : public QChartView {
    Q_OBJECT

public:
    explicit TsChart(QWidget* parent = nullptr);

    // Draws the state over the dome, replacing the one drawn before.
    void showState(const StateDiagram& diagram);
    // A stale state (its inputs changed since) is drawn hollow.
    void setStateStale(bool stale);

    QLineSeries* waterCurve() const { return water; }
    QLineSeries* steamCurve() const { return steam; }
    QScatterSeries* criticalPoint() const { return critical; }
    QLineSeries* isobarCurve() const { return isobar; }
    QScatterSeries* statePoint() const { return state; }

protected:
    // The dome is computed when the chart is first shown, not at start-up of
    // the window.
    void showEvent(QShowEvent* event) override;
    // Text, grid and curves follow the palette, light or dark.
    void changeEvent(QEvent* event) override;

private:
    void showDomeOnce();
    void setRange(const DiagramRange& range);
    void applyPalette();

    QLineSeries* water;
    QLineSeries* steam;
    QScatterSeries* critical;
    QLineSeries* isobar;
    QScatterSeries* state;
    QValueAxis* entropyAxis;
    QValueAxis* temperatureAxis;
};
