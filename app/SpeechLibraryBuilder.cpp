#include "app/SpeechLibraryBuilder.h"

#include "app/AppPaths.h"

#include <QProcessEnvironment>
#include <QRegularExpression>

#include <algorithm>

SpeechLibraryBuilder::SpeechLibraryBuilder(QObject* parent)
    : QObject(parent), m_program(AppPaths::toolPath(QStringLiteral("verbatrove-speech"))) {
    connect(&m_process, &QProcess::readyReadStandardOutput, this, &SpeechLibraryBuilder::readOutput);
    connect(&m_process, &QProcess::readyReadStandardError, this, &SpeechLibraryBuilder::readErrors);
    connect(&m_process, &QProcess::finished, this, &SpeechLibraryBuilder::onFinished);
    connect(&m_process, &QProcess::errorOccurred, this, &SpeechLibraryBuilder::onError);
}

SpeechLibraryBuilder::~SpeechLibraryBuilder() {
    if (isRunning()) {
        m_process.disconnect(this);
        m_process.terminate();
        if (!m_process.waitForFinished(3000))
            m_process.kill(), m_process.waitForFinished(1000);
    }
}

bool SpeechLibraryBuilder::start(const QStringList& libraryPaths, const QString& baseFolder) {
    if (isRunning() || libraryPaths.isEmpty())
        return false;
    m_outBuffer.clear();
    m_summary.clear();
    m_lastError.clear();
    m_cancelled = false;
    m_reported = false;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("VERBATROVE_BASE"), baseFolder);
    m_process.setProcessEnvironment(env);
    m_process.start(m_program, libraryPaths);
    return true;
}

void SpeechLibraryBuilder::cancel() {
    if (!isRunning())
        return;
    m_cancelled = true;
    m_process.terminate(); // the tool stops after the current word on SIGTERM
}

bool SpeechLibraryBuilder::parseProgress(const QString& line, int& done, int& total) {
    static const QRegularExpression re(QStringLiteral("^\\s*(\\d+)/(\\d+)\\s+\\d+%"));
    const QRegularExpressionMatch m = re.match(line);
    if (!m.hasMatch())
        return false;
    done = m.captured(1).toInt();
    total = m.captured(2).toInt();
    return true;
}

void SpeechLibraryBuilder::readOutput() {
    m_outBuffer += m_process.readAllStandardOutput();
    // Lines end with '\n' (or '\r' when the tool thinks it writes to a terminal).
    for (;;) {
        const qsizetype lf = m_outBuffer.indexOf('\n'), cr = m_outBuffer.indexOf('\r');
        const qsizetype end = lf < 0 ? cr : cr < 0 ? lf : std::min(lf, cr);
        if (end < 0)
            break;
        const QString line = QString::fromUtf8(m_outBuffer.left(end)).trimmed();
        m_outBuffer.remove(0, end + 1);
        int done = 0, total = 0;
        if (parseProgress(line, done, total))
            emit progress(done, total);
        else if (line.startsWith(QLatin1String("done:")) || line.startsWith(QLatin1String("interrupted:")))
            m_summary = line;
    }
}

void SpeechLibraryBuilder::readErrors() {
    const QStringList lines = QString::fromUtf8(m_process.readAllStandardError()).split(QLatin1Char('\n'));
    for (const QString& l : lines)
        if (l.trimmed().startsWith(QLatin1String("error:")))
            m_lastError = l.trimmed();
}

void SpeechLibraryBuilder::onFinished(int exitCode, QProcess::ExitStatus status) {
    if (m_reported)
        return;
    readOutput();
    readErrors();
    m_reported = true;
    const bool ok = status == QProcess::NormalExit && exitCode == 0 && !m_cancelled;
    QString summary = m_summary;
    if (!m_lastError.isEmpty())
        summary = summary.isEmpty() ? m_lastError : summary + QLatin1Char('\n') + m_lastError;
    if (summary.isEmpty())
        summary = status == QProcess::NormalExit ? QStringLiteral("verbatrove-speech ended with code %1").arg(exitCode)
                                                 : QStringLiteral("verbatrove-speech stopped");
    emit finished(ok, summary);
}

void SpeechLibraryBuilder::onError(QProcess::ProcessError error) {
    if (error != QProcess::FailedToStart || m_reported)
        return;
    m_reported = true;
    emit finished(false, QStringLiteral("cannot start %1: %2").arg(m_program, m_process.errorString()));
}
