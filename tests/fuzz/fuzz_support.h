// What the fuzz targets share: bytes as a stream, and checks that end the
// run with a message (libFuzzer keeps the input as a crash).
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "catalog/loaders.h"

#define FUZZ_CHECK(condition)                                                            \
  do {                                                                                   \
    if (!(condition)) {                                                                  \
      std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                      \
    }                                                                                    \
  } while (false)

// The bytes of a fuzz input as a read-only stream, as a catalogue file reads.
class MemoryFile {
 public:
  MemoryFile(const std::uint8_t* data, std::size_t size)
      : bytes_(reinterpret_cast<const char*>(data), size) {
    // fmemopen wants a buffer of at least one byte: an empty input is a
    // one-byte stream read to its end.
    bytes_.push_back('\0');
    file_ = ::fmemopen(bytes_.data(), size > 0 ? size : 1, "rb");
    FUZZ_CHECK(file_ != nullptr);
    if (size == 0) std::fseek(file_, 0, SEEK_END);
  }
  ~MemoryFile() { std::fclose(file_); }
  MemoryFile(const MemoryFile&) = delete;
  MemoryFile& operator=(const MemoryFile&) = delete;

  std::FILE* get() const { return file_; }

 private:
  std::string bytes_;
  std::FILE* file_ = nullptr;
};

// A load report agrees with what was read: `present` records were in the
// input (-1 when a text file does not say), the rest are missing.
template <typename Record, std::size_t N>
void CheckReport(const catalog::LoadReport& r, const Record (&)[N], long present) {
  const long count = static_cast<long>(N);
  FUZZ_CHECK(r.Missing >= 0 && r.Unusable >= 0 && r.Missing + r.Unusable <= count);
  FUZZ_CHECK((r.Missing == 0) == (r.FirstMissing < 0));
  FUZZ_CHECK((r.Unusable == 0) == (r.FirstUnusable < 0));
  FUZZ_CHECK((r.Unusable == 0) == (r.FirstFault == catalog::RecordFault::None));
  if (r.Missing > 0) FUZZ_CHECK(r.FirstMissing + r.Missing == count);
  if (present >= 0) FUZZ_CHECK(r.Missing == (present < count ? count - present : 0));
}

// Each record of a loaded array passes the loaders' own check, so the
// layers only ever see values they can use. The records a short file lacks
// are copies of one stand-in: the first and the last of them are checked.
template <typename Record, std::size_t N>
void CheckEveryRecordUsable(const Record (&records)[N], const catalog::LoadReport& report) {
  const std::size_t present = N - static_cast<std::size_t>(report.Missing);
  for (std::size_t i = 0; i < present; ++i)
    FUZZ_CHECK(catalog::FaultOf(records[i]) == catalog::RecordFault::None);
  if (present < N) {
    FUZZ_CHECK(catalog::FaultOf(records[present]) == catalog::RecordFault::None);
    FUZZ_CHECK(catalog::FaultOf(records[N - 1]) == catalog::RecordFault::None);
  }
}
