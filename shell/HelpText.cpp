#include "shell/HelpText.h"

#include <array>

#include "shell/Contact.h"

namespace korvane {

namespace {

const std::string kAuthors = contact::kAuthors;
const std::string kEmail = contact::kEmailAddress;
const std::string kWebPage = contact::kWebPage;

// One entry per line of the text; the headings and the legal titles are
// fixed texts of the program.
const std::array<std::string, 38> kLines = {
    /* 1 */ "Korvane is a program for studying logical fallacies, made for today's desktop systems. Its 43 "
            "topics explain the fallacies and its 3 quizzes test you on 30 of them; both are written by " +
            kAuthors + ".",
    /* 2 */ "",
    /* 3 */ "",
    /* 4 */ "-----     Using Korvane:     -----",
    /* 5 */ "",
    /* 6 */ "Study the fallacies first: choose a topic in the list on the left of the main window to read "
            "its explanation. Then take the quizzes, again and again, until you reach the full score, 20 "
            "out of 20.",
    /* 7 */ "",
    /* 8 */ "The Quiz menu holds 3 quizzes of 10 scenarios each, 30 scenarios in all. Each time you take a "
            "quiz, its scenarios come in a new order and the four choices appear in new positions.",
    /* 9 */ "",
    /* 10 */ "You can answer with the keyboard: the keys a, b, c and d select the choices A, B, C and D, and "
             "Return moves on to the next scenario once you have answered.",
    /* 11 */ "",
    /* 12 */ "Scoring: a correct answer earns 2 points. You can always open a scenario's hint, but a hint "
             "opened before you answer halves what the scenario can earn, leaving 1 point for a correct "
             "answer.",
    /* 13 */ "",
    /* 14 */ "-----     About the Authors     -----",
    /* 15 */ "",
    /* 16 */ "Korvane's topic texts and quizzes are written by " + kAuthors + ". You can reach them by "
             "e-mail at " + kEmail + " or through the project's web page, " + kWebPage + ".",
    /* 17 */ "",
    /* 18 */ "The program, too, is written by " + kAuthors + ", who have programmed it in C++ for desktop "
             "systems since 2026.",
    /* 19 */ "",
    /* 20 */ "-----     Legal:     -----",
    /* 21 */ "",
    /* 22 */ "Copyright (c) 2026 " + kAuthors + ".",
    /* 23 */ "",
    /* 24 */ "",
    /* 25 */ "",
    /* 26 */ "Limited Warranty/Limitation of Liability",
    /* 27 */ "",
    /* 28 */ "Korvane is provided \"as is\", without warranty of any kind, express or implied, including "
             "the implied warranties of merchantability and fitness for a particular purpose. In no event "
             "shall " + kAuthors + " be liable for any damages, direct, indirect, incidental or "
             "consequential, that arise from using the software or from being unable to use it.",
    /* 29 */ "",
    /* 30 */ "",
    /* 31 */ "Customer Support",
    /* 32 */ "",
    /* 33 */ "Support is offered on a reasonable-efforts basis only, and only for use of Korvane under the "
             "conditions and on the systems for which it is designed.",
    /* 34 */ "",
    /* 35 */ "",
    /* 36 */ "General",
    /* 37 */ "",
    /* 38 */ "If any provision of these terms is held to be unenforceable, that provision shall be enforced "
             "to the extent possible and the remaining provisions shall stay in full force. These terms are "
             "governed by the laws of the State of New York, United States of America.",
};

}  // namespace

const std::string& HelpText() {
  static const std::string text = [] {
    std::string joined;
    for (const std::string& line : kLines) {
      if (&line != &kLines.front()) joined += '\r';
      joined += line;
    }
    return joined;
  }();
  return text;
}

}  // namespace korvane
