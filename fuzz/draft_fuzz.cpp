// libFuzzer target for the draft reader: `make fuzz`.
//
// Besides crashes, hangs and sanitizer reports it checks the reader's
// promises: a refused file says why and leaves the model as it was; an
// accepted one saves to a draft that opens again to the same bytes.

#include "drafts/draft.h"
#include "require.h"
#include "wizard/wizard_model.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

QByteArray Encoded(const quorlin::WizardModel &model)
{
    QByteArray bytes;
    QString error;
    if (!quorlin::EncodeDraft(model.project(), &bytes, &error)) {
        std::fprintf(stderr, "cannot save an opened draft: %s\n", qPrintable(error));
        std::abort();
    }
    return bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QByteArray fresh = Encoded(quorlin::WizardModel(nullptr));

    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    quorlin::WizardModel model(nullptr);
    const quint64 revision = model.settings().revision();
    QString error;
    if (!model.applyDraft(bytes, &error)) {
        Require(!error.isEmpty(), "a refused draft says why");
        Require(model.settings().revision() == revision, "a refused draft leaves the settings alone");
        Require(Encoded(model) == fresh, "a refused draft leaves the model as it was");
        return 0;
    }
    const QByteArray saved = Encoded(model);
    quorlin::WizardModel reopened(nullptr);
    Require(reopened.applyDraft(saved, &error), "a saved draft opens");
    Require(Encoded(reopened) == saved, "a saved draft opens to the same state");
    return 0;
}
