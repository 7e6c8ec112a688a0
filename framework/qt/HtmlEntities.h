#pragma once
// The characters HTML names by entities ("amp", "eacute", "#233", "#xE9").
#include <QStringView>

namespace fw::qt {

// The character an entity's name (between "&" and ";") stands for; 0 where it
// names none. A number that is no character stands for U+FFFD.
char32_t CharacterOfEntity(QStringView name);

}  // namespace fw::qt
