#include "audio/Music.h"

// Interface stubs; the streaming player follows.
void startMusicPlayer() {}
void destroyMusicPlayer() {}
MusicPlayer* musicPlayer() { return nullptr; }
void playMusic(const std::string&, bool, int) {}
void restartMusic(const std::string&, bool, int) {}
void stopMusic() {}
void fadeOutMusic() {}
