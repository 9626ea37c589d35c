// The README's pictures of the page Chart, rendered offscreen:
//   chart_pictures <folder> [--dark] [--size WxH]
// three states calculated by clicks on the p–T chart (a Rankine cycle's
// feed water, live steam and exhaust), then the page grabbed with the chart
// of each kind: <folder>/chart_<kind>.png (chart_<kind>_dark.png in a dark
// palette); in the light palette also the whole window with the h–s chart,
// <folder>/chart_window.png, the h–s chart zoomed four times about the
// critical point, <folder>/chart_hs_zoom.png, and a printed A3 page as
// <folder>/chart_print.pdf. The window starts as on a first start.
#include "chart_page.h"
#include "chart_print.h"
#include "message_box.h"
#include "picture_start.h"
#include "u_H2O_ORV.h"

#include <QApplication>
#include <QPageLayout>
#include <QPdfWriter>
#include <QTabWidget>

#include <cstdio>

namespace {

QPalette DarkPalette() {
    QPalette dark(QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::Base, QColor(0x26, 0x26, 0x26));
    dark.setColor(QPalette::Text, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::ButtonText, QColor(0xee, 0xee, 0xee));
    return dark;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <folder> [--dark] [--size WxH]\n", argv[0]);
        return 2;
    }
    const PictureApplication app(argc, argv);
    const QString folder = QString::fromLocal8Bit(argv[1]);
    bool dark = false;
    QSize size(1366, 740);
    for (int i = 2; i < argc; ++i) {
        if (QByteArray(argv[i]) == "--dark") dark = true;
        if (QByteArray(argv[i]) == "--size" && i + 1 < argc) {
            const QList<QByteArray> wh = QByteArray(argv[++i]).split('x');
            if (wh.size() == 2) size = QSize(wh[0].toInt(), wh[1].toInt());
        }
    }
    if (dark) QApplication::setPalette(DarkPalette());
    SetMessageCapture([](const ShownMessage& message) { std::fprintf(stderr, "%s\n", qPrintable(message.text)); });

    TForm1 form;
    form.show();
    QApplication::processEvents();
    form.resize(size);
    ChartPage* page = form.chartPage();
    qobject_cast<QTabWidget*>(page->parentWidget()->parentWidget())->setCurrentWidget(page);
    form.setChartKind(ChartKind::PressureTemperature);
    for (const auto& [t, p] : {std::pair{45.0, 16.0}, std::pair{540.0, 16.0}, std::pair{45.8, 0.0099}})
        form.calculateChartPoint(t, p);
    for (const ChartKindRow& kind : ChartKinds()) {
        form.setChartKind(kind.kind);
        page->chartView()->isolinesTask().finish();
        QApplication::processEvents();
        const QString name = QStringLiteral("%1/chart_%2%3.png").arg(folder, QLatin1String(kind.key),
                                                                     dark ? QStringLiteral("_dark") : QString());
        if (!page->grab().save(name, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(name));
            return 1;
        }
    }
    if (!dark) {
        form.setChartKind(ChartKind::EnthalpyEntropy);
        page->chartView()->isolinesTask().finish();
        QApplication::processEvents();
        if (!form.grab().save(folder + QStringLiteral("/chart_window.png"), "PNG")) return 1;
        // Four times closer about the critical point: the lines refined for the view.
        ChartView* view = page->chartView();
        view->zoomAbout(view->frame().pixel(CriticalChartPoint()), 4);
        view->isolinesTask().finish();
        QApplication::processEvents();
        if (!page->grab().save(folder + QStringLiteral("/chart_hs_zoom.png"), "PNG")) return 1;
        view->resetView();
        view->isolinesTask().finish();
        QPdfWriter pdf(folder + QStringLiteral("/chart_print.pdf"));
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A3), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10)));
        if (!PrintChart(pdf, page->chartView()->shownScene(), page->chartView()->isolineIds())) return 1;
    }
    return 0;
}
