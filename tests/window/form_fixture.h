#pragma once

#include "labelled_edit.h"
#include "u_H2O_ORV.h"
#include "ui_u_H2O_ORV.h"

#include <gtest/gtest.h>

// A freshly created window, as the program opens it (FormCreate has run).
class FormTest : public ::testing::Test {
protected:
    TForm1 form;
    Ui::TForm1& ui = ControlsOf(form);

    // A labelled edit is shown or hidden as one control: edit and label agree.
    static bool shown(QLineEdit* edit) {
        EXPECT_EQ(edit->isHidden(), labelOf(edit)->isHidden()) << edit->objectName().toStdString();
        return !edit->isHidden();
    }
    static bool enabled(QLineEdit* edit) {
        EXPECT_EQ(edit->isEnabled(), labelOf(edit)->isEnabled()) << edit->objectName().toStdString();
        return edit->isEnabled();
    }
};
