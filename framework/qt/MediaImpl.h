#pragma once

#include <QAudioFormat>
#include <QByteArray>
#include <QPixmap>

#include "framework/Media.h"

namespace fw {

struct Picture::Impl {
  QPixmap pixmap;
};

struct Sound::Impl {
  QAudioFormat format;
  QByteArray samples;
};

}  // namespace fw
