#pragma once

#include <QString>

namespace quorlin {

class Settings;
class ItemStore;

// The whole script for the current settings and added items. `date` is
// written as it is into the header's date line.
QString AssembleScript(const Settings &settings, const ItemStore &lands, const ItemStore &terrains,
                       const ItemStore &units, const QString &date);

// Today's date in the user's short date format.
QString TodayShortDate();

} // namespace quorlin
