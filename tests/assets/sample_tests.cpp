// The piano samples: mono tones of about 2.5 s at the pitch their name promises, and
// small enough to carry in the executable.
#include <gtest/gtest.h>
#include <vorbis/vorbisfile.h>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace {

const std::filesystem::path PIANO = std::filesystem::path(ASSETS_DIR) / "Piano";

struct Decoded {
    bool ok = false;
    int channels = 0;
    long rate = 0;
    std::vector<float> samples;  // first channel
};

Decoded decode(const std::filesystem::path& file) {
    Decoded d;
    OggVorbis_File vf;
    if (ov_fopen(file.string().c_str(), &vf) != 0) return d;
    const vorbis_info* info = ov_info(&vf, -1);
    d.channels = info->channels;
    d.rate = info->rate;
    std::vector<char> buf(8192);
    int section = 0;
    for (;;) {
        const long n = ov_read(&vf, buf.data(), int(buf.size()), 0, 2, 1, &section);
        if (n < 0) {
            ov_clear(&vf);
            return d;
        }
        if (n == 0) break;
        const auto* s = reinterpret_cast<const int16_t*>(buf.data());
        const long frames = n / 2 / d.channels;
        for (long i = 0; i < frames; ++i) d.samples.push_back(s[i * d.channels] / 32768.0f);
    }
    ov_clear(&vf);
    d.ok = true;
    return d;
}

double rms(const std::vector<float>& s, size_t from, size_t to) {
    double sum = 0;
    for (size_t i = from; i < to && i < s.size(); ++i) sum += double(s[i]) * s[i];
    return std::sqrt(sum / double(std::max<size_t>(1, to - from)));
}

// Fundamental frequency by normalised autocorrelation over 25 Hz to 2 kHz. The period is
// the shortest lag whose correlation peak comes close to the best one: a lag of two
// periods correlates as well as one, and a low note's weak fundamental does not matter
// because the whole waveform still repeats once per period.
double fundamental(const std::vector<float>& s, long rate, size_t from, size_t length) {
    const int minLag = int(rate / 2000), maxLag = int(rate / 25);
    std::vector<double> r(size_t(maxLag + 2), 0.0);
    for (int lag = minLag; lag <= maxLag + 1; ++lag) {
        double xy = 0, xx = 0, yy = 0;
        for (size_t i = from; i < from + length; ++i) {
            const double x = s[i], y = s[i + size_t(lag)];
            xy += x * y;
            xx += x * x;
            yy += y * y;
        }
        r[size_t(lag)] = xy / std::sqrt(xx * yy + 1e-12);
    }
    double best = 0;
    for (int lag = minLag + 1; lag <= maxLag; ++lag) best = std::max(best, r[size_t(lag)]);
    for (int lag = minLag + 1; lag <= maxLag; ++lag) {
        const double a = r[size_t(lag - 1)], b = r[size_t(lag)], c = r[size_t(lag + 1)];
        if (b >= a && b >= c && b >= 0.9 * best) {
            const double denom = a - 2 * b + c;
            const double shift = denom != 0 ? 0.5 * (a - c) / denom : 0.0;
            return double(rate) / (lag + shift);
        }
    }
    return 0;
}

std::filesystem::path sampleFile(int midi) {
    return PIANO / ("Acoustic Grand Piano" + std::to_string(midi) + ".ogg");
}

class PianoSample : public ::testing::TestWithParam<int> {};

TEST_P(PianoSample, IsAMonoToneOfItsPitch) {
    const int midi = GetParam();
    const Decoded d = decode(sampleFile(midi));
    ASSERT_TRUE(d.ok) << sampleFile(midi) << " does not decode";
    EXPECT_EQ(d.channels, 1);
    ASSERT_GT(d.rate, 8000);
    const double seconds = double(d.samples.size()) / double(d.rate);
    EXPECT_GE(seconds, 2.0);
    EXPECT_LE(seconds, 3.0);
    // Sounds at once and is clearly audible.
    const size_t ms = size_t(d.rate / 1000);
    EXPECT_GT(rms(d.samples, 0, 30 * ms), 0.02) << "silent start";
    EXPECT_GT(rms(d.samples, 0, 400 * ms), 0.05);
    // Ends quietly: the last 20 ms are far below the attack.
    const size_t n = d.samples.size();
    EXPECT_LT(rms(d.samples, n - 20 * ms, n), 0.1 * rms(d.samples, 0, 400 * ms))
        << "no fade at the end";
    // Pitch within half a semitone.
    const size_t from = 150 * ms, length = 500 * ms;
    ASSERT_GT(n, from + length + size_t(d.rate / 25) + 2);
    const double f = fundamental(d.samples, d.rate, from, length);
    ASSERT_GT(f, 0) << "no period found";
    const double expected = 440.0 * std::pow(2.0, (midi - 69) / 12.0);
    const double semitones = 12.0 * std::log2(f / expected);
    EXPECT_LT(std::abs(semitones), 0.5)
        << "MIDI " << midi << ": found " << f << " Hz, expected " << expected;
}

INSTANTIATE_TEST_SUITE_P(Notes, PianoSample, ::testing::Values(24, 36, 48, 60, 72, 84, 89));

TEST(PianoSamples, AllSixtySixNotesArePresentAndSmall) {
    std::uintmax_t total = 0;
    int count = 0;
    for (const auto& e : std::filesystem::directory_iterator(PIANO)) {
        if (!e.is_regular_file()) continue;
        total += e.file_size();
        ++count;
    }
    for (int midi = 24; midi <= 89; ++midi)
        EXPECT_TRUE(std::filesystem::is_regular_file(sampleFile(midi))) << "MIDI " << midi;
    EXPECT_EQ(count, 66);
    EXPECT_LT(total, 3u * 1024 * 1024);
}

}  // namespace
