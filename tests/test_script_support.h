// Helpers shared by the tests: running the program, files, script lines.
#pragma once

#include <QFile>
#include <QProcess>
#include <QStringList>

#include <initializer_list>

namespace testing {

struct Run {
    int exitCode = -1;
    QByteArray out, err;
};

// Runs a program with these arguments and waits for it.
inline Run RunProgram(const QString &program, const QStringList &arguments,
                      const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment(),
                      int timeoutMs = 60000)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    process.closeWriteChannel();
    Run run;
    if (process.waitForFinished(timeoutMs) && process.exitStatus() == QProcess::NormalExit)
        run = {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
    return run;
}

// Runs the built program with these arguments and waits for it.
inline Run RunQuorlin(const QStringList &arguments,
                      const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
{
    return RunProgram(QStringLiteral(QUORLIN_BINARY), arguments, environment);
}

// A whole file, or nothing when it cannot be read.
inline QByteArray ReadFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QByteArray Golden(const QString &name) { return ReadFile(QStringLiteral(QUORLIN_TEST_DATA "/golden/") + name); }

// Script lines, each ended with CR LF as the script writes them.
inline QString Lines(std::initializer_list<const char *> lines)
{
    QString text;
    for (const char *line : lines)
        text += QString::fromUtf8(line) + QStringLiteral("\r\n");
    return text;
}

// The section that starts with the line `head`, up to the next section head or
// the end; empty when the script has no such section.
inline QString Section(const QString &script, const QString &head)
{
    const qsizetype start = script.indexOf(head + QStringLiteral("\r\n"));
    if (start < 0)
        return QString();
    const qsizetype next = script.indexOf(QStringLiteral("\r\n<"), start);
    return next < 0 ? script.mid(start) : script.mid(start, next + 2 - start);
}

} // namespace testing
