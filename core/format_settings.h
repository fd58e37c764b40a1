#pragma once

// The process-wide number format. The toolkit fills it from the user's
// regional settings at start and, unless told not to, again whenever the
// system broadcasts a change of settings.
struct TFormatSettings {
  char DecimalSeparator = '.';
};

extern TFormatSettings FormatSettings;
