#include "message_box.h"

#include <QApplication>
#include <QMessageBox>

namespace {

std::function<void(const ShownMessage&)>& Capture() {
    static std::function<void(const ShownMessage&)> capture;
    return capture;
}

void Show(QWidget* parent, const ShownMessage& message, QMessageBox::Icon icon) {
    if (Capture()) {
        Capture()(message);
        return;
    }
    QMessageBox box(icon, QApplication::applicationName(), message.text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);  // the texts are shown exactly, leading blank included
    box.setInformativeText(message.informativeText);
    box.exec();
}

}  // namespace

void ShowMessage(QWidget* parent, const QString& text) {
    Show(parent, {text, QString()}, QMessageBox::NoIcon);
}

void ShowErrorReport(QWidget* parent, const QString& text, const QString& reason) {
    Show(parent, {text, reason}, QMessageBox::Critical);
}

bool Confirm(QWidget* parent, const QString& question) {
    if (Capture()) {
        Capture()({question, QString()});
        return true;
    }
    return QMessageBox::question(parent, QApplication::applicationName(), question) == QMessageBox::Yes;
}

void SetMessageCapture(std::function<void(const ShownMessage&)> capture) {
    Capture() = std::move(capture);
}
