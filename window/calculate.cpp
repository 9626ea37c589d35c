#include "u_H2O_ORV.h"

void TForm1::BB_CalkClick() {}
