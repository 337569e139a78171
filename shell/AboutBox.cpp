#include "shell/AboutBox.h"

#include <vector>

#include "framework/Delegate.h"
#include "framework/Runtime.h"
#include "shell/App.h"
#include "shell/Contact.h"
#include "declare/Declare.h"
#include "shell/Media.h"

namespace korvane {

using namespace declare;

namespace {

constexpr int kLeft = 0;
constexpr int kCentred = 1;
constexpr Color kBlack{0, 0, 0};
constexpr Color kLinkBlue{0, 0, 255};
constexpr Color kVersionGrey{63, 63, 63};

// The About box registers its Close handler in lower case; the framework
// matches it to the item "FileClose" without regard to case.
constexpr const char* kFileCloseHandler = "fileclose";

struct DeclaredControl {
  const char* name;
  std::string record;
};

// The controls in creation order. Labels: name, rectangle,
// TabIndex, InitialParent, Text, TextAlign, TextColor, Multiline, Underline.
// Canvases: name, rectangle, TabIndex, InitialParent.
const std::vector<DeclaredControl>& Declared() {
  static const std::vector<DeclaredControl> controls = {
      {"StaticText1", AboutLabelRecord({"StaticText1", {110, 93, 231, 82}, 0, "",
                                        AboutBox::CreditsText(), kCentred, kBlack, true, false})},
      {"StaticText4", AboutLabelRecord({"StaticText4", {197, 157, 129, 16}, 0, "StaticText1",
                                        contact::kCompanyName, kLeft, kLinkBlue, false, true})},
      {"Canvas1", AboutCanvasRecord({"Canvas1", {192, 157, 129, 15}, 1, "StaticText1"})},
      {"StaticText2", AboutLabelRecord({"StaticText2", {181, 118, 98, 16}, 2, "StaticText1",
                                        contact::kEmailAddress, kLeft, kLinkBlue, false, true})},
      {"Canvas2", AboutCanvasRecord({"Canvas2", {181, 118, 94, 15}, 0, "StaticText2"})},
      {"Canvas4", AboutCanvasRecord({"Canvas4", {17, 4, 409, 65}, 1, ""})},
      {"StaticText5", AboutLabelRecord({"StaticText5", {110, 74, 231, 16}, 2, "",
                                        "Version 1.0.x", kCentred, kVersionGrey, false, false})},
  };
  return controls;
}

}  // namespace

const std::string& AboutBox::WindowRecord() {
  static const std::string record = declare::WindowRecord({
      .width = 443, .height = 187,
      .hasBackColor = true, .backColor = Color{255, 255, 255},
      .title = "About Korvane",
  });
  return record;
}

// Six lines separated by CR. "&&" shows as one ampersand. Lines 3 and 4 stay
// empty: the e-mail label lies over line 3. Line 5 says "the same authors":
// "by the Korvane authors" would make it 236 pixels wide in the label's font,
// more than the label's 231, and the line would wrap. Line 6's 38 trailing
// blanks push its date to the left, clear of the company label that
// completes the line.
const std::string& AboutBox::CreditsText() {
  static const std::string text = std::string("Text && Quizzes by ") + contact::kAuthors + "\r" +
                                  "\u00A9 2026 " + contact::kAuthors + "\r" +
                                  "\r" +
                                  "\r" +
                                  "Editing && Programming by the same authors\r" +
                                  "\u00A9 2026-12" + std::string(38, ' ');
  return text;
}

const std::string& AboutBox::MailLink() {
  static const std::string link = std::string("mailto:") + contact::kEmailAddress;
  return link;
}

const std::string& AboutBox::ControlRecord(std::string_view name) {
  for (const auto& control : Declared())
    if (name == control.name) return control.record;
  throw fw::PropertyRecordException("the About box declares no control \"" + std::string(name) + "\"");
}

std::shared_ptr<AboutBox> AboutBox::Instance() { return fw::ImplicitWindow<AboutBox>(); }

void AboutBox::Layout() { fw::SetProperties(*this, WindowRecord()); }

void AboutBox::CreateControls() { CreateControls0(); }

void AboutBox::CreateControls0() {
  auto self = Self<AboutBox>();
  CreateControl<fw::StaticText>(self, "StaticText1", ControlRecord("StaticText1"));
  CreateControl<fw::StaticText>(self, "StaticText4", ControlRecord("StaticText4"));
  CreateControl<fw::Canvas>(self, "Canvas1", ControlRecord("Canvas1"));
  Find<fw::Canvas>(self, "Canvas1")
      ->InstallEventHandler("MouseDown", fw::MakeDelegate(self, &AboutBox::Canvas1_MouseDown));
  CreateControl<fw::StaticText>(self, "StaticText2", ControlRecord("StaticText2"));
  CreateControl<fw::Canvas>(self, "Canvas2", ControlRecord("Canvas2"));
  Find<fw::Canvas>(self, "Canvas2")
      ->InstallEventHandler("MouseDown", fw::MakeDelegate(self, &AboutBox::Canvas2_MouseDown));
  // The title picture goes in before the record is applied; the record has
  // no Backdrop entry, so the picture stays. A picture that did not load is
  // set too: nil leaves the canvas empty.
  AddControl("Canvas4", NewControl<fw::Canvas>());
  auto title = Find<fw::Canvas>(self, "Canvas4");
  title->SetBackdrop(RireradTitle());
  fw::SetProperties(*title, ControlRecord("Canvas4"));
  CreateControl<fw::StaticText>(self, "StaticText5", ControlRecord("StaticText5"));
  Find<fw::StaticText>(self, "StaticText5")
      ->InstallEventHandler("Open", fw::MakeDelegate(self, &AboutBox::StaticText5_Open));
}

bool AboutBox::Canvas1_MouseDown(const std::shared_ptr<fw::Canvas>&, std::int32_t, std::int32_t) {
  fw::ShowURL(contact::kWebPage);
  return false;
}

bool AboutBox::Canvas2_MouseDown(const std::shared_ptr<fw::Canvas>&, std::int32_t, std::int32_t) {
  fw::ShowURL(MailLink());
  return false;
}

void AboutBox::StaticText5_Open(const std::shared_ptr<fw::StaticText>& me) {
  fw::StaticText& label = fw::Need(me);
  fw::String version = fw::Need(App()).ShortVersion();
  label.SetText(fw::String("Version ") + version);
}

void AboutBox::AddMenuHandlers(const std::shared_ptr<fw::Window>& w) {
  auto window = fw::CheckedCast<AboutBox>(w);
  fw::Need(window).AddMenuHandler(kFileCloseHandler, fw::MakeDelegate(window, &AboutBox::fileclose_Action));
}

bool AboutBox::fileclose_Action() {
  Close();
  return false;
}

}  // namespace korvane
