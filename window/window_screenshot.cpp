// Renders the calculator window offscreen and saves it as a PNG:
//   window_screenshot <file.png> [option ...] [input mode [value ...]] [-- input mode [value ...]] ...
// The input mode is the item of the mode group: 0 (p, t), 1 (p, h),
// 2 saturation by ps, 3 (p, s), 4 (p, x), 5 (t, x), 6 (h, s), 7 (t, h), 8 (t, s),
// 9 (p, v), 10 (t, v), 11 (u, v). Given values are typed
// into the mode's inputs in the order the mode reads them and calculated;
// each run after "--" is calculated too, and appended to the table of states.
// Options: --units <pressure>,<temperature>,<system> (e.g. bar,F,US),
// --mollier (the enthalpy-entropy diagram), --size <width>x<height>,
// --select <row>,<row>,... (rows of the table of states, from 1),
// --page <n> (the page on the right, from 0: the diagram, the table). E.g.
//   window_screenshot docs/window.png 0 1 200
// The window starts as on a first start: its own empty settings and table.

#include "edit_binding.h"
#include "message_box.h"
#include "picture_start.h"
#include "u_H2O_ORV.h"
#include "ui_u_H2O_ORV.h"

#include <QApplication>
#include <QLineEdit>
#include <QPixmap>
#include <QSettings>

#include <cstdio>

namespace {

int Usage(const char* program) {
    std::fprintf(stderr,
                 "usage: %s <file.png> [--units p,t,system] [--mollier] [--size WxH] [--select rows] [--page n] "
                 "[input mode 0..6 [value ...]] [-- input mode [value ...]] ...\n",
                 program);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage(argv[0]);
    const PictureApplication app(argc, argv);

    QStringList args;
    for (int i = 2; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
    bool mollier = false;
    QSize size;
    QList<int> selectedRows;
    int page = 0;
    while (!args.isEmpty() && args.front().startsWith(QStringLiteral("--")) && args.front() != QStringLiteral("--")) {
        const QString option = args.takeFirst();
        if (option == QStringLiteral("--mollier")) {
            mollier = true;
        } else if (option == QStringLiteral("--units") && !args.isEmpty()) {
            const QStringList units = args.takeFirst().split(QLatin1Char(','));
            if (units.size() != 3) return Usage(argv[0]);
            QSettings settings;
            settings.setValue(QStringLiteral("units/pressure"), units[0]);
            settings.setValue(QStringLiteral("units/temperature"), units[1]);
            settings.setValue(QStringLiteral("units/system"), units[2]);
        } else if (option == QStringLiteral("--size") && !args.isEmpty()) {
            const QStringList wh = args.takeFirst().split(QLatin1Char('x'));
            if (wh.size() != 2) return Usage(argv[0]);
            size = QSize(wh[0].toInt(), wh[1].toInt());
        } else if (option == QStringLiteral("--select") && !args.isEmpty()) {
            for (const QString& row : args.takeFirst().split(QLatin1Char(','))) selectedRows << row.toInt() - 1;
        } else if (option == QStringLiteral("--page") && !args.isEmpty()) {
            page = args.takeFirst().toInt();
        } else {
            return Usage(argv[0]);
        }
    }

    TForm1 form;
    form.show();
    QApplication::processEvents();
    form.resize(size.isValid() ? size : form.designedSize());  // whatever the size of the offscreen screen
    if (mollier) form.setDiagramKind(DiagramChart::Kind::EnthalpyEntropy);
    // A refused value would open a message box, which nobody could close here.
    bool refused = false;
    SetMessageCapture([&refused](const ShownMessage& message) {
        std::fprintf(stderr, "%s %s\n", qPrintable(message.text), qPrintable(message.informativeText));
        refused = true;
    });
    for (const QString& run : args.join(QLatin1Char(' ')).split(QStringLiteral("--"), Qt::SkipEmptyParts)) {
        QStringList values = run.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (values.isEmpty()) continue;
        const int mode = values.takeFirst().toInt();
        const QList<QLineEdit*> inputs = InputEditsOf(ControlsOf(form), InputMode(mode), SaturationInput::ByPs);
        if (inputs.isEmpty() || values.size() > inputs.size()) return Usage(argv[0]);
        form.setRG_1ItemIndex(mode);
        for (qsizetype i = 0; i < values.size(); ++i) inputs[i]->setText(values[i]);
        if (!values.isEmpty()) ControlsOf(form).BB_Calk->click();
        if (refused) return 1;
    }
    Ui::TForm1& ui = ControlsOf(form);
    for (const int row : selectedRows)
        ui.Tbl_States->selectionModel()->select(ui.Tbl_States->model()->index(row, 0),
                                                QItemSelectionModel::Select | QItemSelectionModel::Rows);
    ui.PC_Right->setCurrentIndex(page);
    QApplication::processEvents();  // the diagram lays itself out in posted events
    if (!form.grab().save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
