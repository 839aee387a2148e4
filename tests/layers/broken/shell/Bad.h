#include "engine/Fine.h"
#include "cli/Other.h"
