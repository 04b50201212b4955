#pragma once
// The music player: decodes the current MP3 track from the volume "tracks" on
// a thread of its own and streams it through a looping buffer of two halves;
// whenever the play cursor is in one half, the other one is refilled. A new
// request while a track plays fades the old one out first (0.03 every 50 ms)
// and then starts the waiting track.
//
// The game thread calls the public operations; the music thread runs `step`
// every 50 ms. One mutex guards the track, the decoder and the request fields;
// the flags are atomics so that queries never wait. The streaming buffer is
// written under the audio device's lock, taken after the player's mutex.

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "audio/Mp3Decoder.h"
#include "audio/WorkerThread.h"
#include "data/Volume.h"

class Mixer;
class SoundBuffer;

// How the music thread waits between its passes. Tests replace it to step the
// thread one pass at a time.
class MusicSleeper {
public:
    virtual ~MusicSleeper() = default;
    // Waits `ms` milliseconds, or less when interrupted.
    virtual void sleep(uint32_t ms) = 0;
    // Ends the current and every later sleep at once (the thread is stopping).
    virtual void interrupt() = 0;
};

// Sleeps on the system clock.
class RealTimeSleeper : public MusicSleeper {
public:
    void sleep(uint32_t ms) override;
    void interrupt() override;

private:
    std::mutex mutex_;
    std::condition_variable wake_;
    bool interrupted_ = false;
};

class MusicPlayer : public WorkerThread {
public:
    static constexpr size_t kBufferBytes = 36864;
    static constexpr size_t kHalfBytes = kBufferBytes / 2;  // about 104 ms of sound
    static constexpr size_t kHalfFrames = kHalfBytes / 4;
    static constexpr uint32_t kPollMilliseconds = 50;
    static constexpr double kFadeStep = 0.03;

    // Opens the volume "tracks", creates the decoder and the streaming buffer
    // on the mixer and starts the thread. Throws Exception "Cannot create
    // sample decoder!" or "Cannot create music thread!".
    explicit MusicPlayer(Mixer& mixer, std::unique_ptr<MusicSleeper> sleeper = nullptr);
    ~MusicPlayer() override;

    // Takes the track's bytes from the volume (a missing one is the volume's
    // error) and opens the decoder on them: "cannot create input [%d]\n",
    // "cannot open input\n" on failure.
    void openTrack(const std::string& fileName);
    void closeTrack();
    // Starts the open track from its beginning (ends any fade and drops a
    // waiting track).
    void startTrack(double volume, double pan, bool loop);
    void stopTrack();
    void setMusicVolume(double volume);
    void setMusicPan(double pan);
    // Plays the track at once when nothing plays; otherwise fades out and lets
    // this track wait for the end of the fade (replacing one already waiting).
    void request(const std::string& fileName, double volume, bool loop);
    // Stops at once and starts this track from its beginning, in one step so
    // that the music thread cannot start a waiting track in between.
    void restart(const std::string& fileName, double volume, bool loop);
    // Starts a fade-out unless one runs; drops a waiting track.
    void beginFade();
    // Stops at once: no fade continues and no waiting track starts.
    void stopAll();

    // One pass of the music thread: refill a half when due, one fade step.
    void step();
    // An error the music thread met while starting a waiting track is thrown
    // here, on the game thread, once.
    void rethrowThreadError();

    // Queries (any thread).
    bool isPlaying() const { return playing_.load(); }
    bool isFading() const { return fading_.load(); }
    bool hasPending() const { return pending_.load(); }
    bool isLooping() const { return looping_.load(); }
    int endState() const { return endState_.load(); }
    double volume() const;
    std::string currentTrack() const;
    // The streaming buffer (tests read its cursor and samples).
    const SoundBuffer& streamBuffer() const { return *buffer_; }

protected:
    int run() override;
    void wakeThread() override;

private:
    void openTrackLocked(const std::string& fileName);
    void closeTrackLocked();
    void startTrackLocked(double volume, double pan, bool loop);
    void stopTrackLocked();
    void setMusicVolumeLocked(double volume);
    void beginFadeLocked();
    void fillHalf(int half);
    // Copies decoded sound into out until `need` bytes are there or the stream
    // ends (rewinding first when `rewind`); returns the bytes written.
    size_t decodeInto(uint8_t* out, size_t need, bool rewind);

    mutable std::mutex mutex_;
    Mixer& mixer_;
    std::unique_ptr<MusicSleeper> sleeper_;
    Volume tracks_;
    Mp3Decoder decoder_;
    std::vector<uint8_t> trackData_;
    std::string trackName_;
    std::vector<uint8_t> pcm_;  // the last decoded frame
    size_t pcmPos_ = 0;
    size_t pcmLen_ = 0;
    bool producedSinceRewind_ = false;
    std::vector<uint8_t> half_;  // a half being filled
    std::unique_ptr<SoundBuffer> buffer_;

    bool trackOpen_ = false;
    std::atomic<bool> playing_{false};
    std::atomic<bool> looping_{true};
    std::atomic<int> endState_{0};
    int lastHalf_ = 0;
    double volume_ = 0.0;
    std::atomic<bool> fading_{false};
    double fadeVolume_ = 0.0;
    std::atomic<bool> pending_{false};
    std::string pendingName_;
    double pendingVolume_ = 0.0;
    bool pendingLoop_ = false;

    std::atomic<bool> hasThreadError_{false};
    std::string threadError_;
};
