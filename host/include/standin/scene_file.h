// Stand-in: the scene file, a graph of reference targets stored as chunks (chunk_stream.h).
//
// Layout: a header chunk (magic, version), one object chunk per object in index order (its
// super class and class ID, the chunks its Save() wrote, and its references as object
// indices, -1 for none), then the list of root indices. Every object reachable from the
// roots is stored once, so shared targets stay shared.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "../maxtypes.h"
#include "class_directory.h"
#include "exports.h"
#include "scene_roots.h"

namespace standin {

// Chunk IDs and header of the scene file, for tools and tests that read or write it directly.
namespace scene_chunk {
inline constexpr USHORT kHeader = 0x5300;  // data: magic, version (two 32-bit words)
inline constexpr USHORT kObject = 0x5310;  // container: kClass, kData, kRefs
inline constexpr USHORT kClass = 0x5311;   // data: super class, class ID part A, part B
inline constexpr USHORT kData = 0x5312;    // the chunks the object's Save() wrote
inline constexpr USHORT kRefs = 0x5313;    // data: count, then one signed index per reference
inline constexpr USHORT kRoots = 0x5320;   // data: count, then one index per root
inline constexpr std::uint32_t kMagic = 0x4E435356;  // "VSCN"
inline constexpr std::uint32_t kVersion = 1;
}  // namespace scene_chunk

// Writes the roots and everything they reference. On failure `bytes` is left empty and
// `error` (if given) says why.
STANDIN_EXPORT IOResult SaveScene(SceneRoots& roots, std::vector<std::uint8_t>& bytes,
                                  std::string* error = nullptr);

// Recreates the stored objects through `classes` (Create(TRUE), then Load), restores their
// references with ReplaceReference and adds the stored roots to `into`. Damaged data, an
// unknown class, an object that fails to load or one that does not take a stored reference
// (GetReference reads back something else) give IO_ERROR with `error` set; then
// nothing is added and every object created on the way is deleted again.
STANDIN_EXPORT IOResult LoadScene(const std::uint8_t* data, std::size_t size,
                                  const ClassDirectory& classes, SceneRoots& into,
                                  std::string* error = nullptr);

STANDIN_EXPORT IOResult SaveSceneFile(SceneRoots& roots, const std::string& path,
                                      std::string* error = nullptr);
STANDIN_EXPORT IOResult LoadSceneFile(const std::string& path, const ClassDirectory& classes,
                                      SceneRoots& into, std::string* error = nullptr);

}  // namespace standin
