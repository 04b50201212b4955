#include "scene/VideoStream.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/imgutils.h>
#include <libavutil/log.h>
#include <libswscale/swscale.h>
}

#include <climits>

struct VideoStream::State {
    AVFormatContext* format = nullptr;
    AVCodecContext* decoder = nullptr;
    AVFrame* frame = nullptr;
    AVPacket* packet = nullptr;
    SwsContext* sws = nullptr;
    std::vector<uint8_t> converted;
    int stream = -1;
    AVRational timeBase{1, 1};
    bool haveFrame = false;
    int64_t lastTimestamp = INT64_MIN;
    bool endOfFile = false;

    ~State() {
        if (sws) sws_freeContext(sws);
        av_packet_free(&packet);
        av_frame_free(&frame);
        avcodec_free_context(&decoder);
        if (format) avformat_close_input(&format);
    }
};

VideoStream::VideoStream() = default;
VideoStream::~VideoStream() = default;

bool VideoStream::isOpen() const { return s_ != nullptr; }

void VideoStream::close() {
    s_.reset();
    width_ = height_ = 0;
    rate_ = 0;
    scale_ = 1;
    start_ = length_ = 0;
}

VideoStream::OpenResult VideoStream::open(const std::string& path) {
    close();
    // The libraries' own messages (the scaler's warnings, complaints about a
    // broken file) would go to the terminal; failures are reported by the
    // caller's exceptions instead.
    av_log_set_level(AV_LOG_FATAL);
    auto s = std::make_unique<State>();
    if (avformat_open_input(&s->format, path.c_str(), nullptr, nullptr) < 0) return OpenResult::CannotOpen;
    if (avformat_find_stream_info(s->format, nullptr) < 0) return OpenResult::CannotOpen;
    const AVCodec* codec = nullptr;
    s->stream = av_find_best_stream(s->format, AVMEDIA_TYPE_VIDEO, -1, -1, &codec, 0);
    if (s->stream < 0) return OpenResult::CannotOpen;
    AVStream* st = s->format->streams[s->stream];
    if (!codec) return OpenResult::NoDecoder;
    s->decoder = avcodec_alloc_context3(codec);
    if (!s->decoder || avcodec_parameters_to_context(s->decoder, st->codecpar) < 0 ||
        avcodec_open2(s->decoder, codec, nullptr) < 0)
        return OpenResult::NoDecoder;
    s->frame = av_frame_alloc();
    s->packet = av_packet_alloc();
    if (!s->frame || !s->packet) return OpenResult::NoDecoder;
    s->timeBase = st->time_base;

    AVRational fps = st->r_frame_rate;
    if (fps.num <= 0 || fps.den <= 0) fps = st->avg_frame_rate;
    if ((fps.num <= 0 || fps.den <= 0) && st->time_base.num > 0) fps = AVRational{st->time_base.den, st->time_base.num};
    const int w = st->codecpar->width, h = st->codecpar->height;
    // A picture larger than any screen is a broken header, not a movie.
    constexpr int kMaxSide = 4096;
    if (fps.num <= 0 || fps.den <= 0 || w <= 0 || h <= 0 || w > kMaxSide || h > kMaxSide || s->timeBase.num <= 0 ||
        s->timeBase.den <= 0)
        return OpenResult::NoInfo;
    const AVRational frameTime{fps.den, fps.num};
    int64_t start = 0;
    if (st->start_time != AV_NOPTS_VALUE && st->start_time > 0) start = av_rescale_q(st->start_time, st->time_base, frameTime);
    int64_t length = st->nb_frames;
    if (length <= 0 && st->duration != AV_NOPTS_VALUE && st->duration > 0)
        length = av_rescale_q(st->duration, st->time_base, frameTime);
    if (length <= 0 && s->format->duration > 0)
        length = av_rescale_q(s->format->duration, AVRational{1, AV_TIME_BASE}, frameTime);
    if (length <= 0 || length > INT_MAX || start > INT_MAX) return OpenResult::NoInfo;

    width_ = w;
    height_ = h;
    rate_ = fps.num;
    scale_ = fps.den;
    start_ = static_cast<int>(start);
    length_ = static_cast<int>(length);
    decodedCount_ = 0;
    s_ = std::move(s);
    return OpenResult::Ok;
}

bool VideoStream::decodeUntil(int64_t timestamp) {
    State& s = *s_;
    if (s.haveFrame && s.lastTimestamp == timestamp) return true;
    // Going on from the frame decoded last is cheaper than seeking, as long as
    // the wanted frame is a little ahead.
    const bool ahead = s.haveFrame && !s.endOfFile && timestamp > s.lastTimestamp &&
                       timestamp - s.lastTimestamp <= 32;
    if (!ahead) {
        if (av_seek_frame(s.format, s.stream, timestamp, AVSEEK_FLAG_BACKWARD) < 0)
            av_seek_frame(s.format, s.stream, 0, AVSEEK_FLAG_BACKWARD);
        avcodec_flush_buffers(s.decoder);
        s.haveFrame = false;
        s.endOfFile = false;
        s.lastTimestamp = INT64_MIN;
    }
    for (;;) {
        for (;;) {
            const int r = avcodec_receive_frame(s.decoder, s.frame);
            if (r == AVERROR(EAGAIN)) break;
            if (r < 0) return false;  // drained or broken
            int64_t ts = s.frame->best_effort_timestamp;
            if (ts == AV_NOPTS_VALUE) ts = s.frame->pts;
            if (ts == AV_NOPTS_VALUE) ts = s.lastTimestamp == INT64_MIN ? 0 : s.lastTimestamp + 1;
            s.lastTimestamp = ts;
            s.haveFrame = true;
            ++decodedCount_;
            if (ts >= timestamp) return true;
        }
        if (s.endOfFile) return false;
        const int r = av_read_frame(s.format, s.packet);
        if (r < 0) {
            s.endOfFile = true;
            avcodec_send_packet(s.decoder, nullptr);
            continue;
        }
        if (s.packet->stream_index == s.stream) avcodec_send_packet(s.decoder, s.packet);
        av_packet_unref(s.packet);
    }
}

bool VideoStream::makePicture(Picture& picture) {
    State& s = *s_;
    AVFrame* f = s.frame;
    picture.width = f->width;
    picture.height = f->height;
    if (f->width <= 0 || f->height <= 0) return false;
    if (f->format == AV_PIX_FMT_BGR24 || f->format == AV_PIX_FMT_RGB555LE) {
        picture.format = f->format == AV_PIX_FMT_BGR24 ? Picture::Bgr24 : Picture::Rgb555;
        picture.rows = f->data[0];
        picture.stride = f->linesize[0];
        return picture.rows != nullptr;
    }
    s.sws = sws_getCachedContext(s.sws, f->width, f->height, static_cast<AVPixelFormat>(f->format), f->width,
                                 f->height, AV_PIX_FMT_BGR24, SWS_POINT, nullptr, nullptr, nullptr);
    if (!s.sws) return false;
    const int stride = f->width * 3;
    s.converted.resize(static_cast<size_t>(stride) * f->height);
    uint8_t* dst[4] = {s.converted.data(), nullptr, nullptr, nullptr};
    int dstStride[4] = {stride, 0, 0, 0};
    if (sws_scale(s.sws, f->data, f->linesize, 0, f->height, dst, dstStride) <= 0) return false;
    picture.format = Picture::Bgr24;
    picture.rows = s.converted.data();
    picture.stride = stride;
    return true;
}

bool VideoStream::frame(int number, Picture& picture) {
    if (!s_ || number < 0) return false;
    const int64_t timestamp = av_rescale_q(number, AVRational{scale_, rate_}, s_->timeBase);
    if (!decodeUntil(timestamp)) return false;
    return makePicture(picture);
}
