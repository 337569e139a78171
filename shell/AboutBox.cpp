#include "shell/AboutBox.h"

#include "framework/Runtime.h"
#include "shell/App.h"
#include "shell/Contact.h"
#include "shell/Media.h"

namespace korvane {

using namespace declare;

namespace {

constexpr int kCentred = 1;
constexpr Color kLinkBlue{0, 0, 255};
constexpr Color kVersionGrey{63, 63, 63};

// The About box registers its Close handler in lower case; the framework
// matches it to the item "FileClose" without regard to case.
constexpr const char* kFileCloseHandler = "fileclose";

// Set before Canvas4's record is applied, which has no Backdrop entry, so
// the picture stays. A picture that did not load is set too: nil leaves the
// canvas empty.
void ShowTitlePicture(fw::Canvas& canvas) { canvas.SetBackdrop(RireradTitle()); }

}  // namespace

WindowLook AboutBox::Look() {
  return {
      .width = 443, .height = 187,
      .hasBackColor = true, .backColor = Color{255, 255, 255},
      .title = "About Korvane",
  };
}

ControlTable AboutBox::Declare() {
  return {
      AboutLabel("StaticText1", {110, 93, 231, 82}, 0, {.text = CreditsText(), .align = kCentred, .multiline = true}),
      AboutLabel("StaticText4", {197, 157, 129, 16}, 0,
                 {.text = contact::kCompanyName, .color = kLinkBlue, .underline = true}, "StaticText1"),
      AboutCanvas("Canvas1", {192, 157, 129, 15}, 1, "StaticText1").On("MouseDown", &AboutBox::Canvas1_MouseDown),
      AboutLabel("StaticText2", {181, 118, 98, 16}, 2,
                 {.text = contact::kEmailAddress, .color = kLinkBlue, .underline = true}, "StaticText1"),
      AboutCanvas("Canvas2", {181, 118, 94, 15}, 0, "StaticText2").On("MouseDown", &AboutBox::Canvas2_MouseDown),
      AboutCanvas("Canvas4", {17, 4, 409, 65}, 1).BeforeRecord(&ShowTitlePicture),
      AboutLabel("StaticText5", {110, 74, 231, 16}, 2,
                 {.text = "Version 1.0.x", .align = kCentred, .color = kVersionGrey})
          .On("Open", &AboutBox::StaticText5_Open),
  };
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
  BindMenuHandler(w, kFileCloseHandler, &AboutBox::fileclose_Action);
}

bool AboutBox::fileclose_Action() {
  Close();
  return false;
}

}  // namespace korvane
