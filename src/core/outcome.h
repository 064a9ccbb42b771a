#pragma once

#include "core/refusal.h"

#include <optional>
#include <utility>

namespace quorlin {

// What a command of the settings pages came to: done, or refused with the
// reason the user is shown. Callers read the result itself, so nothing needs
// to watch the dialogs to learn that a command was refused.
class Outcome {
public:
    Outcome() = default; // done
    // Refused; implicit, so that a command can simply return its Refusal.
    Outcome(Refusal refusal) : refusal_(std::move(refusal)) {}

    // True when the command was done.
    explicit operator bool() const { return !refusal_; }
    // Why the command was refused; only for a refused outcome.
    const Refusal &refusal() const { return *refusal_; }

private:
    std::optional<Refusal> refusal_;
};

} // namespace quorlin
