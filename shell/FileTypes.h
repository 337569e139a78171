// The declared file types: plain text, which nothing of the program uses
// beyond declaring it.
#pragma once

#include <memory>

#include "framework/FileType.h"

namespace korvane::FileTypes {

extern std::shared_ptr<fw::FileType> pText;

void Initialize();
// Shutdown's release: drops the type, which withdraws its registration.
void Release();

}  // namespace korvane::FileTypes
