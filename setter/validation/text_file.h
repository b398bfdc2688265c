// Files that the setter's commands read whole: bounded, so that no file, device
// or endless stream can hold a command up or fill its memory.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The most bytes read from one file: 64 MiB, four times the largest instance in
// the canonical layout (N = M = 262144, reals of up to 20 characters).
inline constexpr std::uint64_t kMostFileBytes = std::uint64_t{64} << 20;

// Reads the file at path ("-" for standard input) into text. Returns an empty
// string, or what is wrong: it cannot be opened, is a directory, cannot be read,
// or holds more than kMostFileBytes (reading stops there).
std::string read_text_file(const std::string &path, std::string &text);

class FileText;

// Lets go of what text holds (unmapped or freed), leaving it empty.
void let_go(FileText &text);

// A file's whole text as read_file_text() holds it: a regular file mapped from
// the page cache on Linux (nothing copied, no page zeroed), anything else read
// into memory of its own. Held until the next read into it, or its end.
class FileText {
public:
  FileText() = default;
  FileText(const FileText &) = delete;
  FileText &operator=(const FileText &) = delete;
  ~FileText() { let_go(*this); }

  // The bytes.
  std::string_view view() const { return mapped_ ? std::string_view(mapped_, mapped_size_) : std::string_view(read_); }

private:
  friend std::string read_file_text(const std::string &path, FileText &text);
  friend void let_go(FileText &text);

  const char *mapped_ = nullptr;
  std::size_t mapped_size_ = 0;
  std::string read_;
};

// Reads the file at path into text, on read_text_file()'s terms. A mapped file
// cut short while it is held would leave bytes that cannot be read: the command
// then ends with one line "PATH: changed while it was read" and exit status 1.
std::string read_file_text(const std::string &path, FileText &text);
