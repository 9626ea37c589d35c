#include "u_H2O_ORV.h"

#include "edit_binding.h"
#include "equipment_page.h"
#include "jpeg_picture.h"
#include "labelled_edit.h"
#include "lines_page.h"
#include "palette_colours.h"
#include "panel_quantities.h"
#include "radio_group.h"
#include "shortcut_priority.h"
#include "stretch_layout.h"
#include "text_fit.h"
#include "ui_u_H2O_ORV.h"

#include <QAction>
#include <QEvent>
#include <QFile>
#include <QGroupBox>
#include <QLockFile>
#include <QMenuBar>
#include <QRadioButton>
#include <QSettings>
#include <QShortcut>
#include <QShowEvent>
#include <QStandardItemModel>
#include <QStyle>
#include <QTabBar>

#include <algorithm>

static void initResources() {
    Q_INIT_RESOURCE(u_H2O_ORV);
}

// The layout was drawn for MS Sans Serif, which Linux desktops lack; their
// fallback is much wider. Liberation Sans has the metrics of Arial, close to
// those the layout was drawn for.
static void substituteDesignedFont() {
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
}

TForm1::TForm1(QWidget* parent)
    : QWidget(parent, Qt::Window),
      copyAllResultsAction(new QAction(QStringLiteral("Copy all results"), this)),
      ui(std::make_unique<Ui::TForm1>()),
      content(new QWidget),
      menus(new QMenuBar(this)),
      statesModel(new QStandardItemModel(this)) {
    initResources();
    substituteDesignedFont();
    ui->setupUi(content);
    AddResultRowsOfUndesignedQuantities(*ui);
    AddInputsOfUndesignedQuantities(*ui);
    addModeItems();
    for (QLineEdit* edit : InputEdits(*ui, false)) designedPlaces.insert(edit, edit->geometry());
    buildFrame();
    buildModeOptions();

    ui->BB_Calk->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
    ui->BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    ui->PageControl1->tabBar()->setAttribute(Qt::WA_Hover);  // tabs light up under the mouse
    showPicture(ui->Image1, QStringLiteral(":/pictures/water_wave.jpg"));
    showPicture(ui->Image2, QStringLiteral(":/pictures/steam_cloud.jpg"));
    for (QLineEdit* edit : findChildren<QLineEdit*>()) {
        if (QLabel* label = labelOf(edit)) condenseLabelToFit(label);
        keepTextWhole(edit);
    }

    // The results are the computed ones only: they can be selected and copied,
    // not typed over, and Tab walks past them.
    for (QLineEdit* edit : resultEdits() + sheetEdits()) {
        edit->setReadOnly(true);
        edit->setFocusPolicy(Qt::ClickFocus);
    }

    keepTypedInputs();
    onItemIndexChanged(ui->RG_1, [this] { RG_1Click(); });
    onItemIndexChanged(ui->RG_4, [this] { RG_4Click(); });
    keepCheckedItemOnTabChain(ui->RG_1);
    keepCheckedItemOnTabChain(ui->RG_4);
    addModeShortcuts();
    connect(ui->BB_Calk, &QPushButton::clicked, this, &TForm1::BB_CalkClick);
    for (QLineEdit* edit : AllInputEdits(*ui))
        connect(edit, &QLineEdit::returnPressed, ui->BB_Calk, &QPushButton::click);
    // A changed input no longer matches the results on show.
    for (QLineEdit* edit : InputEdits(*ui, false))
        connect(edit, &QLineEdit::textChanged, this, [this] { setPanelStale(panelRun.has_value()); });
    for (QLineEdit* edit : InputEdits(*ui, true))
        connect(edit, &QLineEdit::textChanged, this, [this] { setSheetsStale(sheetsRun.has_value()); });
    connect(ui->BitBtn1, &QPushButton::clicked, this, &QWidget::close);
    copyAllResultsAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    addAction(copyAllResultsAction);
    connect(copyAllResultsAction, &QAction::triggered, this, &TForm1::copyAllResults);
    for (QWidget* area : {static_cast<QWidget*>(ui->Pan_midl), ui->TabSheet1, ui->TabSheet2})
        addCopyAllResultsEntry(area);

    applyPaletteColours();
    setupStatesTable();
    buildLinesPage();
    buildChartPage();
    buildEquipmentPage();
    buildMenuBar();
    GiveShortcutsPriority(this);
    FormCreate();
    QSettings settings;
    units = LoadUnits(settings);
    applyUnitCaptions();
    panelQuantities = LoadPanelQuantities(settings);
    deadState = LoadDeadState(settings);
    lines->setDeadState(deadState);
    ShowPanelRows(*ui, panelQuantities);
    lines->setUnits(units);
    equipment->setUnits(units);
    loadStates();
    restorePlace();
}

TForm1::~TForm1() {
    saveStatesOnClose();  // a change not yet written
}

Ui::TForm1& ControlsOf(TForm1& form) {
    return *form.ui;
}

int TForm1::RG_1ItemIndex() const {
    return itemIndex(ui->RG_1);
}
int TForm1::RG_4ItemIndex() const {
    return itemIndex(ui->RG_4);
}
void TForm1::setRG_1ItemIndex(int index) {
    setItemIndex(ui->RG_1, index);
}
void TForm1::setRG_4ItemIndex(int index) {
    setItemIndex(ui->RG_4, index);
}

QList<QLineEdit*> TForm1::resultEdits() const {
    return ResultEditsOf(*ui, Phase::State);
}

QList<QLineEdit*> TForm1::sheetEdits() const {
    return ResultEditsOf(*ui, Phase::SaturatedWater) + ResultEditsOf(*ui, Phase::SaturatedSteam);
}

void TForm1::setResultEditsEnabled(bool enabled) {
    for (QLineEdit* edit : resultEdits()) setLabelledEnabled(edit, enabled);
}

void TForm1::FormCreate() {
    setRG_1ItemIndex(int(InputMode::ByPT));
    setRG_4ItemIndex(int(SaturationInput::ByPs));
    showInputsOfMode();
    ui->PageControl1->setVisible(false);
    ui->PC_Right->setVisible(true);
    setResultEditsEnabled(true);
    focusFirstInput();
}

void TForm1::focusInput(QLineEdit* edit) {
    edit->setFocus();
    edit->selectAll();
}

// Typing right after the window opens or after a mode switch goes into the
// mode's first input.
void TForm1::focusFirstInput() {
    const QList<QLineEdit*> inputs = InputEditsOf(*ui, inputMode(), saturationInput());
    if (!inputs.isEmpty()) focusInput(inputs.front());
}

void TForm1::addModeItems() {
    for (const ModeRow& row : Modes()) {
        QGroupBox* group = row.saturation() ? ui->RG_4 : ui->RG_1;
        const int index = row.saturation() ? int(row.saturationInput) : int(row.mode);
        if (index >= group->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly).size())
            addItem(group, QLatin1String(row.item));
    }
    // The sub-modes of the saturation mode keep clear of a widened mode group,
    // within the panel.
    const int overlap = ui->RG_1->geometry().right() + 1 - ui->RG_4->x();
    if (overlap > 0) {
        const int room = ui->Panel1->width() - ui->RG_4->geometry().right() - 1;
        ui->RG_4->move(ui->RG_4->x() + overlap, ui->RG_4->y());
        if (overlap > room) ui->RG_4->resize(ui->RG_4->width() - (overlap - room), ui->RG_4->height());
    }
}

void TForm1::showInputsOfMode() {
    const QList<QLineEdit*> shown = InputEditsOf(*ui, inputMode(), saturationInput());
    for (QLineEdit* edit : AllInputEdits(*ui)) setLabelledVisible(edit, shown.contains(edit));
    if (inputMode() != InputMode::Saturation) placeInputsBySlot(shown);
    showModeOptions();
}

void TForm1::placeInputsBySlot(const QList<QLineEdit*>& inputs) {
    const QRect first = designedPlaces.value(InputEdit(*ui, false, Quantity::Pressure));
    for (qsizetype slot = 0; slot < inputs.size(); ++slot) {
        QLineEdit* edit = inputs[slot];
        QRect place = designedPlaces.value(edit);
        if (slot == 0)
            place = first;
        else if (place == first)
            place = designedPlaces.value(InputEdit(*ui, false, Quantity::Enthalpy));
        edit->setGeometry(place);
        // The caption keeps to the left of its edit.
        if (QLabel* label = labelOf(edit)) label->move(place.x() - 3 - label->width(), label->y());
    }
}

namespace {
constexpr int FirstModeByAlt = 7;
}  // namespace

// Ctrl+1, Ctrl+2, ... select the input modes in the order of their items; in
// the saturation mode Ctrl+P and Ctrl+T select the state by ps or by ts. Each
// also puts the focus into the mode's first input, as a click on the item does.
void TForm1::addModeShortcuts() {
    const auto add = [this](QRadioButton* item, const QKeySequence& keys, std::function<void()> select) {
        auto* shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, [this, select] {
            select();
            focusFirstInput();
        });
        item->setToolTip(keys.toString(QKeySequence::NativeText));
    };
    const QList<QRadioButton*> modes = ui->RG_1->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly);
    for (int index = 0; index < modes.size(); ++index) {
        // The first seven modes have always had Ctrl+1 … Ctrl+7; the later
        // ones take Alt+1, Alt+2, …, which no menu or input uses.
        const QKeySequence keys = index < FirstModeByAlt
                                      ? QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_1 + index))
                                      : QKeySequence(Qt::ALT | Qt::Key(Qt::Key_1 + index - FirstModeByAlt));
        add(modes[index], keys, [this, index] { setRG_1ItemIndex(index); });
    }
    const auto inSaturationMode = [this](SaturationInput input) {
        return [this, input] {
            if (RG_1ItemIndex() == int(InputMode::Saturation)) setRG_4ItemIndex(int(input));
        };
    };
    add(ui->RG_4Item0, QKeySequence(Qt::CTRL | Qt::Key_P), inSaturationMode(SaturationInput::ByPs));
    add(ui->RG_4Item1, QKeySequence(Qt::CTRL | Qt::Key_T), inSaturationMode(SaturationInput::ByTs));
}

void TForm1::RG_1Click() {
    const QList<ModeRow>& modes = Modes();
    if (std::none_of(modes.begin(), modes.end(), [this](const ModeRow& row) { return row.mode == inputMode(); }))
        return;
    const bool saturation = inputMode() == InputMode::Saturation;
    ui->RG_4->setVisible(saturation);
    ui->PageControl1->setVisible(saturation);
    ui->PC_Right->setVisible(!saturation);  // in the same place
    setResultEditsEnabled(!saturation);
    showInputsOfMode();
    focusFirstInput();
}

void TForm1::RG_4Click() {
    const auto input = saturationInput();
    if (ModeOf(InputMode::Saturation, input) == nullptr) return;
    // The sub-mode shows its own edit whatever the input mode; RG_4 itself is
    // shown in the saturation mode only.
    const QList<QLineEdit*> shown = InputEditsOf(*ui, InputMode::Saturation, input);
    for (QLineEdit* edit : InputEdits(*ui, true)) setLabelledVisible(edit, shown.contains(edit));
    setResultEditsEnabled(false);
    focusFirstInput();
}

namespace {

// Halfway between a text's colour and its background's: greyed on a light
// palette and on a dark one alike.
QColor Halfway(const QColor& a, const QColor& b) {
    return QColor((a.red() + b.red()) / 2, (a.green() + b.green()) / 2, (a.blue() + b.blue()) / 2);
}

void ShowGreyed(QWidget* widget, bool greyed) {
    QPalette colours;  // sets no colour: the widget's own palette is inherited
    if (greyed) {
        const QPalette& inherited = widget->parentWidget()->palette();
        colours.setColor(QPalette::Text, Halfway(inherited.color(QPalette::Text), inherited.color(QPalette::Base)));
        colours.setColor(QPalette::WindowText,
                         Halfway(inherited.color(QPalette::WindowText), inherited.color(QPalette::Window)));
    }
    widget->setPalette(colours);
}

}  // namespace

void TForm1::setPanelStale(bool stale) {
    panelStale = stale;
    for (QLineEdit* edit : resultEdits()) ShowGreyed(edit, stale);
    ShowGreyed(ui->Lb_Phase, stale);
    if (pagesPhase != nullptr) ShowGreyed(pagesPhase, stale);
    ui->Chart_TS->setStateStale(stale);
    if (chart) showChartStates(selectedStates());
}

void TForm1::setSheetsStale(bool stale) {
    sheetsStale = stale;
    for (QLineEdit* edit : sheetEdits()) ShowGreyed(edit, stale);
}

// The radio items' navy and maroon are drawn for a light background; on a dark
// palette their light equivalents. The greyed results take the new palette's grey.
void TForm1::applyPaletteColours() {
    const AccentColours accents = AccentColoursOf(palette());
    const bool dark = IsDarkPalette(palette());
    const auto itemColour = [dark](const QColor& colour) {
        return dark ? QStringLiteral("QRadioButton { color: %1; }").arg(colour.name()) : QString();
    };
    ui->RG_1->setStyleSheet(itemColour(accents.navy));
    ui->RG_4->setStyleSheet(itemColour(accents.maroon));
    setPanelStale(panelStale);
    setSheetsStale(sheetsStale);
}

void TForm1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) keepFrameOnScreen(size());
}

// The window manager adds its frame only once the window is mapped; the
// first activation is the first moment the frame's size is known.
void TForm1::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ApplicationPaletteChange)
        applyPaletteColours();
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !placedWithWindowFrame) {
        placedWithWindowFrame = true;
        keepFrameOnScreen(openingSize);
    }
}

void TForm1::showPicture(QLabel* box, const QString& resource) {
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly)) return;
    const QImage picture = decodeJpeg(file.readAll());
    if (!picture.isNull()) box->setPixmap(QPixmap::fromImage(picture));
}
