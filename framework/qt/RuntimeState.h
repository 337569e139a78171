// What the runtime tells the rest of the framework: its trace, the platform
// Qt runs on and the seams tests set. Not for the program.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <typeinfo>

class QMessageBox;

namespace fw {
class Sound;
class String;
}

namespace fw::detail {

void Trace(const std::string& step);
// Whether anything listens to Trace: hot paths skip building their step's text.
bool Tracing();

// Whether Qt runs on a platform without a visible screen (offscreen).
bool Headless();

std::string ResourceFilePathOverride();
void NotifySoundPlayed(const Sound& sound);

// The name a class was registered under, or "".
std::string_view RegisteredClassName(const std::type_info& type);

// The modal box MsgBox shows the message in.
std::unique_ptr<QMessageBox> NewMessageBox(const String& message);

}  // namespace fw::detail
