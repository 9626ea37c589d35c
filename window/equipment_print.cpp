#include "equipment_print.h"

#include <QPrinter>
#include <QTextDocument>
#include <QUrl>

namespace {

QString Table(const QStringList& header, const QList<QStringList>& rows) {
    QString html = QStringLiteral("<table border='1' cellspacing='0' cellpadding='3'><tr>");
    for (const QString& cell : header) html += QStringLiteral("<th>%1</th>").arg(cell.toHtmlEscaped());
    html += QStringLiteral("</tr>");
    for (const QStringList& row : rows) {
        html += QStringLiteral("<tr>");
        // Names left, numbers right, as a table of values is read.
        for (qsizetype c = 0; c < row.size(); ++c)
            html += QStringLiteral("<td align='%1'>%2</td>")
                        .arg(c == 0 ? QStringLiteral("left") : QStringLiteral("right"), row[c].toHtmlEscaped());
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

}  // namespace

bool PrintReport(QPrinter& printer, const EquipmentReport& report, const Units& units, const QImage& diagram) {
    QList<QStringList> inputs, streams, figures;
    for (const ReportInput& input : report.inputs) inputs.append(InputCells(input, units, Digits::Shown));
    for (const NamedStream& stream : report.streams) streams.append(StreamCells(stream, units, Digits::Shown));
    for (const ReportFigure& figure : report.figures) figures.append(FigureCells(figure, units, Digits::Shown));
    QString html = QStringLiteral("<h2>%1</h2><p>Units: %2. Formulation: IAPWS-IF97.</p>")
                       .arg(report.title.toHtmlEscaped(), UnitsLine(units).toHtmlEscaped());
    html += QStringLiteral("<h3>Inputs</h3>") +
            Table({QStringLiteral("Input"), QStringLiteral("Value"), QStringLiteral("Unit")}, inputs);
    html += QStringLiteral("<h3>Streams</h3>") + Table(StreamHeader(units), streams);
    html += QStringLiteral("<h3>Figures</h3>") + Table(FigureHeader(), figures);
    QTextDocument document;
    document.setDefaultFont(QFont(QStringLiteral("Liberation Sans"), 8));
    if (!diagram.isNull()) {
        document.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("diagram.png")), diagram);
        // Most of the page's width, whatever the printer's resolution: the
        // document lays its pixels out at about two thirds of a point each.
        const double width = printer.pageLayout().paintRect(QPageLayout::Point).width() * 1.2;
        html += QStringLiteral("<p><img src='diagram.png' width='%1'></p>").arg(int(width));
    }
    document.setHtml(html);
    document.print(&printer);
    return printer.printerState() != QPrinter::Error;
}
