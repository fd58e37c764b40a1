#pragma once
#include <cstddef>

// A byte string in the system's ANSI code page: owned, always NUL-terminated,
// and free of the standard library's exception paths so that the updater stays
// small. Embedded NUL bytes are kept; length() counts them.
class AnsiString {
 public:
  AnsiString() = default;
  AnsiString(const char* text);  // NOLINT(google-explicit-constructor): literals read naturally
  AnsiString(const char* bytes, std::size_t length);
  AnsiString(const AnsiString& other);
  AnsiString(AnsiString&& other) noexcept;
  AnsiString& operator=(const AnsiString& other);
  AnsiString& operator=(AnsiString&& other) noexcept;
  ~AnsiString();

  const char* c_str() const { return bytes_ ? bytes_ : ""; }
  std::size_t length() const { return length_; }
  bool empty() const { return length_ == 0; }
  char operator[](std::size_t index) const { return bytes_[index]; }
  char& operator[](std::size_t index) { return bytes_[index]; }

  // The first `count` bytes (all of them when count exceeds the length).
  AnsiString Left(std::size_t count) const;
  // Bytes from `start` to the end (empty when start is past it).
  AnsiString Mid(std::size_t start) const;

  AnsiString& Append(const char* bytes, std::size_t length);
  AnsiString& operator+=(const AnsiString& tail) { return Append(tail.c_str(), tail.length()); }
  AnsiString& operator+=(const char* tail);
  AnsiString& operator+=(char byte) { return Append(&byte, 1); }

  friend AnsiString operator+(AnsiString head, const AnsiString& tail) { return head += tail; }
  friend AnsiString operator+(AnsiString head, const char* tail) { return head += tail; }
  friend AnsiString operator+(AnsiString head, char byte) { return head += byte; }
  friend bool operator==(const AnsiString& a, const AnsiString& b);
  friend bool operator==(const AnsiString& a, const char* b) { return a == AnsiString(b); }

 private:
  char* bytes_ = nullptr;
  std::size_t length_ = 0;
  std::size_t capacity_ = 0;
};
