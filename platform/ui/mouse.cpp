#include "platform/ui/mouse.h"

TMouse Mouse;
