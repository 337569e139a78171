// The About box: the title picture, the version line and the credits, with
// two labels that act as links to the maker's web page and to the authors'
// e-mail address.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "framework/Controls.h"
#include "framework/Window.h"

namespace korvane {

class AboutBox : public fw::Window {
 public:
  static constexpr const char* kClassName = "AboutBox.AboutBox";
  // The implicit instance: the open window, or a new one from its records.
  static std::shared_ptr<AboutBox> Instance();

  void Layout() override;
  void CreateControls() override;
  virtual void CreateControls0();
  // The two click areas; each opens its link, whatever the press position.
  virtual bool Canvas1_MouseDown(const std::shared_ptr<fw::Canvas>& me, std::int32_t x, std::int32_t y);
  virtual bool Canvas2_MouseDown(const std::shared_ptr<fw::Canvas>& me, std::int32_t x, std::int32_t y);
  // Sets the version line from the application's short version.
  virtual void StaticText5_Open(const std::shared_ptr<fw::StaticText>& me);
  void AddMenuHandlers(const std::shared_ptr<fw::Window>& w) override;
  // File > Close while the About box is in front.
  virtual bool fileclose_Action();

  // The declared records and texts, for tests.
  static const std::string& WindowRecord();
  // The record of a control by its name; PropertyRecordException for a name
  // the About box does not declare.
  static const std::string& ControlRecord(std::string_view name);
  static const std::string& CreditsText();
  static const std::string& MailLink();
};

}  // namespace korvane
