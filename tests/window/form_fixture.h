#pragma once

#include "labelled_edit.h"
#include "equipment_page.h"
#include "lines_page.h"
#include "u_H2O_ORV.h"
#include "ui_u_H2O_ORV.h"

#include <gtest/gtest.h>

// A freshly created window, as the program opens it (FormCreate has run).
class FormTest : public ::testing::Test {
protected:
    TForm1 form;
    Ui::TForm1& ui = ControlsOf(form);

    // The calculator's inputs and results, not the edits of the pages Lines and Equipment.
    QList<QLineEdit*> calculatorEdits() const {
        QList<QLineEdit*> edits = form.findChildren<QLineEdit*>();
        edits.removeIf([this](QLineEdit* edit) {
            return form.linesPage()->isAncestorOf(edit) || form.equipmentPage()->isAncestorOf(edit);
        });
        return edits;
    }

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
