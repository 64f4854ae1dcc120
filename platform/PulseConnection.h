#pragma once

#include "platform/WaveFormat.h"

#include <pulse/pulseaudio.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace kurs::sound {

// The process's one connection to the sound server, with the event thread that
// serves it. Every use of PulseAudio objects happens with the connection locked
// (ConnectionLock); stream callbacks run on the event thread with the lock held.
// The connection is never destroyed, so sound objects that are themselves
// destroyed at process exit can still close their streams.
class PulseConnection {
public:
    static PulseConnection& instance();

    PulseConnection(const PulseConnection&) = delete;
    PulseConnection& operator=(const PulseConnection&) = delete;

    // The calls below expect the connection to be locked.

    // Connects (again, after a lost connection) when needed; false when the
    // server cannot be reached.
    bool ensureReady();
    pa_context* context() const { return context_; }

    // Releases the lock while sleeping between checks of done(), until it
    // answers true (then true) or the timeout passes (then false).
    bool waitFor(const std::function<bool()>& done, std::chrono::milliseconds timeout);
    // Waits for an operation to complete and releases it.
    bool finish(pa_operation* operation);

    // Names of the sources that capture sound (monitors of outputs left out),
    // the server's default source first. Empty when the server is unreachable.
    std::vector<std::string> captureSources();
    std::uint32_t sinkCount();

    pa_threaded_mainloop* mainloop() const { return mainloop_; }

private:
    PulseConnection();

    pa_threaded_mainloop* mainloop_ = nullptr;
    pa_context* context_ = nullptr;
};

class ConnectionLock {
public:
    ConnectionLock() : connection_(PulseConnection::instance()) { pa_threaded_mainloop_lock(connection_.mainloop()); }
    ~ConnectionLock() { pa_threaded_mainloop_unlock(connection_.mainloop()); }
    ConnectionLock(const ConnectionLock&) = delete;
    ConnectionLock& operator=(const ConnectionLock&) = delete;

    PulseConnection& connection() const { return connection_; }

private:
    PulseConnection& connection_;
};

// The PulseAudio sample format (pa_sample_spec) of a supported PCM format.
pa_sample_spec sampleSpecOf(const WaveFormat& format);

inline constexpr std::chrono::milliseconds kServerTimeout{5000};

} // namespace kurs::sound
