// The scene file: a graph of reference targets written as chunks and read back, each object
// recreated through its class descriptor.
#include <standin/scene_file.h>

#include <cinttypes>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>

#include <standin/chunk_stream.h>

#include "chunk_values.h"
#include "fatal_stops.h"

namespace standin {

namespace {

constexpr USHORT kHeaderChunk = scene_chunk::kHeader;
constexpr USHORT kObjectChunk = scene_chunk::kObject;
constexpr USHORT kClassChunk = scene_chunk::kClass;
constexpr USHORT kDataChunk = scene_chunk::kData;
constexpr USHORT kRefsChunk = scene_chunk::kRefs;
constexpr USHORT kRootsChunk = scene_chunk::kRoots;
using scene_chunk::kMagic;
using scene_chunk::kVersion;

IOResult Failed(std::string* error, const std::string& why) {
    if (error) *error = why;
    return IO_ERROR;
}

std::string Hex(std::uint32_t v) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08" PRIX32, v);
    return text;
}

// The class name an object gives itself, for messages.
std::string ClassNameOf(ReferenceTarget* object) {
    if (!object) return "none";
    MSTR name;
    object->GetClassName(name, false);
    return Printable(name.data());
}

IOResult WriteInts(ISave& isave, USHORT id, const std::vector<std::int32_t>& values) {
    ULONG written = 0;
    const auto count = static_cast<std::uint32_t>(values.size());
    isave.BeginChunk(id);
    IOResult result = isave.Write(&count, sizeof count, &written);
    if (result == IO_OK && count) {
        result =
            isave.Write(values.data(), static_cast<ULONG>(count * sizeof(std::int32_t)), &written);
    }
    isave.EndChunk();
    return result;
}

// Reads a chunk written by WriteInts, checking the count against the chunk's size before
// anything is allocated.
IOResult ReadInts(ChunkReader& iload, std::vector<std::int32_t>& values) {
    std::uint32_t count = 0;
    if (ReadValue(&iload, count) != IO_OK) return IO_ERROR;
    if (iload.Remaining() != std::size_t{count} * sizeof(std::int32_t)) return IO_ERROR;
    values.assign(count, 0);
    ULONG read = 0;
    if (count == 0) return IO_OK;
    return iload.Read(values.data(), static_cast<ULONG>(count * sizeof(std::int32_t)), &read);
}

// Every target reachable from the roots, each once, with its index.
struct Graph {
    std::vector<ReferenceTarget*> objects;
    std::map<ReferenceTarget*, std::int32_t> index;

    std::int32_t Visit(ReferenceTarget* target) {
        if (!target) return -1;
        auto [it, added] = index.emplace(target, static_cast<std::int32_t>(objects.size()));
        if (added) objects.push_back(target);
        return it->second;
    }
};

IOResult SaveObject(ChunkWriter& isave, Graph& graph, std::size_t k, std::string* error) {
    ReferenceTarget* object = graph.objects[k];
    isave.BeginChunk(kObjectChunk);

    const std::uint32_t identity[3] = {object->SuperClassID(), object->ClassID().PartA(),
                                       object->ClassID().PartB()};
    WriteValueChunk(&isave, kClassChunk, identity);

    isave.BeginChunk(kDataChunk);
    const int depth = isave.Depth();
    const IOResult result = object->Save(&isave);
    if (result != IO_OK) return Failed(error, "object " + std::to_string(k) + " failed to save");
    if (isave.Depth() != depth) {
        return Failed(error, "object " + std::to_string(k) + " left its chunks unbalanced");
    }
    isave.EndChunk();

    // Objects first met here get the next indices and are written after this one.
    std::vector<std::int32_t> refs;
    const int numRefs = object->NumRefs();
    for (int i = 0; i < numRefs; ++i) refs.push_back(graph.Visit(object->GetReference(i)));
    WriteInts(isave, kRefsChunk, refs);

    isave.EndChunk();
    return IO_OK;
}

// What the file says about one object until every object exists.
struct Stored {
    ReferenceTarget* object = nullptr;
    std::vector<std::int32_t> refs;
};

IOResult LoadObject(ChunkReader& iload, const ClassDirectory& classes, SceneRoots& staging,
                    Stored& stored, std::string* error) {
    const std::string which = "object " + std::to_string(staging.Count());

    std::uint32_t identity[3] = {};
    if (iload.OpenChunk() != IO_OK || iload.CurChunkID() != kClassChunk ||
        ReadValue(&iload, identity) != IO_OK || iload.CloseChunk() != IO_OK) {
        return Failed(error, which + ": damaged class chunk");
    }
    const Class_ID cid(identity[1], identity[2]);
    ClassDesc* cd = classes.Find(identity[0], cid);
    if (!cd) {
        return Failed(error, which + ": unknown class: super class " + Hex(identity[0]) +
                                 ", class ID (" + Hex(identity[1]) + ", " + Hex(identity[2]) + ")");
    }
    auto* created = static_cast<Animatable*>(cd->Create(TRUE));
    if (!created) return Failed(error, which + ": the class descriptor created nothing");
    auto* object = dynamic_cast<ReferenceTarget*>(created);
    if (!object) {
        created->DeleteThis();
        return Failed(error, which + ": the class descriptor created no reference target");
    }
    // From here the staging roots own the object, whatever happens next.
    if (staging.Add(object) < 0) {
        object->DeleteThis();
        return Failed(error, which + ": cannot be held");
    }
    stored.object = object;

    if (iload.OpenChunk() != IO_OK || iload.CurChunkID() != kDataChunk) {
        return Failed(error, which + ": damaged data chunk");
    }
    const int depth = iload.Depth();
    const IOResult result = object->Load(&iload);
    if (result != IO_OK || iload.Damaged()) {
        return Failed(error, which + ": damaged data (the object's Load failed)");
    }
    if (iload.Depth() < depth) return Failed(error, which + ": Load closed chunks it did not open");
    while (iload.Depth() > depth) iload.CloseChunk();
    iload.CloseChunk();

    if (iload.OpenChunk() != IO_OK || iload.CurChunkID() != kRefsChunk) {
        return Failed(error, which + ": damaged reference list");
    }
    if (ReadInts(iload, stored.refs) != IO_OK || iload.CloseChunk() != IO_OK) {
        return Failed(error, which + ": damaged reference list");
    }
    // Chunks a later version may add to an object are skipped.
    if (iload.CloseChunk() != IO_OK) return Failed(error, which + ": damaged object chunk");
    return IO_OK;
}

IOResult ReadHeader(ChunkReader& iload, std::string* error) {
    std::uint32_t header[2] = {};
    if (iload.OpenChunk() != IO_OK || iload.CurChunkID() != kHeaderChunk ||
        ReadValue(&iload, header) != IO_OK || iload.CloseChunk() != IO_OK || header[0] != kMagic) {
        return Failed(error, "not a scene file");
    }
    if (header[1] != kVersion) {
        return Failed(error, "unsupported scene file version " + std::to_string(header[1]));
    }
    return IO_OK;
}

// Points every stored reference at its loaded object, replacing what the constructors made.
IOResult RestoreReferences(std::vector<Stored>& objects, std::string* error) {
    const auto count = static_cast<std::int32_t>(objects.size());
    for (std::size_t k = 0; k < objects.size(); ++k) {
        ReferenceTarget* object = objects[k].object;
        const std::vector<std::int32_t>& refs = objects[k].refs;
        for (std::size_t i = 0; i < refs.size(); ++i) {
            const auto which = [i, k] {
                return "reference " + std::to_string(i) + " of object " + std::to_string(k);
            };
            if (refs[i] < -1 || refs[i] >= count) {
                return Failed(error, which() + ": no such object");
            }
            ReferenceTarget* target =
                refs[i] < 0 ? nullptr : objects[static_cast<std::size_t>(refs[i])].object;
            const int slot = static_cast<int>(i);
            if (slot < object->NumRefs() && object->GetReference(slot) == target) continue;
            if (object->ReplaceReference(slot, target, TRUE) != REF_SUCCEED) {
                return Failed(error, which() + ": cannot be restored");
            }
            // An object refuses a target of a kind the slot does not hold, as a damaged file
            // may offer; the load must not go on as if the reference were there.
            if (object->GetReference(slot) != target) {
                return Failed(error, which() + " (" + ClassNameOf(object) + "): refused object " +
                                         std::to_string(refs[i]) + " (" + ClassNameOf(target) +
                                         ")");
            }
        }
    }
    return IO_OK;
}

}  // namespace

IOResult SaveScene(SceneRoots& roots, std::vector<std::uint8_t>& bytes, std::string* error) {
    bytes.clear();
    ChunkWriter isave;
    const std::uint32_t header[2] = {kMagic, kVersion};
    WriteValueChunk(&isave, kHeaderChunk, header);

    Graph graph;
    std::vector<std::int32_t> rootIndices;
    for (int i = 0; i < roots.Count(); ++i) {
        if (ReferenceTarget* root = roots.Get(i)) rootIndices.push_back(graph.Visit(root));
    }
    for (std::size_t k = 0; k < graph.objects.size(); ++k) {
        if (SaveObject(isave, graph, k, error) != IO_OK) return IO_ERROR;
    }
    WriteInts(isave, kRootsChunk, rootIndices);

    if (!isave.Good() || isave.Depth() != 0) {
        return Failed(error, "an object wrote data and chunks into one chunk");
    }
    bytes = isave.Bytes();
    return IO_OK;
}

IOResult LoadScene(const std::uint8_t* data, std::size_t size, const ClassDirectory& classes,
                   SceneRoots& into, std::string* error) {
    ChunkReader iload(data, size);
    if (ReadHeader(iload, error) != IO_OK) return IO_ERROR;

    // Holds every object while the scene is incomplete; going out of scope it deletes
    // whatever nothing else took over.
    SceneRoots staging;
    std::vector<Stored> objects;
    std::vector<std::int32_t> rootIndices;
    bool haveRoots = false;
    for (;;) {
        const IOResult opened = iload.OpenChunk();
        if (opened == IO_END) break;
        if (opened != IO_OK)
            return Failed(error, "damaged chunk after object " + std::to_string(objects.size()));
        if (haveRoots) return Failed(error, "data after the root list");
        if (iload.CurChunkID() == kObjectChunk) {
            objects.emplace_back();
            if (LoadObject(iload, classes, staging, objects.back(), error) != IO_OK)
                return IO_ERROR;
        } else if (iload.CurChunkID() == kRootsChunk) {
            if (ReadInts(iload, rootIndices) != IO_OK || iload.CloseChunk() != IO_OK) {
                return Failed(error, "damaged root list");
            }
            haveRoots = true;
        } else {
            iload.CloseChunk();
        }
    }
    // A file cut off between two chunks ends without its root list.
    if (!haveRoots) return Failed(error, "the file ends before its root list (truncated)");
    for (std::int32_t root : rootIndices) {
        if (root < 0 || static_cast<std::size_t>(root) >= objects.size()) {
            return Failed(error, "root " + std::to_string(root) + ": no such object");
        }
    }
    if (RestoreReferences(objects, error) != IO_OK) return IO_ERROR;

    for (std::int32_t root : rootIndices) into.Add(objects[static_cast<std::size_t>(root)].object);
    return IO_OK;
}

IOResult SaveSceneFile(SceneRoots& roots, const std::string& path, std::string* error) {
    std::vector<std::uint8_t> bytes;
    if (SaveScene(roots, bytes, error) != IO_OK) return IO_ERROR;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) return Failed(error, "cannot write " + path);
    return IO_OK;
}

IOResult LoadSceneFile(const std::string& path, const ClassDirectory& classes, SceneRoots& into,
                       std::string* error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return Failed(error, "cannot open " + path);
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                          std::istreambuf_iterator<char>());
    if (in.bad()) return Failed(error, "cannot read " + path);
    return LoadScene(bytes.data(), bytes.size(), classes, into, error);
}

}  // namespace standin
