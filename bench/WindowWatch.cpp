// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
// Starts a program and tells, from outside, when each of its windows is mapped on the X
// screen: the windows carry their name as WM_WINDOW_ROLE. Times are milliseconds since
// just before exec, on the monotonic clock.
//
//   bench_window_watch [--until ROLE] [--settle MS] [--timeout S] -- PROGRAM [ARGS...]
//
// ROLE "*" stands for the first window of any name: a program that names no roles (the
// peers Numbrella is compared with) is known by its class (WM_CLASS), and a window without
// either, such as a window manager's frame, is not the program's.
//
// Prints, flushed line by line:
//   pid N
//   map ROLE MS          for every mapped window with a role (with "*": "class:CLASS" without one)
//   rss_kb N             once ROLE is mapped and MS more have passed: VmRSS of the program
//   rchar N              bytes the program has read so far (/proc/N/io)
// then ends the program. Without --until it runs until the program ends or times out.
// Exit status 0 when ROLE was seen (or the program ended by itself), 1 otherwise.

#include <xcb/xcb.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <poll.h>
#include <set>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

volatile pid_t gChild = 0;

// Whoever stops the watcher stops the program it started too.
void StopBoth(int sig)
{
    if (gChild > 0)
        kill(gChild, SIGKILL);
    _exit(128 + sig);
}

double NowMs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1000.0 + ts.tv_nsec / 1e6;
}

xcb_atom_t Atom(xcb_connection_t* c, const char* name)
{
    xcb_intern_atom_reply_t* r = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::strlen(name), name), nullptr);
    const xcb_atom_t atom = r ? r->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
    std::free(r);
    return atom;
}

std::string Text(xcb_connection_t* c, xcb_window_t w, xcb_atom_t atom)
{
    xcb_get_property_reply_t* r =
        xcb_get_property_reply(c, xcb_get_property(c, 0, w, atom, XCB_ATOM_STRING, 0, 64), nullptr);
    std::string text;
    if (r && r->type != XCB_ATOM_NONE)
        text.assign(static_cast<const char*>(xcb_get_property_value(r)), xcb_get_property_value_length(r));
    std::free(r);
    return text;
}

// WM_CLASS holds the instance and the class, each ended by a zero: the class.
std::string ClassName(xcb_connection_t* c, xcb_window_t w)
{
    const std::string both = Text(c, w, XCB_ATOM_WM_CLASS);
    const std::size_t end = both.find('\0');
    if (end == std::string::npos)
        return both;
    return std::string(both.c_str() + end + 1);
}

bool IsViewable(xcb_connection_t* c, xcb_window_t w)
{
    xcb_get_window_attributes_reply_t* r = xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, w), nullptr);
    const bool viewable = r && r->map_state == XCB_MAP_STATE_VIEWABLE;
    std::free(r);
    return viewable;
}

// A "Key: value kB" line of /proc/PID/status, or a "key: value" line of /proc/PID/io.
long ProcValue(pid_t pid, const char* file, const std::string& key)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/" + file);
    std::string line;
    while (std::getline(in, line))
        if (line.rfind(key + ":", 0) == 0)
            return std::strtol(line.c_str() + key.size() + 1, nullptr, 10);
    return -1;
}

void EndChild(pid_t pid)
{
    kill(pid, SIGTERM);
    for (int i = 0; i < 40; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid)
            return;
        usleep(50000);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

int Usage()
{
    std::fprintf(stderr, "usage: bench_window_watch [--until ROLE] [--settle MS] [--timeout S] -- PROGRAM [ARGS...]\n");
    return 2;
}

} // namespace

int main(int argc, char* argv[])
{
    std::string until;
    int settleMs = 0;
    double timeoutS = 30;
    int i = 1;
    for (; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        if (i + 1 >= argc)
            return Usage();
        if (!std::strcmp(argv[i], "--until"))
            until = argv[++i];
        else if (!std::strcmp(argv[i], "--settle"))
            settleMs = std::atoi(argv[++i]);
        else if (!std::strcmp(argv[i], "--timeout"))
            timeoutS = std::atof(argv[++i]);
        else
            return Usage();
    }
    if (i + 1 >= argc)
        return Usage();
    char** program = argv + i + 1;

    int screenNumber = 0;
    xcb_connection_t* c = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "bench_window_watch: cannot open the display\n");
        return 2;
    }
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int s = 0; s < screenNumber; ++s)
        xcb_screen_next(&it);
    const xcb_window_t root = it.data->root;
    const xcb_atom_t roleAtom = Atom(c, "WM_WINDOW_ROLE");
    // New top-level windows are reported to the root; each is then watched for its own map.
    const uint32_t rootMask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &rootMask);
    xcb_flush(c);

    const double start = NowMs();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(program[0], program);
        std::perror("bench_window_watch: exec");
        _exit(127);
    }
    gChild = pid;
    std::signal(SIGTERM, StopBoth);
    std::signal(SIGINT, StopBoth);
    std::printf("pid %d\n", pid);
    std::fflush(stdout);

    const bool anyWindow = until == "*";
    std::set<xcb_window_t> reported;
    bool seen = false;
    bool ended = false;
    auto report = [&](xcb_window_t w, double at) {
        if (reported.count(w))
            return;
        std::string role = Text(c, w, roleAtom);
        if (role.empty() && anyWindow) {
            const std::string name = ClassName(c, w);
            if (!name.empty())
                role = "class:" + name;
        }
        if (role.empty())
            return;
        reported.insert(w);
        std::printf("map %s %.1f\n", role.c_str(), at - start);
        std::fflush(stdout);
        if (anyWindow || (!until.empty() && role == until))
            seen = true;
    };

    pollfd pfd{xcb_get_file_descriptor(c), POLLIN, 0};
    while (!seen && !ended && NowMs() - start < timeoutS * 1000) {
        while (xcb_generic_event_t* e = xcb_poll_for_event(c)) {
            const double at = NowMs();
            const uint8_t type = e->response_type & 0x7F;
            if (type == XCB_CREATE_NOTIFY) {
                const auto* ev = reinterpret_cast<xcb_create_notify_event_t*>(e);
                if (ev->parent == root) {
                    const uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
                    xcb_change_window_attributes(c, ev->window, XCB_CW_EVENT_MASK, &mask);
                    // It may have been mapped before the request above arrived.
                    if (IsViewable(c, ev->window))
                        report(ev->window, at);
                }
            } else if (type == XCB_MAP_NOTIFY) {
                report(reinterpret_cast<xcb_map_notify_event_t*>(e)->window, at);
            }
            std::free(e);
        }
        if (xcb_connection_has_error(c))
            break;
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            ended = true;
            break;
        }
        poll(&pfd, 1, 20);
    }

    if (seen) {
        if (settleMs > 0)
            usleep(settleMs * 1000);
        std::printf("rss_kb %ld\n", ProcValue(pid, "status", "VmRSS"));
        std::printf("rchar %ld\n", ProcValue(pid, "io", "rchar"));
        std::fflush(stdout);
    }
    if (!ended)
        EndChild(pid);
    xcb_disconnect(c);
    return seen || (ended && until.empty()) ? 0 : 1;
}
