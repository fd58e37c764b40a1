#include "core/ansi_string.h"

#include <cstdlib>
#include <cstring>

namespace {

// Out of memory leaves nothing sensible to do in a small GUI installer.
char* Reallocate(char* block, std::size_t size) {
  void* grown = std::realloc(block, size);
  if (!grown) std::abort();
  return static_cast<char*>(grown);
}

}  // namespace

AnsiString::AnsiString(const char* text) : AnsiString(text, text ? std::strlen(text) : 0) {}

AnsiString::AnsiString(const char* bytes, std::size_t length) { Append(bytes, length); }

AnsiString::AnsiString(const AnsiString& other) { Append(other.c_str(), other.length_); }

AnsiString::AnsiString(AnsiString&& other) noexcept
    : bytes_(other.bytes_), length_(other.length_), capacity_(other.capacity_) {
  other.bytes_ = nullptr;
  other.length_ = other.capacity_ = 0;
}

AnsiString& AnsiString::operator=(const AnsiString& other) {
  if (this != &other) {
    length_ = 0;
    Append(other.c_str(), other.length_);
  }
  return *this;
}

AnsiString& AnsiString::operator=(AnsiString&& other) noexcept {
  if (this != &other) {
    std::free(bytes_);
    bytes_ = other.bytes_;
    length_ = other.length_;
    capacity_ = other.capacity_;
    other.bytes_ = nullptr;
    other.length_ = other.capacity_ = 0;
  }
  return *this;
}

AnsiString::~AnsiString() { std::free(bytes_); }

AnsiString AnsiString::Left(std::size_t count) const {
  return AnsiString(c_str(), count < length_ ? count : length_);
}

AnsiString AnsiString::Mid(std::size_t start) const {
  return start < length_ ? AnsiString(bytes_ + start, length_ - start) : AnsiString();
}

AnsiString& AnsiString::Append(const char* bytes, std::size_t length) {
  if (!bytes_ || length + 1 > capacity_ - length_) {
    // The bytes may lie in this string's own buffer (s += s): find them again after growing.
    bool own = bytes_ && bytes >= bytes_ && bytes < bytes_ + length_;
    std::size_t offset = own ? static_cast<std::size_t>(bytes - bytes_) : 0;
    std::size_t wanted = length_ + length + 1;
    std::size_t grown = capacity_ * 2 > wanted ? capacity_ * 2 : wanted;
    bytes_ = Reallocate(bytes_, grown);
    capacity_ = grown;
    if (own) bytes = bytes_ + offset;
  }
  if (length) std::memmove(bytes_ + length_, bytes, length);
  length_ += length;
  bytes_[length_] = '\0';
  return *this;
}

AnsiString& AnsiString::operator+=(const char* tail) { return Append(tail, std::strlen(tail)); }

bool operator==(const AnsiString& a, const AnsiString& b) {
  return a.length_ == b.length_ && std::memcmp(a.c_str(), b.c_str(), a.length_) == 0;
}
