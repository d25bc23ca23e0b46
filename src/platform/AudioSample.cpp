#include "platform/AudioSample.h"

#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cstring>

namespace {

// libvorbisfile reads through these callbacks from a byte string in memory.
struct MemoryFile {
    const std::string* bytes;
    size_t position = 0;
};

size_t readMemory(void* target, size_t size, size_t count, void* source) {
    auto* file = static_cast<MemoryFile*>(source);
    if (size == 0) return 0;
    size_t left = file->bytes->size() - file->position;
    size_t items = std::min(count, left / size);
    std::memcpy(target, file->bytes->data() + file->position, items * size);
    file->position += items * size;
    return items;
}

int seekMemory(void* source, ogg_int64_t offset, int whence) {
    auto* file = static_cast<MemoryFile*>(source);
    ogg_int64_t base = whence == SEEK_SET   ? 0
                       : whence == SEEK_CUR ? ogg_int64_t(file->position)
                                            : ogg_int64_t(file->bytes->size());
    ogg_int64_t target = base + offset;
    if (target < 0 || target > ogg_int64_t(file->bytes->size())) return -1;
    file->position = size_t(target);
    return 0;
}

long tellMemory(void* source) {
    return long(static_cast<MemoryFile*>(source)->position);
}

}  // namespace

std::shared_ptr<const AudioSample> AudioSample::fromOggVorbis(const std::string& bytes,
                                                              std::string* error) {
    MemoryFile file{&bytes};
    ov_callbacks callbacks{readMemory, seekMemory, nullptr, tellMemory};
    OggVorbis_File vorbis;
    int opened = ov_open_callbacks(&file, &vorbis, nullptr, 0, callbacks);
    if (opened != 0) {
        if (error) *error = "not an Ogg Vorbis stream (code " + std::to_string(opened) + ")";
        return nullptr;
    }
    const vorbis_info* info = ov_info(&vorbis, -1);
    if (!info || info->channels < 1 || info->rate < 1) {
        ov_clear(&vorbis);
        if (error) *error = "no usable stream information";
        return nullptr;
    }
    auto sample = std::make_shared<AudioSample>();
    sample->rate = int(info->rate);
    const int channels = info->channels;
    ogg_int64_t total = ov_pcm_total(&vorbis, -1);
    if (total > 0) sample->frames.reserve(size_t(total));

    std::vector<char> buffer(16384);
    int section = 0;
    for (;;) {
        long got = ov_read(&vorbis, buffer.data(), int(buffer.size()), 0, 2, 1, &section);
        if (got == OV_HOLE) continue;  // a gap in the stream: go on after it
        if (got < 0) {
            ov_clear(&vorbis);
            if (error) *error = "broken stream (code " + std::to_string(got) + ")";
            return nullptr;
        }
        if (got == 0) break;
        const auto* pcm = reinterpret_cast<const int16_t*>(buffer.data());
        const long frames = got / 2 / channels;
        for (long i = 0; i < frames; ++i) {
            int sum = 0;
            for (int c = 0; c < channels; ++c) sum += pcm[i * channels + c];
            sample->frames.push_back(int16_t(sum / channels));
        }
    }
    ov_clear(&vorbis);
    if (sample->frames.empty()) {
        if (error) *error = "the stream holds no sound";
        return nullptr;
    }
    return sample;
}
