#include "line_print.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <cmath>

namespace {

// The phase column keeps to this share of the page: a refusal's reason is
// long, and wraps onto more lines rather than squeeze the values.
constexpr double PhaseShareOfWidth = 0.28;
constexpr double PointSize = 8;
constexpr double CellPaddingEm = 0.6;
// Below this a printed digit is no longer read: wider tables are cut short.
constexpr int MostShrinks = 3;
// Progress is told this often: often enough for a bar, seldom enough to cost nothing.
constexpr qsizetype RowsBetweenProgress = 64;

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

// The height of a row: the phase column wraps a long text onto more lines
// rather than cut it.
double HeightOf(const QFontMetricsF& metrics, const Layout& layout, const QStringList& cells) {
    const double inner = layout.widths[1] - 2 * metrics.averageCharWidth() * CellPaddingEm;
    if (metrics.horizontalAdvance(cells[1]) <= inner) return layout.rowHeight;
    const double lines = metrics.boundingRect(QRectF(0, 0, inner, 1e6), Qt::TextWordWrap, cells[1]).height() /
                         metrics.lineSpacing();
    return layout.rowHeight + (std::max(1.0, std::round(lines)) - 1) * metrics.lineSpacing();
}

void DrawRow(QPainter& painter, const Layout& layout, const QStringList& cells, double y, double height, bool header) {
    const QFontMetricsF metrics(painter.font(), painter.device());
    const double padding = (layout.rowHeight - metrics.height()) / 2;
    double x = 0;
    for (qsizetype c = 0; c < cells.size(); ++c) {
        const QRectF cell(x, y, layout.widths[c], height);
        const QRectF inner = cell.adjusted(metrics.averageCharWidth() * CellPaddingEm, padding,
                                           -metrics.averageCharWidth() * CellPaddingEm, -padding);
        // Texts left, numbers right, as a table of values is read; the phase wraps.
        const int flags = c == 1   ? Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap
                          : header ? Qt::AlignLeft | Qt::AlignTop
                                   : Qt::AlignRight | Qt::AlignTop;
        painter.drawText(inner, flags | Qt::TextDontClip, cells[c]);
        x += layout.widths[c];
    }
    if (header) painter.drawLine(QPointF(0, y + height), QPointF(x, y + height));
}

}  // namespace

bool PrintLineTable(QPrinter& printer, const LineTable& table, const QList<LineColumn>& columns, const Units& units,
                    const std::function<void(qsizetype, qsizetype)>& progress) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    const double width = page.width(), height = page.height();
    // The work in rows: each written, then each drawn.
    const qsizetype rows = table.rows.size(), work = 2 * rows;
    const auto tell = [&](qsizetype done) {
        if (progress && done % RowsBetweenProgress == 0) progress(done, work);
    };

    QList<QStringList> texts{HeaderOf(columns, units)};
    for (qsizetype i = 0; i < rows; ++i) {
        texts.append(CellsOf(table, i, columns, units));
        tell(i);
    }
    const Layout layout = LayoutOf(&printer, texts, width);
    const QFontMetricsF metrics(layout.font, &printer);

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
    const double subtitleHeight = metrics.height() * 1.6;
    const double headerHeight = HeightOf(metrics, layout, texts.front());
    const double top = titleHeight + subtitleHeight + headerHeight;
    const double bottom = height - layout.rowHeight * 1.5;  // the page number's line
    // The first row of each page, and the end.
    QList<double> heights;
    QList<qsizetype> firsts{0};
    double y = top;
    for (qsizetype r = 0; r < rows; ++r) {
        heights.append(HeightOf(metrics, layout, texts[r + 1]));
        if (y + heights.back() > bottom && r > firsts.back()) {
            firsts.append(r);
            y = top;
        }
        y += heights.back();
    }
    firsts.append(rows);
    const qsizetype pages = std::max<qsizetype>(1, firsts.size() - 1);

    for (qsizetype p = 0; p < pages; ++p) {
        if (p > 0) printer.newPage();
        painter.setFont(titleFont);
        painter.drawText(QRectF(0, 0, width, titleHeight), Qt::AlignLeft | Qt::AlignVCenter, title);
        painter.setFont(layout.font);
        painter.drawText(QRectF(0, titleHeight, width, subtitleHeight), Qt::AlignLeft | Qt::AlignTop, subtitle);
        DrawRow(painter, layout, texts.front(), titleHeight + subtitleHeight, headerHeight, true);
        double at = top;
        for (qsizetype r = firsts[p]; r < firsts[std::min(p + 1, firsts.size() - 1)]; ++r) {
            DrawRow(painter, layout, texts[r + 1], at, heights[r], false);
            at += heights[r];
            tell(rows + r);
        }
        painter.drawText(QRectF(0, height - layout.rowHeight, width, layout.rowHeight),
                         Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Page %1 of %2").arg(p + 1).arg(pages));
    }
    if (progress) progress(work, work);
    return painter.end();
}
