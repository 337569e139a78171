// What the packer writes and the program reads, defined once: the resource
// ids of the topics, quiz records and media, and the quiz record's separators.
#pragma once

namespace codec {

// The topics: 'TEXT' and 'styl' pairs at the same ids, from the first on.
inline constexpr int kTopicCount = 43;
inline constexpr int kFirstTopicId = 128;

// The quiz records: 'wstr' resources, ten a quiz. A record's text is five
// fields separated by kQuizFieldSeparator (scenario, choices, feedback, hint,
// number of the correct choice); choices and feedback are four items each,
// separated by kQuizItemSeparator.
inline constexpr int kQuizCount = 3;
inline constexpr int kRecordsPerQuiz = 10;
inline constexpr char kQuizFieldSeparator = '\x11';
inline constexpr char kQuizItemSeparator = '\x12';

// Record `record` (from 0) of quiz `quiz` (from 1).
constexpr int QuizRecordId(int quiz, int record) { return 118 + kRecordsPerQuiz * quiz + record; }

// The media the program loads: 'WAVE' and 'PNG ' resources.
inline constexpr int kRightSoundId = 168;
inline constexpr int kWrongSoundId = 169;
inline constexpr int kTitlePictureId = 169;

}  // namespace codec
