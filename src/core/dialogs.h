#pragma once

#include <QString>

namespace quorlin {

enum class MessageIcon { Warning, Error, Information };
enum class Answer { Yes, No, Cancel };
enum class FileKind { Script, Draft };

// What the wizard asks of the person in front of it. The window shows real
// message boxes and file dialogs; tests and the command line script the answers.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual void message(const QString &title, const QString &text, MessageIcon icon) = 0;
    // The one question the wizard asks: what to do with unsaved work, titled
    // `title`, with "保存" (Yes, the default), "不保存" (No: let it go) and
    // "取消" (Cancel: keep it and stay). Cancel is also the answer when the
    // question is closed without one.
    virtual Answer askToSave(const QString &title, const QString &text) = 0;
    // A file name, or an empty string when the dialog was cancelled. The
    // dialog starts on `proposed` when there is one: a whole path, or a bare
    // name in the folder this kind's dialog showed last.
    virtual QString saveFileName(FileKind kind, const QString &proposed) = 0;
    virtual QString openFileName(FileKind kind, const QString &proposed) = 0;
};

} // namespace quorlin
