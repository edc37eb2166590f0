#include "lang/Cod.h"

#include <stdexcept>
#include <vector>

#include "lang/FileSystem.h"
#include "lang/PackText.h"

namespace brimdock {
namespace {

constexpr std::uint32_t kModulus = 65535;
constexpr std::uint32_t kFactorA = 0x15A;   // 346
constexpr std::uint32_t kFactorB = 0x4E35;  // 20021
constexpr std::size_t kChunk = std::size_t{64} * 1024;

// Zeroes memory in a way the optimiser may not drop.
void WipeBytes(void* data, std::size_t size) {
  auto* bytes = static_cast<volatile unsigned char*>(data);
  for (std::size_t i = 0; i < size; ++i) bytes[i] = 0;
}

template <typename T>
void Wipe(T& object) {
  WipeBytes(&object, sizeof(T));
}

// Whether some line of text, its name trimmed of blanks, names an Interface text or a Message.
bool NamesAText(std::string_view text) {
  LineSplitter lines(text);
  while (const auto line = lines.Next()) {
    auto name = line->substr(0, line->find('='));
    if (name.size() == line->size()) continue;
    while (!name.empty() && (name.front() == ' ' || name.front() == '\t')) name.remove_prefix(1);
    while (!name.empty() && (name.back() == ' ' || name.back() == '\t')) name.remove_suffix(1);
    if (TextNumber(name, 'I') || TextNumber(name, 'M')) return true;
  }
  return false;
}

enum class Direction { Decode, Encode };

std::string Transform(std::string_view key, std::string_view bytes, Direction direction) {
  PackCoder coder(key);
  std::string out(bytes.size(), '\0');
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const auto in = static_cast<std::uint8_t>(bytes[i]);
    out[i] =
        static_cast<char>(direction == Direction::Decode ? coder.Decode(in) : coder.Encode(in));
  }
  return out;
}

void TransformFile(std::string_view key, const std::string& source, const std::string& target,
                   FileSystem& files, Direction direction) {
  PackCoder coder(key);
  const auto reader = files.OpenForReading(source);
  const auto writer = files.Create(target);
  std::vector<char> buffer(kChunk);
  while (const std::size_t count = reader->Read(buffer)) {
    for (std::size_t i = 0; i < count; ++i) {
      const auto in = static_cast<std::uint8_t>(buffer[i]);
      buffer[i] =
          static_cast<char>(direction == Direction::Decode ? coder.Decode(in) : coder.Encode(in));
    }
    writer->Write(std::string_view(buffer.data(), count));
  }
  writer->Close();
  WipeBytes(buffer.data(), buffer.size());
}

}  // namespace

PackCoder::PackCoder(std::string_view key) {
  for (std::size_t i = 0; i < key_.size() && i < key.size(); ++i) {
    key_[i] = static_cast<std::uint8_t>(key[i]);
  }
}

PackCoder::~PackCoder() {
  Wipe(key_);
  Wipe(words_);
  Wipe(chain_);
  Wipe(carry_);
  Wipe(mix_);
  Wipe(stage_);
}

std::uint16_t PackCoder::RunStage() {
  const std::uint32_t word = words_[stage_];
  const std::uint32_t d = (chain_ + stage_) % 65536U;
  const std::uint32_t product = (kFactorA * word) % kModulus;
  const std::uint32_t c = (product + (d * kFactorB) % kModulus) % kModulus;
  const std::uint32_t oldCarry = carry_;
  carry_ = static_cast<std::uint16_t>(product);
  chain_ = static_cast<std::uint16_t>((c + oldCarry) % kModulus);
  words_[stage_] = static_cast<std::uint16_t>((word * kFactorB) % kModulus + 1);
  const auto result = static_cast<std::uint16_t>(words_[stage_] ^ chain_);
  ++stage_;
  return result;
}

std::uint8_t PackCoder::NextKeyByte() {
  mix_ = 0;
  for (std::size_t j = 0; j < words_.size(); ++j) {
    auto word = static_cast<std::uint16_t>(key_[2 * j] * 256 + key_[2 * j + 1]);
    if (j > 0) word ^= words_[j - 1];
    words_[j] = word;
    mix_ ^= RunStage();
  }
  stage_ = 0;
  return static_cast<std::uint8_t>((mix_ >> 8U) ^ (mix_ & 255U));
}

void PackCoder::MixIntoKey(std::uint8_t plain) {
  for (auto& byte : key_) byte ^= plain;
}

std::uint8_t PackCoder::Decode(std::uint8_t coded) {
  const auto plain = static_cast<std::uint8_t>(coded ^ NextKeyByte());
  MixIntoKey(plain);
  return plain;
}

std::uint8_t PackCoder::Encode(std::uint8_t plain) {
  const auto coded = static_cast<std::uint8_t>(plain ^ NextKeyByte());
  MixIntoKey(plain);
  return coded;
}

std::string DecodeBytes(std::string_view key, std::string_view coded) {
  return Transform(key, coded, Direction::Decode);
}

std::string EncodeBytes(std::string_view key, std::string_view plain) {
  return Transform(key, plain, Direction::Encode);
}

void DecodePackFile(std::string_view key, const std::string& source, const std::string& target,
                    FileSystem& files) {
  TransformFile(key, source, target, files, Direction::Decode);
}

void EncodePackFile(std::string_view key, const std::string& source, const std::string& target,
                    FileSystem& files) {
  TransformFile(key, source, target, files, Direction::Encode);
}

std::string MakeCodedPack(std::string_view key, std::string_view head, std::string_view body) {
  PackCoder coder(key);
  std::string scrambledHead;
  for (const char c : head) {
    scrambledHead += static_cast<char>(coder.Decode(static_cast<std::uint8_t>(c)));
  }
  if (NamesAText(scrambledHead)) {
    throw std::invalid_argument("the readable head decodes to a text line under this key");
  }
  const std::string plainRest = "\r\n" + std::string(body);
  std::string pack(head);
  for (const char c : plainRest) {
    pack += static_cast<char>(coder.Encode(static_cast<std::uint8_t>(c)));
  }
  return pack;
}

}  // namespace brimdock
