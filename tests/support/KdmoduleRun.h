#pragma once

#include <QProcess>
#include <QStringList>

#include <string>

// Runs the kdmodule tool as a user would, from the build tree, and keeps its exit code and
// both outputs.

#ifdef KD_KDMODULE_PATH
inline const char* const KdmodulePath = KD_KDMODULE_PATH;
#else
inline const char* const KdmodulePath = KD_BINARY_DIR "/tools/kdmodule/kdmodule";
#endif

struct TRun {
    int Code { -1 }; // -1 when the tool did not end in time or crashed
    std::string Out;
    std::string Err;
};

// `folder` is the working folder (the test's own when empty).
inline TRun RunKdmodule(const QStringList& arguments, const QString& folder = {}, int timeoutMs = 120000)
{
    QProcess process;
    if (!folder.isEmpty())
        process.setWorkingDirectory(folder);
    process.start(QString::fromUtf8(KdmodulePath), arguments);
    TRun run;
    if (!process.waitForFinished(timeoutMs))
        return run;
    run.Code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.Out = process.readAllStandardOutput().toStdString();
    run.Err = process.readAllStandardError().toStdString();
    return run;
}
