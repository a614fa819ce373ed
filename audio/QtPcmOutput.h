#pragma once
// The real sound device: a Qt Multimedia QAudioSink in push mode on the default output (PulseAudio underneath),
// fed from the Qt event loop so no caller waits while sound plays.
#include "audio/PcmOutput.h"

#include <QObject>
#include <QTimer>

#include <vector>

class QAudioSink;
class QIODevice;

namespace vt {

class QtPcmOutput : public QObject, public PcmOutput {
    Q_OBJECT
public:
    explicit QtPcmOutput(QObject* parent = nullptr);
    ~QtPcmOutput() override;

    bool open(const PcmFormat& format) override;
    bool isOpen() const override { return m_sink != nullptr; }
    bool write(const uint8_t* data, size_t size) override;
    bool isDrained() const override;
    bool waitDrained(int timeoutMs) override;
    void reset() override;

    // Seconds of sound the queue holds before it refuses blocks.
    static constexpr int kQueueSeconds = 120;

signals:
    // Everything queued has been heard.
    void drained();
    // The device failed while open (server gone); the next request opens it again.
    void deviceLost();

private:
    void feed();
    void onStateChanged();
    void closeSink();
    qint64 writeToSink(const uint8_t* data, qint64 n);

    QAudioSink* m_sink = nullptr;
    QIODevice* m_io = nullptr;
    QTimer m_timer;
    PcmFormat m_format;
    std::vector<uint8_t> m_ring; // queued bytes not yet handed to the sink
    size_t m_ringStart = 0;
    size_t m_ringSize = 0;
    qint64 m_burst = 0;          // bytes handed over since the sink was last idle
    bool m_awaitingIdle = false; // bytes were handed over and have not been heard yet
};

// Ends a process that has used the sound device, once everything of its own is saved and closed. Qt Multimedia
// keeps its PulseAudio connection in a library-global object whose exit-time destructor disconnects without
// holding the main-loop lock while that loop's thread still runs; now and then this aborts the process on its
// way out. Leaving without running library destructors avoids the race.
[[noreturn]] void exitWithoutLibraryTeardown(int code);

} // namespace vt
