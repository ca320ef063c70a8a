// Deleting a map as code outside the host does: MaybeAutoDelete frees a map nothing holds,
// DeleteMe frees one a scene holds and empties the scene's slot; either way the map's own
// block and output go with it, and a map that is still held survives MaybeAutoDelete.
#include "tests/plugin/texmap_fixture.h"

namespace texmap_test {
namespace {

using TexmapDeletion = TexmapTest;

// An output stage that notes its own deletion.
class WatchedOutput : public CountingOutput {
  public:
    explicit WatchedOutput(bool& deleted) : deleted_(deleted) {}
    ~WatchedOutput() override { deleted_ = true; }

  private:
    bool& deleted_;
};

TEST_F(TexmapDeletion, TheDeletionCallsFreeTheMapWithWhatOnlyItHolds) {
    struct Case {
        const char* what;
        bool heldByScene;
        bool deleteMe;  // DeleteMe rather than MaybeAutoDelete
        bool freed;
    } cases[] = {
        {"MaybeAutoDelete, held by nothing", false, false, true},
        {"MaybeAutoDelete, held by a scene", true, false, false},
        {"DeleteMe, held by a scene", true, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        standin::SceneRoots scene;
        Texmap* map = NewMap().release();
        bool outputDeleted = false;
        ASSERT_EQ(map->ReplaceReference(1, new WatchedOutput(outputDeleted)), REF_SUCCEED);
        if (c.heldByScene) {
            ASSERT_EQ(scene.Add(map), 0);
        }

        if (c.deleteMe) {
            EXPECT_EQ(map->DeleteMe(), REF_SUCCEED);
        } else {
            map->MaybeAutoDelete();
        }
        EXPECT_EQ(outputDeleted, c.freed);
        if (c.heldByScene) {
            EXPECT_EQ(scene.Get(0) == nullptr, c.freed);
        }
        // A map that survived goes with the scene, before the module unloads.
    }
}

}  // namespace
}  // namespace texmap_test
