#include "framework/audio/AudioModule.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QCoreApplication>
#include <QMediaDevices>

extern "C" Q_DECL_EXPORT bool korvane_audio_play(const char* samples, long long size, int sampleRate,
                                                 int channels, int bitsPerSample) {
  QAudioFormat format;
  format.setSampleRate(sampleRate);
  format.setChannelCount(channels);
  format.setSampleFormat(bitsPerSample == 8    ? QAudioFormat::UInt8
                         : bitsPerSample == 32 ? QAudioFormat::Int32
                                               : QAudioFormat::Int16);
  QAudioDevice device = QMediaDevices::defaultAudioOutput();
  if (device.isNull() || !device.isFormatSupported(format)) return false;
  // The sink plays from the event loop and cleans up after itself.
  auto* buffer = new QBuffer(qApp);
  buffer->setData(QByteArray(samples, static_cast<qsizetype>(size)));
  buffer->open(QIODevice::ReadOnly);
  auto* sink = new QAudioSink(device, format, buffer);
  QObject::connect(sink, &QAudioSink::stateChanged, buffer, [sink, buffer](QAudio::State state) {
    if (state == QAudio::IdleState || state == QAudio::StoppedState) {
      sink->disconnect();
      buffer->deleteLater();
    }
  });
  sink->start(buffer);
  if (sink->error() != QAudio::NoError) {
    buffer->deleteLater();
    return false;
  }
  return true;
}
