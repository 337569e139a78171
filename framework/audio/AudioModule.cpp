#include "framework/audio/AudioModule.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QCoreApplication>
#include <QIODevice>
#include <QMediaDevices>
#include <QMutex>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <utility>
#include <vector>

#include "codec/Wave.h"

namespace {

// An output stays open this long after its sound ends, so sounds in quick
// succession reuse it: sound libraries cope worst with outputs opened and
// closed in quick succession.
constexpr int kIdleCloseMs = 5000;
// Outputs open at once, one per format; a sound of another format closes the
// one used longest ago.
constexpr std::size_t kMaxOutputs = 2;
// What the server holds ahead of the speaker, which is also how late a cut
// is heard.
constexpr qint64 kBufferUs = 150'000;
// Silence after each sound: a stream starts only once its prebuffer (under
// kBufferUs) is full, and a short sound alone must not wait for the next.
constexpr qint64 kTailUs = 250'000;
// How long the end of the application waits for the audio thread.
constexpr int kStopMs = 1500;

// The samples an output plays, replaced whole by the next sound of its
// format. Empty, the output idles until the next sound.
class Feed : public QIODevice {
 public:
  explicit Feed(QObject* parent) : QIODevice(parent) { open(QIODevice::ReadOnly | QIODevice::Unbuffered); }
  void Replace(QByteArray samples) {
    samples_ = std::move(samples);
    at_ = 0;
    Q_EMIT readyRead();
  }
  bool isSequential() const override { return true; }
  qint64 bytesAvailable() const override { return samples_.size() - at_ + QIODevice::bytesAvailable(); }

 protected:
  // Whole frames: the output asks for whole periods, and every sound and
  // its tail is whole frames.
  qint64 readData(char* data, qint64 maxSize) override {
    const qint64 count = std::max<qint64>(0, std::min<qint64>(maxSize, samples_.size() - at_));
    std::memcpy(data, samples_.constData() + at_, static_cast<std::size_t>(count));
    at_ += count;
    return count;
  }
  qint64 writeData(const char*, qint64) override { return -1; }

 private:
  QByteArray samples_;
  qint64 at_ = 0;
};

struct Output {
  QAudioFormat format;
  QAudioSink* sink;
  Feed* feed;
};

// Plays on the audio thread, which owns every Qt Multimedia object: a sound
// server that stops answering, or a sound library that never lets go of its
// lock, holds that thread and never the program.
class Player : public QObject {
 public:
  Player() : idle_(this) {
    idle_.setSingleShot(true);
    connect(&idle_, &QTimer::timeout, this, [this] { CloseAll(); });
  }
  ~Player() override { CloseAll(); }

  // Any thread: the sound plays on the audio thread. Only the latest sound
  // waits there: it would cut any before it at once.
  void Post(QByteArray sound, const QAudioFormat& format) {
    bool wake = false;
    {
      const QMutexLocker lock(&mutex_);
      wake = !next_;
      next_ = Next{std::move(sound), format};
    }
    if (wake) QMetaObject::invokeMethod(this, [this] { PlayNext(); }, Qt::QueuedConnection);
  }

 private:
  struct Next {
    QByteArray sound;
    QAudioFormat format;
  };

  void PlayNext() {
    std::optional<Next> next;
    {
      const QMutexLocker lock(&mutex_);
      next.swap(next_);
    }
    if (next) Play(std::move(next->sound), next->format);
  }

  void Play(QByteArray sound, const QAudioFormat& format) {
    for (Output& output : outputs_) output.feed->Replace({});  // the sound before is cut
    auto it = std::find_if(outputs_.begin(), outputs_.end(), [&](const Output& o) { return o.format == format; });
    if (it != outputs_.end() && it->sink->state() == QAudio::StoppedState) {  // the server ended it
      const Output ended = *it;
      outputs_.erase(it);
      Close(ended);
      it = outputs_.end();  // one output a format: a new one opens
    }
    sound.append(format.bytesForDuration(kTailUs), format.sampleFormat() == QAudioFormat::UInt8 ? '\x80' : '\0');
    const int playingMs = static_cast<int>(format.durationForBytes(static_cast<qint32>(sound.size())) / 1000);
    if (it != outputs_.end()) {
      std::rotate(it, it + 1, outputs_.end());  // most recently used last
      outputs_.back().feed->Replace(std::move(sound));
    } else if (!Open(format, std::move(sound))) {
      return;
    }
    idle_.start(playingMs + kIdleCloseMs);
  }

  bool Open(const QAudioFormat& format, QByteArray sound) {
    if (outputs_.size() >= kMaxOutputs) {
      const Output oldest = outputs_.front();
      outputs_.erase(outputs_.begin());
      Close(oldest);
    }
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull() || !device.isFormatSupported(format)) return false;
    Output output{format, new QAudioSink(device, format, this), new Feed(this)};
    output.sink->setBufferSize(format.bytesForDuration(kBufferUs));
    output.feed->Replace(std::move(sound));
    output.sink->start(output.feed);
    if (output.sink->error() != QAudio::NoError || output.sink->state() == QAudio::StoppedState) {
      Close(output);
      return false;
    }
    outputs_.push_back(output);
    return true;
  }

  // Out of the list first: Qt runs pending events while it deletes an
  // output, and one may be a sound. Stopped first: a stopped output ignores
  // the feeding it has queued.
  static void Close(const Output& output) {
    output.sink->stop();
    delete output.sink;
    delete output.feed;
  }

  void CloseAll() {
    const std::vector<Output> closing = std::exchange(outputs_, {});
    for (const Output& output : closing) Close(output);
  }

  std::vector<Output> outputs_;  // the one used most recently last
  QTimer idle_;
  QMutex mutex_;
  std::optional<Next> next_;  // under mutex_
};

// The audio thread, made at the first sound; the player is deleted on it.
class AudioThread : public QThread {
 public:
  AudioThread() { player->moveToThread(this); }
  Player* const player = new Player;

 private:
  void run() override {
    exec();
    delete player;
  }
};

AudioThread* audio = nullptr;  // GUI thread only
AudioThread* stuck = nullptr;  // keeps a stuck thread reachable: not a leak

// Registered once a thread is stuck, so it runs before the sound library's
// own clean-up at the exit, which would free what the thread waits on and
// abort the program: the process ends here, with its status.
void EndBeforeTheSoundLibrary(int status, void*) {
  std::fflush(nullptr);
  std::_Exit(status);
}

// When the application ends. A thread that does not stop in time is held in
// the sound library: it is left running, and kept reachable, since deleting
// a running thread aborts the program.
void StopAudio() {
  audio->quit();
  if (audio->wait(QDeadlineTimer(kStopMs))) {
    delete audio;
  } else {
    stuck = audio;
    on_exit(EndBeforeTheSoundLibrary, nullptr);
  }
  audio = nullptr;
}

}  // namespace

extern "C" Q_DECL_EXPORT bool korvane_audio_play(const char* samples, long long size, int sampleRate,
                                                 int channels, int bitsPerSample) {
  if (!qApp || !samples || size < 0 ||
      !codec::SoundProblem(channels, sampleRate, bitsPerSample, static_cast<std::size_t>(size)).empty())
    return false;
  if (!audio) {
    audio = new AudioThread;
    audio->start();
    qAddPostRoutine(StopAudio);
  }
  QAudioFormat format;
  format.setSampleRate(sampleRate);
  format.setChannelCount(channels);
  format.setSampleFormat(bitsPerSample == 8    ? QAudioFormat::UInt8
                         : bitsPerSample == 32 ? QAudioFormat::Int32
                                               : QAudioFormat::Int16);
  audio->player->Post(QByteArray(samples, static_cast<qsizetype>(size)), format);
  return true;
}
