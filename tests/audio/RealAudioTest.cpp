// Sounds through a real sound server, as on a desktop: a private PulseAudio
// server with a null sink for each test, the audio module loaded as the
// program loads it, and what reached the sink read back from its monitor.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLibrary>
#include <QProcess>
#include <QThread>
#include <QTimer>
#include <QtEndian>

#include <signal.h>
#include <sys/prctl.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <future>
#include <iostream>
#include <memory>
#include <thread>

#include "codec/ContentIds.h"
#include "codec/Wave.h"
#include "framework/Media.h"
#include "framework/ResourceFork.h"
#include "framework/audio/AudioModule.h"
#include "framework/testing/Simulate.h"
#include "quiz/Module1.h"
#include "tests/TestCase.h"
#include "tests/support/Program.h"

namespace korvane {
namespace {

const char* const kSink = "korvane_test";

// A process that dies with the test, whatever ends the test.
void StartTied(QProcess& process, const QString& program, const QStringList& arguments) {
  process.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
  process.start(program, arguments);
}

class RealAudioTest : public ::testing::Test {
 protected:
  // One server for the test program: Qt connects once per process.
  static void SetUpTestSuite() {
    dir = std::make_unique<test::TempDir>();
    server = std::make_unique<QProcess>();
    const QString root = QString::fromStdString(dir->Path("").string());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"HOME", "XDG_RUNTIME_DIR", "XDG_CONFIG_HOME", "PULSE_RUNTIME_PATH", "PULSE_STATE_PATH"})
      env.insert(name, root);
    server->setProcessEnvironment(env);
    server->setProcessChannelMode(QProcess::MergedChannels);
    const QString socket = root + "/native";
    StartTied(*server, "pulseaudio",
              {"-n", "--system=false", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
               "--log-target=stderr", "-L", QString("module-null-sink sink_name=") + kSink,
               "-L", "module-native-protocol-unix auth-anonymous=1 socket=" + socket});
    qputenv("PULSE_SERVER", ("unix:" + socket).toUtf8());
    for (int tries = 0; tries < 100 && server->state() != QProcess::NotRunning && !ServerAnswers(); ++tries)
      QThread::msleep(100);
  }
  static void TearDownTestSuite() { server.reset(), dir.reset(); }

  void SetUp() override {
    ASSERT_TRUE(ServerAnswers()) << "the PulseAudio server did not start (scripts/deps.sh installs it): "
                                 << server->readAll().toStdString() << server->errorString().toStdString();
    // What reaches the sink, as 8 kHz mono; it streams from now on.
    StartTied(recorder, "parec", {"-d", QString(kSink) + ".monitor", "--raw", "--format=s16le", "--rate=8000",
                                  "--channels=1", "--latency-msec=20"});
    ASSERT_TRUE(recorder.waitForReadyRead(10000)) << "cannot record the sink's monitor";
    QLibrary library(QCoreApplication::applicationDirPath() + "/libkorvane_audio.so");
    play = reinterpret_cast<KorvaneAudioPlayFn>(library.resolve(KORVANE_AUDIO_PLAY_SYMBOL));
    ASSERT_NE(play, nullptr) << library.errorString().toStdString();
  }

  static void Signal(int number) { ::kill(static_cast<pid_t>(server->processId()), number); }

  static bool ServerAnswers() {
    QProcess info;
    info.start("pactl", {"info"});
    return info.waitForFinished(5000) && info.exitStatus() == QProcess::NormalExit && info.exitCode() == 0;
  }

  // Runs the event loop, calling `step` from a timer every few milliseconds
  // until it returns false: the program stays responsive while it ends. A
  // loop that stops turning (a wait on the sound server, a deadlock) ends the
  // whole test program with a message: no timer on this thread could see it.
  void RunLoop(const std::function<bool()>& step) {
    std::promise<void> finished;
    std::thread watchdog([done = finished.get_future()] {
      if (done.wait_for(std::chrono::seconds(90)) == std::future_status::timeout) {
        std::cerr << "The event loop stopped turning while sounds played: the program would hang.\n";
        std::_Exit(2);
      }
    });
    QEventLoop loop;
    QTimer stepper;
    QObject::connect(&stepper, &QTimer::timeout, &loop, [&] { if (!step()) loop.quit(); });
    stepper.start(3);
    loop.exec();
    finished.set_value();
    watchdog.join();
  }

  // The loudest sample that reached the sink while `sound` played and the
  // event loop ran on long enough to hear it out.
  int LoudestOf(const std::function<void()>& sound) {
    recorder.waitForReadyRead(500);
    recorder.readAll();
    sound();
    QElapsedTimer clock;
    clock.start();
    RunLoop([&] { return !clock.hasExpired(700); });
    recorder.waitForReadyRead(500);
    const QByteArray pcm = recorder.readAll();
    int loudest = 0;
    for (qsizetype i = 0; i + 1 < pcm.size(); i += 2)
      loudest = std::max(loudest, std::abs(qFromLittleEndian<qint16>(pcm.constData() + i)));
    return loudest;
  }

  static inline std::unique_ptr<test::TempDir> dir;
  static inline std::unique_ptr<QProcess> server;  // a QProcess kills what it started
  QProcess recorder;
  KorvaneAudioPlayFn play = nullptr;
};

// The shipped sounds, loaded and played as the program does, hundreds of
// times in quick succession and overlapping; then with a server that stops
// answering (stopped, as a debugger or a stuck socket leaves it) before the
// first sound and again while sounds play: the program goes on, and sound
// comes out once the server answers again.
TEST_F(RealAudioTest, TheShippedSoundsInQuickSuccessionAndWhenTheServerStopsAnswering) {
  const auto fork = fw::ResourceFork::Open(test::RealResourceFile());
  ASSERT_NE(fork, nullptr);
  const std::shared_ptr<fw::Sound> sounds[] = {fork->GetSound(codec::kRightSoundId), fork->GetSound(codec::kWrongSoundId)};
  ASSERT_TRUE(sounds[0] && sounds[1]);
  int played = 0;
  RunLoop([&] {
    // Bursts with no turn of the event loop between, then single sounds.
    for (int k = 0; k < (played % 50 < 10 ? 5 : 1); ++k) sounds[played++ % 2]->Play();
    return played < 400;
  });
  EXPECT_GT(LoudestOf([&] { sounds[0]->Play(); }), 2000) << "no sound reached the sink";
  played = 0;
  RunLoop([&] {
    if (played % 100 == 0) Signal(played % 200 ? SIGCONT : SIGSTOP);
    sounds[0]->Play();
    return ++played < 400;
  });
  Signal(SIGCONT);
  EXPECT_GT(LoudestOf([&] { sounds[0]->Play(); }), 2000) << "no sound once the server answered again";
}

// The real program's answers, right and wrong, as fast as its event loop
// turns, over the shipped resource file.
TEST_F(RealAudioTest, AnswersInQuickSuccessionInTheProgram) {
  test::Recorder shown;
  test::StartProgram(test::RealResourceFile(), shown);
  ASSERT_TRUE(fw::testing::ChooseMenuItem("Quiz1Menu"));
  int answers = 0;
  const int loudest = LoudestOf([&] {
    RunLoop([&] {
      CheckAnswer(1 + answers % 4);
      return ++answers < 200;
    });
  });
  test::ShutdownProgram();
  EXPECT_EQ(shown.soundsPlayed, 200);
  EXPECT_TRUE(shown.messages.empty());
  EXPECT_GT(loudest, 2000) << "no sound reached the sink";
}

// Loud samples, `frames` whole frames of them (a level the sink passes on).
std::string Tone(int channels, int bits, int frames) {
  return std::string(static_cast<std::size_t>(frames * channels * bits / 8), '\x40');
}

struct Sound : korvane_test::NamedCase {
  int channels, rate, bits;
  std::string samples;
  bool plays;
};

// The sounds that froze or crashed Korvane (as files, the first and the rates
// 1 to 200 are the reproducers byte for byte), and the edges of what it plays.
std::vector<Sound> Sounds() {
  std::vector<Sound> sounds = {
      {{"OneByteOfSixteenBitMono"}, 1, 8000, 16, std::string(1, '\0'), false},
      {{"RightSoundOfTwoHundredAndOneBytes"}, 1, 22050, 16, Tone(1, 16, 100) + "x", false},
      {{"StereoFrameCut"}, 2, 44100, 32, Tone(2, 32, 50).substr(0, 396), false},
      {{"Rate7999"}, 1, 7999, 8, Tone(1, 8, 800), false},
      {{"Rate192001"}, 2, 192001, 16, Tone(2, 16, 4000), false},
      {{"NineChannels"}, 9, 44100, 16, Tone(9, 16, 500), false},
      {{"Rate8000Mono8Bit"}, 1, 8000, 8, Tone(1, 8, 1600), true},
      {{"Rate192000Stereo32Bit"}, 2, 192000, 32, Tone(2, 32, 19200), true},
      {{"EightChannels"}, 8, 48000, 16, Tone(8, 16, 4800), true},
  };
  static const char* const rates[] = {"1", "2", "10", "25", "49", "50", "60", "100", "150", "199", "200"};
  for (const char* rate : rates) sounds.push_back({{rate}, 1, std::atoi(rate), 8, "\x80\x80", false});
  return sounds;
}

TEST_F(RealAudioTest, HostileSoundsAreRefusedAndTheEdgesPlayWhileTheProgramGoesOn) {
  std::size_t next = 0;
  const std::vector<Sound> sounds = Sounds();
  RunLoop([&] {
    for (const Sound& s : sounds) {  // all at once, then each on its own
      if (next > 0 && &s != &sounds[next % sounds.size()]) continue;
      const std::string file = codec::EncodeWave({s.channels, s.rate, s.bits, s.samples});
      EXPECT_EQ(fw::Sound::FromWave(file) != nullptr, s.plays) << s.name;
      EXPECT_EQ(play(s.samples.data(), static_cast<long long>(s.samples.size()), s.rate, s.channels, s.bits), s.plays)
          << s.name;
    }
    return ++next < 4 * sounds.size();
  });
  const Sound& edge = sounds[6];
  EXPECT_GT(LoudestOf([&] { play(edge.samples.data(), 1600, edge.rate, edge.channels, edge.bits); }), 2000)
      << "no sound reached the sink";
}

// The program ending while the server does not answer (its audio thread
// stuck in the sound library) ends at once, with its own status.
TEST_F(RealAudioTest, TheProgramEndsWhileTheServerDoesNotAnswer) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        std::thread([] { std::this_thread::sleep_for(std::chrono::seconds(30)), std::_Exit(3); }).detach();
        const auto sound = fw::Sound::FromWave(test::TinyWave());
        LoudestOf([&] { sound->Play(); });  // connected, an output open
        Signal(SIGSTOP);
        const std::string stereo(800, '\0');
        LoudestOf([&] { play(stereo.data(), 800, 44100, 2, 16); });  // an output the server never opens
        delete qApp;  // as the program ends
        std::exit(0);
      },
      ::testing::ExitedWithCode(0), "")
      << "exit status 3: the program hung at its end";
}

// Last, as it ends the server: the server going away while sounds play.
TEST_F(RealAudioTest, WhenTheServerGoesAwayThePlayingGoesOn) {
  const auto sound = fw::Sound::FromWave(test::TinyWave());
  int played = 0;
  RunLoop([&] {
    if (++played == 50) server->kill();
    sound->Play();
    return played < 300;
  });
}

}  // namespace
}  // namespace korvane
