#include "lang/Cod.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "lang/PackText.h"
#include "support/MemoryFiles.h"

namespace brimdock {
namespace {

using brimdock::testing::MemoryFiles;
using ::testing::ThrowsMessage;

std::string FromHex(std::string_view hex) {
  std::string bytes;
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
    bytes += static_cast<char>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16));
  }
  return bytes;
}

std::string RandomBytes(std::size_t size, unsigned seed) {
  std::mt19937 random(seed);
  std::string bytes(size, '\0');
  for (char& c : bytes) c = static_cast<char>(random() & 0xFFU);
  return bytes;
}

// Known answers, worked out apart from this code from the description of the coding.
TEST(PackCoding, CodesKnownTextsToKnownBytes) {
  const std::string plain = "Program=Brimdock Configuration\r\n";
  const struct {
    std::string key;
    const char* coded;
  } cases[] = {
      {"marrowick", "4d71d32f595cec4e96a6fecdc757bd5e6743b1e3ff63c912671b031faa3f7909"},
      {"abcdefghij", "57208d4c8528c760b3ba12e85952de147f59bfc1b0250bb274ae4bf1f137a9a6"},
      // Key bytes 255 and 255 make a stage word of 65535: 65535 x 20021 reduces to 0 modulo
      // 65535, so the new stage word is 1 (45516 with a reduction modulo 65536).
      {"\xff\xff", "f150f72902fd227a69d4d346e93b5aa069bb802756e9cb820a37f4460132786c"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(EncodeBytes(c.key, plain), FromHex(c.coded)) << c.key;
    EXPECT_EQ(DecodeBytes(c.key, FromHex(c.coded)), plain) << c.key;
  }
  EXPECT_EQ(EncodeBytes("\xff\xff", std::string(8, '\0')), FromHex("a1ca41d65ce68332"));
}

TEST(PackCoding, OnlyTheFirstTenKeyCharactersCountAndShortKeysEndInZeros) {
  const auto plain = RandomBytes(300, 1);
  const auto coded = EncodeBytes("abcdefghij", plain);
  EXPECT_EQ(EncodeBytes("abcdefghijKLM", plain), coded);
  EXPECT_EQ(EncodeBytes("abcdefghiX", plain), EncodeBytes("abcdefghiX-other-tail", plain));
  EXPECT_NE(EncodeBytes("abcdefghiX", plain), coded);
  EXPECT_EQ(EncodeBytes(std::string("marrowick\0", 10), plain), EncodeBytes("marrowick", plain));
  EXPECT_EQ(EncodeBytes("", ""), "");
  EXPECT_EQ(DecodeBytes("marrowick", ""), "");
}

TEST(PackCoding, DecodingUndoesCodingForAnyBytesAndKey) {
  for (unsigned seed = 0; seed < 20; ++seed) {
    const auto key = RandomBytes(seed % 12, seed + 100);
    const auto plain = RandomBytes(seed * 37, seed);
    EXPECT_EQ(DecodeBytes(key, EncodeBytes(key, plain)), plain) << seed;
  }
}

TEST(PackCoding, OneChangedCodedByteGarblesItAndEverythingAfter) {
  const auto plain = RandomBytes(200, 7);
  auto coded = EncodeBytes("marrowick", plain);
  coded[100] = static_cast<char>(coded[100] ^ 0x01);
  const auto decoded = DecodeBytes("marrowick", coded);
  EXPECT_EQ(decoded.substr(0, 100), plain.substr(0, 100));
  EXPECT_NE(decoded[100], plain[100]);
  int unchanged = 0;
  for (std::size_t i = 101; i < plain.size(); ++i) unchanged += decoded[i] == plain[i] ? 1 : 0;
  EXPECT_LT(unchanged, 5);  // the key stream no longer matches: about 1 in 256 agree by chance
}

class PackFileCoding : public ::testing::Test {
 protected:
  PackFileCoding() { files_.AddFolder("C:\\Prog"); }
  MemoryFiles files_;
};

TEST_F(PackFileCoding, DecodesIntoANewOrReplacedFileAndLeavesTheSourceAlone) {
  const auto plain = RandomBytes(100 * 1024 + 3, 3);  // more than one read
  files_.AddFile("C:\\Prog\\pack.lng", EncodeBytes("marrowick", plain));
  files_.AddFile("C:\\Prog\\pack.lng~", std::string(300 * 1024, 'x'));
  DecodePackFile("marrowick", "C:\\Prog\\pack.lng", "C:\\Prog\\pack.lng~", files_);
  EXPECT_EQ(files_.Contents("C:\\Prog\\pack.lng~"), plain);
  EXPECT_EQ(files_.Contents("C:\\Prog\\pack.lng"), EncodeBytes("marrowick", plain));

  files_.AddFile("C:\\Prog\\empty.lng", "");
  DecodePackFile("marrowick", "C:\\Prog\\empty.lng", "C:\\Prog\\empty.out", files_);
  EXPECT_EQ(files_.Contents("C:\\Prog\\empty.out"), "");

  EncodePackFile("key", "C:\\Prog\\pack.lng~", "C:\\Prog\\again.lng", files_);
  EXPECT_EQ(files_.Contents("C:\\Prog\\again.lng"), EncodeBytes("key", plain));
}

TEST_F(PackFileCoding, RaisesThePlatformsInputOutputErrors) {
  files_.AddFile("C:\\Prog\\pack.lng", "coded");
  EXPECT_THAT([&] { DecodePackFile("k", "C:\\Prog\\none.lng", "C:\\Prog\\out", files_); },
              ThrowsMessage<InOutError>("File not found"));
  EXPECT_FALSE(files_.FileExists("C:\\Prog\\out"));
  EXPECT_THAT([&] { DecodePackFile("k", "C:\\Prog\\pack.lng", "C:\\None\\out", files_); },
              ThrowsMessage<InOutError>("Invalid filename"));
  files_.AddFile("C:\\Prog\\locked", "");
  files_.DenyAccess("C:\\Prog\\locked");
  EXPECT_THAT([&] { DecodePackFile("k", "C:\\Prog\\pack.lng", "C:\\Prog\\locked", files_); },
              ThrowsMessage<InOutError>("File access denied"));
  files_.LimitFileSize(2);
  EXPECT_THAT([&] { DecodePackFile("k", "C:\\Prog\\pack.lng", "C:\\Prog\\out", files_); },
              ThrowsMessage<InOutError>("Disk full"));
  EXPECT_EQ(InOutError(32).what(), std::string("I/O error 32"));
}

TEST(CodedPack, KeepsItsHeadReadableAndDecodesToTheBody) {
  const std::string head = "Program=Brimdock Configuration\r\nLanguage=English\r\n";
  const std::string body = "I0=1\r\nI1=Hello\r\n";
  const auto pack = MakeCodedPack("marrowick", head, body);
  EXPECT_EQ(pack.substr(0, head.size()), head);
  const auto decoded = DecodeBytes("marrowick", pack);
  EXPECT_EQ(decoded.substr(head.size()), "\r\n" + body);
  EXPECT_EQ(FindPackValue(decoded, "I1"), "Hello");
}

}  // namespace
}  // namespace brimdock
