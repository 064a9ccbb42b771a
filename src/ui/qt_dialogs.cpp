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

} // namespace

void QtDialogs::message(const QString &title, const QString &text, MessageIcon icon)
{
    QMessageBox box(IconOf(icon), title, text, QMessageBox::Ok, parent_);
    box.exec();
}

Answer QtDialogs::askToSave(const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                    parent_);
    // The buttons say what they do; Escape and the close box are Cancel,
    // never the answer that lets the work go.
    box.button(QMessageBox::Save)->setText(Ui::tr("保存(&S)"));
    box.button(QMessageBox::Discard)->setText(Ui::tr("不保存(&N)"));
    box.button(QMessageBox::Cancel)->setText(Ui::tr("取消"));
    box.setEscapeButton(QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Save);
    box.exec();
    switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Save: return Answer::Yes;
    case QMessageBox::Discard: return Answer::No;
    default: return Answer::Cancel;
    }
}

QString QtDialogs::fileName(FileKind kind, bool save, const QString &proposed)
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
    // A whole path names its folder too; a bare name stays in the folder above.
    if (!proposed.isEmpty())
        dialog.selectFile(proposed);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    const QString chosen = dialog.selectedFiles().constFirst();
    if (state_)
        state_->setLastFolder(kind, QFileInfo(chosen).absolutePath());
    return chosen;
}

QString QtDialogs::saveFileName(FileKind kind, const QString &proposed) { return fileName(kind, true, proposed); }

QString QtDialogs::openFileName(FileKind kind, const QString &proposed) { return fileName(kind, false, proposed); }

} // namespace quorlin
