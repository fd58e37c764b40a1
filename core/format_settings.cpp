#include "core/format_settings.h"

TFormatSettings FormatSettings;
