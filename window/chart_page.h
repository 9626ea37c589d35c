// The page Chart: the diagram of the kind chosen under View → Diagram with
// its isolines (the user's choice per kind, kept in the settings), the
// buttons Isolines…, Reset view and Export…, and a status bar with the pair
// under the cursor and a busy bar while the isolines of a new view are
// computed.
#pragma once

#include "chart_view.h"

#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;
class QStatusBar;

class ChartPage : public QWidget {
    Q_OBJECT

public:
    explicit ChartPage(QWidget* parent = nullptr);

    void setKind(ChartKind kind);
    ChartKind kind() const { return view->kind(); }
    ChartView* chartView() const { return view; }
    QStatusBar* statusBar() const { return status; }
    void setUnits(const Units& units);

    void chooseIsolines();
    void setIsolines(const std::vector<IsolineId>& ids);  // and keeps them in the settings
    void exportByDialog();
    void printByDialog();

private:
    ChartView* const view;
    QStatusBar* const status;
    QLabel* const cursorText;
    QProgressBar* const busy;
    Units units;
};
