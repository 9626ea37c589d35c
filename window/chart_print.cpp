#include "chart_print.h"

#include <QImage>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

namespace {

// The page's drawing in logical units of a fixed size on paper, whatever the
// printer's resolution: text and lines keep their size on every page, and
// a larger sheet gets more room (an A4 landscape page is 1600 units wide).
constexpr double UnitsPerMillimetre = 1600 / 277.0;
const QSize ExportSize(1400, 960);

ChartLook PaperLook(const ChartScene& scene) {
    ChartLook look;
    look.colours = ChartColoursFor(false);
    look.fontPixels = 13;
    look.title = QString::fromUtf8(KindRow(scene.kind).title);
    look.footer = QStringLiteral("IAPWS Industrial Formulation 1997 (IAPWS-IF97) · p in %1, t in %2, other quantities in %3")
                      .arg(UnitText(Quantity::Pressure, scene.units), UnitText(Quantity::Temperature, scene.units),
                           scene.units.system == UnitSystem::SI ? QStringLiteral("SI units")
                                                                : QStringLiteral("US customary units"));
    return look;
}

bool PaintPage(QPagedPaintDevice& device, const ChartScene& scene, const ChartLook& look) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    const QRect page = painter.viewport();
    const double width = device.pageLayout().paintRect(QPageLayout::Millimeter).width() * UnitsPerMillimetre;
    const double height = width * page.height() / page.width();
    painter.setWindow(QRect(0, 0, int(width), int(height)));
    PaintChart(painter, scene, QRectF(0, 0, width, height), look);
    return painter.end();
}

}  // namespace

bool ExportChart(const ChartScene& scene, const QString& path, QString* error) {
    const ChartLook look = PaperLook(scene);
    bool written = false;
    if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
        QSvgGenerator svg;
        svg.setFileName(path);
        svg.setSize(ExportSize);
        svg.setViewBox(QRect(QPoint(), ExportSize));
        svg.setTitle(look.title);
        QPainter painter;
        if (painter.begin(&svg)) {
            PaintChart(painter, scene, QRectF(QPoint(), ExportSize), look);
            written = painter.end();
        }
    } else if (path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) {
        QPdfWriter pdf(path);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10)));
        pdf.setTitle(look.title);
        written = PaintPage(pdf, scene, look);
    } else {
        QImage image(ExportSize, QImage::Format_RGB32);
        QPainter painter(&image);
        PaintChart(painter, scene, QRectF(image.rect()), look);
        painter.end();
        written = image.save(path, "PNG");
    }
    if (!written) *error = QStringLiteral("cannot write ") + path;
    return written;
}

bool PrintChart(QPagedPaintDevice& device, const ChartScene& scene, const std::vector<IsolineId>& ids) {
    ChartScene fine = scene;
    fine.lines = ComputeChartLines(FinerIsolines(ids), KindRow(scene.kind), scene.range);
    return PaintPage(device, fine, PaperLook(scene));
}
