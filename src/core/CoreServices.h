#pragma once

#include <QString>

namespace lanthorn {

enum class MessageIcon { None, Information, Warning, Critical };
enum class MessageButtons { Ok, YesNo };

/// Answers as the platform numbers them.
namespace MessageAnswer {
inline constexpr int Ok = 1;
inline constexpr int Yes = 6;
inline constexpr int No = 7;
} // namespace MessageAnswer

struct MessageBoxRequest {
    QString text;
    QString title;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    int defaultButton = MessageAnswer::Ok;
};

/// The platform services the windowless part of the program needs. The program supplies
/// real ones; tests supply scripted ones that record every request.
class CoreServices {
public:
    virtual ~CoreServices() = default;

    /// A modal message box; returns the button pressed (MessageAnswer).
    virtual int messageBox(const MessageBoxRequest& request) = 0;
    virtual void beep() = 0;
};

} // namespace lanthorn
