// A stand-in for the XML parser that passes through to the real one, records
// every document created and every load, and can fail on request.
#ifndef TELLAN_TESTS_FAKES_FAKEXML_H
#define TELLAN_TESTS_FAKES_FAKEXML_H

#include <string>
#include <vector>

#include "fakes/ServicesOverride.h"
#include "platform/Services.h"

namespace fakes {

class FakeXml : public platform::XmlApi, private ServicesOverride {
 public:
  // Installs itself as the parser; restores the real one after.
  FakeXml();

  std::unique_ptr<platform::XmlDocument> CreateDocument() override;

  bool noParser = false;         // no document object can be created
  bool listingFails = false;     // GetElementsByTagName delivers no list
  int documentsCreated = 0;
  std::vector<std::string> loads;  // every path handed to Load, in order

 private:
  platform::XmlApi* m_real;
};

}  // namespace fakes

#endif
