#pragma once

#include "core/ProgramState.h"

#include <QString>

namespace lanthorn {

/// A site as the Connect window holds it when it is saved: the texts as typed, the world type,
/// the preview's font and the colour lists' values.
struct SiteFields {
    QString Host;
    QString Port;
    QString UserId;
    QString Password;
    int Type = kSiteTypeMush;
    bool WordWrap = false;
    QString WrapAt;
    QString Indent;
    FontChoice Font;
    QString TFColor; // palette index as decimal text
    QString TBColor;
    bool BoldANSI = false;
};

} // namespace lanthorn
