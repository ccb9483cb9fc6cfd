// A model file that reaches up into the painters and into Qt.
#include <QString>

#include "designer/paint/buttonface.h"
#include "platform/core/text.h"
