#pragma once

#include "form_fixture.h"
#include "message_box.h"

#include <QLineEdit>
#include <QTest>

#include <string>
#include <vector>

// The window as the program opens it, shown, with its message boxes captured
// instead of opened. Values are typed and Calculate clicked as a user does.
class CalculateTest : public FormTest {
protected:
    CalculateTest() {
        SetMessageCapture([this](const ShownMessage& message) { messages.push_back(message); });
        form.show();
    }
    ~CalculateTest() override { SetMessageCapture({}); }

    std::vector<ShownMessage> messages;

    static void type(QLineEdit* edit, const QString& text) {
        edit->clear();
        QTest::keyClicks(edit, text);
    }
    void calculate() { QTest::mouseClick(ui.BB_Calk, Qt::LeftButton); }

    void calculateByPT(const QString& p, const QString& t) {
        form.setRG_1ItemIndex(0);
        type(ui.Lb_P, p);
        type(ui.Lb_T, t);
        calculate();
    }

    // The only message shown so far ("" when none), and forget it.
    std::string message() {
        EXPECT_LE(messages.size(), 1u);
        const std::string text = messages.empty() ? std::string() : messages.back().text.toStdString();
        messages.clear();
        return text;
    }
};
