#include "framework/SystemReason.h"

#include <cstring>

namespace fw {

std::string SystemReason(int error) { return std::strerror(error); }

}  // namespace fw
