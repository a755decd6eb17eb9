// Shared by the fuzz targets and the replay test: a scratch directory per process and small
// helpers to cut one input into the pieces a target feeds to a reader.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quelm::fuzz {

// A private directory (ends with "/") created on first use and removed when the process ends.
const std::string& ScratchDirectory();
// Writes `bytes` to ScratchDirectory() + name and returns the full path.
std::string WriteScratchFile(const std::string& name, std::string_view bytes);

// Splits at every `separator`; the last piece runs to the end.
std::vector<std::string> SplitAt(std::string_view text, char separator);

// The entry points, one per reader. Each takes any bytes and must neither crash nor hang.
void VobInput(const std::uint8_t* data, std::size_t size);
void IfoInput(const std::uint8_t* data, std::size_t size);
void BmpInput(const std::uint8_t* data, std::size_t size);
void IniInput(const std::uint8_t* data, std::size_t size);
void DictionaryInput(const std::uint8_t* data, std::size_t size);
void TemplateInput(const std::uint8_t* data, std::size_t size);
void RecordsInput(const std::uint8_t* data, std::size_t size);
void LanguageInput(const std::uint8_t* data, std::size_t size);
void IdxInput(const std::uint8_t* data, std::size_t size);
void ImageInput(const std::uint8_t* data, std::size_t size);
void MatroskaInput(const std::uint8_t* data, std::size_t size);
void PgsInput(const std::uint8_t* data, std::size_t size);

// Stops the process with a message when a reader breaks a promise the fuzzer checks.
[[noreturn]] void Broken(const std::string& what);

}  // namespace quelm::fuzz

// Each target file ends with this; only the fuzzer executables define QUELM_FUZZ_MAIN.
#ifdef QUELM_FUZZ_MAIN
#define QUELM_FUZZ_TARGET(function)                                                   \
  extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) { \
    quelm::fuzz::function(data, size);                                                \
    return 0;                                                                         \
  }
#else
#define QUELM_FUZZ_TARGET(function)
#endif
