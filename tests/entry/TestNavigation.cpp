#include "BancSaisie.h"
