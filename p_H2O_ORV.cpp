// Start-up of the water and steam properties calculator: one window, opened in
// the (p, t) mode, until it is closed.

#include "u_H2O_ORV.h"

#include <QApplication>

int main(int argc, char** argv)
{
  QApplication app(argc, argv);
  TForm1 form;
  form.show();
  app.exec();
  return 0;
}
