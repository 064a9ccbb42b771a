// Text that a person reads: captions, messages and questions. Chinese is the
// source language; a translation installed at start-up replaces it, and
// without one each text is its source.
#pragma once

#include <QCoreApplication>

namespace quorlin {

// Ui::tr("…") for text written where it is shown; tables mark theirs with
// QT_TRANSLATE_NOOP("Quorlin", "…") and pass the entry to Ui::tr where it is
// shown, so one context holds every text.
class Ui {
    Q_DECLARE_TR_FUNCTIONS(Quorlin)
};

} // namespace quorlin
