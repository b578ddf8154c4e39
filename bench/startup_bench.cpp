// merovane-startup-bench [--rounds N] [--timeout SECONDS] NAME=PROGRAM...
//
// Times each program from its process start until its first top-level window is mapped on the X
// display (the MapNotify of a window whose _NET_WM_PID is the process), then ends it. The
// programs take turns in every round, so that a busy moment of the machine falls on each alike.
// Prints each program's median in Google Benchmark's CSV form, as "NAME/real_time_median".
// Gives up, with status 1, on a program that exits or does not map a window within the timeout.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Program {
  std::string name, path;
  std::vector<double> milliseconds;
};

struct Display {
  xcb_connection_t* connection = nullptr;
  xcb_window_t root = 0;
  xcb_atom_t wmpid = 0;
};

xcb_atom_t atom(xcb_connection_t* connection, const char* name) {
  const xcb_intern_atom_cookie_t cookie =
      xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name);
  const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
      xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
  return reply ? reply->atom : 0;
}

// The process that owns the window, as it told the window manager; -1 if it did not say.
long windowpid(const Display& display, xcb_window_t window) {
  const xcb_get_property_cookie_t cookie =
      xcb_get_property(display.connection, 0, window, display.wmpid, XCB_ATOM_CARDINAL, 0, 1);
  const std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
      xcb_get_property_reply(display.connection, cookie, nullptr), &std::free);
  if (!reply || xcb_get_property_value_length(reply.get()) != 4) return -1;
  return *static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
}

// Follows a new top-level window itself, so that its MapNotify reaches us even when a window
// manager puts it into a frame of its own first. True if it is mapped already.
bool follow(const Display& display, xcb_window_t window) {
  const uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
  xcb_change_window_attributes(display.connection, window, XCB_CW_EVENT_MASK, &mask);
  const std::unique_ptr<xcb_get_window_attributes_reply_t, decltype(&std::free)> attributes(
      xcb_get_window_attributes_reply(
          display.connection, xcb_get_window_attributes(display.connection, window), nullptr),
      &std::free);
  return attributes && attributes->map_state != XCB_MAP_STATE_UNMAPPED;
}

// Starts the program and waits for its window; the milliseconds it took, or a negative number
// when it exited or ran out of time.
double timestart(const Display& display, const Program& program, double timeout) {
  const Clock::time_point start = Clock::now();
  const pid_t child = fork();
  if (child < 0) return -1;
  if (child == 0) {
    // Its messages would only cost time on the terminal.
    const int null = open("/dev/null", O_WRONLY);
    dup2(null, STDOUT_FILENO);
    dup2(null, STDERR_FILENO);
    execl(program.path.c_str(), program.path.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  double took = -1;
  const Clock::time_point deadline =
      start + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(timeout));
  pollfd connection{xcb_get_file_descriptor(display.connection), POLLIN, 0};
  while (took < 0) {
    xcb_generic_event_t* event = xcb_poll_for_event(display.connection);
    if (event == nullptr) {
      if (xcb_connection_has_error(display.connection)) break;
      const auto left =
          std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
      if (left <= 0 || waitpid(child, nullptr, WNOHANG) == child) break;
      poll(&connection, 1, static_cast<int>(std::min<long long>(left, 50)));
      continue;
    }
    const std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> owned(event, &std::free);
    xcb_window_t mapped = 0;
    switch (event->response_type & 0x7f) {
      case XCB_CREATE_NOTIFY: {
        const auto* created = reinterpret_cast<xcb_create_notify_event_t*>(event);
        if (!created->override_redirect && follow(display, created->window))
          mapped = created->window;
        break;
      }
      case XCB_MAP_NOTIFY: {
        const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
        if (!map->override_redirect) mapped = map->window;
        break;
      }
    }
    if (mapped != 0 && windowpid(display, mapped) == child)
      took = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
  }
  kill(child, SIGKILL);
  waitpid(child, nullptr, 0);
  return took;
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t half = values.size() / 2;
  return values.size() % 2 ? values[half] : (values[half - 1] + values[half]) / 2;
}

[[noreturn]] void usage() {
  std::fputs("usage: merovane-startup-bench [--rounds N] [--timeout SECONDS] NAME=PROGRAM...\n",
             stderr);
  std::exit(2);
}

}  // namespace

int main(int argc, char** argv) {
  int rounds = 9;
  double timeout = 10;
  std::vector<Program> programs;
  for (int at = 1; at < argc; ++at) {
    const std::string argument = argv[at];
    if ((argument == "--rounds" || argument == "--timeout") && at + 1 < argc) {
      char* end = nullptr;
      const double value = std::strtod(argv[++at], &end);
      if (*end != '\0' || value <= 0) usage();
      (argument == "--rounds" ? rounds = static_cast<int>(value) : timeout = value);
    } else if (const size_t equals = argument.find('=');
               equals != std::string::npos && equals > 0) {
      programs.push_back({argument.substr(0, equals), argument.substr(equals + 1), {}});
    } else {
      usage();
    }
  }
  if (programs.empty() || rounds < 1) usage();

  Display display;
  int screennumber = 0;
  display.connection = xcb_connect(nullptr, &screennumber);
  if (xcb_connection_has_error(display.connection)) {
    std::fputs("merovane-startup-bench: cannot open the X display (DISPLAY)\n", stderr);
    return 1;
  }
  xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(display.connection));
  for (int at = 0; at < screennumber; ++at) xcb_screen_next(&screens);
  display.root = screens.data->root;
  display.wmpid = atom(display.connection, "_NET_WM_PID");
  const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_change_window_attributes(display.connection, display.root, XCB_CW_EVENT_MASK, &mask);
  xcb_flush(display.connection);

  // One round first that counts for nothing: it brings the programs and their libraries into
  // memory.
  for (int round = 0; round <= rounds; ++round) {
    for (Program& program : programs) {
      const double took = timestart(display, program, timeout);
      if (took < 0) {
        std::fprintf(stderr, "merovane-startup-bench: %s (%s) mapped no window within %g s\n",
                     program.name.c_str(), program.path.c_str(), timeout);
        return 1;
      }
      if (round > 0) program.milliseconds.push_back(took);
    }
  }
  for (const Program& program : programs) {
    const double middle = median(program.milliseconds);
    std::printf("\"%s/real_time_median\",%d,%.4f,%.4f,ms\n", program.name.c_str(), rounds, middle,
                middle);
  }
  return 0;
}
