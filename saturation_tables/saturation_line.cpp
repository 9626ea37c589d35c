#include "Tabl1.h"
