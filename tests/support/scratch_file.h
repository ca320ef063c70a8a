// A file with given contents in the temporary folder, removed when the object goes.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

class ScratchFile {
  public:
    ScratchFile(const std::string& name, const std::string& contents)
        : path_(std::filesystem::temp_directory_path() /
                (std::to_string(::getpid()) + "-" + name)) {
        std::ofstream(path_, std::ios::binary) << contents;
    }
    ~ScratchFile() {
        std::error_code ignored;
        std::filesystem::remove(path_, ignored);
    }
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    std::string Path() const { return path_.string(); }

  private:
    std::filesystem::path path_;
};
