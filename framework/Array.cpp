#include "framework/Array.h"

#include "framework/qt/RuntimeState.h"

namespace fw {

ArrayBase::ArrayBase() { detail::Trace("create array"); }
ArrayBase::~ArrayBase() { detail::Trace("release array"); }

}  // namespace fw
