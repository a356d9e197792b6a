// Starts a program on the X display and prints, in milliseconds from the start: when its first window
// was mapped; when it settled (the last moment its main thread ran before it stayed idle for the quiet
// time); how long the main thread had run on a processor by then, and how long it had waited for one.
// With --next-burst it then waits for the main thread's next burst of work (a timer, say) and adds how
// long that burst lasted until the thread was idle again for the quiet time, how long the thread ran on
// a processor in it, and when it began.
//
// Nothing in the measured program has to cooperate. The window comes from X: every top-level window the
// program creates is watched for its map. The main thread's activity comes from the run time the kernel
// counts for it in /proc/PID/task/PID/schedstat (nanoseconds), sampled every half millisecond: the
// thread is idle while that count stands still. The program is ended with SIGTERM afterwards.
#include <xcb/xcb.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>
#include <set>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto kSampleInterval = std::chrono::microseconds(500);
constexpr auto kGiveUp = std::chrono::seconds(60);

double millisecondsBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

struct ThreadTimes {
    unsigned long long run = 0;      // nanoseconds on a processor
    unsigned long long waited = 0;   // nanoseconds ready to run but waiting for a processor
};

// The main thread's times so far; nothing once the process is gone.
std::optional<ThreadTimes> mainThreadTimes(pid_t pid) {
    const std::string path = "/proc/" + std::to_string(pid) + "/task/" + std::to_string(pid) + "/schedstat";
    std::ifstream file(path);
    ThreadTimes times;
    if (!(file >> times.run >> times.waited)) return std::nullopt;
    return times;
}

// Watches the root window for new top-level windows and each of those for its map.
class MapWatch {
  public:
    explicit MapWatch(xcb_connection_t* connection) : connection_(connection) {
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection, screen->root, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(connection);
    }

    // Handles what arrived; true once a watched window has been mapped.
    bool drain() {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
            const int type = event->response_type & 0x7f;
            if (type == XCB_CREATE_NOTIFY) {
                const auto* created = reinterpret_cast<xcb_create_notify_event_t*>(event);
                if (!created->override_redirect) watch(created->window);
            } else if (type == XCB_MAP_NOTIFY) {
                const auto* mapped = reinterpret_cast<xcb_map_notify_event_t*>(event);
                if (watched_.count(mapped->window) != 0) mapped_ = true;
            }
            std::free(event);
        }
        return mapped_;
    }

  private:
    void watch(xcb_window_t window) {
        watched_.insert(window);
        const uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection_, window, XCB_CW_EVENT_MASK, &mask);
        // A map that happened before the mask took effect shows in the window's state.
        xcb_get_window_attributes_reply_t* attributes =
            xcb_get_window_attributes_reply(connection_, xcb_get_window_attributes(connection_, window), nullptr);
        if (attributes && attributes->map_state != XCB_MAP_STATE_UNMAPPED) mapped_ = true;
        std::free(attributes);
    }

    xcb_connection_t* connection_;
    std::set<xcb_window_t> watched_;
    bool mapped_ = false;
};

void waitOneSample(xcb_connection_t* connection) {
    pollfd descriptor{xcb_get_file_descriptor(connection), POLLIN, 0};
    const timespec interval{0, std::chrono::nanoseconds(kSampleInterval).count()};
    ppoll(&descriptor, 1, &interval, nullptr);
}

int usage() {
    std::fprintf(stderr, "usage: start_probe [--quiet MS] [--next-burst] -- PROGRAM [ARGUMENTS...]\n");
    return 2;
}

}  // namespace

int main(int argc, char* argv[]) {
    auto quiet = std::chrono::milliseconds(200);
    bool nextBurst = false;
    int first = 1;
    for (; first < argc && std::strcmp(argv[first], "--") != 0; ++first) {
        if (std::strcmp(argv[first], "--quiet") == 0 && first + 1 < argc) {
            quiet = std::chrono::milliseconds(std::atoi(argv[++first]));
        } else if (std::strcmp(argv[first], "--next-burst") == 0) {
            nextBurst = true;
        } else {
            return usage();
        }
    }
    if (first + 1 >= argc) return usage();

    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "start_probe: cannot open the display\n");
        return 1;
    }
    MapWatch mapWatch(connection);

    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[first + 1], argv + first + 1);
        std::perror(argv[first + 1]);
        _exit(127);
    }

    std::optional<Clock::time_point> mapped;
    std::optional<Clock::time_point> settled;
    std::optional<Clock::time_point> burstStart;
    std::optional<double> burst;
    unsigned long long burstRunStart = 0;
    unsigned long long lastRunTime = 0;
    ThreadTimes settledTimes;
    Clock::time_point lastActive = start;
    Clock::time_point previousSample = start;
    bool failed = false;
    while (!burst && !(settled && !nextBurst)) {
        waitOneSample(connection);
        const Clock::time_point now = Clock::now();
        if (!mapped && mapWatch.drain()) mapped = now;
        const std::optional<ThreadTimes> times = mainThreadTimes(pid);
        if (!times || now - start > kGiveUp) {
            failed = true;
            break;
        }
        if (times->run != lastRunTime) {
            lastRunTime = times->run;
            lastActive = now;
            if (settled && !burstStart) {
                burstStart = previousSample;
                burstRunStart = settledTimes.run;
            }
        }
        previousSample = now;
        if (!mapped || now - lastActive < quiet) continue;
        if (!settled) {
            settled = lastActive;
            settledTimes = *times;
        } else if (burstStart) {
            burst = millisecondsBetween(*burstStart, lastActive);
        }
    }
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    xcb_disconnect(connection);
    if (failed) {
        std::fprintf(stderr, "start_probe: the program ended or never settled\n");
        return 1;
    }
    std::printf("%.1f %.1f %.1f %.1f", millisecondsBetween(start, *mapped), millisecondsBetween(start, *settled),
                double(settledTimes.run) / 1e6, double(settledTimes.waited) / 1e6);
    if (burst) {
        std::printf(" %.1f %.1f %.1f", *burst, double(lastRunTime - burstRunStart) / 1e6,
                    millisecondsBetween(start, *burstStart));
    }
    std::printf("\n");
    return 0;
}
