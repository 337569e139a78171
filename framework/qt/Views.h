// The Qt side of windows, controls and menu items. Only the framework and
// its own tests include this.
#pragma once

#include "framework/qt/ControlView.h"
#include "framework/qt/MenuItemView.h"
#include "framework/qt/WindowView.h"
