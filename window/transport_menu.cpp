// View → Transport properties: which formulation gives μ, ν, λ and Pr of the
// next runs, kept in the settings between starts.
#include "u_H2O_ORV.h"

#include "lines_page.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QSettings>

namespace {

const QString TransportSettingKey = QStringLiteral("transport/formulation");

}  // namespace

void TForm1::addTransportMenu(QMenu* view) {
    QMenu* menu = view->addMenu(QStringLiteral("&Transport properties"));
    transportChoices = new QActionGroup(this);
    for (const Transport choice : {Transport::IAPS1985, Transport::IAPWS2008_2011}) {
        QAction* action = menu->addAction(TransportName(choice), this, [this, choice] { setTransport(choice); });
        action->setCheckable(true);
        action->setData(int(choice));
        transportChoices->addAction(action);
    }
    // A value this program does not know (or none) leaves the designed default.
    setTransport(TransportOfKey(QSettings().value(TransportSettingKey).toString()).value_or(Transport::IAPS1985));
}

void TForm1::setTransport(Transport chosen) {
    // The results on show were computed by the other formulation.
    if (chosen != transport) {
        setPanelStale(panelRun.has_value());
        setSheetsStale(sheetsRun.has_value());
    }
    transport = chosen;
    lines->setTransport(chosen);
    for (QAction* action : transportChoices->actions()) action->setChecked(action->data().toInt() == int(chosen));
    QSettings().setValue(TransportSettingKey, TransportKey(chosen));
}
