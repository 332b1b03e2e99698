#include "low/low.h"

#include "high/high.h"
