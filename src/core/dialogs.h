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
    // A question titled `title` with Yes and No (and Cancel when `withCancel`).
    // Cancel is also the answer when the question is closed without one.
    virtual Answer ask(const QString &title, const QString &text, bool withCancel, Answer defaultAnswer) = 0;
    // A file name, or an empty string when the dialog was cancelled.
    virtual QString saveFileName(FileKind kind) = 0;
    virtual QString openFileName(FileKind kind) = 0;
};

} // namespace quorlin
