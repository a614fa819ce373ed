// Test utility: plays speech files through the real sound device with CAudioBase, one after the other as
// quick requests, and waits until they have been heard.
//   vt-play-spw FILE...            play
//   vt-play-spw --render WORD OUT  write the speech file of WORD (espeak-ng), for tests that need one
//   vt-play-spw --say TEXT         speak TEXT with the speaking voice (SpeakText), returning once heard
#include "audio/CAudioBase.h"
#include "audio/CTtsVoice.h"
#include "audio/QtPcmOutput.h"
#include "audio/SpeechRenderer.h"
#include "base/AtomicFile.h"
#include "base/Paths.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <cstring>

namespace {

int run(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "--render") == 0) {
        std::string content;
        vt::RenderResult r = vt::renderSpeechFile(argv[2], "", content);
        if (r != vt::RenderResult::Ok) {
            std::fprintf(stderr, "cannot render %s: %s\n", argv[2], vt::renderResultText(r));
            return 1;
        }
        return vt::writeFileAtomically(argv[3], content) ? 0 : 1;
    }
    if (argc < 2) {
        std::fprintf(stderr, "usage: vt-play-spw FILE... | --render WORD OUT\n");
        return 2;
    }
    QCoreApplication app(argc, argv);
    vt::QtPcmOutput output;
    vt::CAudioBase audio(output);
    std::string message;
    if (!audio.OpenOutput(8, 11000, &message)) {
        std::fprintf(stderr, "%s\n", message.c_str());
        return 3;
    }
    QElapsedTimer clock;
    clock.start();
    if (argc == 3 && std::strcmp(argv[1], "--say") == 0) {
        vt::CTtsVoice voice(audio);
        voice.SpeakText(argv[2]);
        std::printf("spoke %d utterances, returned after %lld ms\n", voice.utterances(),
                    static_cast<long long>(clock.elapsed()));
        return voice.utterances() > 0 ? 0 : 4;
    }
    long long bytes = 0;
    for (int i = 1; i < argc; ++i) {
        audio.PlayFile(argv[i]);
        long long size = vt::fileSize(argv[i]);
        if (size > 200)
            bytes += size - 200;
    }
    std::printf("queued in %lld ms\n", static_cast<long long>(clock.elapsed()));
    int soundMs = static_cast<int>(bytes * 1000 / 11000);
    bool heard = audio.WaitUntilHeard(soundMs + 10000);
    std::printf("%s after %lld ms (%d ms of sound)\n", heard ? "heard" : "NOT drained",
                static_cast<long long>(clock.elapsed()), soundMs);
    return heard ? 0 : 4;
}

} // namespace

int main(int argc, char** argv) {
    vt::exitWithoutLibraryTeardown(run(argc, argv));
}
