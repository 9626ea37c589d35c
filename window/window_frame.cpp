// The frame around the designed client area: the menu bar above it, a scroll
// area when the window is smaller than designed, the panel of Calk and Close
// kept in its top right corner; the window's place and size at the start and
// at the end.
#include "u_H2O_ORV.h"
#include "ui_u_H2O_ORV.h"

#include "edit_binding.h"
#include "message_box.h"
#include "on_screen.h"
#include "stretch_layout.h"

#include <QTabBar>

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLockFile>
#include <QIcon>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QScrollArea>
#include <QSettings>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QWindow>

namespace {

constexpr QPoint DesignedPosition(319, 138);
// How far each further window opens from the place of the first: its title
// bar and left edge stay in sight.
constexpr QPoint InstanceStep(40, 40);
// Enough windows for anyone; beyond them the last place is shared.
constexpr int MostInstanceSlots = 16;
const QString GeometryKey = QStringLiteral("window/geometry");

}  // namespace

void TForm1::buildFrame() {
    setObjectName(QStringLiteral("Form1"));  // the window; its designed client area is TForm1
    setWindowTitle(content->windowTitle());
    setWindowIcon(QIcon(QStringLiteral(":/icons/p_H2O_ORV.svg")));
    // The fonts and colours of the description serve the menus and the
    // bottom panel too.
    setStyleSheet(content->styleSheet());
    content->setStyleSheet(QString());

    const QSize designed = designedClient = content->size();
    // At a fractional scale an X11 window manager sizes the window in steps
    // of two device pixels, and may make it a pixel smaller than designed:
    // the panels' bottom and right edges give way to it rather than the whole
    // area scrolling.
    content->setMinimumSize(designed - QSize(2, 2));
    content->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    contentStretch = std::make_unique<StretchLayout>(designed);
    // clang-format off
    contentStretch->add(ui->Panel1,       {0, 0, 1, 0});
    contentStretch->add(ui->Bevel1,       {0, 0, 1, 0});
    contentStretch->add(ui->Pan_midl,     {0, 0, 0, 1});
    contentStretch->add(ui->Bevel2,       {0, 0, 0, 1});
    contentStretch->add(ui->PageControl1, {0, 0, 1, 1});
    contentStretch->add(ui->PC_Right,     {0, 0, 1, 1});
    // clang-format on
    // The state panel fills its page, whose size the tab widget sets; the
    // diagram takes what the panel gains or loses.
    stateStretch = std::make_unique<StretchLayout>(ui->Pan_State->size(), true);
    stateStretch->add(ui->Lb_Phase, {0, 0, 1, 0});
    stateStretch->add(ui->Chart_TS, {0, 0, 1, 1});
    // The diagram's page names the phase in its title; with another page in
    // front it stands beside the tabs.
    pagesPhase = new QLabel(ui->PC_Right);
    pagesPhase->setObjectName(QStringLiteral("Lb_PagesPhase"));
    pagesPhase->setContentsMargins(8, 0, 8, 0);
    ui->PC_Right->setCornerWidget(pagesPhase, Qt::TopRightCorner);
    const auto showPagesPhase = [this] { pagesPhase->setVisible(ui->PC_Right->currentWidget() != ui->TabDiagram); };
    connect(ui->PC_Right, &QTabWidget::currentChanged, this, showPagesPhase);
    showPagesPhase();
    ui->PC_Right->installEventFilter(this);
    auto* statePage = new QVBoxLayout(ui->TabDiagram);
    statePage->setContentsMargins(0, 0, 0, 0);
    statePage->addWidget(ui->Pan_State);
    ui->Pan_State->installEventFilter(this);

    scroll = new QScrollArea;
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(content);
    // Calk and Close keep to the top right corner of the view, where they
    // were drawn, and stay in reach when the window is smaller than designed
    // and the rest scrolls.
    ui->Pan_Bot->setParent(scroll->viewport());
    ui->Pan_Bot->raise();
    scroll->viewport()->installEventFilter(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menus);
    layout->addWidget(scroll, 1);
    content->installEventFilter(this);
    // Tab goes from the last input to Calk, Close, then the pages on the
    // right: their tabs (the arrow keys switch pages) and the table of states,
    // and on out of it: the arrow keys move between its cells.
    QWidget::setTabOrder(AllInputEdits(*ui).back(), ui->BB_Calk);
    QWidget::setTabOrder(ui->BitBtn1, ui->PC_Right);
    QWidget::setTabOrder(ui->PC_Right, ui->Tbl_States);
    QWidget::setTabOrder(ui->Tbl_States, ui->PageControl1);
    ui->Tbl_States->setTabKeyNavigation(false);
}

void TForm1::addRightPage(QWidget* page, const QString& title) {
    ui->PC_Right->addTab(page, title);
}

void TForm1::showRightPage(int step) {
    // In the saturation mode the sheets stand in the right column.
    QTabWidget* pages = ui->PC_Right->isHidden() ? ui->PageControl1 : ui->PC_Right;
    pages->setCurrentIndex((pages->currentIndex() + step + pages->count()) % pages->count());
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize) {
        if (watched == content) contentStretch->apply(content->size());
        if (watched == ui->Pan_State) stateStretch->apply(ui->Pan_State->size());
        if (watched == scroll->viewport()) ui->Pan_Bot->move(scroll->viewport()->width() - ui->Pan_Bot->width(), 0);
        if (watched == ui->PC_Right) fitPagesPhase();
    }
    return QWidget::eventFilter(watched, event);
}

void TForm1::showPagesPhase(const QString& phase) {
    pagesPhase->setToolTip(phase);
    fitPagesPhase();
}

void TForm1::fitPagesPhase() {
    const QMargins margins = pagesPhase->contentsMargins();
    const int room = ui->PC_Right->width() - ui->PC_Right->tabBar()->sizeHint().width() - margins.left() -
                     margins.right() - pagesPhase->fontMetrics().averageCharWidth();
    const QString phase = pagesPhase->toolTip();
    const QString shown = pagesPhase->fontMetrics().elidedText(phase, Qt::ElideRight, std::max(room, 0));
    if (shown == pagesPhase->text()) return;
    pagesPhase->setText(shown);
    // The tab widget lays out its corner by the label's new size.
    ui->PC_Right->setCornerWidget(pagesPhase, Qt::TopRightCorner);
    pagesPhase->setVisible(ui->PC_Right->currentWidget() != ui->TabDiagram);
}

// The last place and size, else the designed place and size.
void TForm1::restorePlace() {
    const QByteArray geometry = QSettings().value(GeometryKey).toByteArray();
    if (geometry.isEmpty() || !restoreGeometry(geometry)) {
        move(DesignedPosition);
        resize(designedSize());
    }
    openingSize = size();
    takeInstanceSlot();
}

// A slot whose program is gone is taken over at once (QLockFile knows the
// program by its process id); a living one's is never taken, however old.
void TForm1::takeInstanceSlot() {
    const QString folder = QFileInfo(statesPath()).path();
    QDir().mkpath(folder);
    for (instance = 0; instance < MostInstanceSlots; ++instance) {
        instanceLock = std::make_unique<QLockFile>(folder + QStringLiteral("/window-%1.lock").arg(instance));
        instanceLock->setStaleLockTime(0);
        if (instanceLock->tryLock(0)) return;
    }
    instanceLock.reset();
}

QSize TForm1::designedSize() const {
    ensurePolished();  // the menu bar's height comes with the style sheet's font
    return designedClient + QSize(0, menus->sizeHint().height());
}

// The first window keeps the place: the others stand aside from it.
void TForm1::savePlace() const {
    if (instance == 0) QSettings().setValue(GeometryKey, saveGeometry());
}

void TForm1::closeEvent(QCloseEvent* event) {
    savePlace();
    saveStatesOnClose();
    QWidget::closeEvent(event);
}

// The rows the last save could not write are kept beside the file for the
// next start.
void TForm1::saveStatesOnClose() {
    if (saveTimer.isActive() && !saveStates(true) && !table.KeepUnsaved(statesPath()))
        ShowMessage(this, QStringLiteral("The states not saved could not be kept beside ") +
                              QDir::toNativeSeparators(statesPath()) + QLatin1Char('.'));
}

// The window opens at its place unless part of its frame would be off the
// screen there, e.g. with a large scale factor or on a smaller screen: then it
// moves, and where the whole frame is larger than the screen it becomes
// smaller too, the panels scrolling, so that Calk and Close stay in reach.
// Once the frame is known the window takes its opening size again where it
// fits: a window manager may have made it smaller to fit the frame it added
// where the window stood before it was moved.
void TForm1::keepFrameOnScreen(QSize wanted) {
    QScreen* screen = QGuiApplication::screenAt(pos());
    if (screen == nullptr) screen = this->screen();
    const QRect available = screen->availableGeometry();
    const QMargins frame = windowHandle() != nullptr ? windowHandle()->frameMargins() : QMargins();
    const QSize fitting = wanted.boundedTo(available.size().shrunkBy(frame));
    // Moved first: where the frame would leave the screen, a window manager
    // may refuse the size.
    QPoint place = placeOnScreen(pos(), fitting.grownBy(frame), available);
    // Once only: a later call starts from the place aside.
    if (instance > 0 && !placedAside) place = asideOnScreen(place, fitting.grownBy(frame), available, instance * InstanceStep);
    placedAside = true;
    move(place);
    if (fitting != size()) resize(fitting);
}

void TForm1::showAbout() {
    QMessageBox::about(this, QStringLiteral("About ") + windowTitle(),
                       QStringLiteral("<p><b>%1</b>, version %2</p>"
                                      "<p>Thermodynamic properties: IAPWS Industrial Formulation 1997 (IAPWS-IF97), "
                                      "region 5 as revised in 2007, with the backward equations T(p, h), "
                                      "T(p, s) and p(h, s).<br>"
                                      "Viscosity and thermal conductivity: IAPS 1985 equations, or by choice "
                                      "(View → Transport properties) IAPWS 2008 and IAPWS 2011.<br>"
                                      "Transport properties and surface tension on the saturation line: "
                                      "saturation-line correlations, or by that choice IAPWS 2008, IAPWS 2011 "
                                      "and IAPWS R1-76(2014).</p>")
                           .arg(windowTitle().toHtmlEscaped(), QStringLiteral(H2O_ORV_VERSION)));
}
