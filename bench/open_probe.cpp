// Measures, from outside the program, how long a window takes to open from the key that opens
// it until it is drawn on the screen.
//
//   open_probe [--runs N] [--menu-ms M] [--settle-ms S] [--verbose] NAME=CLASS:KEYS...
//
// CLASS is the WM_CLASS of a program already running on the X server; its largest mapped
// window (its main window) gets the keyboard focus. KEYS are steps separated by spaces, each a
// key with optional modifiers ("alt+f", "p", "down", "return"): every step but the last is
// pressed, the menu is given M ms (default 300) to open, and the clock starts just before the
// last key is pressed (through the XTEST extension). The window that opens is the first window
// mapped after that key that is not a menu or tooltip (override-redirect); it counts as drawn
// once every pixel of it has been drawn (DAMAGE). It is then closed as a window manager closes
// a window (WM_DELETE_WINDOW), and the program gets S ms (default 400) to settle.
//
// Works with or without a window manager: a window manager's frame is mapped after the window it
// frames. The NAMEs are taken in turn (A, B, then B, A, ...) after one unrecorded round, so that
// a change in machine load hits them alike. Medians and ratios to the first NAME are reported.

#include "x_damage.h"

#include <cstdio>
#include <map>
#include <optional>
#include <poll.h>
#include <set>
#include <string>
#include <vector>

namespace
{

using namespace x_probe;

xcb_extension_t testExtension = {"XTEST", 0};

struct KeyStep {
    std::vector<uint32_t> keysyms; // modifiers first, the key last
};

struct Target {
    std::string name, windowClass;
    std::vector<KeyStep> steps;
    std::vector<double> mapped, painted;
    uint16_t width = 0, height = 0;
    int failures = 0;
};

std::optional<uint32_t> keysymOf(const std::string &name)
{
    static const std::map<std::string, uint32_t> named = {
        {"alt", 0xffe9},    {"ctrl", 0xffe3}, {"shift", 0xffe1}, {"return", 0xff0d},
        {"escape", 0xff1b}, {"down", 0xff54}, {"up", 0xff52},    {"tab", 0xff09},
        {"space", 0x20},    {"f1", 0xffbe},   {"right", 0xff53}, {"left", 0xff51}};
    if (name.size() == 1 &&
        ((name[0] >= 'a' && name[0] <= 'z') || (name[0] >= '0' && name[0] <= '9')))
        return uint32_t(name[0]);
    if (const auto it = named.find(name); it != named.end())
        return it->second;
    return std::nullopt;
}

std::optional<std::vector<KeyStep>> parseKeys(const std::string &text)
{
    std::vector<KeyStep> steps;
    size_t at = 0;
    while (at < text.size()) {
        const size_t end = std::min(text.find(' ', at), text.size());
        const std::string step = text.substr(at, end - at);
        at = end + 1;
        if (step.empty())
            continue;
        KeyStep keys;
        size_t from = 0;
        while (from <= step.size()) {
            const size_t plus = std::min(step.find('+', from), step.size());
            const auto sym = keysymOf(step.substr(from, plus - from));
            if (!sym)
                return std::nullopt;
            keys.keysyms.push_back(*sym);
            from = plus + 1;
        }
        steps.push_back(keys);
    }
    if (steps.empty())
        return std::nullopt;
    return steps;
}

class Probe
{
public:
    bool open()
    {
        m_c = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(m_c)) {
            std::fprintf(stderr, "open_probe: cannot connect to the X server ($DISPLAY)\n");
            return false;
        }
        if (!damageQueryVersion(m_c, m_damageNotify)) {
            std::fprintf(stderr, "open_probe: the X server has no DAMAGE extension\n");
            return false;
        }
        const xcb_query_extension_reply_t *test = xcb_get_extension_data(m_c, &testExtension);
        if (!test || !test->present) {
            std::fprintf(stderr, "open_probe: the X server has no XTEST extension\n");
            return false;
        }
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_c)).data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_c, m_root, XCB_CW_EVENT_MASK, &mask);
        m_protocols = atom("WM_PROTOCOLS");
        m_delete = atom("WM_DELETE_WINDOW");
        readKeyboardMapping();
        watchTree(m_root, 0);
        sync();
        return true;
    }

    ~Probe()
    {
        if (m_c)
            xcb_disconnect(m_c);
    }

    // One opening: focus, keys, the window drawn, closed. False when it did not open.
    bool run(Target &t, double menuMs, double settleMs, bool record)
    {
        const std::optional<xcb_window_t> main = mainWindowOf(t.windowClass);
        if (!main) {
            std::fprintf(stderr, "open_probe: no window of class %s\n", t.windowClass.c_str());
            return false;
        }
        xcb_set_input_focus(m_c, XCB_INPUT_FOCUS_POINTER_ROOT, *main, XCB_CURRENT_TIME);
        sync();
        pause(100);
        for (size_t i = 0; i + 1 < t.steps.size(); ++i) {
            press(t.steps[i]);
            pause(menuMs);
        }
        drain();
        m_class = t.windowClass;
        m_opened = 0;
        m_coverage.clear();
        double mapped = -1, painted = -1;
        const double t0 = nowMs();
        press(t.steps.back());
        const int fd = xcb_get_file_descriptor(m_c);
        while (painted < 0 && nowMs() - t0 < 5000) {
            pollfd p{fd, POLLIN, 0};
            poll(&p, 1, 50);
            while (xcb_generic_event_t *e = xcb_poll_for_event(m_c)) {
                handle(e, nowMs() - t0, mapped, painted);
                std::free(e);
            }
            if (xcb_connection_has_error(m_c))
                return false;
        }
        if (painted < 0) {
            std::fprintf(stderr, "open_probe: %s: no window was drawn\n", t.name.c_str());
            return false;
        }
        if (record) {
            t.mapped.push_back(mapped);
            t.painted.push_back(painted);
        }
        t.width = m_coverage[m_opened].width;
        t.height = m_coverage[m_opened].height;
        close(m_opened);
        pause(settleMs);
        return true;
    }

    bool m_verbose = false;

private:
    xcb_atom_t atom(const char *name)
    {
        auto *reply = xcb_intern_atom_reply(
            m_c, xcb_intern_atom(m_c, 0, uint16_t(std::strlen(name)), name), nullptr);
        const xcb_atom_t a = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        std::free(reply);
        return a;
    }

    void readKeyboardMapping()
    {
        const xcb_setup_t *setup = xcb_get_setup(m_c);
        const uint8_t first = setup->min_keycode;
        const uint8_t count = uint8_t(setup->max_keycode - first + 1);
        auto *reply = xcb_get_keyboard_mapping_reply(
            m_c, xcb_get_keyboard_mapping(m_c, first, count), nullptr);
        if (!reply)
            return;
        const xcb_keysym_t *syms = xcb_get_keyboard_mapping_keysyms(reply);
        for (int code = 0; code < count; ++code)
            for (int i = 0; i < reply->keysyms_per_keycode; ++i) {
                const xcb_keysym_t sym = syms[code * reply->keysyms_per_keycode + i];
                if (sym && !m_keycodes.count(sym))
                    m_keycodes[sym] = uint8_t(first + code);
            }
        std::free(reply);
    }

    // Every window under the root, and a window manager's frames' children: DAMAGE and its own
    // map events, so that a window shown again, or mapped inside a frame, is seen too.
    void watchTree(xcb_window_t parent, int depth)
    {
        auto *tree = xcb_query_tree_reply(m_c, xcb_query_tree(m_c, parent), nullptr);
        if (!tree)
            return;
        const xcb_window_t *children = xcb_query_tree_children(tree);
        for (int i = 0; i < xcb_query_tree_children_length(tree); ++i) {
            if (depth == 0)
                m_topLevel.insert(children[i]);
            watch(children[i]);
            if (depth < 1)
                watchTree(children[i], depth + 1);
        }
        std::free(tree);
    }

    void noteCreated(const xcb_create_notify_event_t *ev)
    {
        if (ev->parent == m_root)
            m_topLevel.insert(ev->window);
        watch(ev->window);
    }

    void watch(xcb_window_t window)
    {
        if (!m_watched.insert(window).second)
            return;
        const uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_c, window, XCB_CW_EVENT_MASK, &mask);
        damageCreate(m_c, window);
        xcb_flush(m_c);
    }

    std::optional<xcb_window_t> mainWindowOf(const std::string &windowClass)
    {
        watchTree(m_root, 0);
        std::optional<xcb_window_t> best;
        uint32_t bestArea = 0;
        for (xcb_window_t w : m_watched) {
            auto *attributes =
                xcb_get_window_attributes_reply(m_c, xcb_get_window_attributes(m_c, w), nullptr);
            const bool shown = attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE &&
                               !attributes->override_redirect;
            std::free(attributes);
            if (!shown || !hasClass(w, windowClass))
                continue;
            auto *g = xcb_get_geometry_reply(m_c, xcb_get_geometry(m_c, w), nullptr);
            const uint32_t area = g ? uint32_t(g->width) * g->height : 0;
            std::free(g);
            if (area > bestArea) {
                bestArea = area;
                best = w;
            }
        }
        return best;
    }

    bool hasClass(xcb_window_t w, const std::string &windowClass)
    {
        auto *reply = xcb_get_property_reply(
            m_c, xcb_get_property(m_c, 0, w, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 0, 256), nullptr);
        bool found = false;
        if (reply) {
            const char *text = static_cast<const char *>(xcb_get_property_value(reply));
            const int length = xcb_get_property_value_length(reply);
            // Two strings, each ending in a zero: the instance and the class.
            for (int at = 0; at < length && !found;) {
                const std::string part(text + at, strnlen(text + at, size_t(length - at)));
                found = part == windowClass;
                at += int(part.size()) + 1;
            }
        }
        std::free(reply);
        return found;
    }

    void press(const KeyStep &step)
    {
        for (uint32_t sym : step.keysyms)
            fakeKey(sym, true);
        for (auto it = step.keysyms.rbegin(); it != step.keysyms.rend(); ++it)
            fakeKey(*it, false);
        xcb_flush(m_c);
    }

    void fakeKey(uint32_t keysym, bool down)
    {
        const auto code = m_keycodes.find(keysym);
        if (code == m_keycodes.end()) {
            std::fprintf(stderr, "open_probe: no key for keysym 0x%x\n", keysym);
            return;
        }
        struct {
            uint8_t majorOpcode, minorOpcode;
            uint16_t length;
            uint8_t type, detail, pad0[2];
            uint32_t time, root;
            uint8_t pad1[8];
            int16_t rootX, rootY;
            uint8_t pad2[7], deviceid;
        } req{0,
              0,
              0,
              uint8_t(down ? int(XCB_KEY_PRESS) : int(XCB_KEY_RELEASE)),
              code->second,
              {},
              0,
              XCB_NONE,
              {},
              0,
              0,
              {},
              0};
        sendRequest(m_c, &testExtension, &req, sizeof req, 2 /* FakeInput */, true);
    }

    void handle(xcb_generic_event_t *e, double t, double &mapped, double &painted)
    {
        const uint8_t type = e->response_type & 0x7F;
        if (type == XCB_CREATE_NOTIFY) {
            noteCreated(reinterpret_cast<xcb_create_notify_event_t *>(e));
        } else if (type == XCB_MAP_NOTIFY) {
            auto *ev = reinterpret_cast<xcb_map_notify_event_t *>(e);
            if (m_verbose)
                std::fprintf(stderr, "open_probe: %.3f ms: 0x%x mapped%s\n", t, ev->window,
                             ev->override_redirect ? " (override-redirect)" : "");
            // A window manager maps the parts of its frame first: the window opened is the
            // program's own, made on the root.
            if (!m_opened && !ev->override_redirect && m_topLevel.count(ev->window) &&
                hasClass(ev->window, m_class)) {
                m_opened = ev->window;
                mapped = t;
            }
        } else if (type == m_damageNotify) {
            const Damage d(e);
            if (!m_opened || d.drawable != m_opened)
                return;
            if (m_verbose)
                std::fprintf(stderr, "open_probe: %.3f ms: drawing %dx%d+%d+%d on %ux%u\n", t,
                             d.width, d.height, d.x, d.y, d.windowWidth, d.windowHeight);
            if (m_coverage[d.drawable].add(d))
                painted = t;
        }
    }

    void close(xcb_window_t window)
    {
        xcb_client_message_event_t message{};
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 32;
        message.window = window;
        message.type = m_protocols;
        message.data.data32[0] = m_delete;
        message.data.data32[1] = XCB_CURRENT_TIME;
        xcb_send_event(m_c, 0, window, XCB_EVENT_MASK_NO_EVENT,
                       reinterpret_cast<const char *>(&message));
        xcb_flush(m_c);
    }

    // Waits, handling only the windows that appear meanwhile.
    void pause(double ms)
    {
        const double until = nowMs() + ms;
        const int fd = xcb_get_file_descriptor(m_c);
        while (nowMs() < until) {
            pollfd p{fd, POLLIN, 0};
            poll(&p, 1, std::max(1, int(until - nowMs())));
            drain();
        }
    }

    void drain()
    {
        while (xcb_generic_event_t *e = xcb_poll_for_event(m_c)) {
            if ((e->response_type & 0x7F) == XCB_CREATE_NOTIFY)
                noteCreated(reinterpret_cast<xcb_create_notify_event_t *>(e));
            std::free(e);
        }
    }

    void sync() { std::free(xcb_get_input_focus_reply(m_c, xcb_get_input_focus(m_c), nullptr)); }

    xcb_connection_t *m_c = nullptr;
    xcb_window_t m_root = 0, m_opened = 0;
    xcb_atom_t m_protocols = 0, m_delete = 0;
    uint8_t m_damageNotify = 0;
    std::map<uint32_t, uint8_t> m_keycodes;
    std::set<xcb_window_t> m_watched, m_topLevel;
    std::string m_class;
    std::map<xcb_window_t, Coverage> m_coverage;
};

void usage()
{
    std::fprintf(stderr, "usage: open_probe [--runs N] [--menu-ms M] [--settle-ms S] [--verbose] "
                         "NAME=CLASS:KEYS...\n");
}

} // namespace

int main(int argc, char **argv)
{
    int runs = 30;
    double menuMs = 300, settleMs = 400;
    bool verbose = false;
    std::vector<Target> targets;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const size_t eq = arg.find('='), colon = arg.find(':');
        if (arg == "--runs" && i + 1 < argc) {
            runs = std::atoi(argv[++i]);
        } else if (arg == "--menu-ms" && i + 1 < argc) {
            menuMs = std::atof(argv[++i]);
        } else if (arg == "--settle-ms" && i + 1 < argc) {
            settleMs = std::atof(argv[++i]);
        } else if (arg == "--verbose") {
            verbose = true;
        } else if (eq != std::string::npos && eq > 0 && colon != std::string::npos && colon > eq) {
            const auto steps = parseKeys(arg.substr(colon + 1));
            if (!steps) {
                std::fprintf(stderr, "open_probe: cannot read the keys of %s\n", arg.c_str());
                return 2;
            }
            Target t;
            t.name = arg.substr(0, eq);
            t.windowClass = arg.substr(eq + 1, colon - eq - 1);
            t.steps = *steps;
            targets.push_back(t);
        } else {
            usage();
            return 2;
        }
    }
    if (targets.empty() || runs < 1) {
        usage();
        return 2;
    }

    Probe probe;
    probe.m_verbose = verbose;
    if (!probe.open())
        return 1;
    for (Target &t : targets) // one unrecorded round
        if (!probe.run(t, menuMs, settleMs, false))
            return 1;

    std::printf("run  ms from the key to the window mapped / drawn\n");
    int status = 0;
    for (int r = 1; r <= runs; ++r) {
        std::printf("%-4d", r);
        std::vector<Target *> order;
        for (Target &t : targets)
            order.push_back(&t);
        if (r % 2 == 0)
            std::reverse(order.begin(), order.end());
        for (Target *t : order)
            if (!probe.run(*t, menuMs, settleMs, true)) {
                ++t->failures;
                status = 1;
            }
        for (const Target &t : targets)
            if (!t.painted.empty())
                std::printf("  %s %5.1f / %5.1f", t.name.c_str(), t.mapped.back(),
                            t.painted.back());
        std::printf("\n");
        std::fflush(stdout);
    }

    const Target &base = targets.front();
    std::printf("\nms from the key to the window drawn, over %d openings; ratios to %s:\n", runs,
                base.name.c_str());
    std::printf("  %-10s %9s %7s %7s %7s %7s\n", "", "size", "mapped", "drawn", "best", "ratio");
    for (const Target &t : targets) {
        std::printf("  %-10s %4ux%-4u %7.1f %7.1f %7.1f %7.2f", t.name.c_str(), t.width, t.height,
                    median(t.mapped), median(t.painted), minimum(t.painted),
                    median(t.painted) / median(base.painted));
        if (t.failures)
            std::printf("  (%d failed openings)", t.failures);
        std::printf("\n");
    }
    return status;
}
