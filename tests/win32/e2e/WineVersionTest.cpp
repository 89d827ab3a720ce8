// tellan.exe's version resource, read through the version API as Explorer's
// file properties and the product's installer read it.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<char> ReadVersionInfo(const char* path) {
  DWORD ignored = 0;
  DWORD size = GetFileVersionInfoSizeA(path, &ignored);
  std::vector<char> block(size);
  if (size == 0 || !GetFileVersionInfoA(path, 0, size, block.data())) block.clear();
  return block;
}

// A text of the U.S. English, Unicode string table, or "(none)".
std::string StringValue(std::vector<char>& block, const std::string& name) {
  void* value = nullptr;
  UINT length = 0;
  std::string query = "\\StringFileInfo\\040904B0\\" + name;
  if (!VerQueryValueA(block.data(), query.c_str(), &value, &length) || length == 0) return "(none)";
  return static_cast<const char*>(value);
}

TEST(WineVersion, ProgramCarriesTheProjectVersion) {
  std::vector<char> block = ReadVersionInfo(TELLAN_EXE);
  ASSERT_FALSE(block.empty()) << "no version resource in " << TELLAN_EXE;

  void* value = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(block.data(), "\\", &value, &length));
  ASSERT_EQ(length, sizeof(VS_FIXEDFILEINFO));
  const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
  EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
  const DWORD high = MAKELONG(TELLAN_VERSION_MINOR, TELLAN_VERSION_MAJOR);
  const DWORD low = MAKELONG(TELLAN_VERSION_TWEAK, TELLAN_VERSION_PATCH);
  EXPECT_EQ(fixed->dwFileVersionMS, high);
  EXPECT_EQ(fixed->dwFileVersionLS, low);
  EXPECT_EQ(fixed->dwProductVersionMS, high);
  EXPECT_EQ(fixed->dwProductVersionLS, low);
  EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

  EXPECT_EQ(StringValue(block, "FileVersion"), TELLAN_VERSION);
  EXPECT_EQ(StringValue(block, "ProductVersion"), TELLAN_VERSION);
  EXPECT_EQ(StringValue(block, "ProductName"), "TELLAN");
  EXPECT_EQ(StringValue(block, "FileDescription"), "TELLAN photo hand-off of Vistello");
  EXPECT_EQ(StringValue(block, "OriginalFilename"), "tellan.exe");
}

}  // namespace
