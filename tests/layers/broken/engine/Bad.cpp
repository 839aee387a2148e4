#include <QString>
#include "engine/Fine.h"
