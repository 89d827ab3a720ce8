#include "platform/posix/PosixServices.h"

namespace platform {

std::unique_ptr<XmlDocument> LibXmlParser::CreateDocument() { return nullptr; }

}  // namespace platform
