#pragma once

#include "core/dialogs.h"

#include <QList>
#include <QStringList>

namespace quorlin {

// Dialogs without a screen: answers and file names come from queues filled in
// advance (a question with nothing queued gets its default answer, a file
// dialog with nothing queued is cancelled), and every message, question and
// proposed file name is kept.
class ScriptedDialogs : public Dialogs {
public:
    struct Message {
        QString title;
        QString text;
        MessageIcon icon;
    };
    struct Question {
        QString title;
        QString text;
    };

    QList<Answer> answers;
    QStringList fileNames;
    QList<Message> messages;
    QList<Question> questions;
    QStringList proposedNames; // what each file dialog was asked to start on

    void message(const QString &title, const QString &text, MessageIcon icon) override
    {
        messages.append({title, text, icon});
    }
    Answer askToSave(const QString &title, const QString &text) override
    {
        questions.append({title, text});
        return answers.isEmpty() ? Answer::Yes : answers.takeFirst();
    }
    QString saveFileName(FileKind, const QString &proposed) override { return fileName(proposed); }
    QString openFileName(FileKind, const QString &proposed) override { return fileName(proposed); }

private:
    QString fileName(const QString &proposed)
    {
        proposedNames.append(proposed);
        return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
    }
};

} // namespace quorlin
