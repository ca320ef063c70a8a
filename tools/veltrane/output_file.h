// Output files that appear whole or not at all.
#pragma once

#include <cstddef>
#include <string>

namespace veltrane::tools {

/// A file written under a temporary name in the directory of its final path, created
/// exclusively, and renamed over that path by Commit. Destroyed without a commit (an error, an
/// exception), it removes the temporary file, so a failed run leaves neither a partial file nor a
/// stray one.
class OutputFile {
  public:
    /// Creates the temporary file; a UsageError naming option, path and the reason if it
    /// cannot be created (no such folder, no permission) or path is a folder.
    OutputFile(const std::string& option, std::string path);
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    const std::string& Path() const { return path; }
    /// Writes size bytes; false on a write error.
    bool Write(const void* data, std::size_t size);
    /// Closes the temporary file and renames it to the final path (it has the permissions
    /// any new file gets); a std::runtime_error naming the path if an earlier write, the close or
    /// the rename failed.
    void Commit();

  private:
    std::string path;
    std::string temporary;
    int fd = -1;
    int writeError = 0;  // errno of a failed write, 0 while none failed
    bool committed = false;
};

}  // namespace veltrane::tools
