#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace brimdock {

class FileSystem;

// The coding of language packs: a byte stream cipher of the PC1 family with a ten-byte key, in
// which every product and sum of the mixing stage is reduced modulo 65535. The key bytes are
// mixed with every plain byte, so a pack is coded and decoded as a whole, first byte to last.
class PackCoder {
 public:
  // The key bytes are the key's first ten characters, followed by zero bytes when it is shorter.
  explicit PackCoder(std::string_view key);
  // Sets the whole state, the key bytes included, to zero.
  ~PackCoder();
  PackCoder(const PackCoder&) = delete;
  PackCoder& operator=(const PackCoder&) = delete;

  [[nodiscard]] std::uint8_t Decode(std::uint8_t coded);
  [[nodiscard]] std::uint8_t Encode(std::uint8_t plain);

 private:
  std::uint16_t RunStage();
  std::uint8_t NextKeyByte();
  void MixIntoKey(std::uint8_t plain);

  std::array<std::uint8_t, 10> key_{};
  std::array<std::uint16_t, 5> words_{};
  std::uint16_t chain_ = 0;
  std::uint16_t carry_ = 0;
  std::uint16_t mix_ = 0;
  std::uint16_t stage_ = 0;
};

[[nodiscard]] std::string DecodeBytes(std::string_view key, std::string_view coded);
[[nodiscard]] std::string EncodeBytes(std::string_view key, std::string_view plain);

// Decodes the file source into the file target, which is created or replaced and receives
// exactly as many bytes as source holds. Throws InOutError when source cannot be opened, target
// cannot be created, or a read or write fails.
void DecodePackFile(std::string_view key, const std::string& source, const std::string& target,
                    FileSystem& files);
// The inverse of DecodePackFile.
void EncodePackFile(std::string_view key, const std::string& source, const std::string& target,
                    FileSystem& files);

// A coded pack whose first lines stay readable, so that the check of its "Program" and
// "Language" lines works on the stored file: the result is head unchanged, followed by body
// coded so that decoding the whole result gives meaningless bytes in place of head, a CR LF,
// and body. Throws std::invalid_argument in the rare case that those meaningless bytes form a
// line the loader would read as a text ("I7=...", "M0=..."); another key or head avoids it.
[[nodiscard]] std::string MakeCodedPack(std::string_view key, std::string_view head,
                                        std::string_view body);

}  // namespace brimdock
