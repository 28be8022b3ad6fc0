#pragma once

// What the two X probes share: the clock, the two DAMAGE requests (sent by hand, because the
// xcb-damage headers are not needed for anything else), the reading of a DamageNotify event,
// the record of which pixels of a window have been drawn, and the medians they report.

#include <xcb/xcb.h>
#include <xcb/xcbext.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <sys/uio.h>
#include <vector>

namespace x_probe
{

inline double nowMs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

inline xcb_extension_t damageExtension = {"DAMAGE", 0};

// As the generated xcb code does it: xcb needs two free slots before the parts it is given and
// fills in the major opcode and the length itself.
inline unsigned sendRequest(xcb_connection_t *c, xcb_extension_t *extension, void *request,
                            size_t size, uint8_t minorOpcode, bool isVoid)
{
    iovec parts[4] = {};
    parts[2] = {request, size};
    parts[3] = {nullptr, (-size) & 3};
    xcb_protocol_request_t proto{2, extension, minorOpcode, uint8_t(isVoid)};
    return xcb_send_request(c, 0, parts + 2, &proto);
}

// Whether the server has DAMAGE; its first event code goes to notifyCode.
inline bool damageQueryVersion(xcb_connection_t *c, uint8_t &notifyCode)
{
    const xcb_query_extension_reply_t *ext = xcb_get_extension_data(c, &damageExtension);
    if (!ext || !ext->present)
        return false;
    struct {
        uint8_t majorOpcode, minorOpcode;
        uint16_t length;
        uint32_t clientMajor, clientMinor;
    } req{0, 0, 0, 1, 1};
    const unsigned seq = sendRequest(c, &damageExtension, &req, sizeof req, 0, false);
    xcb_generic_error_t *error = nullptr;
    void *reply = xcb_wait_for_reply(c, seq, &error);
    const bool ok = reply && !error;
    std::free(reply);
    std::free(error);
    notifyCode = ext->first_event;
    return ok;
}

// An event for every drawing on the window, with its area.
inline void damageCreate(xcb_connection_t *c, xcb_window_t window)
{
    struct {
        uint8_t majorOpcode, minorOpcode;
        uint16_t length;
        uint32_t damage, drawable;
        uint8_t level, pad[3];
    } req{0, 0, 0, xcb_generate_id(c), window, 0 /* raw rectangles */, {}};
    sendRequest(c, &damageExtension, &req, sizeof req, 1, true);
}

// A DamageNotify: the drawable at bytes 4-7, the drawn area (x, y, width, height) at 16-23 and
// the drawable's geometry at 24-31.
struct Damage {
    uint32_t drawable = 0;
    int16_t x = 0, y = 0;
    uint16_t width = 0, height = 0, windowWidth = 0, windowHeight = 0;

    explicit Damage(const xcb_generic_event_t *e)
    {
        const char *raw = reinterpret_cast<const char *>(e);
        std::memcpy(&drawable, raw + 4, sizeof drawable);
        std::memcpy(&x, raw + 16, 2);
        std::memcpy(&y, raw + 18, 2);
        std::memcpy(&width, raw + 20, 2);
        std::memcpy(&height, raw + 22, 2);
        std::memcpy(&windowWidth, raw + 28, 2);
        std::memcpy(&windowHeight, raw + 30, 2);
    }
};

// Which pixels of a window have been drawn since it was mapped. A frame that arrives in pieces
// is complete when the last piece lands.
struct Coverage {
    uint16_t width = 0, height = 0;
    std::vector<bool> drawn;
    size_t count = 0;

    // True once every pixel has been drawn.
    bool add(const Damage &d)
    {
        if (drawn.size() != size_t(d.windowWidth) * d.windowHeight) {
            width = d.windowWidth;
            height = d.windowHeight;
            drawn.assign(size_t(width) * height, false);
            count = 0;
        }
        for (int y = std::max(0, int(d.y)); y < std::min(int(height), d.y + d.height); ++y)
            for (int x = std::max(0, int(d.x)); x < std::min(int(width), d.x + d.width); ++x)
                if (!drawn[size_t(y) * width + x]) {
                    drawn[size_t(y) * width + x] = true;
                    ++count;
                }
        return count == drawn.size();
    }
};

// Median of the values that are not NaN (a failed run is recorded as NaN).
inline double median(const std::vector<double> &values)
{
    std::vector<double> v;
    for (double x : values)
        if (!std::isnan(x))
            v.push_back(x);
    if (v.empty())
        return NAN;
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

inline double minimum(const std::vector<double> &values)
{
    double m = NAN;
    for (double x : values)
        if (!std::isnan(x) && !(x >= m))
            m = x;
    return m;
}

} // namespace x_probe
