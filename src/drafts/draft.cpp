#include "drafts/draft.h"

namespace quorlin {

bool EncodeDraft(const WizardModel &, QByteArray *, QString *error)
{
    if (error)
        *error = QStringLiteral("drafts are not supported yet");
    return false;
}

bool ApplyDraft(const QByteArray &, WizardModel &, QString *error)
{
    if (error)
        *error = QStringLiteral("drafts are not supported yet");
    return false;
}

} // namespace quorlin
