// Formats a message text that carries the place of an error code.
#ifndef TELLAN_MESSAGES_CODEFORMAT_H
#define TELLAN_MESSAGES_CODEFORMAT_H

#include <string>

// Uses text as a printf format with argument as its one and only argument, a
// string: the first string conversion ("%s", with any flags and a width and
// precision of up to three digits) receives argument and "%%" becomes "%".
// Message files come from outside, so nothing else in the text is taken as a
// conversion: any other '%' sequence, a second "%s" included, is shown as
// written.
std::string FormatWithOneString(const std::string& text, const std::string& argument);

#endif
