// Renders the calculator window offscreen and saves it as a PNG:
//   window_screenshot <file.png> [input mode [value ...]]
// The input mode is the item of the mode group: 0 (p, t), 1 (p, h),
// 2 saturation by ps, 3 (p, s), 4 (p, x), 5 (t, x). Given values are typed
// into the mode's inputs in the order the mode reads them and calculated
// before the picture is taken, e.g.
//   window_screenshot docs/window.png 0 1 200

#include "edit_binding.h"
#include "message_box.h"
#include "u_H2O_ORV.h"
#include "ui_u_H2O_ORV.h"

#include <QApplication>
#include <QLineEdit>
#include <QPixmap>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    const int mode = argc >= 3 ? std::atoi(argv[2]) : 0;
    if (argc < 2 || InputsOf(InputMode(mode), SaturationInput::ByPs).isEmpty()) {
        std::fprintf(stderr, "usage: %s <file.png> [input mode 0..5 [value ...]]\n", argv[0]);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TForm1 form;
    form.setRG_1ItemIndex(mode);
    const QList<QLineEdit*> inputs = InputEditsOf(ControlsOf(form), InputMode(mode), SaturationInput::ByPs);
    if (argc - 3 > inputs.size()) {
        std::fprintf(stderr, "input mode %d takes at most %d values\n", mode, int(inputs.size()));
        return 2;
    }
    form.show();
    QApplication::processEvents();
    form.resize(form.designedSize());  // whatever the size of the offscreen screen
    if (argc > 3) {
        for (int i = 3; i < argc; ++i) inputs[i - 3]->insert(QString::fromLocal8Bit(argv[i]));
        // A refused value would open a message box, which nobody could close here.
        bool refused = false;
        SetMessageCapture([&refused](const ShownMessage& message) {
            std::fprintf(stderr, "%s %s\n", qPrintable(message.text), qPrintable(message.informativeText));
            refused = true;
        });
        ControlsOf(form).BB_Calk->click();
        if (refused) return 1;
    }
    QApplication::processEvents();  // the diagram lays itself out in posted events
    if (!form.grab().save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
