// Measures how long programs take from process start to their first window being on the screen.
//
//   start_probe [--runs N] [--timeout-ms T] [--verbose] NAME=PROGRAM [NAME=PROGRAM...]
//
// Runs on an X server with no window manager (xvfb-run). It watches the root window for new
// top-level windows (SubstructureNotify) and puts a DAMAGE watch on each one as soon as it is
// created, long before the program can map and paint it. For every start it records, from the
// moment just before the process is spawned (CLOCK_MONOTONIC):
//   mapped    - the first top-level window of the program is mapped;
//   painted   - every pixel of that window has been drawn since: its first frame is complete on
//               the screen (a frame that arrives in pieces counts when the last piece lands);
//   processor - the processor time the program had used by then, read from its processor clock
//               the moment the last piece of the frame is seen (it is killed right after), so
//               what it does after its first frame is not counted, for any program alike.
// The programs are started in turn (A, B, C, then C, B, A, ...) so that a change in machine load
// hits them alike; one unrecorded warm-up round runs first so that no program pays alone for a
// cold file cache. Medians, the fastest start and ratios to the first program are reported.
//
// Only the X core protocol and the DAMAGE extension are used, through libxcb; the two DAMAGE
// requests are sent by hand because the xcb-damage headers are not needed for anything else.

#include "x_damage.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <map>
#include <optional>
#include <poll.h>
#include <set>
#include <signal.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace
{

using namespace x_probe;

// ----- one start -----

struct Start {
    double mapped = -1, painted = -1; // ms after the spawn
    double cpu = -1;                  // ms of processor time the program used until then
};

struct Program {
    std::string name;
    std::string path;
    std::vector<double> mapped, painted, cpu;
    int failures = 0;
};

class Probe
{
public:
    bool open()
    {
        m_c = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(m_c)) {
            std::fprintf(stderr, "start_probe: cannot connect to the X server ($DISPLAY)\n");
            return false;
        }
        if (!damageQueryVersion(m_c, m_damageNotify)) {
            std::fprintf(stderr, "start_probe: the X server has no DAMAGE extension\n");
            return false;
        }
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_c)).data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_c, m_root, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(m_c);
        return true;
    }

    ~Probe()
    {
        if (m_c)
            xcb_disconnect(m_c);
    }

    std::optional<Start> run(const std::string &path, double timeoutMs)
    {
        drainEvents(); // what the previous program left (its destruction)
        m_created.clear();
        m_mapped.clear();
        m_coverage.clear();
        Start start;
        char *argv[] = {const_cast<char *>(path.c_str()), nullptr};
        pid_t pid = 0;
        const double t0 = nowMs();
        if (m_verbose)
            std::fprintf(stderr, "start_probe: spawn at %.3f ms (CLOCK_MONOTONIC)\n", t0);
        if (posix_spawn(&pid, path.c_str(), nullptr, nullptr, argv, environ) != 0) {
            std::fprintf(stderr, "start_probe: cannot start %s: %s\n", path.c_str(),
                         std::strerror(errno));
            return std::nullopt;
        }
        // The program's processor clock (all its threads), read the moment its frame is complete.
        if (clock_getcpuclockid(pid, &m_cpuClock) != 0) {
            std::fprintf(stderr, "start_probe: cannot read the processor time of %s\n",
                         path.c_str());
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
            return std::nullopt;
        }
        const int fd = xcb_get_file_descriptor(m_c);
        while (start.painted < 0) {
            const double left = timeoutMs - (nowMs() - t0);
            if (left <= 0)
                break;
            pollfd p{fd, POLLIN, 0};
            poll(&p, 1, int(std::ceil(left)));
            while (xcb_generic_event_t *e = xcb_poll_for_event(m_c)) {
                handle(e, t0, start);
                std::free(e);
            }
            if (xcb_connection_has_error(m_c))
                break;
            int status = 0;
            if (waitpid(pid, &status, WNOHANG) == pid) {
                std::fprintf(stderr, "start_probe: %s ended before showing a window\n",
                             path.c_str());
                return std::nullopt;
            }
        }
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        if (start.painted < 0) {
            std::fprintf(stderr, "start_probe: %s showed no window within %.0f ms\n", path.c_str(),
                         timeoutMs);
            return std::nullopt;
        }
        return start;
    }

private:
    void handle(xcb_generic_event_t *e, double t0, Start &start)
    {
        const double t = nowMs() - t0;
        const uint8_t type = e->response_type & 0x7F;
        if (type == XCB_CREATE_NOTIFY) {
            auto *ev = reinterpret_cast<xcb_create_notify_event_t *>(e);
            if (ev->parent == m_root) {
                m_created.insert(ev->window);
                damageCreate(m_c, ev->window);
                xcb_flush(m_c);
            }
        } else if (type == XCB_MAP_NOTIFY) {
            auto *ev = reinterpret_cast<xcb_map_notify_event_t *>(e);
            if (m_created.count(ev->window)) {
                m_mapped.insert(ev->window);
                if (start.mapped < 0)
                    start.mapped = t;
            }
        } else if (type == m_damageNotify) {
            const Damage d(e);
            if (!m_mapped.count(d.drawable) || start.painted >= 0)
                return;
            if (m_verbose)
                std::fprintf(stderr, "start_probe: %.3f ms: drawing %dx%d+%d+%d on %ux%u\n", t,
                             d.width, d.height, d.x, d.y, d.windowWidth, d.windowHeight);
            if (m_coverage[d.drawable].add(d)) {
                start.painted = t;
                timespec cpu{};
                if (clock_gettime(m_cpuClock, &cpu) == 0)
                    start.cpu = double(cpu.tv_sec) * 1e3 + double(cpu.tv_nsec) / 1e6;
            }
        }
    }

    void drainEvents()
    {
        xcb_aux_sync();
        while (xcb_generic_event_t *e = xcb_poll_for_event(m_c))
            std::free(e);
    }

    void xcb_aux_sync()
    {
        std::free(xcb_get_input_focus_reply(m_c, xcb_get_input_focus(m_c), nullptr));
    }

    xcb_connection_t *m_c = nullptr;
    xcb_window_t m_root = 0;
    uint8_t m_damageNotify = 0;
    clockid_t m_cpuClock = CLOCK_MONOTONIC;
    std::set<xcb_window_t> m_created, m_mapped;
    // Which pixels of each mapped window have been drawn since it was mapped.
    std::map<xcb_window_t, Coverage> m_coverage;

public:
    bool m_verbose = false;
};

// Median over the rounds of a / b: the two ran back to back, so a change of machine load
// between rounds cancels out.
double pairedRatio(const std::vector<double> &a, const std::vector<double> &b)
{
    std::vector<double> r;
    for (size_t i = 0; i < a.size() && i < b.size(); ++i)
        r.push_back(a[i] / b[i]); // NaN when either failed
    return median(r);
}

void usage()
{
    std::fprintf(stderr,
                 "usage: start_probe [--runs N] [--timeout-ms T] [--verbose] NAME=PROGRAM...\n");
}

} // namespace

int main(int argc, char **argv)
{
    int runs = 15;
    double timeoutMs = 10000;
    bool verbose = false;
    std::vector<Program> programs;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--runs" && i + 1 < argc) {
            runs = std::atoi(argv[++i]);
        } else if (arg == "--verbose") {
            verbose = true;
        } else if (arg == "--timeout-ms" && i + 1 < argc) {
            timeoutMs = std::atof(argv[++i]);
        } else if (const size_t eq = arg.find('='); eq != std::string::npos && eq > 0) {
            programs.push_back({arg.substr(0, eq), arg.substr(eq + 1), {}, {}, {}, 0});
        } else {
            usage();
            return 2;
        }
    }
    if (programs.empty() || runs < 1) {
        usage();
        return 2;
    }

    Probe probe;
    probe.m_verbose = verbose;
    if (!probe.open())
        return 1;

    for (Program &p : programs) // warm-up round, not recorded
        if (!probe.run(p.path, timeoutMs))
            return 1;

    std::printf("run  ms from process start to the first window mapped / painted (processor ms)\n");
    for (int r = 1; r <= runs; ++r) {
        std::printf("%-4d", r);
        // Alternate the order so that neither program always runs right after the other.
        std::vector<Program *> order;
        for (Program &p : programs)
            order.push_back(&p);
        if (r % 2 == 0)
            std::reverse(order.begin(), order.end());
        std::vector<std::optional<Start>> results(programs.size());
        for (Program *p : order)
            results[size_t(p - programs.data())] = probe.run(p->path, timeoutMs);
        for (size_t i = 0; i < programs.size(); ++i) {
            Program &p = programs[i];
            const Start s = results[i].value_or(Start{NAN, NAN, NAN});
            p.mapped.push_back(s.mapped);
            p.painted.push_back(s.painted);
            p.cpu.push_back(s.cpu);
            if (results[i]) {
                std::printf("  %s %6.1f / %6.1f (cpu %5.1f)", p.name.c_str(), s.mapped, s.painted,
                            s.cpu);
            } else {
                ++p.failures;
                std::printf("  %s %26s", p.name.c_str(), "failed");
            }
        }
        std::printf("\n");
        std::fflush(stdout);
    }

    const Program &base = programs.front();
    std::printf("\nms from process start to the first window painted, and processor ms until then,"
                "\nover %d starts; ratios to %s:\n",
                runs, base.name.c_str());
    std::printf("  %-10s %8s %8s %8s %7s %7s %9s %7s %7s\n", "", "mapped", "painted", "best",
                "ratio", "paired", "processor", "ratio", "paired");
    int status = 0;
    for (const Program &p : programs) {
        std::printf("  %-10s %8.1f %8.1f %8.1f %7.2f %7.2f %9.1f %7.2f %7.2f", p.name.c_str(),
                    median(p.mapped), median(p.painted), minimum(p.painted),
                    median(p.painted) / median(base.painted), pairedRatio(p.painted, base.painted),
                    median(p.cpu), median(p.cpu) / median(base.cpu), pairedRatio(p.cpu, base.cpu));
        if (p.failures) {
            std::printf("  (%d failed starts)", p.failures);
            status = 1;
        }
        std::printf("\n");
    }
    std::printf("(mapped, painted, processor: medians; best: the fastest start; ratio: of the "
                "medians;\n paired: median of the ratios within each round)\n");
    return status;
}
