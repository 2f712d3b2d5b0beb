#include "platform/automation/base64.hpp"

#include <gtest/gtest.h>

namespace vellum {
namespace {

TEST(Base64, EncodesWithPaddingAndDecodesBack) {
  const std::pair<std::vector<std::uint8_t>, const char*> cases[] = {
      {{}, ""},
      {{'f'}, "Zg=="},
      {{'f', 'o'}, "Zm8="},
      {{'f', 'o', 'o'}, "Zm9v"},
      {{'f', 'o', 'o', 'b'}, "Zm9vYg=="},
      {{0xFF, 0xFE, 0x00}, "//4A"},
  };
  for (const auto& [bytes, encoded] : cases) {
    EXPECT_EQ(EncodeBase64(bytes), encoded);
    EXPECT_EQ(DecodeBase64(encoded), bytes) << encoded;
  }
}

TEST(Base64, RejectsMalformedText) {
  for (const char* bad : {"Zg=", "Zg", "Z===", "Zm9v!A==", "Zg==Zg==", "Z=g="})
    EXPECT_FALSE(DecodeBase64(bad).has_value()) << bad;
}

}  // namespace
}  // namespace vellum
