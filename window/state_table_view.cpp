// The table of states: every good run a row, in the shown units; kept in the
// user's data folder; copied, exported, recalled, deleted; its states
// numbered on the diagram.
#include "u_H2O_ORV.h"
#include "ui_u_H2O_ORV.h"

#include "edit_binding.h"
#include "message_box.h"
#include "save_dialog.h"
#include "state_export.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMenu>
#include <QStandardItemModel>
#include <QStandardPaths>
#include <QStyleOptionViewItem>
#include <QTimer>

#include <algorithm>

QString TForm1::statesPath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/states.json");
}

void TForm1::setupStatesTable() {
    QTableView* view = ui->Tbl_States;
    view->setModel(statesModel);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->verticalHeader()->setVisible(false);
    connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, this, &TForm1::showTablePoints);
    saveTimer.setSingleShot(true);
    saveTimer.setInterval(500);
    connect(&saveTimer, &QTimer::timeout, this, [this] { saveStates(); });

    // Ctrl+C in the table copies its selected rows; elsewhere Ctrl+C keeps its
    // meaning in the edits.
    copySelectedStatesAction = new QAction(QStringLiteral("Copy selected states"), this);
    copySelectedStatesAction->setShortcut(QKeySequence::Copy);
    copySelectedStatesAction->setShortcutContext(Qt::WidgetShortcut);
    view->addAction(copySelectedStatesAction);
    connect(copySelectedStatesAction, &QAction::triggered, this, &TForm1::copySelectedStates);

    view->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(view, &QWidget::customContextMenuRequested, this, [this, view](const QPoint& position) {
        const QModelIndex at = view->indexAt(position);
        QMenu menu;
        QAction* recall = menu.addAction(QStringLiteral("Recall"));
        QAction* remove = menu.addAction(QStringLiteral("Delete"));
        recall->setEnabled(at.isValid());
        remove->setEnabled(!selectedStates().isEmpty());
        menu.addAction(copySelectedStatesAction);
        menu.addSeparator();
        QAction* clear = menu.addAction(QStringLiteral("Clear all…"));
        clear->setEnabled(!table.rows().isEmpty());
        QAction* chosen = menu.exec(view->viewport()->mapToGlobal(position));
        if (chosen == recall) recallState(at.row());
        if (chosen == remove) deleteStates(selectedStates());
        if (chosen == clear) clearStates();
    });
}

// A damaged file is set aside (the message says where), never in the way of
// the start; the message comes once the window is shown.
void TForm1::loadStates() {
    const LoadResult loaded = table.Load(statesPath());
    if (!loaded.message.isEmpty())
        QTimer::singleShot(0, this, [this, message = loaded.message] { ShowMessage(this, message); });
    showStates();
}

// Runs come quicker than the file can be written whole each time: a change is
// written once the runs pause, and at the latest when the window closes.
void TForm1::saveStatesSoon() {
    if (!saveTimer.isActive()) saveTimer.start();
}

namespace {

QList<qint64> NumbersOf(const QList<StateRow>& rows) {
    QList<qint64> numbers;
    for (const StateRow& row : rows) numbers.append(row.number);
    return numbers;
}

// How long a save of a working window waits for another program's lock.
constexpr std::chrono::milliseconds WhileWorking{100};

}  // namespace

// The save merges this window's changes with those other windows saved
// meanwhile: the rows shown then are the merged ones, the same rows selected.
// Another program's save holds the file for milliseconds: a working window
// waits for it only briefly and, where it is still held, tries again a moment
// later, its rows kept, rather than freeze; a closing one waits as a load does
// and says whether the rows were written.
bool TForm1::saveStates(bool closing) {
    saveTimer.stop();
    QDir().mkpath(QFileInfo(statesPath()).path());
    const QList<qint64> before = NumbersOf(table.rows());
    QList<qint64> selected;
    for (const qsizetype index : selectedStates()) selected.append(before[index]);
    QString message;
    bool busy = false;
    const bool saved = table.Save(statesPath(), &message, closing ? StateTable::LockWait : WhileWorking, &busy);
    if (!saved && busy) {
        if (!closing) saveStatesSoon();
        return false;
    }
    if (!saved)
        ShowMessage(this, QStringLiteral("The table of states was not saved: ") + message);
    else if (!message.isEmpty())
        ShowMessage(this, message);
    const QList<qint64> after = NumbersOf(table.rows());
    if (after == before) return saved;
    ui->Tbl_States->clearSelection();
    showStates();
    QItemSelection reselected;
    for (qsizetype i = 0; i < after.size(); ++i)
        if (selected.contains(after[i]))
            reselected.select(statesModel->index(int(i), 0), statesModel->index(int(i), 0));
    ui->Tbl_States->selectionModel()->select(reselected, QItemSelectionModel::Select | QItemSelectionModel::Rows);
    return saved;
}

namespace {

// No column grows wider than this many characters of the font.
constexpr int MostColumnCharacters = 48;

// A new row widens the columns its texts need (within the cap), so that a
// longer typed value is not cut to "4.…"; the other rows are not measured again.
void WidenForRow(QTableView* view, int row) {
    const int cap = MostColumnCharacters * view->fontMetrics().averageCharWidth();
    QStyleOptionViewItem option;
    option.initFrom(view);
    option.font = view->font();
    const int widestCharacter = view->fontMetrics().maxWidth();
    for (int c = 0; c < view->model()->columnCount(); ++c) {
        const QModelIndex index = view->model()->index(row, c);
        // Most texts surely fit: measured only where they may not.
        if (index.data().toString().size() * widestCharacter < view->columnWidth(c)) continue;
        const int wanted = view->itemDelegateForIndex(index)->sizeHint(option, index).width() + (view->showGrid() ? 1 : 0);
        if (view->columnWidth(c) < std::min(cap, wanted)) view->setColumnWidth(c, std::min(cap, wanted));
    }
}

}  // namespace

void TForm1::appendState(const CalculationRequest& request, const Outputs& outputs) {
    const qsizetype before = table.rows().size();
    if (!table.Append(request, outputs)) {
        ShowMessage(this, StateTable::NumbersUsedUp());
        return;
    }
    saveStatesSoon();
    // The new row alone, where its columns are there already; the oldest row
    // gives way in a full table.
    const bool oldestDropped = table.rows().size() == before;
    if (oldestDropped) statesModel->removeRow(0);
    if (statesModel->rowCount() == table.rows().size() - 1 && appendRowCells(table.rows().back())) {
        WidenForRow(ui->Tbl_States, statesModel->rowCount() - 1);
        showTablePoints();
    } else {
        showStates();
    }
    ui->Tbl_States->scrollToBottom();
}

bool TForm1::appendRowCells(const StateRow& row) {
    const QList<QStringList> table = StatesCells({row}, units, Digits::Shown);
    const QStringList& header = table.front();
    const QStringList& cells = table.back();
    const QStringList notes = StatesNotes({row}).back();
    QList<QStandardItem*> items(statesModel->columnCount());
    for (qsizetype i = 0; i < header.size(); ++i) {
        qsizetype column = -1;
        for (int c = 0; c < statesModel->columnCount() && column < 0; ++c)
            if (statesModel->horizontalHeaderItem(c)->text() == header[i]) column = c;
        if (column < 0) {
            qDeleteAll(items);
            return false;
        }
        items[column] = new QStandardItem(cells[i]);
        items[column]->setToolTip(notes[i]);
    }
    for (QStandardItem*& item : items)
        if (item == nullptr) item = new QStandardItem;
    statesModel->appendRow(items);
    return true;
}

QList<qsizetype> TForm1::selectedStates() const {
    QList<qsizetype> rows;
    for (const QModelIndex& index : ui->Tbl_States->selectionModel()->selectedRows()) rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

namespace {

QList<StateRow> RowsAt(const QList<StateRow>& all, const QList<qsizetype>& indexes) {
    if (indexes.isEmpty()) return all;
    QList<StateRow> rows;
    for (const qsizetype index : indexes) rows.append(all[index]);
    return rows;
}

}  // namespace

void TForm1::showStates() {
    const QItemSelection selection = ui->Tbl_States->selectionModel()->selection();
    const QList<QStringList> cells = StatesCells(table.rows(), units, Digits::Shown);
    const QSignalBlocker quiet(ui->Tbl_States->selectionModel());
    statesModel->clear();
    statesModel->setHorizontalHeaderLabels(cells.front());
    const QList<QStringList> notes = StatesNotes(table.rows());
    for (qsizetype i = 1; i < cells.size(); ++i) {
        QList<QStandardItem*> items;
        for (qsizetype c = 0; c < cells[i].size(); ++c) {
            items.append(new QStandardItem(cells[i][c]));
            items.back()->setToolTip(notes[i][c]);
        }
        statesModel->appendRow(items);
    }
    ui->Tbl_States->selectionModel()->select(selection, QItemSelectionModel::Select | QItemSelectionModel::Rows);
    // Columns as wide as their texts: measured here, not at every new row.
    ui->Tbl_States->resizeColumnsToContents();
    showTablePoints();
}

// The states of the table on the diagram, the selected ones marked and joined
// in the table's order.
void TForm1::showTablePoints() {
    QList<DiagramChart::NumberedPoint> points;
    QList<qsizetype> marked;
    const QList<qsizetype> selected = selectedStates();
    for (qsizetype i = 0; i < table.rows().size(); ++i) {
        const StateRow& row = table.rows()[i];
        DiagramPoint point{NAN, NAN, NAN};
        for (const StoredValue& v : row.values) {
            if (v.phase != Phase::State) continue;
            if (v.quantity == Quantity::Entropy) point.s = v.value;
            if (v.quantity == Quantity::Temperature) point.t = v.value;
            if (v.quantity == Quantity::Enthalpy) point.h = v.value;
        }
        if (std::isnan(point.s)) continue;  // a saturation run: two points, not one state
        if (selected.contains(i)) marked.append(points.size());
        points.append({row.number, point});
    }
    ui->Chart_TS->showTableStates(points, marked);
    showChartStates(selected);
}

QString TForm1::statesText() const {
    return StatesText(RowsAt(table.rows(), selectedStates()), units, Digits::Full);
}

void TForm1::copySelectedStates() {
    if (!table.rows().isEmpty()) QGuiApplication::clipboard()->setText(statesText());
}

bool TForm1::exportStates(const QString& path, QString* error) const {
    return WriteCsv(path, RowsAt(table.rows(), selectedStates()), units, error);
}

void TForm1::exportStatesByDialog() {
    const QString path = AskSavePath(this, QStringLiteral("Export states as CSV"), QStringLiteral("states.csv"),
                                     QStringLiteral("CSV files (*.csv)"));
    if (path.isEmpty()) return;
    QString error;
    if (!exportStates(path, &error)) ShowMessage(this, QStringLiteral("The states were not exported: ") + error);
}

void TForm1::recallState(qsizetype index) {
    if (index < 0 || index >= table.rows().size()) return;
    const StateRow& row = table.rows()[index];
    const CalculationRequest& request = row.request;
    setRG_1ItemIndex(int(request.mode));
    if (request.saturation()) setRG_4ItemIndex(int(request.saturationInput));
    for (const Quantity input : request.typed.keys())
        InputEdit(*ui, request.saturation(), input)->setText(InputText(row, input, units));
    setTransport(request.transport);
    setModeOptions(request.options);
    focusFirstInput();
}

void TForm1::deleteStates(const QList<qsizetype>& rows) {
    table.Remove(rows);
    saveStatesSoon();
    ui->Tbl_States->clearSelection();
    showStates();
}

void TForm1::clearStates() {
    if (table.rows().isEmpty() ||
        !Confirm(this, QStringLiteral("Clear all %1 states of the table?").arg(table.rows().size())))
        return;
    table.Clear();
    saveStatesSoon();
    showStates();
}
