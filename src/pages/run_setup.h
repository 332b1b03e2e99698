#pragma once

namespace prefig {

class GDncConfig;
class GMachineType;
class GPrefiguration;

inline constexpr int kRestartNoticeId = 4634;

// What the export RunSetup does: a start page below 1 is negated and skips
// the password; otherwise a configuration password is asked for first (a
// refusal returns at once, writing neither output). Then the DNC object is
// brought up to date, the setup dialog runs, `count_out` gets the number of
// machine types written to `list_out` (room for 256) or -1 when the list
// did not change, and a restart notice follows a change that needs one.
// Always 0; nothing happens without a record.
int RunSetupSession(int start_page, GMachineType** list_out, int* count_out, GPrefiguration* record,
                    GDncConfig* dnc_config);

}  // namespace prefig
