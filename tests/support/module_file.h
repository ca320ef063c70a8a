// A built module file as bytes, and how much of it the dynamic loader maps: the debug
// sections lie past the segments, so cutting a module in half may leave every segment whole.
#pragma once

#include <elf.h>
#include <link.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

inline std::string FileContents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The end of the last segment's bytes in the file; 0 if `module` is too short to tell.
inline std::size_t SegmentsEnd(const std::string& module) {
    ElfW(Ehdr) header;
    if (module.size() < sizeof header) return 0;
    std::memcpy(&header, module.data(), sizeof header);
    std::size_t end = 0;
    for (std::size_t i = 0; i < header.e_phnum; ++i) {
        ElfW(Phdr) segment;
        const std::size_t at = header.e_phoff + i * sizeof segment;
        if (at + sizeof segment > module.size()) return 0;
        std::memcpy(&segment, module.data() + at, sizeof segment);
        end = std::max<std::size_t>(end, segment.p_offset + segment.p_filesz);
    }
    return end;
}
