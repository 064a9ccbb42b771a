#pragma once

#include <QToolButton>

class QMimeData;

namespace quorlin {

class RememberedState;
class WizardModel;

// The drop-down beside "打开草稿": the drafts opened or saved last, newest
// first. Choosing one opens it as the button would open a chosen file.
class RecentDraftsButton : public QToolButton {
    Q_OBJECT
public:
    RecentDraftsButton(WizardModel &model, RememberedState &state, QWidget *parent = nullptr);

    // Fills the menu from the remembered list; done each time it opens.
    void refresh();

private:
    WizardModel &model_;
    RememberedState &state_;
};

// The draft a drag carries: one local *.qlx file, else an empty string.
QString DraggedDraft(const QMimeData *data);

} // namespace quorlin
