#pragma once

#include <QString>

struct MailMessage;

// Addresses and header fields of an e-mail are single lines: a line break in one would start
// a new header or, in an address, a new command to the mail server (an extra recipient, say).
// Such text, wherever it comes from (a client file, the compose window, the settings), is
// refused with a message rather than cleaned silently.
namespace MailFieldCheck {
// True when the text holds a control character (CR, LF, tab, NUL, DEL and the like) or a
// Unicode line or paragraph separator.
bool hasControlCharacter(const QString& text);
// The message for a field that holds one, empty when it is a clean line. `field` names it as
// the message's subject: "The subject", "The recipient's address".
QString problem(const QString& field, const QString& text);
// The message for the first field of the e-mail that is not a clean line (the sender, the
// recipient, the subject, an attachment's name), or an empty text.
QString problem(const MailMessage& message);

inline constexpr char kRecipient[] = "The recipient's address";
inline constexpr char kSubject[] = "The subject";
inline constexpr char kSender[] =
    "The sender address set under Edit > Preferences > General (\"Mail\")";
} // namespace MailFieldCheck
