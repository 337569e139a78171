// For code outside the framework's own files that measures its internals
// (benchmarks); the framework includes the header of each concern.
#pragma once

#include "framework/String.h"
#include "framework/qt/Dispatch.h"
#include "framework/qt/TextConversion.h"
