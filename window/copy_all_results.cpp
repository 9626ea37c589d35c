// "Copy all results": the results of the current mode as a table on the
// clipboard, rows as they stand in the window.
#include "u_H2O_ORV.h"
#include "ui_u_H2O_ORV.h"

#include "input_mode.h"
#include "labelled_edit.h"
#include "results_table.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>

#include <algorithm>
#include <memory>

namespace {

// The edits of a panel or sheet from top to bottom.
QList<QLineEdit*> EditsInRowOrder(const QWidget* area)
{
  QList<QLineEdit*> edits = area->findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly);
  std::sort(edits.begin(), edits.end(), [](const QLineEdit* a, const QLineEdit* b) { return a->y() < b->y(); });
  return edits;
}

QString QuantityOf(const QLineEdit* edit) { return QuantityOfCaption(labelOf(edit)->text()); }

} // namespace

QString TForm1::allResultsText() const
{
  return RG_1ItemIndex() == int(InputMode::Saturation) ? sheetsRun : panelRun;
}

void TForm1::copyAllResults()
{
  const QString text = allResultsText();
  if (!text.isEmpty()) QGuiApplication::clipboard()->setText(text);
}

// Taken when the run has written its results: what is copied later is this
// run whole, whatever the inputs show by then.
void TForm1::rememberRun(const QList<QLineEdit*>& inputs)
{
  QList<QStringList> rows;
  for (const QLineEdit* edit : inputs) rows.append({QuantityOf(edit), edit->text()});
  if (RG_1ItemIndex() == int(InputMode::Saturation)) {
    // Both sheets have the same rows: one line per quantity, water then steam.
    const QList<QLineEdit*> water = EditsInRowOrder(ui->TabSheet1);
    const QList<QLineEdit*> steam = EditsInRowOrder(ui->TabSheet2);
    for (qsizetype row = 0; row < water.size(); ++row)
      rows.append({QuantityWithoutPhaseLetter(QuantityOf(water[row]), QLatin1Char('w')), water[row]->text(),
                   steam[row]->text()});
    sheetsRun = TabSeparatedLines(rows);
  } else {
    rows.append({QStringLiteral("Phase"), ui->Lb_Phase->text()});
    for (const QLineEdit* edit : EditsInRowOrder(ui->Pan_midl)) rows.append({QuantityOf(edit), edit->text()});
    panelRun = TabSeparatedLines(rows);
  }
}

// The area's own menu holds the entry; its edits add it below their standard
// entries (Copy, Select All, ...).
void TForm1::addCopyAllResultsEntry(QWidget* area)
{
  area->setContextMenuPolicy(Qt::ActionsContextMenu);
  area->addAction(copyAllResultsAction);
  for (QLineEdit* edit : area->findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly)) {
    edit->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(edit, &QWidget::customContextMenuRequested, this, [this, edit](const QPoint& position) {
      std::unique_ptr<QMenu> menu(edit->createStandardContextMenu());
      menu->addSeparator();
      menu->addAction(copyAllResultsAction);
      menu->exec(edit->mapToGlobal(position));
    });
  }
}
