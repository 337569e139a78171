#include "framework/Media.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QLibrary>

#include <cstdint>

#include "framework/audio/AudioModule.h"
#include "framework/qt/Internal.h"
#include "framework/qt/MediaImpl.h"

namespace fw {
namespace {

std::uint32_t Le32(const std::string& b, std::size_t at) {
  return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at])) |
         static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24;
}

std::uint16_t Le16(const std::string& b, std::size_t at) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(b[at]) |
                                    static_cast<unsigned char>(b[at + 1]) << 8);
}

}  // namespace

std::shared_ptr<Sound> Sound::FromWave(std::string bytes) {
  if (bytes.size() < 12 || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "WAVE") != 0)
    return nullptr;
  int rate = 0, channelCount = 0, bitsPerSample = 0;
  bool haveFormat = false;
  QByteArray samples;
  bool haveSamples = false;
  std::size_t at = 12;
  while (at + 8 <= bytes.size()) {
    std::string id = bytes.substr(at, 4);
    std::uint64_t size = Le32(bytes, at + 4);
    std::size_t body = at + 8;
    if (body + size > bytes.size()) return nullptr;
    if (id == "fmt " && size >= 16) {
      std::uint16_t encoding = Le16(bytes, body), channels = Le16(bytes, body + 2);
      std::uint32_t sampleRate = Le32(bytes, body + 4);
      std::uint16_t bits = Le16(bytes, body + 14);
      if (encoding != 1 || channels == 0 || channels > 8 || sampleRate == 0 || sampleRate > 384000) return nullptr;
      if (bits != 8 && bits != 16 && bits != 32) return nullptr;
      rate = static_cast<int>(sampleRate);
      channelCount = channels;
      bitsPerSample = bits;
      haveFormat = true;
    } else if (id == "data") {
      samples = QByteArray(bytes.data() + body, static_cast<qsizetype>(size));
      haveSamples = true;
    }
    at = body + size + (size & 1);  // chunks are padded to even lengths
  }
  if (!haveFormat || !haveSamples) return nullptr;
  return std::make_shared<Sound>(
      std::make_unique<Impl>(Impl{rate, channelCount, bitsPerSample, std::move(samples)}));
}

Sound::Sound(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
Sound::~Sound() { detail::Trace("release sound"); }

namespace {

// The audio module, loaded on the first sound: next to the executable in the
// build tree, in lib/korvane/ of the install tree. Null where it is missing.
KorvaneAudioPlayFn AudioModule() {
  static KorvaneAudioPlayFn play = [] {
    QDir dir(QCoreApplication::applicationDirPath());
    for (const QString& path : {dir.filePath("libkorvane_audio.so"), dir.filePath("../lib/korvane/libkorvane_audio.so")}) {
      QLibrary library(path);
      if (auto fn = reinterpret_cast<KorvaneAudioPlayFn>(library.resolve(KORVANE_AUDIO_PLAY_SYMBOL))) return fn;
    }
    return static_cast<KorvaneAudioPlayFn>(nullptr);
  }();
  return play;
}

}  // namespace

void Sound::Play() {
  detail::Trace("Sound.Play");
  detail::NotifySoundPlayed(*this);
  if (KorvaneAudioPlayFn play = AudioModule())
    play(impl_->samples.constData(), impl_->samples.size(), impl_->sampleRate, impl_->channels,
         impl_->bitsPerSample);
}

std::shared_ptr<Picture> Picture::FromImageData(const std::string& bytes) {
  QImage image;
  if (!image.loadFromData(reinterpret_cast<const uchar*>(bytes.data()), static_cast<int>(bytes.size())))
    return nullptr;
  return std::make_shared<Picture>(std::make_unique<Impl>(Impl{QPixmap::fromImage(image)}));
}

Picture::Picture(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
Picture::~Picture() { detail::Trace("release picture"); }
int Picture::Width() const { return impl_->pixmap.width(); }
int Picture::Height() const { return impl_->pixmap.height(); }

}  // namespace fw
