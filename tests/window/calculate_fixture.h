#pragma once

#include "form_fixture.h"
#include "message_box.h"
#include "ts_chart.h"

#include <QLineEdit>
#include <QScatterSeries>
#include <QTest>

#include <string>
#include <vector>

// The window as the program opens it, shown, with its message boxes captured
// instead of opened. Values are typed and Calculate clicked as a user does.
class CalculateTest : public FormTest {
protected:
  CalculateTest()
  {
    SetMessageCapture([this](const ShownMessage& message) { messages.push_back(message); });
    form.show();
  }
  ~CalculateTest() override { SetMessageCapture({}); }

  std::vector<ShownMessage> messages;

  static void type(QLineEdit* edit, const QString& text)
  {
    edit->clear();
    QTest::keyClicks(edit, text);
  }
  void calculate() { QTest::mouseClick(ui.BB_Calk, Qt::LeftButton); }

  void calculateByPT(const QString& p, const QString& t)
  {
    form.setRG_1ItemIndex(0);
    type(ui.Lb_P, p);
    type(ui.Lb_T, t);
    calculate();
  }
  void calculateByPH(const QString& p, const QString& h)
  {
    form.setRG_1ItemIndex(1);
    type(ui.Lb_P, p);
    type(ui.Lb_h, h);
    calculate();
  }
  void calculateByPs(const QString& ps)
  {
    form.setRG_1ItemIndex(2);
    form.setRG_4ItemIndex(0);
    type(ui.LB_Ps, ps);
    calculate();
  }
  void calculateByTs(const QString& ts)
  {
    form.setRG_1ItemIndex(2);
    form.setRG_4ItemIndex(1);
    type(ui.LB_Ts, ts);
    calculate();
  }

  // The only message shown so far ("" when none), and forget it.
  std::string message()
  {
    EXPECT_LE(messages.size(), 1u);
    const std::string text = messages.empty() ? std::string() : messages.back().text.toStdString();
    messages.clear();
    return text;
  }

  // The result panel in the order of its rows in the table of outputs:
  // p, t, h, v, ρ, s, cp, μ, ν, λ, Pr.
  std::vector<std::string> results() const { return texts(form.resultEdits()); }
  // A saturation sheet: ps, ts, h, s, v, ρ, cp, λ, μ, ν, Pr, σ.
  std::vector<std::string> vapourSheet() const
  {
    return texts({ui.LB_PsResSS, ui.LB_TsResSS, ui.LB_hSS, ui.LB_SpSS, ui.LB_VudSS, ui.LB_RoSS, ui.LB_CpSS,
                  ui.LB_LmbSS, ui.LB_MiuSS, ui.LB_NiuSS, ui.LB_PrSS, ui.LB_Sigma1});
  }
  std::vector<std::string> waterSheet() const
  {
    return texts({ui.LB_PsResS, ui.LB_TsResS, ui.LB_hS, ui.LB_SpS, ui.LB_VudS, ui.LB_RoS, ui.LB_CpS, ui.LB_LmbS,
                  ui.LB_MiuS, ui.LB_NiuS, ui.LB_PrS, ui.LB_SIGMA});
  }
  // Every output of the window, for checking that a run wrote none: the edits,
  // the phase and the diagram's marked state.
  std::vector<std::string> allOutputs() const
  {
    std::vector<std::string> all = results();
    for (const auto& sheet : {vapourSheet(), waterSheet()}) all.insert(all.end(), sheet.begin(), sheet.end());
    all.push_back(ui.Lb_Phase->text().toStdString());
    for (const QPointF& point : ui.Chart_TS->statePoint()->points())
      all.push_back(std::to_string(point.x()) + " " + std::to_string(point.y()));
    return all;
  }

  static std::vector<std::string> texts(const QList<QLineEdit*>& edits)
  {
    std::vector<std::string> result;
    for (const QLineEdit* edit : edits) result.push_back(edit->text().toStdString());
    return result;
  }
};
