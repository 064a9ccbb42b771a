#include "ui/qt_dialogs.h"

#include "core/ui_text.h"
#include "wizard/remembered_state.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

namespace quorlin {

namespace {

QMessageBox::Icon IconOf(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Warning: return QMessageBox::Warning;
    case MessageIcon::Error: return QMessageBox::Critical;
    case MessageIcon::Information: return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton ButtonOf(Answer answer)
{
    switch (answer) {
    case Answer::Yes: return QMessageBox::Yes;
    case Answer::No: return QMessageBox::No;
    case Answer::Cancel: return QMessageBox::Cancel;
    }
    return QMessageBox::NoButton;
}

} // namespace

void QtDialogs::message(const QString &title, const QString &text, MessageIcon icon)
{
    QMessageBox box(IconOf(icon), title, text, QMessageBox::Ok, parent_);
    box.exec();
}

Answer QtDialogs::ask(const QString &title, const QString &text, bool withCancel, Answer defaultAnswer)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Yes | QMessageBox::No, parent_);
    // Escape and the close box must not count as an answer: on a plain Yes/No
    // box they would mean No, and No may throw work away. A cancel button
    // stands for them; it is shown only where the question offers it.
    QPushButton *cancel = box.addButton(QMessageBox::Cancel);
    cancel->setVisible(withCancel);
    box.setEscapeButton(cancel);
    box.setDefaultButton(ButtonOf(defaultAnswer));
    box.exec();
    switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Cancel;
    }
}

QString QtDialogs::fileName(FileKind kind, bool save)
{
    const bool draft = kind == FileKind::Draft;
    QFileDialog dialog(parent_);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilter(draft ? Ui::tr("随机地图草稿(*.qlx)") : Ui::tr("随机地图脚本文件(*.rms)"));
    dialog.setDefaultSuffix(draft ? QStringLiteral("qlx") : QStringLiteral("rms"));
    // Replacing an existing file, script or draft, is confirmed by the dialog's own question.
    if (state_ && !state_->lastFolder(kind).isEmpty())
        dialog.setDirectory(state_->lastFolder(kind));
    if (draft && !lastDraft_.isEmpty())
        dialog.selectFile(lastDraft_);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    const QString chosen = dialog.selectedFiles().constFirst();
    if (state_)
        state_->setLastFolder(kind, QFileInfo(chosen).absolutePath());
    if (draft)
        lastDraft_ = chosen;
    return chosen;
}

QString QtDialogs::saveFileName(FileKind kind) { return fileName(kind, true); }

QString QtDialogs::openFileName(FileKind kind) { return fileName(kind, false); }

} // namespace quorlin
