// The Calculate button's wiring: the window hands the typed texts to the
// calculator core, writes the texts it returns into the edits they name, and
// shows its refusal or stop, doing to the edit what the refusal says.
#include "calculate_fixture.h"

#include "TFS.h"
#include "calculation.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <map>

namespace {

const QString Mark = QStringLiteral("mark");

TEST_F(CalculateTest, EachModeWritesTheCoreTextsIntoTheEditsTheyNameAndNoOther)
{
  struct Run {
    InputMode mode;
    SaturationInput saturationInput;
    std::map<QLineEdit*, QString> typed;
  };
  for (const Run& run : {Run{InputMode::ByPT, SaturationInput::ByPs, {{ui.Lb_P, "10"}, {ui.Lb_T, "300"}}},
                         Run{InputMode::ByPH, SaturationInput::ByPs, {{ui.Lb_P, "10"}, {ui.Lb_h, "3000"}}},
                         Run{InputMode::Saturation, SaturationInput::ByPs, {{ui.LB_Ps, "1"}}},
                         Run{InputMode::Saturation, SaturationInput::ByTs, {{ui.LB_Ts, "100"}}}}) {
    SCOPED_TRACE(int(run.mode) * 10 + int(run.saturationInput));
    for (QLineEdit* edit : form.findChildren<QLineEdit*>()) edit->setText(Mark);
    form.setRG_1ItemIndex(int(run.mode));
    form.setRG_4ItemIndex(int(run.saturationInput));
    CalculationRequest request{run.mode, run.saturationInput, {}};
    for (const auto& [edit, text] : run.typed) {
      type(edit, text);
      request.typed.insert(edit->objectName(), text);
    }
    calculate();
    EXPECT_EQ(message(), "");

    const Outcome outcome = Calculate(request);
    ASSERT_TRUE(std::holds_alternative<Outputs>(outcome));
    std::map<QString, QString> expected;
    for (const OutputText& output : std::get<Outputs>(outcome).texts) expected[output.edit] = output.text;
    if (expected.count("Lb_Phase")) {
      EXPECT_EQ(ui.Lb_Phase->text(), expected["Lb_Phase"]);
      expected.erase("Lb_Phase");
    }
    for (QLineEdit* edit : form.findChildren<QLineEdit*>()) {
      const QString name = edit->objectName();
      const bool typed = run.typed.count(edit) != 0;
      const QString text = expected.count(name) ? expected[name] : typed ? run.typed.at(edit) : Mark;
      EXPECT_EQ(edit->text(), text) << name.toStdString();
      expected.erase(name);
    }
    EXPECT_TRUE(expected.empty()) << "an output names no edit of the window";
  }
}

TEST_F(CalculateTest, RefusalFocusesClearsOrKeepsItsEditAndWritesNothing)
{
  calculateByPT("10", "300");
  ASSERT_EQ(message(), "");
  const QString h = ui.Lb_hRes->text();

  calculateByPT("10", "");
  EXPECT_EQ(message(), " Insert the t value");
  EXPECT_EQ(form.focusWidget(), ui.Lb_T);
  EXPECT_EQ(ui.Lb_P->text(), "10");
  calculateByPT("60", "300");
  EXPECT_EQ(message(), " Inadequately set pressure: P>50 MPa or P<0.0005 MPa");
  EXPECT_EQ(ui.Lb_P->text(), "");
  EXPECT_EQ(ui.Lb_T->text(), "300");
  calculateByPT("1x", "300");
  EXPECT_EQ(message(), "'1x' is not a valid floating point value");
  EXPECT_EQ(ui.Lb_P->text(), "1x");
  EXPECT_EQ(ui.Lb_hRes->text(), h);
}

TEST_F(CalculateTest, LibraryStopShowsTheErrorReportWithItsReason)
{
  calculateByPT("1", QString::number(TFS::TS_P(1), 'g', 17));  // exactly on the saturation line
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text.toStdString(), "I/O error 105");
  EXPECT_EQ(messages[0].informativeText.toStdString(),
            "The state lies on the saturation line: give a temperature off the line, or use the (p, h) mode for wet "
            "steam.\n\nВы попали на линию насыщения (h_pt)");
  EXPECT_EQ(ui.Lb_hRes->text(), "");
}

// Without a capture the message is a real modal box with one OK button.
TEST(MessageBox, OpensAModalBoxWithOneOkButton)
{
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
