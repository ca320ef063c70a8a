// An output file that appears complete or not at all: written under a temporary name in
// the same folder and renamed over the final name when committed.
#pragma once

#include <cstddef>
#include <string>

namespace veltrane::tools {

class OutputFile {
  public:
    /// Creates the temporary file beside path. A folder that does not exist or cannot be
    /// written to is a UsageError naming option and path.
    OutputFile(const std::string& option, std::string path);
    /// Removes the temporary file unless Commit succeeded.
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    /// Appends bytes; false once any write has failed.
    bool Write(const void* data, std::size_t size);

    /// Closes the file and renames it to the final name; false (and the temporary file
    /// removed) if a write, the close or the rename failed.
    bool Commit();

    const std::string& Path() const { return path_; }

  private:
    std::string path_;
    std::string temporary_;
    int fd_ = -1;
    bool failed_ = false;
    bool committed_ = false;
};

}  // namespace veltrane::tools
