#include "audio/QtPcmOutput.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QCoreApplication>
#include <QEventLoop>
#include <QMediaDevices>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace vt {

namespace {
constexpr int kFeedIntervalMs = 10;
}

QtPcmOutput::QtPcmOutput(QObject* parent) : QObject(parent) {
    m_timer.setInterval(kFeedIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &QtPcmOutput::feed);
}

QtPcmOutput::~QtPcmOutput() {
    closeSink();
}

bool QtPcmOutput::open(const PcmFormat& format) {
    closeSink();
    if (!QCoreApplication::instance())
        return false; // the sink is driven by the event loop
    if (format.channels < 1 || (format.bitsPerSample != 8 && format.bitsPerSample != 16))
        return false;
    QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return false;
    QAudioFormat qf;
    qf.setSampleRate(format.sampleRate);
    qf.setChannelCount(format.channels);
    qf.setSampleFormat(format.bitsPerSample == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
    if (!device.isFormatSupported(qf))
        return false;

    m_sink = new QAudioSink(device, qf, this);
    m_io = m_sink->start();
    if (!m_io || m_sink->error() == QAudio::OpenError || m_sink->error() == QAudio::FatalError) {
        closeSink();
        return false;
    }
    connect(m_sink, &QAudioSink::stateChanged, this, &QtPcmOutput::onStateChanged);
    m_format = format;
    m_ring.assign(static_cast<size_t>(format.bytesPerSecond()) * kQueueSeconds, 0);
    m_ringStart = m_ringSize = 0;
    m_burst = 0;
    m_awaitingIdle = false;
    return true;
}

bool QtPcmOutput::write(const uint8_t* data, size_t size) {
    if (!m_sink || size > m_ring.size() - m_ringSize)
        return false;
    size_t end = (m_ringStart + m_ringSize) % m_ring.size();
    size_t first = std::min(size, m_ring.size() - end);
    std::memcpy(m_ring.data() + end, data, first);
    std::memcpy(m_ring.data(), data + first, size - first);
    m_ringSize += size;
    if (!m_timer.isActive())
        m_timer.start();
    feed(); // start at once; the timer hands over what does not fit yet
    return true;
}

qint64 QtPcmOutput::writeToSink(const uint8_t* data, qint64 n) {
    qint64 w = m_io->write(reinterpret_cast<const char*>(data), n);
    if (w > 0) {
        m_burst += w;
        m_awaitingIdle = true;
    }
    return w;
}

void QtPcmOutput::feed() {
    if (!m_sink)
        return;
    QAudio::Error err = m_sink->error();
    if (err == QAudio::OpenError || err == QAudio::IOError || err == QAudio::FatalError) {
        closeSink();
        emit deviceLost();
        emit drained();
        return;
    }
    // Hand over whatever fits: the sink may take less than a block, and waiting for room for a whole block can
    // stall a stream that has not reached its start threshold yet.
    qint64 room = m_sink->bytesFree();
    while (room > 0 && m_ringSize > 0) {
        qint64 n = static_cast<qint64>(std::min(m_ringSize, m_ring.size() - m_ringStart));
        n = std::min(n, room);
        qint64 w = writeToSink(m_ring.data() + m_ringStart, n);
        if (w <= 0)
            break;
        m_ringStart = (m_ringStart + static_cast<size_t>(w)) % m_ring.size();
        m_ringSize -= static_cast<size_t>(w);
        room -= w;
    }
    // A sound shorter than the sink's buffer would never reach the server's start threshold: pad it with
    // silence up to the buffer size.
    qint64 target = m_sink->bufferSize();
    if (m_ringSize == 0 && m_burst > 0 && m_burst < target && room > 0) {
        static uint8_t silence[4096];
        uint8_t fill = m_format.bitsPerSample == 8 ? 0x80 : 0;
        std::memset(silence, fill, sizeof silence);
        qint64 n = std::min({target - m_burst, room, static_cast<qint64>(sizeof silence)});
        if (m_format.bitsPerSample == 16)
            n &= ~qint64(1);
        if (n > 0)
            writeToSink(silence, n);
    }
    if (m_ringSize == 0 && !m_awaitingIdle)
        m_timer.stop();
}

void QtPcmOutput::onStateChanged() {
    if (!m_sink)
        return;
    QAudio::State st = m_sink->state();
    QAudio::Error err = m_sink->error();
    if (st == QAudio::IdleState && (err == QAudio::NoError || err == QAudio::UnderrunError)) {
        m_burst = 0;
        if (m_ringSize == 0) {
            m_awaitingIdle = false;
            m_timer.stop();
            emit drained();
        }
    } else if (st == QAudio::StoppedState && err != QAudio::NoError) {
        closeSink();
        emit deviceLost();
        emit drained();
    }
}

bool QtPcmOutput::isDrained() const {
    return !m_sink || (m_ringSize == 0 && !m_awaitingIdle);
}

bool QtPcmOutput::waitDrained(int timeoutMs) {
    if (isDrained())
        return true;
    QEventLoop loop;
    QTimer limit;
    limit.setSingleShot(true);
    connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    connect(this, &QtPcmOutput::drained, &loop, &QEventLoop::quit);
    limit.start(std::max(0, timeoutMs));
    // Windows keep repainting while speech is heard, but no click or key can start another action meanwhile.
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    return isDrained();
}

void QtPcmOutput::reset() {
    closeSink();
}

void QtPcmOutput::closeSink() {
    m_timer.stop();
    if (m_sink) {
        m_sink->disconnect(this);
        m_sink->stop();
        m_sink->deleteLater();
    }
    m_sink = nullptr;
    m_io = nullptr;
    m_ringStart = m_ringSize = 0;
    m_burst = 0;
    m_awaitingIdle = false;
}

void exitWithoutLibraryTeardown(int code) {
    std::fflush(nullptr);
    std::_Exit(code);
}

} // namespace vt
