// The diagram of the state panel, drawn with Qt Charts: temperature–entropy or
// enthalpy–entropy (Mollier), in the user's units. It shows the saturation
// dome with its critical point, after a good run the isobar and the point of
// the state, and the numbered states of the table, the selected ones marked
// and joined in their order as a process (1 → 2s → 2 of an expansion).
#pragma once

#include "diagram_curves.h"
#include "units.h"

#include <QChartView>
#include <QFont>
#include <QHash>

#include <optional>

class QGraphicsSimpleTextItem;
class QLineSeries;
class QScatterSeries;
class QValueAxis;

class DiagramChart : public QChartView {
    Q_OBJECT

public:
    enum class Kind { TemperatureEntropy, EnthalpyEntropy };

    explicit DiagramChart(QWidget* parent = nullptr);

    // Draws the state over the dome, replacing the one drawn before.
    void showState(const StateDiagram& diagram);
    // A stale state (its inputs changed since) is drawn hollow.
    void setStateStale(bool stale);
    // The states of the table by their numbers; `selected` are indexes into
    // them, in the order the process line joins them.
    struct NumberedPoint {
        qint64 number;
        DiagramPoint point;
    };
    void showTableStates(const QList<NumberedPoint>& states, const QList<qsizetype>& selected);

    void setKind(Kind kind);
    Kind kind() const { return shownKind; }
    void setUnits(const Units& units);

    // Writes the diagram as a PNG or, for a name ending in .svg, as SVG, in
    // black on white with the light palette's curves whatever the palette on
    // screen; false with the reason where it cannot.
    bool save(const QString& path, QString* error);

    QLineSeries* waterCurve() const { return water; }
    QLineSeries* steamCurve() const { return steam; }
    QScatterSeries* criticalPoint() const { return critical; }
    QLineSeries* isobarCurve() const { return isobar; }
    QScatterSeries* statePoint() const { return state; }
    QScatterSeries* tablePoints() const { return states; }
    QScatterSeries* selectedTablePoints() const { return selectedStates; }
    QLineSeries* processCurve() const { return process; }
    // The texts of the table's numbers as placed, one per place.
    QStringList numberTexts() const;
    QValueAxis* horizontalAxis() const { return entropyAxis; }
    QValueAxis* verticalAxis() const { return ordinateAxis; }

protected:
    // The dome is computed when the chart is first shown, not at start-up of
    // the window.
    void showEvent(QShowEvent* event) override;
    // Text, grid and curves follow the palette, light or dark.
    void changeEvent(QEvent* event) override;

private:
    void showDomeOnce();
    // Every series and axis anew from the data, in the shown kind and units.
    void redraw();
    void placeNumbers();
    QPointF shown(const DiagramPoint& point) const;
    QList<QPointF> shown(const DiagramCurve& curve) const;
    // Text, grid, background and curves in the palette's colours.
    void applyPalette(const QPalette& colours);
    bool write(const QString& path);

    QLineSeries* water;
    QLineSeries* steam;
    QScatterSeries* critical;
    QLineSeries* isobar;
    QScatterSeries* state;
    QScatterSeries* states;
    QScatterSeries* selectedStates;
    QLineSeries* process;
    QValueAxis* entropyAxis;
    QValueAxis* ordinateAxis;
    QList<QGraphicsSimpleTextItem*> numbers;
    // The sizes of the labels' texts in `labelFont`, measured once each: the
    // labels are placed again at every run.
    QHash<QString, QSizeF> labelSizes;
    QFont labelFont;

    Kind shownKind = Kind::TemperatureEntropy;
    Units units;
    std::optional<StateDiagram> lastState;
    QList<NumberedPoint> tableStates;
    QList<qsizetype> selected;
};
