#pragma once

#include <QMap>
#include <QWidget>

#include <memory>

class QAction;
class QLabel;
class QLineEdit;

namespace Ui {
class TForm1;
}

// The calculator's one window. Its controls come from resources/u_H2O_ORV.ui and
// are reached by their names through ui (ui->Lb_P, ui->RG_1, ui->LB_PsResS, ...).
class TForm1 : public QWidget {
  Q_OBJECT

public:
  explicit TForm1(QWidget* parent = nullptr);
  ~TForm1() override;

  const std::unique_ptr<Ui::TForm1> ui;

  // Selected items of the input mode and of the saturation sub-mode, the values
  // of InputMode and SaturationInput; -1 when none is selected.
  int RG_1ItemIndex() const;
  int RG_4ItemIndex() const;
  // Selecting another item runs RG_1Click or RG_4Click, as a click does.
  void setRG_1ItemIndex(int index);
  void setRG_4ItemIndex(int index);

  // The eleven edits of the result panel of the (p, t) and (p, h) modes.
  QList<QLineEdit*> resultEdits() const;

  // The results of the current mode as tab-separated lines, the inputs of the
  // run that wrote them first; empty before the mode's first good run.
  QString allResultsText() const;
  // Puts them on the clipboard: Ctrl+Shift+C anywhere in the window, and
  // "Copy all results" in the context menus of the result panel and the sheets.
  void copyAllResults();
  QAction* const copyAllResultsAction;

  void FormCreate();
  void RG_1Click();
  void RG_4Click();
  void BB_CalkClick();  // the Calculate command, in calculate_click.cpp

  // Results whose inputs were changed since their run are shown greyed (the
  // state point hollow) until the next good run of that area.
  bool panelResultsStale() const { return panelStale; }
  bool sheetResultsStale() const { return sheetsStale; }

protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;

private:
  // Every edit by its objectName, for the outputs the calculator core names;
  // a search of the window for each name costs more than the run itself.
  QMap<QString, QLineEdit*> editsByName;

  // The five edits the user types values into: p, t, h, ps, ts.
  QList<QLineEdit*> inputEdits() const;
  void setResultEditsEnabled(bool enabled);
  // The focus goes into the input with its text selected, so that typing
  // replaces it rather than adding to it.
  static void focusInput(QLineEdit* edit);
  void focusFirstInput();
  void addModeShortcuts();
  void applyPaletteColours();
  // The edits of the result panel or of both sheets, and their staleness.
  QList<QLineEdit*> sheetEdits() const;
  void setPanelStale(bool stale);
  void setSheetsStale(bool stale);
  bool panelStale = false, sheetsStale = false;
  void keepFrameOnScreen();
  bool placedWithWindowFrame = false;
  void addCopyAllResultsEntry(QWidget* area);
  // After a good run: its inputs (the edits it read) and its results, as
  // "Copy all results" puts them on the clipboard.
  void rememberRun(const QList<QLineEdit*>& inputs);
  void showPicture(QLabel* box, const QString& resource);

  // The last good runs that wrote the result panel and the sheets.
  QString panelRun, sheetsRun;
};
