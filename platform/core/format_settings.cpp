#include "platform/core/format_settings.h"

TFormatSettings FormatSettings;
