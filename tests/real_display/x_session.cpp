#include "x_session.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <thread>

extern char** environ;

namespace x_session {

namespace {

constexpr auto started_limit = std::chrono::seconds(10);
constexpr auto poll_step = std::chrono::milliseconds(10);
constexpr int killed_status_base = 128;

std::string name_of(const std::string& entry) { return entry.substr(0, entry.find('=')); }

std::vector<std::string> merged_environment(const std::vector<std::string>& more) {
  std::vector<std::string> merged;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    const std::string existing = *entry;
    bool replaced = false;
    for (const std::string& added : more) replaced = replaced || name_of(added) == name_of(existing);
    if (!replaced) merged.push_back(existing);
  }
  merged.insert(merged.end(), more.begin(), more.end());
  return merged;
}

std::vector<char*> pointers_to(std::vector<std::string>& strings) {
  std::vector<char*> pointers;
  for (std::string& s : strings) pointers.push_back(s.data());
  pointers.push_back(nullptr);
  return pointers;
}

int status_of(int wait_status) {
  return WIFEXITED(wait_status) ? WEXITSTATUS(wait_status) : killed_status_base + WTERMSIG(wait_status);
}

std::uint32_t big_endian_32(const std::string& bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i) value = value << 8 | static_cast<std::uint8_t>(bytes[at + i]);
  return value;
}

int shift_of(std::uint32_t mask) {
  int shift = 0;
  while (mask != 0 && (mask & 1) == 0) {
    mask >>= 1;
    ++shift;
  }
  return shift;
}

}  // namespace

Child::Child(const std::vector<std::string>& command, const std::vector<std::string>& environment,
             const std::string& folder, bool capture_output, int fd_3) {
  std::vector<std::string> arguments = command;
  std::vector<std::string> variables = merged_environment(environment);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  int pipe_ends[2] = {-1, -1};
  if (capture_output && ::pipe2(pipe_ends, O_CLOEXEC) == 0) {
    posix_spawn_file_actions_adddup2(&actions, pipe_ends[1], STDOUT_FILENO);
    output_ = pipe_ends[0];
  }
  if (fd_3 >= 0) posix_spawn_file_actions_adddup2(&actions, fd_3, 3);
  if (!folder.empty()) posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
  const std::vector<char*> argv = pointers_to(arguments);
  const std::vector<char*> envp = pointers_to(variables);
  pid_t pid = -1;
  if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), envp.data()) == 0) pid_ = pid;
  posix_spawn_file_actions_destroy(&actions);
  if (pipe_ends[1] >= 0) ::close(pipe_ends[1]);
}

Child::~Child() {
  if (output_ >= 0) ::close(output_);
  if (pid_ <= 0 || status_) return;
  ::kill(pid_, SIGKILL);
  int wait_status = 0;
  ::waitpid(pid_, &wait_status, 0);
}

std::optional<int> Child::wait_for_exit(std::chrono::milliseconds limit) {
  if (status_ || pid_ <= 0) return status_;
  const auto end = std::chrono::steady_clock::now() + limit;
  for (;;) {
    int wait_status = 0;
    if (::waitpid(pid_, &wait_status, WNOHANG) == pid_) {
      status_ = status_of(wait_status);
      return status_;
    }
    if (std::chrono::steady_clock::now() >= end) return std::nullopt;
    std::this_thread::sleep_for(poll_step);
  }
}

std::string Child::read_output() {
  std::string text;
  char buffer[65536];
  for (ssize_t n; output_ >= 0 && (n = ::read(output_, buffer, sizeof buffer)) != 0;) {
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) break;
    text.append(buffer, static_cast<std::size_t>(n));
  }
  return text;
}

XServer::XServer(int width, int height) : width_(width), height_(height) {
  int ready[2];
  if (::pipe2(ready, O_CLOEXEC) != 0) {
    problem_ = "no pipe for Xvfb";
    return;
  }
  const std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
  server_.emplace(std::vector<std::string>{"Xvfb", "-displayfd", "3", "-screen", "0", screen, "-nolisten", "tcp",
                                           "-noreset"},
                  std::vector<std::string>{}, "", false, ready[1]);
  ::close(ready[1]);
  std::string number;
  pollfd waiting{ready[0], POLLIN, 0};
  char c = 0;
  while (server_->started() && ::poll(&waiting, 1, std::chrono::milliseconds(started_limit).count()) > 0 &&
         ::read(ready[0], &c, 1) == 1 && c != '\n')
    number += c;
  ::close(ready[0]);
  if (!server_->started() || number.empty()) {
    problem_ = "Xvfb cannot start (is the xvfb package installed?)";
    server_.reset();
    return;
  }
  display_ = ":" + number;
}

XServer::~XServer() {
  window_manager_.reset();
  server_.reset();
}

std::vector<std::string> XServer::environment(const std::vector<std::string>& more) const {
  std::vector<std::string> variables{"DISPLAY=" + display_};
  variables.insert(variables.end(), more.begin(), more.end());
  return variables;
}

bool XServer::start_window_manager() {
  window_manager_.emplace(std::vector<std::string>{"openbox"}, environment());
  const auto end = std::chrono::steady_clock::now() + started_limit;
  while (std::chrono::steady_clock::now() < end) {
    // A window manager announces itself with this property on the root window.
    Child check({"xprop", "-root", "_NET_SUPPORTING_WM_CHECK"}, environment(), "", true);
    const std::string answer = check.read_output();
    check.wait_for_exit(started_limit);
    if (answer.find("window id") != std::string::npos) return true;
    std::this_thread::sleep_for(poll_step * 5);
  }
  return false;
}

int XServer::run(const std::vector<std::string>& command) const {
  Child child(command, environment());
  return child.wait_for_exit(started_limit).value_or(-1);
}

shots::Image XServer::grab() const {
  Child dump({"xwd", "-root", "-silent"}, environment(), "", true);
  const std::string bytes = dump.read_output();
  dump.wait_for_exit(started_limit);
  return read_xwd(bytes);
}

shots::Image read_xwd(const std::string& bytes) {
  constexpr std::size_t header_fields = 25;
  constexpr std::size_t colour_entry_size = 12;
  constexpr std::uint32_t z_pixmap = 2;
  if (bytes.size() < header_fields * 4) return {};
  const auto field = [&](std::size_t i) { return big_endian_32(bytes, i * 4); };
  const std::uint32_t header_size = field(0), format = field(2), width = field(4), height = field(5);
  const std::uint32_t byte_order = field(7), bits_per_pixel = field(11), bytes_per_line = field(12);
  const std::uint32_t red_mask = field(14), green_mask = field(15), blue_mask = field(16), colours = field(19);
  if (format != z_pixmap || (bits_per_pixel != 24 && bits_per_pixel != 32) || width == 0 || height == 0 ||
      width > 16384 || height > 16384)
    return {};
  // Rows may be padded beyond their pixels.
  const std::uint32_t pixel_bytes = bits_per_pixel / 8;
  const std::size_t pixels_at = std::size_t{header_size} + std::size_t{colours} * colour_entry_size;
  if (bytes_per_line < width * pixel_bytes || bytes.size() < pixels_at + std::size_t{bytes_per_line} * height)
    return {};
  shots::Image image{static_cast<int>(width), static_cast<int>(height), {}};
  image.pixels.reserve(std::size_t{width} * height);
  for (std::uint32_t y = 0; y < height; ++y)
    for (std::uint32_t x = 0; x < width; ++x) {
      const std::size_t at = pixels_at + std::size_t{y} * bytes_per_line + std::size_t{x} * pixel_bytes;
      std::uint32_t v = 0;
      for (std::size_t i = 0; i < pixel_bytes; ++i) {
        const std::uint32_t byte = static_cast<std::uint8_t>(bytes[at + i]);
        v |= byte_order == 0 ? byte << (8 * i) : byte << (8 * (pixel_bytes - 1 - i));
      }
      image.pixels.push_back({static_cast<int>((v & red_mask) >> shift_of(red_mask)),
                              static_cast<int>((v & green_mask) >> shift_of(green_mask)),
                              static_cast<int>((v & blue_mask) >> shift_of(blue_mask))});
    }
  return image;
}

}  // namespace x_session
