// Sets the default QLocale for one test and restores the previous one after it.
#pragma once

#include <QLocale>

class LocaleGuard {
public:
    explicit LocaleGuard(const QLocale& locale) { QLocale::setDefault(locale); }
    ~LocaleGuard() { QLocale::setDefault(previous_); }
    LocaleGuard(const LocaleGuard&) = delete;
    LocaleGuard& operator=(const LocaleGuard&) = delete;

    static QLocale Comma() { return QLocale(QLocale::German, QLocale::Germany); }
    static QLocale FullStop() { return QLocale(QLocale::English, QLocale::UnitedStates); }

private:
    QLocale previous_;
};
