// Whether the unscrambled text of a question file is made of whole questions the bank can
// hold. A damaged or truncated file would otherwise give blank or shifted questions.
#pragma once

#include <string>
#include <string_view>

namespace quiz {

// Empty when every line ends with CR LF, the lines come in fours, and no line is empty, holds a
// zero byte or is longer than a field. Otherwise the first fault found, in Czech (UTF-8), for
// the message that refuses the file.
std::string QuestionFileDamage(std::string_view plain);

}  // namespace quiz
