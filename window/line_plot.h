// A plot of any quantity of a line against any other, with Qt Charts: the line
// just made, and the lines kept before it (keep a line, make the next: three
// isobars on one picture); the saturation dome whenever both axes are among t,
// p, h, s and v; a logarithmic axis for p and v on request; a point's values
// near the pointer; saved as PNG of a chosen size and resolution, PDF or SVG.
#pragma once

#include "line_table.h"

#include <QWidget>

class QChart;
class QChartView;
class QCheckBox;
class QComboBox;
class QLineSeries;
class QAbstractAxis;
class QPushButton;

class LinePlot : public QWidget {
    Q_OBJECT

public:
    explicit LinePlot(QWidget* parent = nullptr);

    // The quantities the axes offer, in the order of the calculator's rows.
    static QList<Quantity> AxisQuantities();

    void setCurrent(const LineTable& table);
    // The current line stays drawn when the next is made; false for none.
    bool keepCurrent();
    void clearKept();
    void setUnits(const Units& units);
    void setAxes(Quantity x, Quantity y);
    void setLogarithmic(bool x, bool y);

    Quantity xQuantity() const;
    Quantity yQuantity() const;
    bool xLogarithmic() const;
    bool yLogarithmic() const;
    qsizetype keptCount() const { return kept.size(); }

    // PNG of `pixels` (the size on the screen when empty) at `dotsPerInch`;
    // PDF or SVG, as on the screen, for a name ending in .pdf or .svg; false
    // with the reason.
    bool save(const QString& path, QString* error, QSize pixels = {}, int dotsPerInch = 96);
    // What the pointer at `at` (in the chart view) shows: the nearest row's
    // line, p, t and plotted values; "" where no row is near.
    QString toolTipAt(const QPoint& at) const;
    QChartView* chartView() const { return view; }

    QChart* chart() const;
    // The drawn series, the dome's first: for the tests.
    QList<QLineSeries*> series() const;

    // A row drawn, and where.
    struct Plotted {
        QPointF at;
        const LineRow* row;
        Phase phase;
    };

signals:
    void settingsChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void redraw();
    void fitAxes();
    void addLine(const LineTable& table, const QColor& colour);
    QLineSeries* addSeries(const QList<Plotted>& points, const QString& name, const QColor& colour);
    QAbstractAxis* newAxis(Quantity q, bool logarithmic) const;

    QComboBox* xAxis;
    QComboBox* yAxis;
    QCheckBox* xLog;
    QCheckBox* yLog;
    QPushButton* keepButton;
    QPushButton* clearButton;
    QChartView* view;
    std::optional<LineTable> current;
    QList<LineTable> kept;
    Units units;
    // The rows of the lines drawn (not the dome's), for the pointer's tooltip.
    struct PlottedPoint {
        QLineSeries* series;
        Plotted point;
    };
    QList<PlottedPoint> plotted;
};
