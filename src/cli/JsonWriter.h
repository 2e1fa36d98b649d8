#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace tarvik {

// Appends JSON values to a buffer that is flushed to a stream as it fills, so that a dump of
// a large scenery needs no more memory than the model.
class JsonWriter {
  public:
    explicit JsonWriter(std::FILE* out) : out_(out) {}
    ~JsonWriter() { Flush(); }
    JsonWriter(const JsonWriter&) = delete;
    JsonWriter& operator=(const JsonWriter&) = delete;

    JsonWriter& Raw(std::string_view text);
    // Strings must be UTF-8.
    JsonWriter& String(std::string_view utf8);
    // Shortest text that reads back to the same value; null for NaN and infinities.
    JsonWriter& Number(double value);
    JsonWriter& Number(float value);
    JsonWriter& Integer(std::int64_t value);
    JsonWriter& Null() { return Raw("null"); }
    JsonWriter& Key(std::string_view name) { return String(name).Raw(":"); }

    void Flush();

  private:
    template <typename Real>
    JsonWriter& Shortest(Real value);
    void MaybeFlush() {
        if (buffer_.size() >= kFlushSize) Flush();
    }
    static constexpr std::size_t kFlushSize = 1 << 16;

    std::FILE* out_;
    std::string buffer_;
};

}  // namespace tarvik
