// Refused input and abandoned runs: the message, the focus move or the cleared
// edit, and no output written.
#include "calculate_fixture.h"

#include "TFS.h"
#include "locale_guard.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace {

// Every output already holds a result, so that a run that writes would show.
class RefusalTest : public CalculateTest {
protected:
  RefusalTest()
  {
    calculateByPs("1");
    calculateByPT("10", "300");
    EXPECT_EQ(message(), "");
    before = allOutputs();
  }

  // The refusal: its message, and every output as it was.
  std::string refusal()
  {
    EXPECT_EQ(allOutputs(), before) << "a refused run wrote an output";
    return message();
  }

  std::vector<std::string> before;
  LocaleGuard locale{LocaleGuard::FullStop()};
};

const std::string PressureRangePT = " Inadequately set pressure: P>50 MPa or P<0.0005 MPa";
const std::string TemperatureRangePT = " Inadequately set temperature: T>650 Celsius or T<0.1 Celsius";
const std::string PressureRangePH = " Inadequately set pressure: P>50 MPa or P<0.001 MPa";
const std::string PressureRangePs = " Inadequately set pressure: Ps>21.819 MPa or Ps<0.00087 MPa";
const std::string TemperatureRangeTs = " Inadequately set temperature: Ts>373.945 C or Ts<0.01 C";

}  // namespace

TEST_F(RefusalTest, EmptyEditAsksForItsValueAndTakesTheFocus)
{
  calculateByPT("", "300");
  EXPECT_EQ(refusal(), " Insert the p value");
  EXPECT_EQ(form.focusWidget(), ui.Lb_P);

  calculateByPT("10", "");
  EXPECT_EQ(refusal(), " Insert the t value");
  EXPECT_EQ(form.focusWidget(), ui.Lb_T);
  EXPECT_EQ(ui.Lb_P->text(), "10") << "nothing is cleared";

  calculateByPH("10", "");
  EXPECT_EQ(refusal(), " Insert the h value");
  EXPECT_EQ(form.focusWidget(), ui.Lb_h);

  calculateByPs("");
  EXPECT_EQ(refusal(), " Insert the ps value");
  EXPECT_EQ(form.focusWidget(), ui.LB_Ps);

  calculateByTs("");
  EXPECT_EQ(refusal(), " Insert the ts value");
  EXPECT_EQ(form.focusWidget(), ui.LB_Ts);
}

TEST_F(RefusalTest, ChecksRunInOrderAndReportOnlyTheFirstFault)
{
  calculateByPT("1.2.3", "");  // the pressure is converted before the temperature edit is looked at
  EXPECT_EQ(refusal(), "'1.2.3' is not a valid floating point value");
  calculateByPT("0.0004", "");
  EXPECT_EQ(refusal(), " Insert the t value");
  calculateByPT("0.0004", "700");
  EXPECT_EQ(refusal(), PressureRangePT);
  EXPECT_EQ(ui.Lb_P->text(), "");
  EXPECT_EQ(ui.Lb_T->text(), "700");
  calculateByPH("60", "1");
  EXPECT_EQ(refusal(), PressureRangePH);
  EXPECT_EQ(ui.Lb_h->text(), "1");
}

TEST_F(RefusalTest, PTRangesIncludeTheirBounds)
{
  for (const auto& [p, t] : {std::pair{"50", "651"}, {"0.0005", "0.1"}}) {
    calculateByPT(p, t);
    EXPECT_EQ(message(), "") << p << " MPa, " << t << " °C";
  }
  calculateByPT("0.0004", "20");
  EXPECT_EQ(message(), PressureRangePT);
  EXPECT_EQ(ui.Lb_P->text(), "");
  calculateByPT("50.001", "20");
  EXPECT_EQ(message(), PressureRangePT);
  for (const char* t : {"651.01", "0.05"}) {
    calculateByPT("1", t);
    EXPECT_EQ(message(), TemperatureRangePT) << t;
    EXPECT_EQ(ui.Lb_T->text(), "");
    EXPECT_EQ(ui.Lb_P->text(), "1");
  }
}

TEST_F(RefusalTest, PHRangesAndEnthalpyLimits)
{
  calculateByPH("0.001", "10");
  EXPECT_EQ(message(), "");
  calculateByPH("0.0009", "100");
  EXPECT_EQ(message(), PressureRangePH);
  EXPECT_EQ(ui.Lb_P->text(), "");

  calculateByPH("1", "9.99");
  EXPECT_EQ(message(), " The enthalpy specified is below the allowable value hmin=10.00 kJ/kg");
  EXPECT_EQ(ui.Lb_h->text(), "");
  calculateByPH("50", "50.36");
  EXPECT_EQ(message(), " The enthalpy specified is below the allowable value hmin=50.37 kJ/kg");
  calculateByPH("50", "50.37");
  EXPECT_EQ(message(), "");

  calculateByPH("1", "3615");
  EXPECT_EQ(message(), "");
  calculateByPH("1", "3615.01");
  EXPECT_EQ(message(), " The specified enthalpy is higher than the allowable value  hmax=3615.0 kJ/kg");
  EXPECT_EQ(ui.Lb_h->text(), "");
}

TEST_F(RefusalTest, SaturationRangesHoldTheirBoundsInExtendedPrecision)
{
  // The double nearest 21.82 lies above the extended bound 21.82, so 21.82 is refused.
  calculateByPs("21.82");
  EXPECT_EQ(refusal(), PressureRangePs);
  EXPECT_EQ(ui.LB_Ps->text(), "");
  calculateByPs("0.00086");
  EXPECT_EQ(refusal(), PressureRangePs);
  for (const char* ps : {"21.8199", "0.00087"}) {
    calculateByPs(ps);
    EXPECT_EQ(message(), "") << ps;
  }
  for (const char* ts : {"373.946", "0.009"}) {
    calculateByTs(ts);
    EXPECT_EQ(message(), TemperatureRangeTs) << ts;
    EXPECT_EQ(ui.LB_Ts->text(), "");
  }
  for (const char* ts : {"373.945", "0.01"}) {
    calculateByTs(ts);
    EXPECT_EQ(message(), "") << ts;
  }
}

TEST_F(RefusalTest, MalformedNumbersAreQuotedInEveryMode)
{
  calculateByPH("1", "1e");
  EXPECT_EQ(refusal(), "'1e' is not a valid floating point value");
  calculateByPs("1e400");
  EXPECT_EQ(refusal(), "'1e400' is not a valid floating point value");
  EXPECT_EQ(ui.LB_Ps->text(), "1e400") << "a malformed number is not cleared";
  LocaleGuard comma(LocaleGuard::Comma());
  calculateByTs("1.2.3");
  EXPECT_EQ(refusal(), "'1,2.3' is not a valid floating point value");
}

// The fatal stop of the property library abandons the run; the report keeps
// its traditional text and names the reason beneath it.
TEST_F(RefusalTest, LibraryStopShowsTheIoErrorWithItsReason)
{
  // Exactly the saturated-water enthalpy: the viscosity meets the saturation line.
  const QString hWater = QString::number(TFS::HSW_P(1), 'g', 17);
  calculateByPH("1", hWater);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text.toStdString(), "I/O error 105");
  EXPECT_EQ(messages[0].informativeText.toStdString(), "Вы попали на линию насыщения (V_PT)");
  EXPECT_EQ(refusal(), "I/O error 105");
  EXPECT_EQ(ui.Lb_h->text(), hWater);

  // A temperature typed as exactly the saturation temperature of its pressure.
  calculateByPT("1", QString::number(TFS::TS_P(1), 'g', 17));
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].informativeText.toStdString(), "Вы попали на линию насыщения (h_pt)");
  EXPECT_EQ(refusal(), "I/O error 105");
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
