#include "audio/Music.h"

#include <memory>

#include "app/Trace.h"
#include "audio/MusicPlayer.h"
#include "audio/Sound.h"
#include "data/ResourcePath.h"

namespace {
std::unique_ptr<MusicPlayer> gPlayer;

// The player, after handing any error of its thread to the caller.
MusicPlayer* player() {
    if (gPlayer) gPlayer->rethrowThreadError();
    return gPlayer.get();
}
}  // namespace

void startMusicPlayer() {
    // The music streams through the sound system's mixer: without a sound
    // device there is nothing to play it on, and the game runs without music.
    Mixer* mixer = soundMixer();
    if (!mixer || gPlayer) return;
    gPlayer = std::make_unique<MusicPlayer>(*mixer);
}

void destroyMusicPlayer() { gPlayer.reset(); }

MusicPlayer* musicPlayer() { return gPlayer.get(); }

// Requests are traced even when music is off, so the game's choices of music
// can be checked in any run.
void playMusic(const std::string& name, bool loop, int volumePercent) {
    if (traceEnabled()) trace("music %s", name.c_str());
    MusicPlayer* p = player();
    if (!p) return;
    p->request(resourcePath(ResTrackEntry, name), volumePercent / 100.0, loop);
}

void restartMusic(const std::string& name, bool loop, int volumePercent) {
    if (traceEnabled()) trace("music %s restart", name.c_str());
    MusicPlayer* p = player();
    if (!p) return;
    p->restart(resourcePath(ResTrackEntry, name), volumePercent / 100.0, loop);
}

void stopMusic() {
    if (traceEnabled()) trace("music-stop");
    if (MusicPlayer* p = player()) p->stopAll();
}

void fadeOutMusic() {
    if (traceEnabled()) trace("music-fade");
    if (MusicPlayer* p = player()) p->beginFade();
}
