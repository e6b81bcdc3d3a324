// Every sound the game can ask for must be a short Vorbis file that really plays.
// Run from the repository root.

#define OV_EXCLUDE_STATIC_CALLBACKS // vorbisfile's unused static callbacks would only warn
#include <vorbis/vorbisfile.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

namespace {

const char* const soundNames[] = {
    "dark.ogg",  "bqlaugh.ogg", "break.ogg",     "holy.ogg",     "demonic.ogg", "whispers.ogg",
    "anvil.ogg", "giggle.ogg",  "inventory.ogg", "pray.ogg",     "jingle.ogg",  "gold.ogg",
    "drink.ogg", "unlock.ogg",  "flute.ogg",     "laughter.ogg", "lyre.ogg",    "twinkle.ogg",
    "light.ogg", "bark.ogg",    "wind.ogg",      "purchase.ogg",
};

// Closes the file however the test ends.
struct VorbisFile {
    OggVorbis_File vf{};
    bool open;
    explicit VorbisFile(const std::string& path) : open(ov_fopen(path.c_str(), &vf) == 0) {}
    ~VorbisFile()
    {
        if (open) ov_clear(&vf);
    }
    VorbisFile(const VorbisFile&) = delete;
    VorbisFile& operator=(const VorbisFile&) = delete;
};

class SoundFile : public testing::TestWithParam<const char*> {};

// Good headers don't prove the rest: a file can be cut short, silent, or clipped.
TEST_P(SoundFile, IsShortVorbisAudioThatDecodesWholeAudibleAndUnclipped)
{
    const std::string path = std::string("sound/") + GetParam();
    VorbisFile file(path);
    ASSERT_TRUE(file.open) << path << " is missing or is not Ogg Vorbis";
    const vorbis_info* info = ov_info(&file.vf, -1);
    ASSERT_NE(info, nullptr);
    EXPECT_TRUE(info->channels == 1 || info->channels == 2) << info->channels << " channels";
    EXPECT_GT(info->rate, 0);
    const double seconds = ov_time_total(&file.vf, -1);
    EXPECT_GE(seconds, 0.1);
    EXPECT_LE(seconds, 2.5);
    long frames = 0;
    float peak = 0;
    for (;;) {
        float** pcm = nullptr;
        int section = 0;
        const long got = ov_read_float(&file.vf, &pcm, 4096, &section);
        ASSERT_GE(got, 0) << path << " is damaged after " << frames << " frames";
        if (got == 0) break;
        for (int c = 0; c < ov_info(&file.vf, section)->channels; ++c)
            for (long i = 0; i < got; ++i)
                peak = std::max(peak, std::fabs(pcm[c][i]));
        frames += got;
    }
    EXPECT_EQ(frames, ov_pcm_total(&file.vf, -1)) << path << " ends before its stated length";
    EXPECT_GT(peak, 0.1f) << path << " is silent or nearly so";
    EXPECT_LT(peak, 1.0f) << path << " clips";
}

INSTANTIATE_TEST_SUITE_P(AllSounds, SoundFile, testing::ValuesIn(soundNames),
                         [](const testing::TestParamInfo<const char*>& sound) {
                             const std::string name = sound.param;
                             return name.substr(0, name.find('.'));
                         });

} // namespace
