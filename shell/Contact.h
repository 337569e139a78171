// Who makes Korvane and how to reach them: each text is spelled here once,
// so a real address replaces a placeholder in one edit. The two addresses
// are in the reserved example domain until the project has its own.
#pragma once

namespace korvane::contact {

// The content's author and the programmer, as the credits and the help
// text name them.
inline constexpr const char* kAuthors = "the Korvane authors";
// The maker, as the About box's company label shows it (it must fit the
// label's 129 pixels).
inline constexpr const char* kCompanyName = "The Korvane Project";
// The maker's web page, opened from the company label.
inline constexpr const char* kWebPage = "https://korvane.example.org/";
// The authors' e-mail address, shown in the About box and the help text and
// opened as a mail link. In the About box only the click area under its label
// (94 of the label's 98 pixels) opens the link, so the address drawn must not
// be wider than that: this one is 94.
inline constexpr const char* kEmailAddress = "mail@example.org";

}  // namespace korvane::contact
