// CCvSkin: the picture files of the active skin. The skin folder and its scheme file are
// named in the common settings file ("Skin": "SkinRoot", "scheme"); the scheme file names
// the image file of every picture key. Requests read the scheme file anew each time.
#pragma once

#include <QString>

#include "cvcommon_api.h"

class CVCOMMON_API CCvSkin {
public:
    virtual ~CCvSkin();

    // Computes the skin folder and the scheme file path; the arguments are not used.
    int Init(char* unused1, char* unused2);
    // Spacing and margins of the host's device view ("ProfilePos").
    int GetProfileInterval();
    int GetProfileMarginY();
    int GetProfileMarginX();

    // The skin folder, "/", and the value of `key` in `section` of the scheme file.
    static QString GetPathFromSkinSetting(const char* section, const char* key);
    // The image file of a picture request: kind 0 background, 1 local device, 2 profile
    // of service class `key` (state 5 disabled, 6 connected), 4 remote device of class
    // `key` (state 8 connected), 5 pairing mark, 6 mute mark, 7 selection frame, 9 and 10
    // scroll arrows, 11 icon number `key`, 12 inquiry, 13 local configuration, 14 to 17
    // highlights, 18 disabled service; empty for any other kind.
    static QString GetImgPath(int kind, int key, int state);

private:
    static char m_szSkinRootPath[256];
    static char m_szSkinIniPath[256];
};
