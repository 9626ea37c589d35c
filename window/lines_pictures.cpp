// The README's pictures of the page Lines, rendered offscreen:
//   lines_pictures <plot.png> <table.pdf> [--size WxH]
// three isobars (1, 5 and 20 MPa, 20 to 600 °C) kept on the h–s plot, the
// window grabbed with the plot in view; the last isobar's table saved as PDF.
// The window starts as on a first start: its own empty settings and table.
#include "line_plot.h"
#include "lines_page.h"
#include "message_box.h"
#include "picture_start.h"
#include "u_H2O_ORV.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <plot.png> <table.pdf> [--size WxH]\n", argv[0]);
        return 2;
    }
    const PictureApplication app(argc, argv);
    QSize size;
    if (argc == 5 && QByteArray(argv[3]) == "--size") {
        const QList<QByteArray> wh = QByteArray(argv[4]).split('x');
        if (wh.size() == 2) size = QSize(wh[0].toInt(), wh[1].toInt());
    }
    SetMessageCapture([](const ShownMessage& message) { std::fprintf(stderr, "%s\n", qPrintable(message.text)); });

    TForm1 form;
    form.show();
    QApplication::processEvents();
    form.resize(size.isValid() ? size : form.designedSize());
    form.showLines();
    LinesPage* page = form.linesPage();
    page->kindBox()->setCurrentIndex(int(LineKind::Isobar));
    page->fromEdit()->setText(QStringLiteral("20"));
    page->toEdit()->setText(QStringLiteral("600"));
    page->stepEdit()->setText(QStringLiteral("20"));
    page->plot()->setAxes(Quantity::Entropy, Quantity::Enthalpy);
    for (const char* p : {"1", "5", "20"}) {
        page->fixedEdit()->setText(QString::fromLatin1(p));
        page->makeTable();
        page->waitForTable();
        if (page->table().rows.isEmpty()) return 1;
        if (QByteArray(p) != "20") page->plot()->keepCurrent();
    }
    page->views()->setCurrentIndex(1);
    QApplication::processEvents();
    if (!form.grab().save(QString::fromLocal8Bit(argv[1]), "PNG") || !page->savePdf(QString::fromLocal8Bit(argv[2]))) {
        std::fprintf(stderr, "cannot write the pictures\n");
        return 1;
    }
    return 0;
}
