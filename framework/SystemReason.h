#pragma once
// The system's reason for a failed call, as a text the program can show.
#include <string>

namespace fw {

// The reason for the error number, in the user's language.
std::string SystemReason(int error);

// Whether the system gives its reasons in English: only there does a reason's
// capital merely start a sentence, where other languages may need it (a
// German noun).
bool SystemReasonsInEnglish();

}  // namespace fw
