// Block-pool playback against the recording output: what a speech file plays, in which blocks, and how
// device failures are reported.
#include "audio/CAudioBase.h"
#include "audio/RecordingPcmOutput.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <unistd.h>

namespace {

using vt::CAudioBase;
using vt::RecordingPcmOutput;

// Sample bytes with a pattern that shows which file and which offset they came from.
std::string samples(size_t n, int seed) {
    std::string s(n, '\0');
    for (size_t i = 0; i < n; ++i)
        s[i] = static_cast<char>((i * 7 + static_cast<size_t>(seed) * 31) & 0xFF);
    return s;
}

std::string speechFile(const vt::test::TempDir& dir, const std::string& name, const std::string& sampleBytes) {
    std::string path = dir.file(name);
    vt::test::writeFile(path, std::string(200, 'H') + sampleBytes);
    return path;
}

std::vector<size_t> blockSizes(const RecordingPcmOutput& out) {
    std::vector<size_t> sizes;
    for (const std::string& b : out.m_blocks)
        sizes.push_back(b.size());
    return sizes;
}

struct StreamCase {
    long fileBytes; // whole file, header included; -1: no file at all
    std::vector<size_t> blocks;
};

TEST(AudioBaseStreaming, PlaysWholeBlocksAndDropsShortTail) {
    const StreamCase cases[] = {
        {-1, {}},
        {0, {}},
        {150, {}},                 // shorter than the header
        {200, {}},                 // header only
        {200 + 959, {}},           // final piece under 960 bytes
        {200 + 960, {960}},        // exactly 960 is played
        {200 + 2000, {1920}},      // 80 bytes left over: dropped
        {200 + 2900, {1920, 980}}, // 980 left over: played
        {200 + 3 * 1920, {1920, 1920, 1920}},
    };
    for (const StreamCase& c : cases) {
        SCOPED_TRACE(c.fileBytes);
        vt::test::TempDir dir;
        std::string path = dir.file("w.spw");
        std::string content = c.fileBytes < 0 ? std::string() : std::string(200, 'H').substr(0, size_t(c.fileBytes));
        if (c.fileBytes > 200)
            content += samples(size_t(c.fileBytes) - 200, 1);
        if (c.fileBytes >= 0)
            vt::test::writeFile(path, content);

        RecordingPcmOutput out;
        CAudioBase audio(out);
        ASSERT_TRUE(audio.PlayFile(path)); // opens on first use; a missing file still "succeeds"
        EXPECT_EQ(blockSizes(out), c.blocks);
        size_t played = out.queuedBytes();
        if (c.fileBytes > 200) {
            EXPECT_EQ(out.played(), content.substr(200, played)); // header skipped
        }
        ASSERT_EQ(out.m_opens.size(), 1u);
        EXPECT_EQ(out.m_opens[0].sampleRate, 11000);
        EXPECT_EQ(out.m_opens[0].bitsPerSample, 8);
        EXPECT_EQ(out.m_opens[0].channels, 1);
    }
}

TEST(AudioBaseStreaming, QuickRequestsQueueBackToBackWithoutNewAllocations) {
    vt::test::TempDir dir;
    std::string a = samples(2900, 1), b = samples(1920 * 2, 2);
    std::string pathA = speechFile(dir, "a.spw", a), pathB = speechFile(dir, "b.spw", b);
    RecordingPcmOutput out;
    CAudioBase audio(out);
    std::string msg;
    ASSERT_TRUE(audio.OpenOutput(8, 11000, &msg));
    EXPECT_TRUE(msg.empty());
    EXPECT_EQ(audio.poolAllocations(), CAudioBase::kPoolBlocks);

    // 100 requests of 2 blocks and 100 of 2 blocks: the 150-block ring wraps several times.
    std::string expected;
    for (int i = 0; i < 100; ++i) {
        ASSERT_TRUE(audio.PlayFile(pathA));
        ASSERT_TRUE(audio.PlayFile(pathB));
        expected += a + b;
    }
    EXPECT_EQ(out.played(), expected); // order kept, nothing cut or overlapped
    EXPECT_EQ(out.m_blocks.size(), 400u);
    EXPECT_EQ(audio.poolAllocations(), CAudioBase::kPoolBlocks);
    EXPECT_EQ(audio.poolBlocks(), CAudioBase::kPoolBlocks);
    EXPECT_EQ(out.m_opens.size(), 1u); // the device stays open
}

TEST(AudioBaseStreaming, HugeFileStopsWhenTheDeviceQueueIsFull) {
    vt::test::TempDir dir;
    std::string path = dir.file("huge.spw");
    FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_TRUE(f);
    ASSERT_EQ(::ftruncate(fileno(f), 4LL << 30), 0); // 4 GB, sparse: reading it all would take minutes
    std::fclose(f);
    RecordingPcmOutput out;
    out.setCapacity(10 * 1920);
    CAudioBase audio(out);
    EXPECT_TRUE(audio.PlayFile(path));
    EXPECT_EQ(out.m_blocks.size(), 10u);
    EXPECT_EQ(out.m_refused, 1u);
}

TEST(AudioBaseStreaming, SynthesisedSamplesArePlayedToTheLastByte) {
    RecordingPcmOutput out;
    CAudioBase audio(out);
    std::string s = samples(2000, 3);
    ASSERT_TRUE(audio.PlaySamples(reinterpret_cast<const uint8_t*>(s.data()), s.size()));
    EXPECT_EQ(blockSizes(out), (std::vector<size_t>{1920, 80}));
    EXPECT_EQ(out.played(), s);
    EXPECT_TRUE(audio.WaitUntilHeard(500));
    EXPECT_EQ(out.m_waits, 1);
}

TEST(AudioBaseDevice, MissingDeviceIsReportedOnceAndRetriedSilently) {
    vt::test::TempDir dir;
    std::string path = speechFile(dir, "w.spw", samples(1920, 4));
    RecordingPcmOutput out;
    out.setDeviceAvailable(false);
    CAudioBase audio(out);

    std::string msg;
    EXPECT_FALSE(audio.OpenOutput(8, 11000, &msg)); // start-up
    EXPECT_EQ(msg, "open waveOutOpen failed");
    for (int i = 0; i < 3; ++i) {
        EXPECT_FALSE(audio.PlayFile(path, &msg));
        EXPECT_EQ(msg, "") << "reported again on pronunciation " << i;
    }
    EXPECT_EQ(out.m_openAttempts, 4); // every pronunciation tried the device again
    EXPECT_FALSE(audio.isOpened());

    out.setDeviceAvailable(true); // a device appears: the next word is heard
    EXPECT_TRUE(audio.PlayFile(path, &msg));
    EXPECT_TRUE(msg.empty());
    EXPECT_EQ(out.played(), samples(1920, 4));

    out.loseDevice(); // the server goes away and comes back
    EXPECT_TRUE(audio.PlayFile(path, &msg));
    EXPECT_EQ(out.m_opens.size(), 2u);
    EXPECT_EQ(out.m_blocks.size(), 2u);
}

TEST(AudioBaseDevice, FirstReportGoesToTheFirstCallerThatAsks) {
    // Synthesised speech passes no message: it must not use up the report the window shows.
    RecordingPcmOutput out;
    out.setDeviceAvailable(false);
    CAudioBase audio(out);
    uint8_t s[100] = {};
    EXPECT_FALSE(audio.PlaySamples(s, sizeof s));
    std::string msg;
    EXPECT_FALSE(audio.PlayFile("/nonexistent.spw", &msg));
    EXPECT_EQ(msg, "open waveOutOpen failed");
}

TEST(AudioBaseDevice, AllocationFailureIsReportedAndRetried) {
    RecordingPcmOutput out;
    CAudioBase audio(out);
    audio.setBlockAllocationLimitForTesting(100);
    std::string msg;
    EXPECT_FALSE(audio.OpenOutput(8, 11000, &msg));
    EXPECT_EQ(msg, "GlobalAlloc buffers failed");
    EXPECT_FALSE(audio.isOpened());
    EXPECT_EQ(out.m_openAttempts, 0); // the device is not touched without buffers
    EXPECT_FALSE(audio.PlayFile("/nonexistent.spw", &msg));
    EXPECT_EQ(msg, "GlobalAlloc buffers failed");

    audio.setBlockAllocationLimitForTesting(-1);
    EXPECT_TRUE(audio.PlayFile("/nonexistent.spw", &msg));
    EXPECT_TRUE(audio.isOpened());
    EXPECT_EQ(audio.poolAllocations(), CAudioBase::kPoolBlocks); // the 100 made before are kept
}

TEST(AudioBaseFormat, FormatCodeChangeResetsAndPlayingReturnsToSpeechFormat) {
    vt::test::TempDir dir;
    std::string path = speechFile(dir, "w.spw", samples(1920, 5));
    RecordingPcmOutput out;
    CAudioBase audio(out);
    ASSERT_TRUE(audio.OpenOutput(8, 11000));
    audio.SetFormatCode(CAudioBase::kFormatFrame);
    EXPECT_EQ(audio.formatCode(), 4);
    EXPECT_EQ(audio.bitsPerSample(), 16);
    EXPECT_EQ(audio.samplesPerSecond(), 8000);
    EXPECT_FALSE(audio.isOpened());
    EXPECT_EQ(audio.poolBlocks(), 0);
    EXPECT_GE(out.m_resets, 1);

    ASSERT_TRUE(audio.PlayFile(path));
    EXPECT_EQ(audio.formatCode(), 7);
    ASSERT_EQ(out.m_opens.size(), 2u);
    EXPECT_EQ(out.m_opens[1].sampleRate, 11000);
    EXPECT_EQ(out.m_opens[1].bitsPerSample, 8);
    EXPECT_EQ(out.played(), samples(1920, 5));

    audio.ResetOutput();
    EXPECT_FALSE(out.isOpen());
    EXPECT_FALSE(audio.isOpened());
}

} // namespace
