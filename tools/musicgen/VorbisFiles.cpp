#include "VorbisFiles.h"

#include <vorbis/codec.h>
#include <vorbis/vorbisenc.h>
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <memory>
#include <stdexcept>

namespace musicgen {

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// libvorbis and libogg state, released in reverse order of creation.
struct EncoderState {
    vorbis_info info;
    vorbis_comment comment;
    vorbis_dsp_state dsp;
    vorbis_block block;
    ogg_stream_state stream;
    bool dspReady = false;
    bool blockReady = false;
    bool streamReady = false;

    EncoderState() {
        vorbis_info_init(&info);
        vorbis_comment_init(&comment);
    }
    ~EncoderState() {
        if (streamReady) {
            ogg_stream_clear(&stream);
        }
        if (blockReady) {
            vorbis_block_clear(&block);
        }
        if (dspReady) {
            vorbis_dsp_clear(&dsp);
        }
        vorbis_comment_clear(&comment);
        vorbis_info_clear(&info);
    }
};

void WritePage(std::FILE* file, const ogg_page& page, const std::string& path) {
    if (std::fwrite(page.header, 1, page.header_len, file) !=
            static_cast<size_t>(page.header_len) ||
        std::fwrite(page.body, 1, page.body_len, file) != static_cast<size_t>(page.body_len)) {
        throw std::runtime_error("cannot write " + path);
    }
}

} // namespace

void WriteVorbis(const std::string& path, const StereoBuffer& audio, FrameRange range,
                 double quality, int sampleRate, const std::string& title) {
    EncoderState enc;
    if (vorbis_encode_init_vbr(&enc.info, 2, sampleRate, static_cast<float>(quality)) != 0) {
        throw std::runtime_error("vorbis_encode_init_vbr failed for " + path);
    }
    vorbis_comment_add_tag(&enc.comment, "TITLE", title.c_str());
    if (vorbis_analysis_init(&enc.dsp, &enc.info) != 0) {
        throw std::runtime_error("vorbis_analysis_init failed for " + path);
    }
    enc.dspReady = true;
    if (vorbis_block_init(&enc.dsp, &enc.block) != 0) {
        throw std::runtime_error("vorbis_block_init failed for " + path);
    }
    enc.blockReady = true;
    // A serial number derived from the name keeps rebuilt files identical.
    const int serial = static_cast<int>(std::hash<std::string>{}(path)&0x7FFFFFFF);
    if (ogg_stream_init(&enc.stream, serial) != 0) {
        throw std::runtime_error("ogg_stream_init failed for " + path);
    }
    enc.streamReady = true;

    FilePtr file(std::fopen(path.c_str(), "wb"));
    if (!file) {
        throw std::runtime_error("cannot create " + path);
    }

    ogg_packet header, headerComment, headerCode;
    if (vorbis_analysis_headerout(&enc.dsp, &enc.comment, &header, &headerComment, &headerCode) !=
        0) {
        throw std::runtime_error("vorbis_analysis_headerout failed for " + path);
    }
    ogg_stream_packetin(&enc.stream, &header);
    ogg_stream_packetin(&enc.stream, &headerComment);
    ogg_stream_packetin(&enc.stream, &headerCode);
    ogg_page page;
    while (ogg_stream_flush(&enc.stream, &page) != 0) {
        WritePage(file.get(), page, path);
    }

    // Drains every finished block into pages; called after each chunk of input.
    auto drain = [&]() {
        while (vorbis_analysis_blockout(&enc.dsp, &enc.block) == 1) {
            vorbis_analysis(&enc.block, nullptr);
            vorbis_bitrate_addblock(&enc.block);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&enc.dsp, &packet) == 1) {
                ogg_stream_packetin(&enc.stream, &packet);
                while (ogg_stream_pageout(&enc.stream, &page) != 0) {
                    WritePage(file.get(), page, path);
                }
            }
        }
    };

    constexpr int64_t kChunk = 4096;
    for (int64_t pos = range.begin; pos < range.end; pos += kChunk) {
        const int count = static_cast<int>(std::min(kChunk, range.end - pos));
        float** buffer = vorbis_analysis_buffer(&enc.dsp, count);
        for (int i = 0; i < count; ++i) {
            buffer[0][i] = std::clamp(audio.left[pos + i], -1.0f, 1.0f);
            buffer[1][i] = std::clamp(audio.right[pos + i], -1.0f, 1.0f);
        }
        if (vorbis_analysis_wrote(&enc.dsp, count) != 0) {
            throw std::runtime_error("vorbis_analysis_wrote failed for " + path);
        }
        drain();
    }
    // End of stream: the encoder marks the last page with the exact sample count.
    if (vorbis_analysis_wrote(&enc.dsp, 0) != 0) {
        throw std::runtime_error("vorbis_analysis_wrote failed for " + path);
    }
    drain();
    while (ogg_stream_flush(&enc.stream, &page) != 0) {
        WritePage(file.get(), page, path);
    }
    if (std::fflush(file.get()) != 0) {
        throw std::runtime_error("cannot write " + path);
    }
}

DecodedSummary SummariseVorbis(const std::string& path) {
    OggVorbis_File vf;
    if (ov_fopen(path.c_str(), &vf) != 0) {
        throw std::runtime_error("cannot open " + path + " as Ogg Vorbis");
    }
    std::unique_ptr<OggVorbis_File, int (*)(OggVorbis_File*)> guard(&vf, ov_clear);
    DecodedSummary summary;
    const vorbis_info* info = ov_info(&vf, -1);
    if (!info) {
        throw std::runtime_error("ov_info failed for " + path);
    }
    summary.sampleRate = static_cast<int>(info->rate);
    summary.channels = info->channels;
    summary.frames = ov_pcm_total(&vf, -1);
    int section = 0;
    for (;;) {
        float** pcm = nullptr;
        const long got = ov_read_float(&vf, &pcm, 4096, &section);
        if (got == 0) {
            break;
        }
        if (got < 0) {
            throw std::runtime_error("decoding error " + std::to_string(got) + " in " + path);
        }
        for (int c = 0; c < info->channels; ++c) {
            for (long i = 0; i < got; ++i) {
                summary.peak = std::max(summary.peak, static_cast<double>(std::fabs(pcm[c][i])));
            }
        }
    }
    return summary;
}

} // namespace musicgen
