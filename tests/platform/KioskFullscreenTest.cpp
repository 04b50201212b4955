// The real program on a private X server with no window manager, as a kiosk
// or an xinit session runs it: full screen must still fill the screen, and a
// click must land where the picture shows it.

#include <gtest/gtest.h>

#if defined(QM_HAVE_XTEST)

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>
#include <X11/extensions/XTest.h>
#include <png.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "platform/PngWriter.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kScreenW = 1280;
constexpr int kScreenH = 720;

std::string findProgram(const std::string& name) {
    const char* path = std::getenv("PATH");
    std::stringstream dirs(path ? path : "/usr/bin:/bin");
    std::string dir;
    while (std::getline(dirs, dir, ':'))
        if (!dir.empty() && ::access((dir + "/" + name).c_str(), X_OK) == 0) return dir + "/" + name;
    return "";
}

// A child process, ended (politely, then not) when the guard goes, so a
// failing test never leaves an X server or the game behind.
class Child {
public:
    Child() = default;
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;
    ~Child() { stop(); }

    // `keepFd` stays open in the child; output goes to `logPath`.
    bool start(const std::vector<std::string>& args, const std::vector<std::string>& env, const std::string& logPath,
               const std::string& workDir = ".", int keepFd = -1) {
        std::vector<char*> argv, envp;
        for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        for (const auto& e : env) envp.push_back(const_cast<char*>(e.c_str()));
        envp.push_back(nullptr);
        const int log = ::open(logPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        pid_ = ::fork();
        if (pid_ == 0) {
            ::setpgid(0, 0);
            if (::chdir(workDir.c_str()) != 0) ::_exit(126);
            if (log >= 0) {
                ::dup2(log, 1);
                ::dup2(log, 2);
            }
            const int null = ::open("/dev/null", O_RDONLY);
            if (null >= 0) ::dup2(null, 0);
            for (int fd = 3; fd < 256; ++fd)
                if (fd != keepFd) ::close(fd);
            ::execve(argv[0], argv.data(), envp.data());
            ::_exit(127);
        }
        if (log >= 0) ::close(log);
        return pid_ > 0;
    }

    bool running() {
        if (pid_ <= 0) return false;
        if (::waitpid(pid_, nullptr, WNOHANG) == pid_) pid_ = -1;
        return pid_ > 0;
    }

    void stop() {
        if (!running()) return;
        ::kill(pid_, SIGTERM);
        for (int i = 0; i < 60 && running(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(50));
        if (running()) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
            pid_ = -1;
        }
    }

private:
    pid_t pid_ = -1;
};

// Starts Xvfb on the first free display (it picks one itself and reports its
// number), and returns that number or -1.
int startServer(Child& server, const std::string& xvfb, const std::string& logPath) {
    int fds[2];
    if (::pipe(fds) != 0) return -1;
    const std::string screen = std::to_string(kScreenW) + "x" + std::to_string(kScreenH) + "x24";
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) env.emplace_back(*e);
    const bool started = server.start({xvfb, "-displayfd", std::to_string(fds[1]), "-screen", "0", screen,
                                       "-nolisten", "tcp", "-noreset"},
                                      env, logPath, ".", fds[1]);
    ::close(fds[1]);
    std::string number;
    pollfd p{fds[0], POLLIN, 0};
    const auto deadline = Clock::now() + std::chrono::seconds(10);
    while (started && Clock::now() < deadline && number.find('\n') == std::string::npos) {
        if (::poll(&p, 1, 100) <= 0) continue;
        char c[16];
        const ssize_t n = ::read(fds[0], c, sizeof c);
        if (n <= 0) break;
        number.append(c, static_cast<size_t>(n));
    }
    ::close(fds[0]);
    if (number.find('\n') == std::string::npos) return -1;
    return std::atoi(number.c_str());
}

// A trace line is "<tick> <event>".
bool traceHas(const std::string& path, const std::string& event) {
    std::ifstream in(path);
    std::string l;
    while (std::getline(in, l)) {
        const size_t space = l.find(' ');
        if (space != std::string::npos && l.compare(space + 1, std::string::npos, event) == 0) return true;
    }
    return false;
}

// What follows the first "<tick> <prefix>" line, or "".
std::string traceAfter(const std::string& path, const std::string& prefix) {
    std::ifstream in(path);
    std::string l;
    while (std::getline(in, l)) {
        const size_t space = l.find(' ');
        if (space != std::string::npos && l.compare(space + 1, prefix.size(), prefix) == 0)
            return l.substr(space + 1 + prefix.size());
    }
    return "";
}

bool waitFor(const std::function<bool()>& done, int seconds) {
    const auto deadline = Clock::now() + std::chrono::seconds(seconds);
    while (Clock::now() < deadline) {
        if (done()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return done();
}

// The root window as 16-bit pixels (for the PNG kept for a look) and the box
// that its non-black pixels span.
struct Shot {
    std::vector<uint16_t> pixels;
    int left = kScreenW, top = kScreenH, right = -1, bottom = -1;
};

Shot grab(Display* display) {
    Shot s;
    XImage* image = XGetImage(display, DefaultRootWindow(display), 0, 0, kScreenW, kScreenH, AllPlanes, ZPixmap);
    if (!image) return s;
    s.pixels.resize(static_cast<size_t>(kScreenW) * kScreenH);
    for (int y = 0; y < kScreenH; ++y)
        for (int x = 0; x < kScreenW; ++x) {
            const unsigned long v = XGetPixel(image, x, y);
            const int r = (v >> 16) & 255, g = (v >> 8) & 255, b = v & 255;
            s.pixels[static_cast<size_t>(y) * kScreenW + x] =
                static_cast<uint16_t>(((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3));
            if (r + g + b > 24) {
                s.left = std::min(s.left, x);
                s.top = std::min(s.top, y);
                s.right = std::max(s.right, x + 1);
                s.bottom = std::max(s.bottom, y + 1);
            }
        }
    XDestroyImage(image);
    return s;
}

bool spans(const Shot& s, int left, int top, int right, int bottom) {
    return std::abs(s.left - left) <= 3 && std::abs(s.top - top) <= 3 && std::abs(s.right - right) <= 3 &&
           std::abs(s.bottom - bottom) <= 3;
}

// A 640x480 picture fitted to 1280x720: 960x720 from x = 160.
bool coversLetterbox(const Shot& s) { return spans(s, 160, 0, 1120, kScreenH); }

// A PNG as 16-bit pixels, each channel cut to its top bits (which gives back
// the 16-bit colour whether it was widened by repeating its top bits or by
// rounding): empty when it cannot be read or is not 640 x 480.
std::vector<uint16_t> readPng565(const std::string& path) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    std::vector<uint16_t> out;
    if (!png_image_begin_read_from_file(&image, path.c_str())) return out;
    image.format = PNG_FORMAT_RGB;
    std::vector<uint8_t> rgb(PNG_IMAGE_SIZE(image));
    if (image.width != 640 || image.height != 480 ||
        !png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr))
        return out;
    out.resize(static_cast<size_t>(640) * 480);
    for (size_t i = 0; i < out.size(); ++i)
        out[i] = static_cast<uint16_t>(((rgb[i * 3] >> 3) << 11) | ((rgb[i * 3 + 1] >> 2) << 5) | (rgb[i * 3 + 2] >> 3));
    return out;
}

void tapKey(Display* display, KeySym sym) {
    const KeyCode key = XKeysymToKeycode(display, sym);
    XTestFakeKeyEvent(display, key, True, CurrentTime);
    XFlush(display);
    std::this_thread::sleep_for(std::chrono::milliseconds(60));
    XTestFakeKeyEvent(display, key, False, CurrentTime);
    XFlush(display);
}

void altEnter(Display* display) {
    const KeyCode alt = XKeysymToKeycode(display, XK_Alt_L);
    const KeyCode enter = XKeysymToKeycode(display, XK_Return);
    for (const auto& [key, down] : {std::pair{alt, True}, {enter, True}, {enter, False}, {alt, False}}) {
        XTestFakeKeyEvent(display, key, down, CurrentTime);
        XFlush(display);
        std::this_thread::sleep_for(std::chrono::milliseconds(60));
    }
}

void clickAt(Display* display, int x, int y) {
    XTestFakeMotionEvent(display, DefaultScreen(display), x, y, CurrentTime);
    XFlush(display);
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
    XTestFakeButtonEvent(display, 1, True, CurrentTime);
    XFlush(display);
    // Held over several ticks, as a hand holds it.
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
    XTestFakeButtonEvent(display, 1, False, CurrentTime);
    XFlush(display);
}

// The whole check, with the frame shown through OpenGL (when the server
// offers it) or through the SDL renderer `renderDriver` names.
void playKiosk(const std::string& renderDriver) {
    const std::string xvfb = findProgram("Xvfb");
    if (xvfb.empty()) GTEST_SKIP() << "Xvfb is not installed (scripts/setup installs it)";
    const fs::path dir = fs::path(::testing::TempDir()) / ("qm-kiosk-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir / "run");  // the working directory: no config.cfg, so full screen

    Child server;
    const int number = startServer(server, xvfb, (dir / "xvfb.log").string());
    ASSERT_GE(number, 0) << "Xvfb did not start; see " << (dir / "xvfb.log");
    const std::string displayName = ":" + std::to_string(number);
    Display* display = nullptr;
    waitFor([&] { return (display = XOpenDisplay(displayName.c_str())) != nullptr; }, 5);
    ASSERT_NE(display, nullptr) << displayName;
    struct Closer {
        Display* d;
        ~Closer() {
            if (d) XCloseDisplay(d);
        }
    } closer{display};
    int eventBase, errorBase, major, minor;
    ASSERT_TRUE(XTestQueryExtension(display, &eventBase, &errorBase, &major, &minor));

    // The game sees the new server, a real video driver and a fresh user.
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string v = *e;
        const auto replaced = [&](const char* name) { return v.rfind(name, 0) == 0; };
        if (!replaced("DISPLAY=") && !replaced("SDL_VIDEODRIVER=") && !replaced("HOME=") &&
            !replaced("XDG_CONFIG_HOME=") && !replaced("XDG_DATA_HOME=") && !replaced("SDL_RENDER_DRIVER="))
            env.push_back(v);
    }
    env.push_back("DISPLAY=" + displayName);
    env.push_back("HOME=" + dir.string());
    env.push_back("XDG_CONFIG_HOME=" + (dir / "config").string());
    env.push_back("XDG_DATA_HOME=" + (dir / "data").string());
    env.push_back("SDL_AUDIODRIVER=dummy");
    if (!renderDriver.empty()) env.push_back("SDL_RENDER_DRIVER=" + renderDriver);

    const std::string trace = (dir / "trace.txt").string();
    Child game;
    ASSERT_TRUE(game.start({QM_BINARY_DIR "/quillmoor", "--data", QM_BINARY_DIR, "--trace", trace}, env,
                           (dir / "game.log").string(), (dir / "run").string()));
    ASSERT_TRUE(waitFor([&] { return traceHas(trace, "location a_start") || !game.running(); }, 30))
        << "the title never came; see " << dir;
    ASSERT_TRUE(game.running()) << "the game ended; see " << (dir / "game.log");
    const std::string video = traceAfter(trace, "video ");
    if (!renderDriver.empty()) EXPECT_EQ(video, "renderer " + renderDriver);
    std::printf("shown through: %s\n", video.c_str());
    // The location is loaded before its first frame is shown.
    std::this_thread::sleep_for(std::chrono::seconds(1));

    Shot shot;
    waitFor([&] { return coversLetterbox(shot = grab(display)); }, 10);
    const std::string png = (dir / "title.png").string();
    if (!shot.pixels.empty()) platform::writePng565(png, shot.pixels.data(), kScreenW, kScreenH, kScreenW);
    EXPECT_NEAR(shot.left, 160, 3) << png;
    EXPECT_NEAR(shot.right, 1120, 3) << png;
    EXPECT_LE(shot.top, 3) << png;
    EXPECT_GE(shot.bottom, kScreenH - 3) << png;

    // The title's first button spans (228, 178)-(412, 240) of the frame.
    clickAt(display, 160 + 320 * 3 / 2, 209 * 3 / 2);
    EXPECT_TRUE(waitFor([&] { return traceHas(trace, "location a_book"); }, 10)) << "the book did not open; see " << trace;

    // Alt+Enter gives the window back at its earlier size and place (the
    // frame's size, centred), and full screen again covers the screen.
    altEnter(display);
    EXPECT_TRUE(waitFor([&] { return spans(shot = grab(display), 320, 120, 960, 600); }, 5))
        << "windowed: " << shot.left << "," << shot.top << " to " << shot.right << "," << shot.bottom;
    // At the frame's own size the window shows the frame pixel for pixel,
    // the right way up: it matches the game's own screenshot (F12) save where
    // the picture moved on between the two.
    tapKey(display, XK_F12);
    std::string saved;
    EXPECT_TRUE(waitFor([&] { return !(saved = traceAfter(trace, "screenshot ")).empty(); }, 5)) << trace;
    shot = grab(display);
    const std::vector<uint16_t> frame = readPng565((dir / "run" / saved).string());
    ASSERT_EQ(frame.size(), size_t{640} * 480) << saved;
    size_t same = 0;
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x)
            same += frame[static_cast<size_t>(y) * 640 + x] == shot.pixels[static_cast<size_t>(y + 120) * kScreenW + x + 320];
    EXPECT_GE(same, frame.size() * 99 / 100) << "of " << frame.size() << " pixels; see " << dir;
    if (!shot.pixels.empty())
        platform::writePng565((dir / "windowed.png").string(), shot.pixels.data(), kScreenW, kScreenH, kScreenW);
    altEnter(display);
    EXPECT_TRUE(waitFor([&] { return coversLetterbox(shot = grab(display)); }, 5))
        << "full screen again: " << shot.left << "," << shot.top << " to " << shot.right << "," << shot.bottom;

    // The connection goes before its server does.
    game.stop();
    XCloseDisplay(display);
    closer.d = nullptr;
    server.stop();
    if (!::testing::Test::HasFailure()) fs::remove_all(dir);
}

}  // namespace

TEST(KioskFullscreen, FillsAScreenWithoutWindowManagerAndMapsClicks) { playKiosk(""); }

TEST(KioskFullscreen, ThroughTheSdlRenderer) { playKiosk("software"); }

#else

TEST(KioskFullscreen, FillsAScreenWithoutWindowManagerAndMapsClicks) {
    GTEST_SKIP() << "built without the X11 test extension (libxtst-dev; scripts/setup installs it)";
}

#endif
