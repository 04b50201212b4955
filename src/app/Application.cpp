#include "app/Application.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <memory>

#include "app/DesignerMode.h"
#include "app/EventPump.h"
#include "app/Exception.h"
#include "app/FrameTimer.h"
#include "app/Language.h"
#include "app/Progress.h"
#include "app/Screen.h"
#include "app/Trace.h"
#include "audio/Music.h"
#include "audio/Sound.h"
#include "data/ResourcePath.h"
#include "data/Tga.h"
#include "gfx/Bitmap.h"
#include "gfx/BitmapCache.h"
#include "gfx/Display.h"
#include "gfx/DrawContext.h"
#include "gfx/InputState.h"
#include "gfx/Pointer.h"
#include "platform/Platform.h"
#include "platform/Replay.h"
#include "platform/TextRasterizer.h"

namespace {
Settings gSettings;
uint32_t gSeed = 1;
std::unique_ptr<replay::Recorder> gRecorder;
bool gStarted = false;
}  // namespace

Settings& settings() { return gSettings; }

namespace {
// The game's icon for the window manager, from the picture "quillmoor" of the
// data set. A data set without it leaves the system's icon; a broken one is
// reported and the game goes on.
platform::WindowIcon windowIcon() {
    platform::WindowIcon icon;
    const std::string path = resourcePath(ResBitmap, "quillmoor");
    if (!dataFileExists(path)) return icon;
    try {
        icon.rgba = readTgaRgba(path, icon.width, icon.height);
        if (icon.width > 512 || icon.height > 512) throw Exception("%s: too large for an icon", path.c_str());
    } catch (const Exception& e) {
        std::fprintf(stderr, "quillmoor: %s (the window keeps the system's icon)\n", e.message());
        icon = platform::WindowIcon();
    }
    return icon;
}
}  // namespace

uint32_t randomSeed() { return gSeed; }

namespace {
// The data root before the language moved it, given back at shutdown.
std::string gRootBeforeLanguage;
bool gLanguageMovedRoot = false;

// The language of this run (--lang, else the settings) and its data set: a
// language other than Polish reads "<root>/lang/<code>/data_demo" when that
// set exists there, and the root itself otherwise (so --data may also name an
// English set directly).
void chooseLanguage(const Options& options) {
    Language language = Language::Polish;
    parseLanguage(options.language.empty() ? gSettings.language : options.language, language);
    setLanguage(language);
    const std::string folder = languageFolder(language);
    if (folder.empty()) return;
    const std::string root = dataRoot() + "/" + folder;
    std::error_code error;
    if (!std::filesystem::is_directory(root + "/data_demo", error)) return;
    gRootBeforeLanguage = dataRoot();
    gLanguageMovedRoot = true;
    setDataRoot(root);
    trace("language %s %s", languageCode(language), folder.c_str());
}
}  // namespace

void initApplication(const Options& options) {
    platform::Platform& plat = platform::current();
    gStarted = true;

    // 1-3: settings (defaults, the per-user file, then config.cfg).
    gSettings = Settings();
    clearMapPieces();
    loadUserSettings(platform::settingsDirectory(), gSettings);
    loadConfigFile("config.cfg", gSettings);
    chooseLanguage(options);
    setShowFps(gSettings.showfps != 0);
    setDesignerMode(options.designer || gSettings.designer == 1);
    if (designerMode()) trace("designer-mode");
    startProgress(platform::userDataDirectory(), options.resetProgress);

    // 5: the frame timer.
    frameTimer().timerInit(30.0, [&plat] { return plat.counter(); }, plat.counterFrequency());

    // 8-10: window and display.
    platform::WindowOptions window;
    window.fullscreen = gSettings.fullscreen != 0;
    window.scaling = gSettings.scaling;
    window.vsync = gSettings.vsync != 0;
    window.title = designerMode() ? "Quillmoor (designer)" : "Quillmoor";
    window.icon = windowIcon();
    plat.openWindow(window);
    if (window.fullscreen)
        display().initFullScreen(plat, 640, 480, 16);
    else
        display().initWindowed(plat, 640, 480);
    display().highQuality = gSettings.highQualityEnabled != 0;

    // 11-12: sound (mute without a device), then music when it is enabled.
    initSound(plat.audio());
    if (options.mute)
        setSoundLevels(0, 0, 0);
    else
        setSoundLevels(gSettings.musicVolume, gSettings.effectsVolume, gSettings.voiceVolume);
    if (gSettings.musicEnabled) startMusicPlayer();

    // 13: the pointer picture starts as "mouse".
    setPointer("mouse", 0, 0);

    // 14: timer and random generator. A replay brings its own seed so it
    // always plays the same; headless runs without one use a fixed seed.
    frameTimer().restart();
    if (!options.replayPath.empty()) {
        gSeed = replay::load(options.replayPath).seed;
    } else if (plat.isHeadless()) {
        gSeed = 1;
    } else {
        gSeed = static_cast<uint32_t>(std::time(nullptr));
    }
    std::srand(gSeed);

    // 15: the standard pictures, kept until shut-down.
    loadStandardPictures();

    if (!options.recordPath.empty()) {
        gRecorder = std::make_unique<replay::Recorder>(options.recordPath, gSeed);
        setRecorder(gRecorder.get());
    }
}

void shutdownApplication() {
    if (!gStarted) return;
    gStarted = false;
    stopProgress();
    releaseStandardPictures();
    display().release();
    setRecorder(nullptr);
    gRecorder.reset();
    if (platform::hasCurrent()) platform::current().closeWindow();
    destroyMusicPlayer();
    shutdownSound();
    platform::releaseFonts();
    if (gLanguageMovedRoot) setDataRoot(gRootBeforeLanguage);
    gLanguageMovedRoot = false;
}

int runProgram(const Options& options, platform::Platform& plat, const ScreenFactories& screens) {
    platform::setCurrent(&plat);
    if (!options.dataDirectory.empty()) setDataRoot(options.dataDirectory);
    setOverlayRoot(options.dataOverlay);
    int status = 0;
    try {
        if (!options.tracePath.empty()) traceOpen(options.tracePath);
        initApplication(options);
        drainMessages();
        if (screens.logo) runScreen(screens.logo(), false);
        if (screens.game) runScreen(screens.game(), true);
        shutdownApplication();
    } catch (const Exception& e) {
        shutdownApplication();
        plat.hideWindow();
        trace("error %s", e.message());
        std::fprintf(stderr, "quillmoor: %s\n", e.message());
        plat.showMessage("Error", e.message());
        status = 1;
    } catch (const ExceptionQuit&) {
        shutdownApplication();
        trace("quit");
    }
    traceClose();
    return status;
}
