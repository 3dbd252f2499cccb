// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up benchmark's instruments: an X server of its own (Xvfb), child
// processes started with as little cost of their own as possible, and a watch
// on the server that tells when a child's window is mapped and first painted.
#pragma once

#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <set>
#include <spawn.h>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace rv::bench {

inline constexpr int TimeoutMs = 30000;
// Peak memory is read this long after the first paint, so that work a program
// puts off until just after its first paint still counts.
inline constexpr int SettleMs = 300;

inline double nowMs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// Thrown, so that the X server and the scratch folder are cleaned up on the way out.
[[noreturn]] inline void fail(const std::string& message) {
    throw std::runtime_error(message);
}

// posix_spawn (a vfork underneath) costs less before the child runs than
// QProcess, whose fork and pipes would count as the child's start-up.
inline pid_t spawn(const std::vector<std::string>& arguments,
                   const std::vector<std::string>& environment, const std::string& workingDirectory,
                   const std::string& logFile) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (!workingDirectory.empty()) {
        posix_spawn_file_actions_addchdir_np(&actions, workingDirectory.c_str());
    }
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, logFile.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
    std::vector<char*> argv, envp;
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    for (const std::string& variable : environment) {
        envp.push_back(const_cast<char*>(variable.c_str()));
    }
    envp.push_back(nullptr);
    pid_t pid = 0;
    const int error = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) {
        fail("cannot start " + arguments.front() + ": " + std::strerror(error));
    }
    return pid;
}

inline std::string readText(const std::string& path) {
    std::string text;
    if (FILE* file = std::fopen(path.c_str(), "r")) {
        char buffer[4096];
        size_t read = 0;
        while ((read = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
            text.append(buffer, read);
        }
        std::fclose(file);
    }
    return text;
}

inline double peakMemoryMiB(pid_t pid) {
    const std::string status = readText("/proc/" + std::to_string(pid) + "/status");
    const size_t at = status.find("VmHWM:");
    return at == std::string::npos ? -1 : std::strtod(status.c_str() + at + 6, nullptr) / 1024.0;
}

// An Xvfb of our own on a free display number, which it reports through a pipe.
class VirtualXServer {
public:
    explicit VirtualXServer(const std::string& log) {
        int pipeEnds[2];
        if (pipe(pipeEnds) != 0) {
            fail("pipe failed");
        }
        fcntl(pipeEnds[0], F_SETFD, FD_CLOEXEC);
        std::vector<std::string> environment;
        for (char** variable = environ; *variable != nullptr; ++variable) {
            environment.emplace_back(*variable);
        }
        pid_ = spawn({"Xvfb", "-displayfd", std::to_string(pipeEnds[1]), "-screen", "0",
                      "1280x1024x24", "-nolisten", "tcp"},
                     environment, {}, log);
        close(pipeEnds[1]);
        // Read up to the end of the line: Xvfb gives up if the pipe closes mid-line.
        std::string number;
        pollfd ready{pipeEnds[0], POLLIN, 0};
        char character = 0;
        while (number.find('\n') == std::string::npos && poll(&ready, 1, TimeoutMs) > 0 &&
               read(pipeEnds[0], &character, 1) == 1) {
            number += character;
        }
        close(pipeEnds[0]);
        display_ = ":" + number.substr(0, number.find('\n'));
        if (number.empty() || number.back() != '\n') {
            fail("Xvfb did not start (Debian package xvfb):\n" + readText(log));
        }
    }
    ~VirtualXServer() {
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }
    VirtualXServer(const VirtualXServer&) = delete;
    VirtualXServer& operator=(const VirtualXServer&) = delete;
    const std::string& display() const { return display_; }

private:
    pid_t pid_ = 0;
    std::string display_;
};

struct Start {
    double paintedMs = 0; // launch to the first damage of a top-level window
    double mappedMs = 0;  // launch to that window being mapped
    double peakMiB = 0;   // VmHWM, SettleMs after the first paint
    int width = 0, height = 0;
    std::string title;
};

// The launcher's own connection to the X server: it sees every top-level
// window created (no window manager on Xvfb, so nothing is reparented),
// attaches a Damage object to each at once, and the first DamageNotify on one
// of them is the first paint. A window is only drawn after the X server has
// sent it an Expose, so the Damage object is in place well before that.
class PaintWatcher {
public:
    explicit PaintWatcher(const std::string& display) {
        connection_ = xcb_connect(display.c_str(), nullptr);
        if (xcb_connection_has_error(connection_)) {
            fail("cannot connect to the X server " + display + " (xcb error " +
                 std::to_string(xcb_connection_has_error(connection_)) + ")");
        }
        const xcb_query_extension_reply_t* damage =
            xcb_get_extension_data(connection_, &xcb_damage_id);
        if (damage == nullptr || !damage->present) {
            fail("the X server has no DAMAGE extension");
        }
        damageEvent_ = damage->first_event + XCB_DAMAGE_NOTIFY;
        free(xcb_damage_query_version_reply(connection_,
                                            xcb_damage_query_version(connection_, 1, 1), nullptr));
        root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(connection_);
    }
    ~PaintWatcher() { xcb_disconnect(connection_); }
    PaintWatcher(const PaintWatcher&) = delete;
    PaintWatcher& operator=(const PaintWatcher&) = delete;

    Start measure(const std::vector<std::string>& arguments,
                  const std::vector<std::string>& environment, const std::string& directory) {
        windows_.clear();
        const std::string log = directory + "/child.log";
        Start start;
        const double launched = nowMs();
        const pid_t pid = spawn(arguments, environment, directory, log);
        xcb_window_t painted = XCB_NONE;
        waitFor(pid, log, [&](xcb_generic_event_t* event) {
            const uint8_t type = event->response_type & 0x7f;
            if (type == XCB_CREATE_NOTIFY) {
                const auto* created = reinterpret_cast<xcb_create_notify_event_t*>(event);
                if (created->parent == root_) {
                    // Input-only windows refuse a Damage object; that error is ignored.
                    xcb_damage_create(connection_, xcb_generate_id(connection_), created->window,
                                      XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
                    xcb_flush(connection_);
                    windows_.insert(created->window);
                }
            } else if (type == XCB_MAP_NOTIFY) {
                const auto* mapped = reinterpret_cast<xcb_map_notify_event_t*>(event);
                if (windows_.count(mapped->window) != 0 && start.mappedMs == 0) {
                    start.mappedMs = nowMs() - launched;
                }
            } else if (type == damageEvent_) {
                const auto* damage = reinterpret_cast<xcb_damage_notify_event_t*>(event);
                if (windows_.count(damage->drawable) != 0) {
                    start.paintedMs = nowMs() - launched;
                    start.width = damage->geometry.width;
                    start.height = damage->geometry.height;
                    painted = damage->drawable;
                }
            }
            return painted != XCB_NONE;
        });
        const double settled = nowMs() + SettleMs;
        waitFor(pid, log, [&](xcb_generic_event_t*) { return nowMs() >= settled; });
        start.peakMiB = peakMemoryMiB(pid);
        start.title = titleOf(painted);
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
        // The next start should not pay for the X server tearing this one's windows down.
        waitFor(0, log, [&](xcb_generic_event_t*) { return windows_.empty(); });
        free(xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
        return start;
    }

private:
    // Hands every X event to done() until it returns true; also gives it a
    // chance every few milliseconds without an event. Fails if the child ends.
    template <typename Done> void waitFor(pid_t child, const std::string& log, Done done) {
        const double deadline = nowMs() + TimeoutMs;
        pollfd socket{xcb_get_file_descriptor(connection_), POLLIN, 0};
        while (true) {
            while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
                if ((event->response_type & 0x7f) == XCB_DESTROY_NOTIFY) {
                    windows_.erase(reinterpret_cast<xcb_destroy_notify_event_t*>(event)->window);
                }
                const bool finished = done(event);
                free(event);
                if (finished) {
                    return;
                }
            }
            xcb_generic_event_t idle{};
            if (done(&idle)) {
                return;
            }
            if (xcb_connection_has_error(connection_)) {
                fail("lost the connection to the X server");
            }
            if (child != 0 && waitpid(child, nullptr, WNOHANG) == child) {
                fail("the child ended early:\n" + readText(log));
            }
            if (nowMs() > deadline) {
                if (child != 0) {
                    kill(child, SIGKILL);
                    waitpid(child, nullptr, 0);
                }
                fail("nothing happened for " + std::to_string(TimeoutMs / 1000) +
                     " s; the child said:\n" + readText(log));
            }
            poll(&socket, 1, 5);
        }
    }

    std::string titleOf(xcb_window_t window) {
        xcb_get_property_reply_t* reply =
            xcb_get_property_reply(connection_,
                                   xcb_get_property(connection_, 0, window, XCB_ATOM_WM_NAME,
                                                    XCB_GET_PROPERTY_TYPE_ANY, 0, 256),
                                   nullptr);
        std::string title;
        if (reply != nullptr) {
            title.assign(static_cast<const char*>(xcb_get_property_value(reply)),
                         static_cast<size_t>(xcb_get_property_value_length(reply)));
            free(reply);
        }
        return title;
    }

    xcb_connection_t* connection_ = nullptr;
    xcb_window_t root_ = XCB_NONE;
    uint8_t damageEvent_ = 0;
    std::set<xcb_window_t> windows_;
};

} // namespace rv::bench
