#pragma once

namespace quorlin {

class Settings;

// "全部选择": ticks the ready-made units; of each pair of alternatives the
// first, unless the user has chosen the second.
void SelectAllReadyMade(Settings &settings);

// "恢复默认": puts most settings of the five settings pages back, leaving the
// zone frame's box, the ready-made units, the connection kinds and the added
// items as they are.
void RestoreDefaults(Settings &settings);

} // namespace quorlin
