#include "fakes/FakeXml.h"

namespace fakes {
namespace {

class RecordingDocument : public platform::XmlDocument {
 public:
  RecordingDocument(std::unique_ptr<platform::XmlDocument> real, FakeXml& owner)
      : m_real(std::move(real)), m_owner(owner) {}

  void SetAsync(bool async) override { m_real->SetAsync(async); }

  bool Load(const char* path) override {
    m_owner.loads.push_back(path != nullptr ? path : "<null>");
    return m_real->Load(path);
  }

  std::unique_ptr<platform::XmlNodeList> GetElementsByTagName(
      const std::u16string& name) override {
    if (m_owner.listingFails) return nullptr;
    return m_real->GetElementsByTagName(name);
  }

 private:
  std::unique_ptr<platform::XmlDocument> m_real;
  FakeXml& m_owner;
};

}  // namespace

FakeXml::FakeXml() : m_real(platform::GetServices().xml) { platform::GetServices().xml = this; }

std::unique_ptr<platform::XmlDocument> FakeXml::CreateDocument() {
  if (noParser) return nullptr;
  ++documentsCreated;
  return std::make_unique<RecordingDocument>(m_real->CreateDocument(), *this);
}

}  // namespace fakes
