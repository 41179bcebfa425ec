#include "familycontent/PackSound.h"

#include "base/WaveWriter.h"
#include "familycontent/ContentError.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libswresample/swresample.h>
}

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>

namespace {

constexpr float Peak = 0.89f;           // -1 dBFS
constexpr float SilenceRatio = 0.02f;   // quieter than 2 % of the loudest sample is silence
constexpr double LeadIn = 0.02;         // seconds kept before the first sound
constexpr double Tail = 0.08;           // and after the last
constexpr double FadeOut = 0.03;        // at a cut, so it does not click
constexpr double MaxReadSeconds = 60;   // of a long recording, enough to find five seconds of sound

std::string NotASound()
{
    return FillText(TContentText::tr("this sound could not be read. Save it as MP3 or WAV and try again."));
}

std::string UnknownKind()
{
    return FillText(
        TContentText::tr("this sound is of a kind that cannot be played here. Save it as MP3 or WAV and try again."));
}

std::string Damaged()
{
    return FillText(TContentText::tr("this sound is damaged or cut short. Copy it again from the phone or recorder, "
                                     "or save it as MP3 or WAV, and try again."));
}

// Resampled by linear interpolation over a box-filtered signal: enough for voices and
// household noises, and no clicks.
std::vector<float> Resample(const std::vector<float>& in, int from, int to)
{
    if (from == to || in.empty())
        return in;
    const double step = double(from) / to;
    std::vector<float> source = in;
    if (step > 1.0) {
        const int width = int(std::ceil(step));
        double sum = 0;
        for (std::size_t i = 0; i < in.size(); ++i) {
            sum += in[i];
            if (i >= std::size_t(width))
                sum -= in[i - std::size_t(width)];
            source[i] = float(sum / std::min<double>(double(i + 1), width));
        }
    }
    const std::size_t count = std::size_t(double(in.size()) / step);
    std::vector<float> out(count);
    for (std::size_t i = 0; i < count; ++i) {
        const double at = double(i) * step;
        const std::size_t k = std::size_t(at);
        const double t = at - double(k);
        const float a = source[k];
        const float b = k + 1 < source.size() ? source[k + 1] : a;
        out[i] = float(a + (b - a) * t);
    }
    return out;
}

// A WAVE or AIFF file states its length up front; a copy shorter than that was cut short,
// though it still plays up to the cut.
bool CutShort(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    unsigned char head[12] {};
    if (!in.read(reinterpret_cast<char*>(head), sizeof head))
        return false;
    std::uint64_t stated = 0;
    if (std::memcmp(head, "RIFF", 4) == 0 && std::memcmp(head + 8, "WAVE", 4) == 0)
        stated = std::uint64_t(head[4]) | std::uint64_t(head[5]) << 8 | std::uint64_t(head[6]) << 16 | std::uint64_t(head[7]) << 24;
    else if (std::memcmp(head, "FORM", 4) == 0 && std::memcmp(head + 8, "AIF", 3) == 0)
        stated = std::uint64_t(head[4]) << 24 | std::uint64_t(head[5]) << 16 | std::uint64_t(head[6]) << 8 | std::uint64_t(head[7]);
    else
        return false;
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    // a length of 0 or all ones is left by recorders that stream
    return !error && stated != 0 && stated != 0xFFFFFFFFu && stated + 8 > size + 1;
}

} // namespace

TPackedSound PackSamples(std::vector<float> samples, int sampleRate)
{
    if (sampleRate <= 0)
        throw std::runtime_error("no sample rate");
    float loudest = 0;
    for (const float s : samples)
        loudest = std::max(loudest, std::fabs(s));
    if (loudest < 1e-4f)
        throw std::runtime_error(
            FillText(TContentText::tr("this sound is silent. Record it again, nearer the microphone, and try again.")));
    const int rate = sampleRate >= 32000 ? 44100 : 22050;

    // trim: from a little before the first to a little after the last audible sample
    const float threshold = loudest * SilenceRatio;
    const auto audible = [&](float s) { return std::fabs(s) >= threshold; };
    const std::size_t first = std::size_t(std::ranges::find_if(samples, audible) - samples.begin());
    const std::size_t last = samples.size() - 1 - std::size_t(std::find_if(samples.rbegin(), samples.rend(), audible) - samples.rbegin());
    const std::size_t begin = first - std::min(first, std::size_t(LeadIn * sampleRate));
    const std::size_t end = std::min(samples.size(), last + 1 + std::size_t(Tail * sampleRate));
    std::vector<float> kept(samples.begin() + std::ptrdiff_t(begin), samples.begin() + std::ptrdiff_t(end));

    std::vector<float> out = Resample(kept, sampleRate, rate);
    const std::size_t limit = std::size_t(PackSoundMaxSeconds * rate);
    if (out.size() > limit) {
        out.resize(limit);
        const std::size_t fade = std::size_t(FadeOut * rate);
        for (std::size_t i = 0; i < fade; ++i)
            out[limit - 1 - i] *= float(i) / float(fade);
    }
    float peak = 0;
    for (const float s : out)
        peak = std::max(peak, std::fabs(s));
    if (peak > 0)
        for (float& s : out)
            s *= Peak / peak;
    TPackedSound packed;
    packed.Wave = MonoPcmWave(out, rate);
    packed.SampleRate = rate;
    packed.Seconds = double(out.size()) / rate;
    return packed;
}

TPackedSound PackSound(const std::filesystem::path& file)
{
    // the libraries' own messages would only puzzle a parent; the refusals below say it plainly
    av_log_set_level(AV_LOG_QUIET);
    AVFormatContext* rawFormat = nullptr;
    if (avformat_open_input(&rawFormat, file.c_str(), nullptr, nullptr) < 0)
        throw std::runtime_error(NotASound());
    const std::unique_ptr<AVFormatContext, void (*)(AVFormatContext*)> format(rawFormat, [](AVFormatContext* f) {
        avformat_close_input(&f);
    });
    if (avformat_find_stream_info(format.get(), nullptr) < 0)
        throw std::runtime_error(NotASound());
    const AVCodec* codec = nullptr;
    const int index = av_find_best_stream(format.get(), AVMEDIA_TYPE_AUDIO, -1, -1, &codec, 0);
    if (index == AVERROR_STREAM_NOT_FOUND) {
        if (av_find_best_stream(format.get(), AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0) >= 0)
            throw std::runtime_error(FillText(
                TContentText::tr("this video has no sound. Choose a clip with sound, or a recording, and try again.")));
        throw std::runtime_error(NotASound());
    }
    if (index < 0 || !codec)
        throw std::runtime_error(UnknownKind());
    AVStream* stream = format->streams[index];
    for (unsigned i = 0; i < format->nb_streams; ++i)
        if (int(i) != index)
            format->streams[i]->discard = AVDISCARD_ALL; // a clip's pictures are not even read
    const std::unique_ptr<AVCodecContext, void (*)(AVCodecContext*)> decoder(avcodec_alloc_context3(codec),
                                                                           [](AVCodecContext* c) { avcodec_free_context(&c); });
    if (!decoder || avcodec_parameters_to_context(decoder.get(), stream->codecpar) < 0
        || avcodec_open2(decoder.get(), codec, nullptr) < 0)
        throw std::runtime_error(UnknownKind());

    const std::unique_ptr<AVPacket, void (*)(AVPacket*)> packet(av_packet_alloc(), [](AVPacket* p) { av_packet_free(&p); });
    const std::unique_ptr<AVFrame, void (*)(AVFrame*)> frame(av_frame_alloc(), [](AVFrame* f) { av_frame_free(&f); });
    std::unique_ptr<SwrContext, void (*)(SwrContext*)> mixer(nullptr, [](SwrContext* s) { swr_free(&s); });
    std::vector<float> mono;
    int rate = 0;
    std::size_t limit = 0;
    int packets = 0;
    int failures = 0;
    bool readError = false;

    // Mixed down to one channel of floats at the recording's own rate; a long recording is
    // read only as far as can end up in the sound, with room for silence.
    const auto take = [&]() {
        while (avcodec_receive_frame(decoder.get(), frame.get()) == 0) {
            if (!mixer) {
                rate = frame->sample_rate;
                if (rate <= 0 || rate > 384000 || frame->ch_layout.nb_channels <= 0)
                    throw std::runtime_error(UnknownKind());
                AVChannelLayout in {};
                if (frame->ch_layout.order == AV_CHANNEL_ORDER_UNSPEC)
                    av_channel_layout_default(&in, frame->ch_layout.nb_channels);
                else
                    av_channel_layout_copy(&in, &frame->ch_layout);
                AVChannelLayout out = AV_CHANNEL_LAYOUT_MONO;
                SwrContext* raw = nullptr;
                const int made = swr_alloc_set_opts2(&raw, &out, AV_SAMPLE_FMT_FLT, rate, &in, AVSampleFormat(frame->format),
                                                     rate, 0, nullptr);
                av_channel_layout_uninit(&in);
                mixer.reset(raw);
                if (made < 0 || swr_init(mixer.get()) < 0)
                    throw std::runtime_error(UnknownKind());
                limit = std::size_t(MaxReadSeconds * rate);
            }
            const std::size_t at = mono.size();
            mono.resize(at + std::size_t(frame->nb_samples) + 64);
            auto* target = reinterpret_cast<std::uint8_t*>(mono.data() + at);
            const int got = swr_convert(mixer.get(), &target, frame->nb_samples + 64,
                                        const_cast<const std::uint8_t**>(frame->extended_data), frame->nb_samples);
            mono.resize(at + std::size_t(std::max(got, 0)));
            av_frame_unref(frame.get());
        }
    };
    while (!limit || mono.size() < limit) {
        const int read = av_read_frame(format.get(), packet.get());
        if (read == AVERROR_EOF)
            break;
        if (read < 0) {
            readError = true;
            break;
        }
        if (packet->stream_index == index) {
            ++packets;
            if (avcodec_send_packet(decoder.get(), packet.get()) < 0)
                ++failures;
            take();
        }
        av_packet_unref(packet.get());
    }
    avcodec_send_packet(decoder.get(), nullptr);
    take();
    if (mono.empty() || rate <= 0)
        throw std::runtime_error(mono.empty() && packets > 0 ? Damaged() : NotASound());
    if (CutShort(file))
        throw std::runtime_error(Damaged());
    // A few bad packets are skipped over as a player would; many, or a file that ends well
    // before the length its header states, is a damaged or cut-off copy.
    const double decoded = double(mono.size()) / rate;
    if (failures > std::max(2, packets / 50) || (readError && decoded < MaxReadSeconds))
        throw std::runtime_error(Damaged());
    double stated = 0;
    if (stream->duration > 0 && stream->duration != AV_NOPTS_VALUE)
        stated = double(stream->duration) * av_q2d(stream->time_base);
    else if (format->duration > 0)
        stated = double(format->duration) / AV_TIME_BASE;
    if (format->duration_estimation_method != AVFMT_DURATION_FROM_BITRATE && stated > 0
        && decoded < 0.9 * std::min(stated, MaxReadSeconds) - 0.1)
        throw std::runtime_error(Damaged());
    if (mono.size() > limit)
        mono.resize(limit);
    return PackSamples(std::move(mono), rate);
}
