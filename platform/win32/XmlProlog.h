// The prolog of an XML file as bytes, before any parser sees them.
#ifndef TELLAN_PLATFORM_WIN32_XMLPROLOG_H
#define TELLAN_PLATFORM_WIN32_XMLPROLOG_H

#include <cstddef>

namespace platform {

// Whether the file's prolog, the part before its root element, holds a
// document type declaration: "<!DOCTYPE" after the byte-order mark, the XML
// declaration, comments, processing instructions and white space. The same
// characters in a comment, a processing instruction or anywhere after the
// root element's start are not one. The file is read as UTF-16 in either
// byte order (by its byte-order mark, or a zero byte among its first two) or
// else as single bytes, which covers UTF-8 and every ASCII-based code page.
bool DeclaresDocumentType(const unsigned char* bytes, std::size_t size);

}  // namespace platform

#endif
