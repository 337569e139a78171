// The About box: the title picture, the version line and the credits, with
// two labels that act as links to the maker's web page and to the authors'
// e-mail address.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "declare/DeclaredWindow.h"
#include "framework/Controls.h"

namespace korvane {

class AboutBox : public declare::DeclaredWindow<AboutBox> {
 public:
  static constexpr const char* kClassName = "AboutBox.AboutBox";
  static declare::WindowLook Look();
  static declare::ControlTable Declare();

  // The two click areas; each opens its link, whatever the press position.
  virtual bool Canvas1_MouseDown(const std::shared_ptr<fw::Canvas>& me, std::int32_t x, std::int32_t y);
  virtual bool Canvas2_MouseDown(const std::shared_ptr<fw::Canvas>& me, std::int32_t x, std::int32_t y);
  // Sets the version line from the application's short version.
  virtual void StaticText5_Open(const std::shared_ptr<fw::StaticText>& me);
  void AddMenuHandlers(const std::shared_ptr<fw::Window>& w) override;
  // File > Close while the About box is in front.
  virtual bool fileclose_Action();

  // The declared texts, for tests.
  static const std::string& CreditsText();
  static const std::string& MailLink();
};

}  // namespace korvane
