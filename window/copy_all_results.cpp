// "Copy all results": the last good run of the current mode as a table on the
// clipboard.
#include "u_H2O_ORV.h"
#include "ui_u_H2O_ORV.h"

#include "results_text.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>

#include <memory>

QString TForm1::allResultsText() const {
    const std::optional<Run>& run = inputMode() == InputMode::Saturation ? sheetsRun : panelRun;
    return run ? ResultsText(run->request, run->outputs) : QString();
}

void TForm1::copyAllResults() {
    const QString text = allResultsText();
    if (!text.isEmpty()) QGuiApplication::clipboard()->setText(text);
}

// The area's own menu holds the entry; its edits add it below their standard
// entries (Copy, Select All, ...).
void TForm1::addCopyAllResultsEntry(QWidget* area) {
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
