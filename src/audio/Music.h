#pragma once
// Background music: MP3 tracks from the packed volume "tracks", decoded and
// streamed by the music player's own thread. Every operation here does nothing
// when the music system is not running (music switched off, or no sound).

#include <string>

class MusicPlayer;

// Creates the music player on the sound system's device. Called at start-up
// when music is enabled, after initSound.
void startMusicPlayer();
// Stops the player's thread and deletes it.
void destroyMusicPlayer();
// The running player, or null.
MusicPlayer* musicPlayer();

// Plays "<name>.mp3" from the tracks volume. When a track is playing it fades
// out first and the new one starts after the fade; a later request during the
// fade replaces the waiting one.
void playMusic(const std::string& name, bool loop = true, int volumePercent = 100);
// Stops the current track at once and starts the named one (no fade).
void restartMusic(const std::string& name, bool loop = true, int volumePercent = 100);
// Stops the music at once.
void stopMusic();
// Fades the music to silence and stops it; a waiting track is dropped.
void fadeOutMusic();
