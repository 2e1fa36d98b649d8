#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "FileSystem.h"

namespace tarvik {

// Reads a text file line by line. Lines end at LF or CR LF; a character 26 ends the file; NUL
// bytes are ordinary. A returned line views the reader's buffer and stays valid only until
// the next read. Lines of any length are read in time linear in their length.
class LineReader {
  public:
    explicit LineReader(std::unique_ptr<FileSource> source);

    bool AtEnd();
    // The next line; empty once the end has been reached.
    std::string_view ReadLine();
    // Number of the line last returned, counted from 1.
    std::uint64_t LineNumber() const { return lineNumber_; }
    const FileSource& Source() const { return *source_; }

  private:
    bool Fill();

    std::unique_ptr<FileSource> source_;
    std::vector<char> buffer_;
    std::size_t begin_ = 0;    // start of unread data
    std::size_t end_ = 0;      // end of valid data
    std::size_t scanned_ = 0;  // bytes after begin_ known to hold no line feed
    bool sourceDone_ = false;
    std::uint64_t lineNumber_ = 0;
};

}  // namespace tarvik
