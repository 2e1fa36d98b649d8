#include "JsonWriter.h"

#include <charconv>
#include <cmath>

namespace tarvik {

JsonWriter& JsonWriter::Raw(std::string_view text) {
    buffer_.append(text);
    MaybeFlush();
    return *this;
}

JsonWriter& JsonWriter::String(std::string_view utf8) {
    static constexpr char kHex[] = "0123456789abcdef";
    buffer_.push_back('"');
    for (const char c : utf8) {
        const auto b = static_cast<unsigned char>(c);
        switch (c) {
            case '"':
                buffer_ += "\\\"";
                break;
            case '\\':
                buffer_ += "\\\\";
                break;
            case '\n':
                buffer_ += "\\n";
                break;
            case '\r':
                buffer_ += "\\r";
                break;
            case '\t':
                buffer_ += "\\t";
                break;
            default:
                if (b < 0x20) {
                    buffer_ += "\\u00";
                    buffer_.push_back(kHex[b >> 4]);
                    buffer_.push_back(kHex[b & 15]);
                } else {
                    buffer_.push_back(c);
                }
        }
    }
    buffer_.push_back('"');
    MaybeFlush();
    return *this;
}

template <typename Real>
JsonWriter& JsonWriter::Shortest(Real value) {
    if (!std::isfinite(value)) return Null();
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return Raw(std::string_view(text, static_cast<std::size_t>(result.ptr - text)));
}

JsonWriter& JsonWriter::Number(double value) {
    return Shortest(value);
}

JsonWriter& JsonWriter::Number(float value) {
    return Shortest(value);
}

JsonWriter& JsonWriter::Integer(std::int64_t value) {
    char text[24];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return Raw(std::string_view(text, static_cast<std::size_t>(result.ptr - text)));
}

void JsonWriter::Flush() {
    if (buffer_.empty()) return;
    std::fwrite(buffer_.data(), 1, buffer_.size(), out_);
    buffer_.clear();
}

}  // namespace tarvik
