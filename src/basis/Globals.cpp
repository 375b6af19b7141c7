#include "Globals.h"

QString DialogResult;
