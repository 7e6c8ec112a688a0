#pragma once
// The system's reason for a failed call, as a text the program can show.
#include <string>

namespace fw {

// The reason for the error number, in the user's language.
std::string SystemReason(int error);

}  // namespace fw
