#include "isolines_dialog.h"

#include "decimal_separator.h"
#include "message_box.h"
#include "text_to_real.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

double Shown(const IsolineFamilyRow& row, double value, const Units& units) {
    return row.quantity ? ToShown(QuantityOf(*row.quantity), value, units) : value;
}

double Core(const IsolineFamilyRow& row, double shown, const Units& units) {
    return row.quantity ? FromShown(QuantityOf(*row.quantity), shown, units) : shown;
}

// Why a value cannot be one of the family's, or empty.
QString RefusalOf(const IsolineFamilyRow& row, double value) {
    if (!row.quantity) return value >= 0 && value <= 1 ? QString() : QStringLiteral("A dryness lies from 0 to 1");
    if ((*row.quantity == ChartQuantity::Pressure || *row.quantity == ChartQuantity::Volume) && !(value > 0))
        return QStringLiteral("A pressure or a volume is above 0");
    return {};
}

}  // namespace

IsolinesDialog::IsolinesDialog(ChartKind kind, const std::vector<IsolineId>& ids, const Units& units,
                               QWidget* parent)
    : QDialog(parent), kind(kind), units(units) {
    setObjectName(QStringLiteral("Chart_IsolinesDialog"));
    setWindowTitle(QStringLiteral("Isolines of the %1 diagram").arg(QString::fromUtf8(KindRow(kind).key).toUpper()));
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("Values, separated by semicolons:")), 0, 1);
    for (const IsolineFamilyRow& row : IsolineFamilies()) {
        const int at = int(row.family) + 1;
        boxes[int(row.family)] = new QCheckBox(QString::fromLatin1(row.name));
        edits[int(row.family)] = new QLineEdit;
        edits[int(row.family)]->setMinimumWidth(420);
        grid->addWidget(boxes[int(row.family)], at, 0);
        grid->addWidget(edits[int(row.family)], at, 1);
        grid->addWidget(new QLabel(row.quantity ? UnitText(QuantityOf(*row.quantity), units) : QString()), at, 2);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::RestoreDefaults);
    grid->addWidget(buttons, IsolineFamilyCount + 1, 0, 1, 3);
    connect(buttons, &QDialogButtonBox::accepted, this, &IsolinesDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons->button(QDialogButtonBox::RestoreDefaults), &QPushButton::clicked, this,
            [this] { show(IsolinesOf(KindRow(this->kind).defaultFamilies)); });
    show(ids);
}

// Every family with its values; a family not drawn shows its usual ones, unchecked.
void IsolinesDialog::show(const std::vector<IsolineId>& ids) {
    const QString separator = LocaleDecimalSeparator();
    for (const IsolineFamilyRow& row : IsolineFamilies()) {
        QStringList texts;
        for (const IsolineId& id : ids)
            if (id.family == row.family) texts.append(QString::number(Shown(row, id.value, units), 'g', 6));
        boxes[int(row.family)]->setChecked(!texts.isEmpty());
        if (texts.isEmpty())
            for (const double value : row.values) texts.append(QString::number(Shown(row, value, units), 'g', 6));
        edits[int(row.family)]->setText(texts.join(QStringLiteral("; ")).replace(u'.', separator));
    }
}

std::optional<std::vector<IsolineId>> IsolinesDialog::read() {
    std::vector<IsolineId> ids;
    for (const IsolineFamilyRow& row : IsolineFamilies()) {
        if (!boxes[int(row.family)]->isChecked()) continue;
        for (const QString& text : edits[int(row.family)]->text().split(u';', Qt::SkipEmptyParts)) {
            if (text.trimmed().isEmpty()) continue;
            double value = 0;
            try {
                value = Core(row, TextToReal(text), units);
            } catch (const InvalidNumber& invalid) {
                ShowMessage(this, invalid.message());
                edits[int(row.family)]->setFocus();
                return std::nullopt;
            }
            if (const QString refusal = RefusalOf(row, value); !refusal.isEmpty()) {
                ShowMessage(this, QStringLiteral("%1: %2").arg(QString::fromLatin1(row.name), refusal));
                edits[int(row.family)]->setFocus();
                return std::nullopt;
            }
            ids.push_back({row.family, value});
        }
    }
    return ids;
}

void IsolinesDialog::accept() {
    if (const std::optional<std::vector<IsolineId>> ids = read()) {
        result = *ids;
        QDialog::accept();
    }
}
