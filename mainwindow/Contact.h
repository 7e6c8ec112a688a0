#pragma once
// The maker's contact address: shown by the contact label and opened by its
// click, so both read it from here.
inline constexpr const char* kContactAddress = "quandrel@example.org";
