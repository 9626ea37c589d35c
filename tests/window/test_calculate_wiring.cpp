// The Calculate button's wiring: the window hands the typed texts to the
// calculator core, writes the texts it returns into the edits they name, and
// shows its refusal or stop, doing to the edit what the refusal says.
#include "calculate_fixture.h"

#include "TFS.h"
#include "calculation.h"
#include "edit_binding.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <map>

namespace {

const QString Mark = QStringLiteral("mark");

// Every output lands in the edit bound to its quantity and phase, each in an
// edit of its own, and no other edit changes.
TEST_F(CalculateTest, EachModeWritesTheCoreTextsIntoTheEditsOfTheirQuantitiesAndNoOther) {
    struct Run {
        InputMode mode;
        SaturationInput saturationInput;
        QStringList typed;
    };
    for (const Run& run : {Run{InputMode::ByPT, SaturationInput::ByPs, {"10", "300"}},
                           Run{InputMode::ByPH, SaturationInput::ByPs, {"10", "3000"}},
                           Run{InputMode::Saturation, SaturationInput::ByPs, {"1"}},
                           Run{InputMode::Saturation, SaturationInput::ByTs, {"100"}},
                           Run{InputMode::ByPS, SaturationInput::ByPs, {"10", "6"}},
                           Run{InputMode::ByPX, SaturationInput::ByPs, {"1", "0.5"}},
                           Run{InputMode::ByTX, SaturationInput::ByPs, {"100", "0.5"}}}) {
        SCOPED_TRACE(int(run.mode) * 10 + int(run.saturationInput));
        for (QLineEdit* edit : form.findChildren<QLineEdit*>()) edit->setText(Mark);
        form.setRG_1ItemIndex(int(run.mode));
        form.setRG_4ItemIndex(int(run.saturationInput));
        CalculationRequest request{run.mode, run.saturationInput, {}};
        std::map<QLineEdit*, QString> expected;
        const QList<Quantity> inputs = InputsOf(run.mode, run.saturationInput);
        ASSERT_EQ(inputs.size(), run.typed.size());
        for (qsizetype i = 0; i < inputs.size(); ++i) {
            QLineEdit* edit = InputEdit(ui, request.saturation(), inputs[i]);
            type(edit, run.typed[i]);
            request.typed.insert(inputs[i], run.typed[i]);
            expected[edit] = run.typed[i];
        }
        calculate();
        EXPECT_EQ(message(), "");

        const Outcome outcome = Calculate(request);
        ASSERT_TRUE(std::holds_alternative<Outputs>(outcome));
        const Outputs& outputs = std::get<Outputs>(outcome);
        for (const Output& output : outputs.values) {
            QLineEdit* edit = ResultEdit(ui, output.quantity, output.phase);
            ASSERT_NE(edit, nullptr) << "an output has no edit";
            EXPECT_EQ(expected.count(edit), 0u) << "two outputs in one edit: " << edit->objectName().toStdString();
            expected[edit] = output.text;
        }
        if (outputs.diagram) {
            EXPECT_EQ(ui.Lb_Phase->text(), outputs.phaseName);
        }
        for (QLineEdit* edit : form.findChildren<QLineEdit*>())
            EXPECT_EQ(edit->text(), expected.count(edit) ? expected[edit] : Mark) << edit->objectName().toStdString();
    }
}

// The refused input takes the focus with its text kept and selected: a typo
// (600 for 6) is mended in place, or typed over.
TEST_F(CalculateTest, RefusalFocusesItsEditKeepsItsTextSelectedAndWritesNothing) {
    calculateByPT("10", "300");
    ASSERT_EQ(message(), "");
    const QString h = ui.Lb_hRes->text();

    calculateByPT("10", "");
    EXPECT_EQ(message(), " Insert the t value");
    EXPECT_EQ(form.focusWidget(), ui.Lb_T);
    EXPECT_EQ(ui.Lb_P->text(), "10");
    for (const char* refused : {"1x", "600"}) {
        calculateByPT(refused, "300");
        EXPECT_NE(message(), "") << refused;
        EXPECT_EQ(form.focusWidget(), ui.Lb_P) << refused;
        EXPECT_EQ(ui.Lb_P->text(), refused);
        EXPECT_EQ(ui.Lb_P->selectedText(), refused);
        EXPECT_EQ(ui.Lb_T->text(), "300");
        EXPECT_EQ(ui.Lb_hRes->text(), h);
    }
    QTest::keyClick(ui.Lb_P, Qt::Key_End);
    QTest::keyClick(ui.Lb_P, Qt::Key_Backspace);
    QTest::keyClick(ui.Lb_P, Qt::Key_Backspace);
    calculate();
    EXPECT_EQ(message(), "") << "600 mended to 6";
    EXPECT_EQ(ui.LB_PRes->text(), "6.0000");
}

TEST_F(CalculateTest, LibraryStopShowsTheErrorReportWithItsReason) {
    calculateByPT("1", QString::number(TFS::TS_P(1), 'g', 17));  // exactly on the saturation line
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text.toStdString(), "I/O error 105");
    EXPECT_EQ(messages[0].informativeText.toStdString(),
              "The state lies on the saturation line: give a temperature off the line, or use the (p, h) mode for wet "
              "steam.\n\nВы попали на линию насыщения (h_pt)");
    EXPECT_EQ(ui.Lb_hRes->text(), "");
}

// Without a capture the message is a real modal box with one OK button.
TEST(MessageBox, OpensAModalBoxWithOneOkButton) {
    QString text, informative;
    int buttons = 0;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        text = box->text();
        informative = box->informativeText();
        buttons = int(box->buttons().size());
        box->button(QMessageBox::Ok)->click();
    });
    ShowErrorReport(nullptr, "I/O error 105", "Вы попали на линию насыщения (V_PT)");
    EXPECT_EQ(text, "I/O error 105");
    EXPECT_EQ(informative, "Вы попали на линию насыщения (V_PT)");
    EXPECT_EQ(buttons, 1);
}

}  // namespace
