#pragma once
// Builds the speech library in the background: runs verbatrove-speech on word libraries and reports its
// progress, so the learner can go on studying meanwhile.
#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>

class SpeechLibraryBuilder : public QObject {
    Q_OBJECT
public:
    explicit SpeechLibraryBuilder(QObject* parent = nullptr);
    ~SpeechLibraryBuilder() override;

    // The tool to run; by default AppPaths::toolPath("verbatrove-speech").
    void setProgram(const QString& path) { m_program = path; }
    const QString& program() const { return m_program; }
    // Renders the missing speech files of the libraries' headwords into baseFolder + "speech/". False (and
    // nothing started) while a build is running or without libraries; a tool that cannot be started reports
    // through finished(false, ...).
    bool start(const QStringList& libraryPaths, const QString& baseFolder);
    // Asks the tool to stop; it keeps the files written so far and finished() follows.
    void cancel();
    bool isRunning() const { return m_process.state() != QProcess::NotRunning; }

    // One progress line of the tool ("120/1000 12% 350 words/s"); false for any other line.
    static bool parseProgress(const QString& line, int& done, int& total);

signals:
    void progress(int done, int total);
    // ok: every library was read and the tool ran to its end. summary: the tool's closing line, or why not.
    void finished(bool ok, const QString& summary);

private:
    void readOutput();
    void readErrors();
    void onFinished(int exitCode, QProcess::ExitStatus status);
    void onError(QProcess::ProcessError error);

    QProcess m_process;
    QString m_program;
    QByteArray m_outBuffer;
    QString m_summary;
    QString m_lastError;
    bool m_cancelled = false;
    bool m_reported = false;
};
