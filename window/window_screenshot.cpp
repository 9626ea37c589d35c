// Renders the calculator window offscreen and saves it as a PNG:
//   window_screenshot <file.png> [input mode: 0 (p, t), 1 (p, h), 2 saturation]

#include "u_H2O_ORV.h"

#include <QApplication>
#include <QPixmap>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: %s <file.png> [input mode 0..2]\n", argv[0]);
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  TForm1 form;
  if (argc == 3) form.setRG_1ItemIndex(std::atoi(argv[2]));
  form.show();
  QApplication::processEvents();  // the diagram lays itself out in posted events
  if (!form.grab().save(QString::fromLocal8Bit(argv[1]), "PNG")) {
    std::fprintf(stderr, "cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
