#pragma once

#include "core/dialogs.h"

#include <QString>

namespace quorlin {

// Why a command was refused; shown to the user as a message box.
struct Refusal {
    QString title;
    QString text;
    MessageIcon icon;
};

} // namespace quorlin
