#include "command_line.h"

#include "text_to_real.h"

#include <array>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace {

// The choices of each unit, found by the text the window writes for them, so
// that the program and the window spell units alike.
template <typename Enum, std::size_t N>
std::optional<Enum> UnitNamed(const QString& text, UnitKind kind, const std::array<Enum, N>& choices,
                              Enum Units::*member) {
    for (const Enum choice : choices) {
        Units units;
        units.*member = choice;
        if (text.compare(UnitText(kind, units), Qt::CaseInsensitive) == 0) return choice;
    }
    return std::nullopt;
}

constexpr std::array Pressures{PressureUnit::MPa, PressureUnit::KPa, PressureUnit::Bar, PressureUnit::Psi};
constexpr std::array Temperatures{TemperatureUnit::Celsius, TemperatureUnit::Kelvin, TemperatureUnit::Fahrenheit};

// A quantity by the symbol of its result row or of its input, in any case: "h", "Cp", "ro".
std::optional<Quantity> QuantityNamed(const QString& name) {
    for (int q = 0; q < QuantityCount; ++q) {
        const QuantityRow& row = RowOf(Quantity(q));
        if (name.compare(QLatin1String(row.symbol), Qt::CaseInsensitive) == 0 ||
            name.compare(QLatin1String(row.inputSymbol), Qt::CaseInsensitive) == 0)
            return Quantity(q);
    }
    return std::nullopt;
}

// The mode whose inputs the names are, in either order: "p" and "t" is (p, t);
// "ps" alone is the saturation line by its pressure.
const ModeRow* ModeOfInputs(const QStringList& names, QList<int>* order) {
    for (const ModeRow& mode : Modes()) {
        if (mode.inputs.size() != names.size()) continue;
        QList<int> found;
        for (const Quantity input : mode.inputs) {
            const QuantityRow& row = RowOf(input);
            const QLatin1String symbol(mode.saturation() ? row.saturationSymbol : row.inputSymbol);
            for (int i = 0; i < names.size(); ++i)
                if (names[i].compare(symbol, Qt::CaseInsensitive) == 0) found.append(i);
        }
        if (found.size() == names.size()) {
            *order = found;
            return &mode;
        }
    }
    return nullptr;
}

UsageError Wrong(const QString& message) {
    return {message + u"\nTry 'h2o --help'."_s};
}

}  // namespace

Command ParseCommandLine(const QStringList& arguments) {
    RunOptions options;
    QStringList names;
    QList<double> values;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == u"--help"_s || argument == u"-h"_s) return HelpRequest{};
        if (argument.startsWith(u"--"_s)) {
            QString option = argument, value;
            if (const qsizetype equals = argument.indexOf(u'='); equals > 0) {
                option = argument.left(equals);
                value = argument.mid(equals + 1);
            } else if (i + 1 < arguments.size()) {
                value = arguments[++i];
            } else {
                return Wrong(u"The option %1 needs a value."_s.arg(option));
            }
            if (option == u"--mode"_s) {
                options.mode = ModeByKey(QString(value).remove(u' '));
                if (options.mode == nullptr) return Wrong(u"Unknown mode '%1'."_s.arg(value));
            } else if (option == u"--units"_s) {
                if (value.compare(u"SI"_s, Qt::CaseInsensitive) == 0) options.units.system = UnitSystem::SI;
                else if (value.compare(u"US"_s, Qt::CaseInsensitive) == 0) options.units.system = UnitSystem::US;
                else return Wrong(u"Unknown unit system '%1' (SI or US)."_s.arg(value));
            } else if (option == u"--pressure"_s) {
                const auto unit = UnitNamed(value, UnitKind::Pressure, Pressures, &Units::pressure);
                if (!unit) return Wrong(u"Unknown pressure unit '%1'."_s.arg(value));
                options.units.pressure = *unit;
            } else if (option == u"--temperature"_s) {
                const auto unit = UnitNamed(value, UnitKind::Temperature, Temperatures, &Units::temperature);
                if (!unit) return Wrong(u"Unknown temperature unit '%1'."_s.arg(value));
                options.units.temperature = *unit;
            } else if (option == u"--transport"_s) {
                const auto transport = TransportOfKey(value);
                if (!transport) return Wrong(u"Unknown transport formulation '%1'."_s.arg(value));
                options.transport = *transport;
            } else if (option == u"--columns"_s) {
                for (const QString& name : value.split(u',', Qt::SkipEmptyParts)) {
                    const auto quantity = QuantityNamed(name.trimmed());
                    if (!quantity) return Wrong(u"Unknown column '%1'."_s.arg(name.trimmed()));
                    options.columns.append(*quantity);
                }
            } else {
                return Wrong(u"Unknown option %1."_s.arg(option));
            }
            continue;
        }
        const qsizetype equals = argument.indexOf(u'=');
        if (equals <= 0) return Wrong(u"Unexpected argument '%1'."_s.arg(argument));
        try {
            values.append(TextToReal(argument.mid(equals + 1)));
        } catch (const InvalidNumber& e) {
            return Wrong(e.message().trimmed());
        }
        names.append(argument.left(equals).trimmed());
    }
    if (names.isEmpty()) {
        if (options.mode == nullptr) return Wrong(u"Name the mode of the rows with --mode, e.g. --mode p,t."_s);
        return BatchRun{options};
    }
    QList<int> order;
    const ModeRow* mode = ModeOfInputs(names, &order);
    if (mode == nullptr) return Wrong(u"No mode reads %1."_s.arg(names.join(u" and "_s)));
    if (options.mode != nullptr && options.mode != mode)
        return Wrong(u"The values given are not those of the mode %1."_s.arg(QLatin1String(options.mode->key)));
    options.mode = mode;
    OneState one{options};
    for (int i = 0; i < order.size(); ++i) one.values[i] = values[order[i]];
    return one;
}

QString UsageText() {
    QStringList keys;
    for (const ModeRow& mode : Modes()) keys.append(QLatin1String(mode.key));
    return uR"(Usage: h2o --mode PAIR [OPTIONS] < rows.csv > states.csv
       h2o [OPTIONS] NAME=VALUE [NAME=VALUE]

Properties of water and steam (IAPWS-IF97) without the window.

With --mode, every line of standard input is one state: two numbers (one on
the saturation line) separated by a comma, a semicolon or a tab; with a
semicolon or a tab the decimal separator may be a comma. A first line that is
not numbers is taken as a header. Standard output gets CSV with a header row
(quantity and unit) and one row per input line, every number the shortest
text that reads back as the same double. A row that is refused names its
reason; the exit status is then 1 and standard error says how many rows were.

With NAME=VALUE pairs (p=1 t=200, h=2800 s=6.5, ps=1), one state is printed,
every quantity with its unit, in full precision.

Options:
  --mode PAIR          %1
  --units SI|US        the unit system of every quantity but p and t (SI)
  --pressure UNIT      MPa, kPa, bar or psi (MPa)
  --temperature UNIT   C, K or F (C)
  --transport NAME     IAPS1985 (the default) or IAPWS2008-2011
  --columns LIST       the quantities to write, e.g. h,s,v,Cp (all)
  --help               this text
)"_s.arg(keys.join(u", "_s));
}
