#include "platform/PulseConnection.h"

#include <algorithm>
#include <thread>

namespace kurs::sound {
namespace {

bool contextGone(pa_context_state_t state)
{
    return state == PA_CONTEXT_FAILED || state == PA_CONTEXT_TERMINATED;
}

} // namespace

PulseConnection& PulseConnection::instance()
{
    static PulseConnection* const connection = new PulseConnection();
    return *connection;
}

PulseConnection::PulseConnection()
    : mainloop_(pa_threaded_mainloop_new())
{
    pa_threaded_mainloop_set_name(mainloop_, "kurs-sound");
    pa_threaded_mainloop_start(mainloop_);
}

bool PulseConnection::waitFor(const std::function<bool()>& done, std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!done()) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        pa_threaded_mainloop_unlock(mainloop_);
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
        pa_threaded_mainloop_lock(mainloop_);
    }
    return true;
}

bool PulseConnection::finish(pa_operation* operation)
{
    if (operation == nullptr)
        return false;
    const bool done = waitFor([operation] { return pa_operation_get_state(operation) != PA_OPERATION_RUNNING; },
                              kServerTimeout);
    if (!done)
        pa_operation_cancel(operation);
    const bool ok = done && pa_operation_get_state(operation) == PA_OPERATION_DONE;
    pa_operation_unref(operation);
    return ok;
}

bool PulseConnection::ensureReady()
{
    if (context_ != nullptr && pa_context_get_state(context_) == PA_CONTEXT_READY)
        return true;
    if (context_ != nullptr) {
        pa_context_disconnect(context_);
        pa_context_unref(context_);
        context_ = nullptr;
    }
    pa_proplist* properties = pa_proplist_new();
    pa_proplist_sets(properties, PA_PROP_APPLICATION_NAME, "Zalpiony kurs");
    context_ = pa_context_new_with_proplist(pa_threaded_mainloop_get_api(mainloop_), nullptr, properties);
    pa_proplist_free(properties);
    if (context_ == nullptr)
        return false;
    if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOFLAGS, nullptr) < 0)
        return false;
    waitFor(
        [this] {
            const pa_context_state_t state = pa_context_get_state(context_);
            return state == PA_CONTEXT_READY || contextGone(state);
        },
        kServerTimeout);
    return pa_context_get_state(context_) == PA_CONTEXT_READY;
}

std::vector<std::string> PulseConnection::captureSources()
{
    if (!ensureReady())
        return {};
    struct Listing {
        std::string defaultSource;
        std::vector<std::string> names;
    } listing;

    const auto onServer = [](pa_context*, const pa_server_info* info, void* data) {
        if (info != nullptr && info->default_source_name != nullptr)
            static_cast<Listing*>(data)->defaultSource = info->default_source_name;
    };
    const auto onSource = [](pa_context*, const pa_source_info* info, int eol, void* data) {
        if (eol == 0 && info != nullptr && info->monitor_of_sink == PA_INVALID_INDEX)
            static_cast<Listing*>(data)->names.emplace_back(info->name);
    };
    if (!finish(pa_context_get_server_info(context_, onServer, &listing))
        || !finish(pa_context_get_source_info_list(context_, onSource, &listing)))
        return {};
    const auto found = std::find(listing.names.begin(), listing.names.end(), listing.defaultSource);
    if (found != listing.names.end())
        std::rotate(listing.names.begin(), found, found + 1);
    return listing.names;
}

std::uint32_t PulseConnection::sinkCount()
{
    if (!ensureReady())
        return 0;
    std::uint32_t count = 0;
    const auto onSink = [](pa_context*, const pa_sink_info* info, int eol, void* data) {
        if (eol == 0 && info != nullptr)
            ++*static_cast<std::uint32_t*>(data);
    };
    if (!finish(pa_context_get_sink_info_list(context_, onSink, &count)))
        return 0;
    return count;
}

pa_sample_spec sampleSpecOf(const WaveFormat& format)
{
    pa_sample_spec spec{};
    spec.format = format.bitsPerSample == 8 ? PA_SAMPLE_U8 : PA_SAMPLE_S16LE;
    spec.rate = format.samplesPerSec;
    spec.channels = static_cast<std::uint8_t>(format.channels);
    return spec;
}

} // namespace kurs::sound
