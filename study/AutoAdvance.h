#pragma once
// The auto-advance counter a one-second window timer drives.
namespace vt {

// Elapsed seconds and the stop flag of the automatic advance.
class AutoAdvance {
public:
    // Every mode starts paused.
    void start() { m_stopped = false, m_elapsed = 0; }
    void stop() { m_stopped = true, m_elapsed = 0; }
    void resetElapsed() { m_elapsed = 0; }
    bool stopped() const { return m_stopped; }
    int elapsed() const { return m_elapsed; }
    // One timer tick: counts while running; true when the interval is reached (the count restarts), which
    // with an interval of 0 is every tick, even while stopped.
    bool tick(int interval) {
        if (!m_stopped)
            ++m_elapsed;
        if (m_elapsed >= interval) {
            m_elapsed = 0;
            return true;
        }
        return false;
    }
    // Share of the progress bar: elapsed / (interval + 0.1), or elapsed / 1.1 with an interval of 0.
    double progress(int interval) const { return m_elapsed / (interval > 0 ? interval + 0.1 : 1.1); }

private:
    bool m_stopped = true;
    int m_elapsed = 0;
};

} // namespace vt
