#include "audio/MusicPlayer.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <exception>

#include "app/Exception.h"
#include "audio/Mixer.h"
#include "audio/SoundBuffer.h"

namespace {
// Decoder calls in a row that give no sound before a stream counts as ended:
// a damaged track must not keep the thread decoding forever.
constexpr int kMaxEmptyFrames = 256;
}  // namespace

void RealTimeSleeper::sleep(uint32_t ms) {
    std::unique_lock<std::mutex> lock(mutex_);
    wake_.wait_for(lock, std::chrono::milliseconds(ms), [this] { return interrupted_; });
}

void RealTimeSleeper::interrupt() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        interrupted_ = true;
    }
    wake_.notify_all();
}

MusicPlayer::MusicPlayer(Mixer& mixer, std::unique_ptr<MusicSleeper> sleeper)
    : mixer_(mixer), sleeper_(sleeper ? std::move(sleeper) : std::make_unique<RealTimeSleeper>()) {
    tracks_.open("tracks");
    pcm_.resize(4 * Mp3Decoder::kFrameBytes);
    half_.resize(kHalfBytes);
    if (decoder_.create() < 0) throw Exception("Cannot create sample decoder!");
    buffer_ = std::make_unique<SoundBuffer>(mixer_, kHalfFrames * 2);
    buffer_->setChannel(AudioChannel::Music);
    // The thread keeps the sound device fed: it must not wait behind the game.
    startThread(Priority::AboveNormal);
}

MusicPlayer::~MusicPlayer() {
    // The thread goes first: it may be filling the buffer from the track.
    stopThread();
    std::lock_guard<std::mutex> lock(mutex_);
    closeTrackLocked();
    buffer_->stop();
    buffer_.reset();
    tracks_.close();
}

int MusicPlayer::run() {
    while (threadRunning()) {
        step();
        sleeper_->sleep(kPollMilliseconds);
    }
    return 0;
}

void MusicPlayer::wakeThread() { sleeper_->interrupt(); }

void MusicPlayer::openTrack(const std::string& fileName) {
    std::lock_guard<std::mutex> lock(mutex_);
    openTrackLocked(fileName);
}

void MusicPlayer::closeTrack() {
    std::lock_guard<std::mutex> lock(mutex_);
    closeTrackLocked();
}

void MusicPlayer::startTrack(double volume, double pan, bool loop) {
    std::lock_guard<std::mutex> lock(mutex_);
    startTrackLocked(volume, pan, loop);
}

void MusicPlayer::stopTrack() {
    std::lock_guard<std::mutex> lock(mutex_);
    stopTrackLocked();
}

void MusicPlayer::setMusicVolume(double volume) {
    std::lock_guard<std::mutex> lock(mutex_);
    setMusicVolumeLocked(volume);
}

void MusicPlayer::setMusicPan(double pan) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (trackOpen_) buffer_->setPan(panForBalance(pan));
}

void MusicPlayer::request(const std::string& fileName, double volume, bool loop) {
    std::lock_guard<std::mutex> lock(mutex_);
    // A missing track is reported now, to the caller that asked for it, not
    // later by the fade-out on the player's thread.
    if (!tracks_.contains(fileName))
        throw Exception("File '%s' not found in volume '%s'.", fileName.c_str(), tracks_.path().c_str());
    if (playing_) {
        beginFadeLocked();
        pendingName_ = fileName;
        pendingVolume_ = volume;
        pendingLoop_ = loop;
        pending_ = true;
    } else {
        openTrackLocked(fileName);
        startTrackLocked(volume, 0.0, loop);
    }
}

void MusicPlayer::restart(const std::string& fileName, double volume, bool loop) {
    std::lock_guard<std::mutex> lock(mutex_);
    stopTrackLocked();
    openTrackLocked(fileName);
    startTrackLocked(volume, 0.0, loop);
}

void MusicPlayer::beginFade() {
    std::lock_guard<std::mutex> lock(mutex_);
    beginFadeLocked();
}

void MusicPlayer::stopAll() {
    std::lock_guard<std::mutex> lock(mutex_);
    pending_ = false;
    fading_ = false;
    stopTrackLocked();
}

double MusicPlayer::volume() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return volume_;
}

std::string MusicPlayer::currentTrack() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return trackOpen_ ? trackName_ : std::string();
}

void MusicPlayer::rethrowThreadError() {
    if (!hasThreadError_.load()) return;
    std::string message;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        message.swap(threadError_);
        hasThreadError_ = false;
    }
    throw Exception::fromText(message);
}

void MusicPlayer::openTrackLocked(const std::string& fileName) {
    closeTrackLocked();
    trackData_ = tracks_.extract(fileName);
    trackName_ = fileName;
    const std::string input = Mp3Decoder::memoryInputName(trackData_.data(), trackData_.size());
    const int status = decoder_.createInput(input);
    if (status < 0) {
        trackData_.clear();
        throw Exception("cannot create input [%d]\n", status);
    }
    if (decoder_.openInput() < 0) {
        decoder_.closeInput();
        trackData_.clear();
        throw Exception("cannot open input\n");
    }
    pcmPos_ = pcmLen_ = 0;
    producedSinceRewind_ = false;
    trackOpen_ = true;
}

void MusicPlayer::closeTrackLocked() {
    if (!trackOpen_) return;
    // Without its track the buffer has nothing more to play.
    buffer_->stop();
    playing_ = false;
    trackOpen_ = false;
    decoder_.closeInput();
    std::vector<uint8_t>().swap(trackData_);
    pcmPos_ = pcmLen_ = 0;
}

void MusicPlayer::startTrackLocked(double volume, double pan, bool loop) {
    if (!trackOpen_) return;
    stopTrackLocked();
    fading_ = false;
    pending_ = false;
    looping_ = loop;
    endState_ = 0;
    fillHalf(0);
    setMusicVolumeLocked(volume);
    buffer_->setPan(panForBalance(pan));
    buffer_->setPosition(0);
    buffer_->play(true);
    playing_ = true;
}

void MusicPlayer::stopTrackLocked() {
    if (!trackOpen_) return;
    buffer_->stop();
    playing_ = false;
}

void MusicPlayer::setMusicVolumeLocked(double volume) {
    if (!trackOpen_) return;
    buffer_->setVolume(attenuationForVolume(volume));
    volume_ = volume;
}

void MusicPlayer::beginFadeLocked() {
    if (!fading_) {
        fading_ = true;
        fadeVolume_ = volume_;
    }
    pending_ = false;
}

void MusicPlayer::step() {
    std::lock_guard<std::mutex> lock(mutex_);
    try {
        if (playing_) {
            const size_t cursor = buffer_->position();
            const bool secondHalfPlays = cursor >= kHalfFrames;
            if (secondHalfPlays == (lastHalf_ == 1)) {
                if (endState_ == 2)
                    stopTrackLocked();
                else
                    fillHalf(1 - lastHalf_);
            }
        }
        if (fading_) {
            fadeVolume_ -= kFadeStep;
            if (fadeVolume_ <= 0.0 || !buffer_->isPlaying()) {
                fading_ = false;
                if (pending_) {
                    openTrackLocked(pendingName_);
                    startTrackLocked(pendingVolume_, 0.0, pendingLoop_);
                } else {
                    stopTrackLocked();
                }
            } else {
                setMusicVolumeLocked(fadeVolume_);
            }
        }
    } catch (const Exception& e) {
        // Nobody on this thread can report it: the game thread gets it from
        // its next music call.
        pending_ = false;
        stopTrackLocked();
        threadError_ = e.message();
        hasThreadError_ = true;
    } catch (const std::exception& e) {
        pending_ = false;
        stopTrackLocked();
        threadError_ = std::string("Music: ") + e.what();
        hasThreadError_ = true;
    }
}

size_t MusicPlayer::decodeInto(uint8_t* out, size_t need, bool rewind) {
    size_t filled = 0;
    int emptyFrames = 0;
    while (filled < need) {
        if (pcmPos_ < pcmLen_) {
            const size_t n = std::min(need - filled, pcmLen_ - pcmPos_);
            std::memcpy(out + filled, pcm_.data() + pcmPos_, n);
            filled += n;
            pcmPos_ += n;
            continue;
        }
        const uint8_t* frame = nullptr;
        size_t bytes = 0;
        const int status = decoder_.decodeFrame(frame, bytes);
        if (status == Mp3Decoder::kEndOfStream) {
            // A track that gave no sound since its last rewind would spin here.
            if (!rewind || !producedSinceRewind_) break;
            decoder_.seek(0.0);
            producedSinceRewind_ = false;
            continue;
        }
        // Other decoder errors are passed over: whatever the frame gave is used.
        bytes &= ~static_cast<size_t>(3);  // whole stereo frames only
        if (bytes == 0 || !frame) {
            if (++emptyFrames > kMaxEmptyFrames) break;
            continue;
        }
        emptyFrames = 0;
        if (pcm_.size() < bytes) pcm_.resize(bytes);
        std::memcpy(pcm_.data(), frame, bytes);
        pcmPos_ = 0;
        pcmLen_ = bytes;
        producedSinceRewind_ = true;
    }
    return filled;
}

void MusicPlayer::fillHalf(int half) {
    uint8_t* out = half_.data();
    if (endState_ == 1) {
        std::memset(out, 0, kHalfBytes);
        endState_ = 2;
    } else {
        const size_t filled = decodeInto(out, kHalfBytes, looping_);
        if (filled < kHalfBytes) {
            // The end of a track that does not loop (or of one that gives no
            // sound at all): silence after it, then the player stops.
            std::memset(out + filled, 0, kHalfBytes - filled);
            endState_ = 1;
        }
    }
    buffer_->write(static_cast<size_t>(half) * kHalfFrames, reinterpret_cast<const int16_t*>(out), kHalfFrames);
    lastHalf_ = half;
}
