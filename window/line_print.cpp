#include "line_print.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

#include <algorithm>

namespace {

// The phase column keeps to this share of the page: a refusal's reason is
// long, and is cut short with an ellipsis rather than squeeze the values.
constexpr double PhaseShareOfWidth = 0.28;
constexpr double PointSize = 8;
constexpr double CellPaddingEm = 0.6;
// Below this a printed digit is no longer read: wider tables are cut short.
constexpr int MostShrinks = 3;

struct Layout {
    QFont font;
    QList<double> widths;  // of the number, the phase and each value column
    double rowHeight;
};

QStringList HeaderOf(const QList<LineColumn>& columns, const Units& units) {
    QStringList header{QStringLiteral("No."), QStringLiteral("Phase")};
    for (const LineColumn& column : columns) header.append(ColumnHeader(column, units));
    return header;
}

QStringList CellsOf(const LineTable& table, qsizetype i, const QList<LineColumn>& columns, const Units& units) {
    const LineRow& row = table.rows[i];
    QStringList cells{QString::number(i + 1), RowNote(row)};
    for (const LineColumn& column : columns) cells.append(CellText(row, column, units, Digits::Shown));
    return cells;
}

// Columns as wide as their widest text; a table wider than the page is
// printed in a smaller font, so that every column of a row stays on its page.
Layout LayoutOf(QPaintDevice* device, const QList<QStringList>& texts, double pageWidth) {
    Layout layout{QFont(QStringLiteral("Liberation Sans"), PointSize), {}, 0};
    for (int attempt = 0;; ++attempt) {
        const QFontMetricsF metrics(layout.font, device);
        const double padding = CellPaddingEm * metrics.averageCharWidth() * 2;
        layout.widths.fill(0, texts.front().size());
        for (const QStringList& row : texts)
            for (qsizetype c = 0; c < row.size(); ++c)
                layout.widths[c] = std::max(layout.widths[c], metrics.horizontalAdvance(row[c]) + padding);
        layout.widths[1] = std::min(layout.widths[1], PhaseShareOfWidth * pageWidth);
        layout.rowHeight = metrics.height() * 1.3;
        double total = 0;
        for (const double w : layout.widths) total += w;
        if (total <= pageWidth || attempt == MostShrinks) break;
        layout.font.setPointSizeF(layout.font.pointSizeF() * std::max(0.6, pageWidth / total));
    }
    return layout;
}

void DrawRow(QPainter& painter, const Layout& layout, const QStringList& cells, double y, bool header) {
    const QFontMetricsF metrics(painter.font(), painter.device());
    double x = 0;
    for (qsizetype c = 0; c < cells.size(); ++c) {
        const QRectF cell(x, y, layout.widths[c], layout.rowHeight);
        const QRectF inner = cell.adjusted(metrics.averageCharWidth() * CellPaddingEm, 0,
                                           -metrics.averageCharWidth() * CellPaddingEm, 0);
        // Texts left, numbers right, as a table of values is read.
        const Qt::Alignment align = Qt::AlignVCenter | (c == 1 || header ? Qt::AlignLeft : Qt::AlignRight);
        // Only the phase column is narrower than its texts.
        const QString text = c == 1 ? metrics.elidedText(cells[c], Qt::ElideRight, inner.width()) : cells[c];
        painter.drawText(inner, align | Qt::TextDontClip, text);
        x += layout.widths[c];
    }
    if (header) painter.drawLine(QPointF(0, y + layout.rowHeight), QPointF(x, y + layout.rowHeight));
}

}  // namespace

bool PrintLineTable(QPrinter& printer, const LineTable& table, const QList<LineColumn>& columns, const Units& units) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    const double width = page.width(), height = page.height();

    QList<QStringList> texts{HeaderOf(columns, units)};
    for (qsizetype i = 0; i < table.rows.size(); ++i) texts.append(CellsOf(table, i, columns, units));
    const Layout layout = LayoutOf(&printer, texts, width);

    QFont titleFont = layout.font;
    titleFont.setPointSizeF(layout.font.pointSizeF() * 1.5);
    titleFont.setBold(true);
    const QString title = LineTitle(table.line);
    const QString unitsText =
        QStringLiteral("Units: pressure %1, temperature %2, %3. ")
            .arg(UnitText(Quantity::Pressure, units), UnitText(Quantity::Temperature, units),
                 units.system == UnitSystem::SI ? QStringLiteral("SI") : QStringLiteral("US customary"));
    const QString subtitle = unitsText + QStringLiteral("Formulations: ") + FormulationsOf(table.line) + u'.';

    // The head of a page: the title, the units and formulations, the header row.
    const double titleHeight = QFontMetricsF(titleFont, &printer).height() * 1.4;
    const double subtitleHeight = QFontMetricsF(layout.font, &printer).height() * 1.6;
    const double top = titleHeight + subtitleHeight + layout.rowHeight;
    const double bottom = height - layout.rowHeight * 1.5;  // the page number's line
    const qsizetype perPage = std::max<qsizetype>(1, qsizetype((bottom - top) / layout.rowHeight));
    const qsizetype rows = texts.size() - 1;
    const qsizetype pages = std::max<qsizetype>(1, (rows + perPage - 1) / perPage);

    for (qsizetype p = 0; p < pages; ++p) {
        if (p > 0) printer.newPage();
        painter.setFont(titleFont);
        painter.drawText(QRectF(0, 0, width, titleHeight), Qt::AlignLeft | Qt::AlignVCenter, title);
        painter.setFont(layout.font);
        painter.drawText(QRectF(0, titleHeight, width, subtitleHeight), Qt::AlignLeft | Qt::AlignTop, subtitle);
        DrawRow(painter, layout, texts.front(), titleHeight + subtitleHeight, true);
        const qsizetype first = p * perPage;
        for (qsizetype r = first; r < std::min(rows, first + perPage); ++r)
            DrawRow(painter, layout, texts[r + 1], top + (r - first) * layout.rowHeight, false);
        painter.drawText(QRectF(0, height - layout.rowHeight, width, layout.rowHeight),
                         Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Page %1 of %2").arg(p + 1).arg(pages));
    }
    return painter.end();
}
