#include "ui/picture_fonts.h"

#include "preview/preview_drawing.h"

#include <QtGlobal>
#include <fontconfig/fontconfig.h>

namespace quorlin {

namespace {

// The folders fontconfig's own configuration lists on a Debian system, with
// the caches that `fc-cache` keeps of them, so that nothing is scanned anew.
constexpr char kLeanConfig[] = R"(<?xml version="1.0"?>
<fontconfig>
  <dir>/usr/share/fonts</dir>
  <dir>/usr/local/share/fonts</dir>
  <dir prefix="xdg">fonts</dir>
  <cachedir>/var/cache/fontconfig</cachedir>
  <cachedir prefix="xdg">fontconfig</cachedir>
</fontconfig>
)";

bool HasPictureFont(FcConfig *config)
{
    FcPattern *pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8 *>(preview::kPictureFont));
    FcObjectSet *objects = FcObjectSetBuild(FC_FAMILY, nullptr);
    FcFontSet *found = FcFontList(config, pattern, objects);
    const bool has = found && found->nfont > 0;
    if (found)
        FcFontSetDestroy(found);
    FcObjectSetDestroy(objects);
    FcPatternDestroy(pattern);
    return has;
}

} // namespace

void UseLeanFontConfig()
{
    if (qEnvironmentVariableIsSet("FONTCONFIG_FILE") || qEnvironmentVariableIsSet("FONTCONFIG_PATH"))
        return;
    FcConfig *config = FcConfigCreate();
    if (!config)
        return;
    if (FcConfigParseAndLoadFromMemory(config, reinterpret_cast<const FcChar8 *>(kLeanConfig), FcFalse)
        && FcConfigBuildFonts(config) && HasPictureFont(config))
        FcConfigSetCurrent(config); // takes a reference of its own
    FcConfigDestroy(config);
}

} // namespace quorlin
