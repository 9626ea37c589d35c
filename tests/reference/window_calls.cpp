#include "window_calls.h"

#include "edit_binding.h"
#include "message_box.h"
#include "u_H2O_ORV.h"
#include "ui_u_H2O_ORV.h"

#include <QLineEdit>
#include <QTest>

#include <stdexcept>

namespace {

// The result panel, then the vapour and the water sheet of the saturation mode.
QList<QLineEdit*> output_edits(TForm1& form) {
    Ui::TForm1& ui = ControlsOf(form);
    return QList<QLineEdit*>{ui.LB_PRes,  ui.LB_TRes,  ui.Lb_hRes,  ui.LB_VRES, ui.LB_RoRes, ui.LB_SRes,
                             ui.LB_CpRes, ui.LB_MuRes, ui.LB_NuRes, ui.LB_LRes, ui.LB_PrRes} +
           QList<QLineEdit*>{ui.LB_PsResSS, ui.LB_TsResSS, ui.LB_hSS,   ui.LB_SpSS,  ui.LB_VudSS, ui.LB_RoSS,
                             ui.LB_CpSS,    ui.LB_LmbSS,   ui.LB_MiuSS, ui.LB_NiuSS, ui.LB_PrSS,  ui.LB_Sigma1,
                             ui.LB_PsResS,  ui.LB_TsResS,  ui.LB_hS,    ui.LB_SpS,   ui.LB_VudS,  ui.LB_RoS,
                             ui.LB_CpS,     ui.LB_LmbS,    ui.LB_MiuS,  ui.LB_NiuS,  ui.LB_PrS,   ui.LB_SIGMA} +
           // Internal energy, isochoric heat capacity, speed of sound (and isentropic exponent).
           QList<QLineEdit*>{ui.LB_URes, ui.LB_CvRes, ui.LB_WRes, ui.LB_KRes, ui.LB_USS,
                             ui.LB_CvSS, ui.LB_WSS,   ui.LB_US,   ui.LB_CvS,  ui.LB_WS};
}

void type(QLineEdit* edit, const QString& text) {
    edit->clear();
    QTest::keyClicks(edit, text);
}

}  // namespace

QString calculate_in_window(TForm1& form, const QString& mode, const QString& first, const QString& second) {
    Ui::TForm1& ui = ControlsOf(form);
    QString messages;
    SetMessageCapture([&messages](const ShownMessage& m) {
        // A line break of the box is written \n, so that each entry stays one line.
        QString informative = m.informativeText;
        messages += QStringLiteral("|message: ") + m.text + QStringLiteral(" / ") +
                    informative.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    });
    for (QLineEdit* edit : output_edits(form) + AllInputEdits(ui)) edit->clear();

    // The modes by the keys the table names them with.
    const ModeRow* row = ModeByKey(mode);
    if (row == nullptr) {
        SetMessageCapture({});
        throw std::invalid_argument("no input mode " + mode.toStdString());
    }
    form.setRG_1ItemIndex(int(row->mode));
    form.setRG_4ItemIndex(int(row->saturationInput));
    const QList<QLineEdit*> inputs = InputEditsOf(ui, row->mode, row->saturationInput);
    const QStringList typed{first, second};
    for (qsizetype i = 0; i < inputs.size(); ++i) type(inputs[i], typed[i]);
    QTest::mouseClick(ui.BB_Calk, Qt::LeftButton);
    SetMessageCapture({});

    QStringList texts;
    for (const QLineEdit* edit : output_edits(form)) texts << edit->text();
    return texts.join(QLatin1Char('|')) + messages;
}
