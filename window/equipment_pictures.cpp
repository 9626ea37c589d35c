// The README's picture of the page Equipment, rendered offscreen:
//   equipment_pictures <file.png> [--size WxH] [--dark] [--operation <name>] [--set <input>=<value>]...
//                      [--reheat] [--heaters] [--diagram] [--text] [--pdf <file.pdf>]
// The operation (its name in the list, "Turbine" unless given) is calculated
// from the first values of its form, each --set typed over them (an input
// named as the core's refusals name it: "inlet.p", "inlet.massFlow",
// "outletPressure", "boilerPressure"; the cycle with --reheat reheated, with
// --heaters regenerative with an open and a closed feedwater heater), and
// the window grabbed with the page in view: the streams and figures, or with
// --diagram the process on the diagram; --text writes the result as copied,
// --pdf saves it as PDF.
// The window starts as on a first start: its own empty settings and table.
#include "cycle_form.h"
#include "equipment_form.h"
#include "equipment_page.h"
#include "message_box.h"
#include "process_diagram.h"
#include "u_H2O_ORV.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPalette>
#include <QTabWidget>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr,
                     "usage: %s <file.png> [--size WxH] [--dark] [--operation name] [--set input=value]... [--reheat] "
                     "[--heaters] [--diagram] [--text] [--pdf file.pdf]\n",
                     argv[0]);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    qputenv("XDG_DATA_HOME", home.path().toLocal8Bit());
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("H2O_ORV"));
    QApplication::setApplicationName(QStringLiteral("p_H2O_ORV"));
    QSize size;
    QString operation = QStringLiteral("Turbine");
    bool diagram = false, reheat = false, heaters = false, text = false;
    QList<QStringList> typed;
    QString pdf;
    for (int i = 2; i < argc; ++i) {
        const QByteArray option(argv[i]);
        if (option == "--size" && i + 1 < argc) {
            const QList<QByteArray> wh = QByteArray(argv[++i]).split('x');
            if (wh.size() == 2) size = QSize(wh[0].toInt(), wh[1].toInt());
        } else if (option == "--operation" && i + 1 < argc) {
            operation = QString::fromLocal8Bit(argv[++i]);
        } else if (option == "--dark") {
            QPalette dark(QColor(0x30, 0x30, 0x30));
            dark.setColor(QPalette::Base, QColor(0x20, 0x20, 0x20));
            dark.setColor(QPalette::Text, Qt::white);
            dark.setColor(QPalette::WindowText, Qt::white);
            dark.setColor(QPalette::ButtonText, Qt::white);
            QApplication::setPalette(dark);
        } else if (option == "--diagram") {
            diagram = true;
        } else if (option == "--reheat") {
            reheat = true;
        } else if (option == "--set" && i + 1 < argc) {
            typed.append(QString::fromLocal8Bit(argv[++i]).split(u'='));
        } else if (option == "--pdf" && i + 1 < argc) {
            pdf = QString::fromLocal8Bit(argv[++i]);
        } else if (option == "--heaters") {
            heaters = true;
        } else if (option == "--text") {
            text = true;
        }
    }
    SetMessageCapture([](const ShownMessage& message) { std::fprintf(stderr, "%s\n", qPrintable(message.text)); });

    TForm1 form;
    form.show();
    QApplication::processEvents();
    form.resize(size.isValid() ? size : form.designedSize());
    form.showEquipment();
    EquipmentPage* page = form.equipmentPage();
    const int index = page->operationBox()->findText(operation);
    if (index < 0) {
        std::fprintf(stderr, "no operation %s\n", qPrintable(operation));
        return 2;
    }
    page->showOperation(index);
    page->cycleForm()->reheat->setChecked(reheat);
    page->cycleForm()->openHeater->setChecked(heaters);
    page->cycleForm()->closedHeater->setChecked(heaters);
    for (const QStringList& input : typed) {
        const bool cycle = index == page->operationBox()->count() - 1;
        QWidget* field =
            cycle ? page->cycleForm()->fieldOf(input.front()) : page->operationForm(index)->fieldOf(input.front());
        auto* edit = qobject_cast<QLineEdit*>(field);
        if (input.size() != 2 || edit == nullptr) {
            std::fprintf(stderr, "no input %s\n", qPrintable(input.front()));
            return 2;
        }
        edit->setText(input.back());
    }
    page->calculate();
    if (!page->report()) return 1;
    if (text) std::printf("%s", qPrintable(page->reportText()));
    page->views()->setCurrentIndex(diagram ? 1 : 0);
    QApplication::processEvents();
    if (!form.grab().save(QString::fromLocal8Bit(argv[1]), "PNG") || (!pdf.isEmpty() && !page->savePdf(pdf))) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
