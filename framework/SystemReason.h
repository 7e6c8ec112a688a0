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

// The reason worded to end a sentence after a colon: an English one loses
// its capital, another language's keeps it.
std::string ReasonInSentence(std::string reason);

}  // namespace fw
