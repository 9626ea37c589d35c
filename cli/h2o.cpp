// h2o: the calculator's states without its window, for scripts and test
// rigs. Rows of pairs on standard input become CSV on standard output; one
// state given as NAME=VALUE pairs is printed with every quantity.
#include "command_line.h"
#include "state_rows.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTextStream>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    // Files and pipes carry numbers with a decimal point, whatever the user's locale.
    QLocale::setDefault(QLocale::c());
    QTextStream out(stdout), errors(stderr);
    const Command command = ParseCommandLine(QCoreApplication::arguments().mid(1));
    if (std::holds_alternative<HelpRequest>(command)) {
        out << UsageText();
        return 0;
    }
    if (const auto* wrong = std::get_if<UsageError>(&command)) {
        errors << "h2o: " << wrong->message << '\n';
        return 2;
    }
    if (const auto* one = std::get_if<OneState>(&command)) {
        QString text;
        const bool computed = OneStateText(*one, &text);
        (computed ? out : errors) << text;
        return computed ? 0 : 1;
    }
    QTextStream in(stdin);
    return WriteStateRows(in, out, errors, std::get<BatchRun>(command).options) > 0 ? 1 : 0;
}
