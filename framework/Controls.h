// The controls a window holds, all in one include.
#pragma once

#include "framework/Canvas.h"
#include "framework/EditField.h"
#include "framework/Listbox.h"
#include "framework/PushButton.h"
#include "framework/RectControl.h"
#include "framework/RoundRectangle.h"
#include "framework/Separator.h"
#include "framework/StaticText.h"
