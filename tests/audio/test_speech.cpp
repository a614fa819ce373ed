// Speaking text and choosing the source of a pronunciation: splitting and filtering, voice choice, real
// espeak-ng synthesis into memory played through the recording output, speech-file paths and headers.
#include "audio/CAudioBase.h"
#include "audio/CTtsVoice.h"
#include "audio/EspeakEngine.h"
#include "audio/PcmConvert.h"
#include "audio/Pronounce.h"
#include "audio/RecordingPcmOutput.h"
#include "audio/SpeechFile.h"
#include "audio/SpeechRenderer.h"
#include "audio/SpeechText.h"
#include "base/Gbk.h"
#include "base/Paths.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

namespace {

using vt::CAudioBase;
using vt::CTtsVoice;
using vt::RecordingPcmOutput;

// Largest distance of any sample from silence (128).
int peak(const std::string& pcm) {
    int p = 0;
    for (char c : pcm)
        p = std::max(p, std::abs(static_cast<int>(static_cast<uint8_t>(c)) - 128));
    return p;
}

TEST(SpeechText, SplitsAfterStarsAndKeepsOnlyLettersAndSpaces) {
    struct Case {
        std::string text;
        std::vector<std::string> pieces;
    };
    const Case cases[] = {
        {"good*bad", {"good", "bad"}},
        {"**", {}},
        {"", {}},
        {vt::gbk("你好，世界。"), {}},
        {vt::gbk("放弃 abandon，舍弃"), {" abandon"}},
        {"don't give-up 42 times!", {"dont giveup  times"}},
        {"*good", {"good"}},
        {"good*", {"good"}},
        {"a*1*b", {"a", "b"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(vt::speechPieces(c.text), c.pieces);
    }
    EXPECT_EQ(vt::capSpeechText("one two three", 9), "one two");
    EXPECT_EQ(vt::capSpeechText("abcdefghij", 4), "abcd");
}

TEST(VoiceList, StartupPreferenceAndPrefixSearch) {
    using L = std::vector<std::string>;
    struct Case {
        L list;
        int expected;
    };
    const Case cases[] = {
        {{}, -1},
        {{"English", "French"}, -1},
        {{"VW Anna", "VW Bob"}, 1}, // the one after the first entry wins
        {{"X", "VW Anna", "VW Bob"}, 1},
        {{"vw lower"}, 0}, // only one: found after wrapping round
        {{"VW Anna", "English"}, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CTtsVoice::startupPreference(c.list), c.expected);

    L voices = {"English (Great Britain)", "English (America)", "French"};
    EXPECT_EQ(CTtsVoice::findPrefix(voices, "english (am"), 1);
    EXPECT_EQ(CTtsVoice::findPrefix(voices, "ENGLISH"), 0);
    EXPECT_EQ(CTtsVoice::findPrefix(voices, "English", 0), 1);
    EXPECT_EQ(CTtsVoice::findPrefix(voices, "English", 1), 0); // wraps
    EXPECT_EQ(CTtsVoice::findPrefix(voices, "German"), -1);
}

class SpeakingVoice : public ::testing::Test {
protected:
    void SetUp() override {
        if (!vt::EspeakEngine::instance().available())
            GTEST_SKIP() << "espeak-ng data not installed";
    }
    RecordingPcmOutput out;
    CAudioBase audio{out};
};

TEST_F(SpeakingVoice, ListsVoicesWithTheEngineDefaultSelected) {
    CTtsVoice voice(audio);
    EXPECT_GT(voice.voiceDescriptions().size(), 10u);
    ASSERT_GE(voice.currentIndex(), 0);
    EXPECT_EQ(voice.speakingVoice(), voice.voiceDescriptions()[size_t(voice.currentIndex())]);
    EXPECT_EQ(voice.speakingVoice().rfind("English", 0), 0u) << voice.speakingVoice();

    EXPECT_TRUE(voice.ApplyChosenVoice("english (america"));
    EXPECT_EQ(voice.speakingVoice(), "English (America)");
    EXPECT_FALSE(voice.ApplyChosenVoice("No such voice"));
    EXPECT_EQ(voice.currentIndex(), -1);
    EXPECT_EQ(voice.speakingVoice(), "English (America)"); // nothing selected: the voice stays
}

TEST_F(SpeakingVoice, SpeaksEachPieceAndNothingForTextWithoutLetters) {
    CTtsVoice voice(audio);
    voice.SpeakText("good*bad");
    EXPECT_EQ(voice.utterances(), 2);
    EXPECT_EQ(out.m_waits, 2); // each piece heard before the next is made
    // About a third of a second each at 11000 per second, and audible.
    size_t bytes = out.queuedBytes();
    EXPECT_GT(bytes, 2 * 2000u);
    EXPECT_LT(bytes, 2 * 11000u * 2);
    EXPECT_GT(peak(out.played()), 20);

    for (const std::string& silent : {vt::gbk("这是一个句子，只有汉字。"), std::string("**"), std::string("")}) {
        voice.SpeakText(silent);
        EXPECT_EQ(voice.utterances(), 2) << vt::toUtf8(silent);
    }
    EXPECT_EQ(out.queuedBytes(), bytes);
}

TEST_F(SpeakingVoice, RequestWhileSpeakingIsIgnored) {
    CTtsVoice voice(audio);
    int nested = 0;
    out.m_onWait = [&] {
        EXPECT_TRUE(voice.isSpeaking());
        if (nested++ == 0)
            voice.SpeakText("timer word"); // e.g. the auto-advance timer firing meanwhile
    };
    voice.SpeakText("good*bad");
    EXPECT_EQ(voice.utterances(), 2);
    EXPECT_FALSE(voice.isSpeaking());
    voice.SpeakText("again");
    EXPECT_EQ(voice.utterances(), 3);
}

TEST_F(SpeakingVoice, MegabytesOfTextAreCutToTheTimeBudget) {
    CTtsVoice voice(audio);
    voice.setMaxSpeechSeconds(2.0);
    std::string text;
    for (int i = 0; i < 100000; ++i)
        text += "hello world ";
    text += "*" + std::string(1 << 20, '*');
    voice.SpeakText(text);
    EXPECT_EQ(voice.utterances(), 1);
    EXPECT_GT(out.queuedBytes(), 11000u);
    EXPECT_LE(out.queuedBytes(), 2u * 11000u + 11000u / 10);
    EXPECT_GE(out.m_lastWaitTimeoutMs, 2000);
}

TEST_F(SpeakingVoice, SettingsTestSpeaksChineseWithTheMandarinVoice) {
    CTtsVoice voice(audio);
    voice.SpeakUnfiltered(vt::gbk("欢迎使用岚溪词苑软件 welcome to verba trove"));
    EXPECT_EQ(voice.utterances(), 2); // the Chinese run and the English run
    EXPECT_GT(out.queuedBytes(), 11000u);
}

TEST_F(SpeakingVoice, NoDeviceMeansSilenceNotAHang) {
    out.setDeviceAvailable(false);
    CTtsVoice voice(audio);
    voice.SpeakText("hello");
    EXPECT_EQ(voice.utterances(), 0);
    EXPECT_EQ(out.m_waits, 0);
}

// Disabled in the normal run; the CTest entry speech_without_voices runs it with espeak-ng pointed at an
// empty data folder.
TEST(NoVoicesInstalled, DISABLED_EverythingIsSilent) {
    if (!std::getenv(vt::EspeakEngine::kDataPathVariable))
        GTEST_SKIP() << "needs an empty espeak-ng data folder";
    RecordingPcmOutput out;
    CAudioBase audio(out);
    CTtsVoice voice(audio);
    EXPECT_TRUE(voice.voiceDescriptions().empty());
    EXPECT_EQ(voice.currentIndex(), -1);
    voice.ApplyStartupPreference();
    voice.SelectVoice();
    EXPECT_FALSE(voice.ApplyChosenVoice("English"));
    voice.SpeakText("good*bad");
    voice.SpeakUnfiltered("hello");
    EXPECT_EQ(out.queuedBytes(), 0u);
    std::string file;
    EXPECT_EQ(vt::renderSpeechFile("hello", "", file), vt::RenderResult::NoEngine);
}

TEST(SpeechFiles, PathRule) {
    struct Case {
        std::string base, word, path;
    };
    const Case cases[] = {
        {"/b/", "abandon", "/b/speech/a/abandon.spw"},
        {"/b", "abandon", "/b/speech/a/abandon.spw"},
        {"/b/", "Monday", "/b/speech/M/Monday.spw"}, // no case folding
        {"/b/", "a.m.", "/b/speech/a/a.m..spw"},
        {"/b/", "", ""},
        {"/b/", "and/or", ""},
        {"/b/", "..", ""},
        {"/b/", "x..y", ""},
        {"/b/", std::string("a\0b", 3), ""},
        {"/b/", std::string(300, 'a'), ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(vt::speechFilePath(c.base, c.word), c.path) << c.word;
}

TEST(SpeechFiles, HeaderStatesFormatRateAndWord) {
    std::string h = vt::makeSpeechHeader(11025, "abandon");
    ASSERT_EQ(h.size(), 200u);
    EXPECT_EQ(h.rfind("VTSPW1 rate=11025 bits=8 ch=1 word=abandon", 0), 0u);
    int rate = 0;
    std::string word;
    ASSERT_TRUE(vt::parseSpeechHeader(h, rate, word));
    EXPECT_EQ(rate, 11025);
    EXPECT_EQ(word, "abandon");
    ASSERT_TRUE(vt::parseSpeechHeader(vt::makeSpeechHeader(11025, std::string(500, 'w')), rate, word));
    EXPECT_EQ(word.size(), 199u - std::string("VTSPW1 rate=11025 bits=8 ch=1 word=").size());
    EXPECT_FALSE(vt::parseSpeechHeader(std::string(200, 'H'), rate, word));
    EXPECT_FALSE(vt::parseSpeechHeader("VTSPW1 rate=1", rate, word));
}

TEST(SpeechFiles, ResamplesSynthesisRateToFileRate) {
    std::vector<int16_t> sine(22050), quiet(22050, 0);
    for (size_t i = 0; i < sine.size(); ++i)
        sine[i] = int16_t(16000 * std::sin(2 * M_PI * 440 * double(i) / 22050));
    std::vector<uint8_t> s = vt::toUnsigned8(sine.data(), sine.size(), 22050, 11025);
    EXPECT_EQ(s.size(), 11025u);
    int hi = 0, lo = 255;
    for (uint8_t v : s)
        hi = std::max<int>(hi, v), lo = std::min<int>(lo, v);
    EXPECT_GT(hi, 128 + 50);
    EXPECT_LT(lo, 128 - 50);
    EXPECT_EQ(vt::toUnsigned8(quiet.data(), quiet.size(), 22050, 11000), std::vector<uint8_t>(11000, 128));
}

TEST(Pronounce, RecordingWhenReadableElseTheVoice) {
    if (!vt::EspeakEngine::instance().available())
        GTEST_SKIP() << "espeak-ng data not installed";
    vt::test::TempDir dir;
    ASSERT_TRUE(vt::makeDirs(dir.path() + "speech/M"));
    std::string recorded = std::string(1920, 'x');
    vt::test::writeFile(dir.path() + "speech/M/Monday.spw", std::string(200, 'H') + recorded);

    RecordingPcmOutput out;
    CAudioBase audio(out);
    CTtsVoice voice(audio);
    EXPECT_EQ(vt::recordedSpeechFor(dir.path(), "Monday"), dir.path() + "speech/M/Monday.spw");
    EXPECT_EQ(vt::PronounceWord(audio, voice, dir.path(), "Monday"), vt::SpeechSource::File);
    EXPECT_EQ(out.played(), recorded);
    EXPECT_EQ(voice.utterances(), 0);

    // The lower-case spelling looks in folder "m", which does not exist here.
    EXPECT_EQ(vt::recordedSpeechFor(dir.path(), "monday"), "");
    EXPECT_EQ(vt::PronounceWord(audio, voice, dir.path(), "monday"), vt::SpeechSource::Voice);
    EXPECT_EQ(voice.utterances(), 1);
    // Names that cannot be files go straight to the voice.
    EXPECT_EQ(vt::PronounceWord(audio, voice, dir.path(), "either/or"), vt::SpeechSource::Voice);
    EXPECT_EQ(vt::PronounceWord(audio, voice, dir.path(), "../x"), vt::SpeechSource::Voice);
    EXPECT_EQ(voice.utterances(), 3);
    // A folder where the file should be is not a recording.
    ASSERT_TRUE(vt::makeDirs(dir.path() + "speech/M/May.spw"));
    EXPECT_EQ(vt::PronounceWord(audio, voice, dir.path(), "May"), vt::SpeechSource::Voice);
}

TEST(SpeechFiles, RendersAnAudibleWord) {
    if (!vt::EspeakEngine::instance().available())
        GTEST_SKIP() << "espeak-ng data not installed";
    std::string file;
    ASSERT_EQ(vt::renderSpeechFile("abandon", "", file), vt::RenderResult::Ok);
    int rate = 0;
    std::string word;
    ASSERT_TRUE(vt::parseSpeechHeader(file, rate, word));
    EXPECT_EQ(word, "abandon");
    double seconds = double(file.size() - 200) / 11025;
    EXPECT_GT(seconds, 0.3);
    EXPECT_LT(seconds, 2.0);
    EXPECT_GT(peak(file.substr(200)), 20);
    EXPECT_EQ(vt::renderSpeechFile(vt::gbk("放弃"), "", file), vt::RenderResult::NotAWord);
    EXPECT_EQ(vt::renderSpeechFile("123", "", file), vt::RenderResult::NotAWord);
}

} // namespace
