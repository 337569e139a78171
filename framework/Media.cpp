#include "framework/Media.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <QMediaDevices>

#include <cstdint>

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
  QAudioFormat format;
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
      std::uint32_t rate = Le32(bytes, body + 4);
      std::uint16_t bits = Le16(bytes, body + 14);
      if (encoding != 1 || channels == 0 || channels > 8 || rate == 0 || rate > 384000) return nullptr;
      format.setSampleRate(static_cast<int>(rate));
      format.setChannelCount(channels);
      if (bits == 8) format.setSampleFormat(QAudioFormat::UInt8);
      else if (bits == 16) format.setSampleFormat(QAudioFormat::Int16);
      else if (bits == 32) format.setSampleFormat(QAudioFormat::Int32);
      else return nullptr;
      haveFormat = true;
    } else if (id == "data") {
      samples = QByteArray(bytes.data() + body, static_cast<qsizetype>(size));
      haveSamples = true;
    }
    at = body + size + (size & 1);  // chunks are padded to even lengths
  }
  if (!haveFormat || !haveSamples) return nullptr;
  return std::make_shared<Sound>(std::make_unique<Impl>(Impl{format, std::move(samples)}));
}

Sound::Sound(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
Sound::~Sound() { detail::Trace("release sound"); }

void Sound::Play() {
  detail::Trace("Sound.Play");
  detail::NotifySoundPlayed(*this);
  QAudioDevice device = QMediaDevices::defaultAudioOutput();
  if (device.isNull() || !device.isFormatSupported(impl_->format)) return;
  // The sink plays from the event loop and cleans up after itself.
  auto* buffer = new QBuffer(qApp);
  buffer->setData(impl_->samples);
  buffer->open(QIODevice::ReadOnly);
  auto* sink = new QAudioSink(device, impl_->format, buffer);
  QObject::connect(sink, &QAudioSink::stateChanged, buffer, [sink, buffer](QAudio::State state) {
    if (state == QAudio::IdleState || state == QAudio::StoppedState) {
      sink->disconnect();
      buffer->deleteLater();
    }
  });
  sink->start(buffer);
  if (sink->error() != QAudio::NoError) buffer->deleteLater();
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
