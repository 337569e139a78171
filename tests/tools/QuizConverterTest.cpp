#include <gtest/gtest.h>

#include "tests/TestCase.h"
#include "tests/tools/Fixtures.h"
#include "tools/packer/PackError.h"
#include "tools/packer/QuizConverter.h"

namespace packer {
namespace {

// The length counts bytes: "é" is two.
TEST(QuizConverter, RecordIsLengthThenFieldsJoinedBySeparators) {
  const auto records = ConvertQuiz(QuizToml(10, [](int, ScenarioToml& s) { s.hint = "\"h\xC3\xA9\""; }), "q.toml");
  ASSERT_EQ(records.size(), 10u);
  const std::string text = "Scenario 0\x11" "A\x12" "B\x12" "C\x12" "D\x11" "fa\x12" "fb\x12" "fc\x12" "fd\x11"
                           "h\xC3\xA9\x11" "3";
  EXPECT_EQ(records[0], std::string("\x00\x24", 2) + text);
  EXPECT_EQ(records[9].substr(2, 10), "Scenario 9");
}

struct Refusal : korvane_test::NamedCase {
  int count;
  Edit edit;
  int line;
  std::string message;
};

class QuizRefusal : public ::testing::TestWithParam<Refusal> {};

TEST_P(QuizRefusal, NamesFileAndLine) {
  const Refusal& r = GetParam();
  const std::string file = "quizzes/quiz2.toml";
  EXPECT_TRUE(Refuses([&] { ConvertQuiz(QuizToml(r.count, r.edit), file); }, file, r.line, r.message));
}

using korvane_test::Repeat;
// ".a" `parts` times.
std::string Dotted(std::size_t parts) { return Repeat(".a", parts); }

// Edits scenario 2, whose lines are 15 (header) to 21 (extra).
Edit Third(std::function<void(ScenarioToml&)> change) {
  return [change](int k, ScenarioToml& s) {
    if (k == 2) change(s);
  };
}

INSTANTIATE_TEST_SUITE_P(
    Cases, QuizRefusal,
    ::testing::Values(
        Refusal{"FieldSeparatorInText", 10, Third([](auto& s) { s.text = R"("a\u0011b")"; }), 16, "byte 17"},
        Refusal{"ItemSeparatorInChoice", 10, Third([](auto& s) { s.choices = R"(["A", "B\u0012", "C", "D"])"; }),
                17, "byte 17 or 18"},
        Refusal{"ThreeChoices", 10, Third([](auto& s) { s.choices = R"(["A", "B", "C"])"; }), 17, "exactly 4"},
        Refusal{"FiveFeedbackTexts", 10, Third([](auto& s) { s.feedback = R"(["a", "b", "c", "d", "e"])"; }),
                18, "exactly 4"},
        Refusal{"ChoiceNotText", 10, Third([](auto& s) { s.choices = R"(["A", 2, "C", "D"])"; }), 17, "string"},
        Refusal{"EmptyHint", 10, Third([](auto& s) { s.hint = R"("")"; }), 19, "empty"},
        Refusal{"CorrectFive", 10, Third([](auto& s) { s.correct = "5"; }), 20, "1 to 4"},
        Refusal{"CorrectZero", 10, Third([](auto& s) { s.correct = "0"; }), 20, "1 to 4"},
        Refusal{"CorrectFraction", 10, Third([](auto& s) { s.correct = "2.0"; }), 20, "integer"},
        Refusal{"CorrectText", 10, Third([](auto& s) { s.correct = R"("2")"; }), 20, "integer"},
        Refusal{"MissingHint", 10, Third([](auto& s) { s.hint.clear(); }), 15, "missing \"hint\""},
        Refusal{"UnknownKey", 10, Third([](auto& s) { s.extra = R"(hnit = "x")"; }), 21, "unknown key \"hnit\""},
        Refusal{"SyntaxError", 10, Third([](auto& s) { s.extra = "text ="; }), 21, ""},
        Refusal{"RecordTooLong", 10,
                Third([](auto& s) {
                  s.text = "\"\"\"";
                  for (int k = 0; k < 70; ++k) s.text += std::string(1000, 'x') + "\n";
                  s.text += "\"\"\"";
                }),
                15, "65535"},
        // Refused before the TOML library, which would overflow its stack.
        Refusal{"KeyOf100000DottedParts", 10, Third([](auto& s) { s.extra = "x" + Dotted(100000) + " = 1"; }), 21,
                "more than 16 dotted parts"},
        Refusal{"HeaderOf17Parts", 10, Third([](auto& s) { s.extra = "[x" + Dotted(16) + "]"; }), 21,
                "more than 16 dotted parts"},
        Refusal{"QuotedKeyParts", 10, Third([](auto& s) { s.extra = "\"x\" . 'y'" + Dotted(15) + " = 1"; }), 21,
                "more than 16 dotted parts"},
        Refusal{"DeepArrays", 10,
                Third([](auto& s) { s.extra = "x = " + std::string(33, '[') + std::string(33, ']'); }), 21,
                "nest more than 32 deep"},
        Refusal{"DeepInlineTables", 10,
                Third([](auto& s) { s.extra = "x = " + Repeat("{a = ", 33) + "1" + Repeat("}", 33); }), 21,
                "nest more than 32 deep"},
        Refusal{"LongLine", 10, Third([](auto& s) { s.hint = "\"" + std::string(16385, 'h') + "\""; }), 19,
                "the line is 16394 bytes"},
        Refusal{"NineScenarios", 9, {}, 0, "exactly 10"},
        Refusal{"ElevenScenarios", 11, {}, 71, "exactly 10"}),
    korvane_test::CaseName());

// A file without scenario tables is refused.
TEST(QuizConverter, DotsAndBracketsInStringsAndCommentsAreNoStructure) {
  const std::string dots = Dotted(40), brackets(40, '[');
  const std::string quiz = QuizToml(10, Third([&](auto& s) {
    s.text = "\"\"\"a\\\"\"\" " + dots + brackets + "\n" + dots + "\nb\"\"\"\"";
    s.hint = "'" + dots + brackets + "'";
    s.extra = "# " + dots + brackets + "\nx" + Dotted(15) + " = [" + std::string(31, '[') + "1.5" +
              std::string(32, ']');
  }));
  // Past the bounds, up to the key the quiz does not know.
  EXPECT_TRUE(Refuses([&] { ConvertQuiz(quiz, "q.toml"); }, "q.toml", 24, "unknown key \"x\""));
  EXPECT_THROW(ConvertQuiz("", "q.toml"), PackError);
  EXPECT_THROW(ConvertQuiz("scenario = [1, 2]\n", "q.toml"), PackError);
}

}  // namespace
}  // namespace packer
