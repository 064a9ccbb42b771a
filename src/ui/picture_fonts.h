// Fonts for `quorlin preview`, found without reading the system's whole font
// configuration.
#pragma once

namespace quorlin {

// Before the QGuiApplication: makes fontconfig's current configuration one
// that only lists the usual font folders and their caches, when the
// picture's font is among them. Reading the system's configuration (dozens
// of XML files of rules that the picture's one named font does not need)
// took about a seventh of the whole command's instructions. Leaves
// everything as it was when the user set FONTCONFIG_FILE or
// FONTCONFIG_PATH, or when the font is not found that way.
void UseLeanFontConfig();

} // namespace quorlin
