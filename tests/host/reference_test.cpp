// References: dependents, notifications (nested and propagated), deletion of targets and
// makers, and clone remapping.
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <ref.h>
#include <standin/scene_roots.h>

namespace {

struct Event {
    std::string receiver;
    RefMessage message;
    std::string sender;
};

// A reference target with a few reference slots that logs what reaches it.
class Node : public ReferenceTarget {
  public:
    static inline std::vector<Event> events;
    static inline std::vector<std::string> deleted;

    Node(std::string name, int numRefs = 3, SClass_ID sclass = 0x1001)
        : name_(std::move(name)), slots_(static_cast<std::size_t>(numRefs)), sclass_(sclass) {}
    ~Node() override { deleted.push_back(name_); }

    const std::string& Name() const { return name_; }
    SClass_ID SuperClassID() override { return sclass_; }
    int NumRefs() override { return static_cast<int>(slots_.size()); }
    RefTargetHandle GetReference(int i) override { return slots_[static_cast<std::size_t>(i)]; }
    RefTargetHandle Clone(RemapDir& remap) override {
        auto* copy = new Node(name_ + "'", NumRefs(), sclass_);
        for (int i = 0; i < NumRefs(); ++i)
            copy->ReplaceReference(i, remap.CloneRef(GetReference(i)));
        BaseClone(this, copy, remap);
        return copy;
    }

    // Runs inside NotifyRefChanged, after the event is logged.
    std::function<RefResult(Node& self, RefMessage message)> onNotify;

  protected:
    void SetReference(int i, RefTargetHandle target) override {
        slots_[static_cast<std::size_t>(i)] = target;
    }
    RefResult NotifyRefChanged(const Interval&, RefTargetHandle hTarget, PartID&,
                               RefMessage message, BOOL) override {
        // A target being deleted is no longer a Node: do not look inside it.
        const bool gone = message == REFMSG_TARGET_DELETED;
        events.push_back({name_, message, gone ? "gone" : static_cast<Node*>(hTarget)->name_});
        return onNotify ? onNotify(*this, message) : REF_SUCCEED;
    }

  private:
    std::string name_;
    std::vector<RefTargetHandle> slots_;
    SClass_ID sclass_;
};

class References : public ::testing::Test {
  protected:
    void SetUp() override {
        Node::events.clear();
        Node::deleted.clear();
    }
    void TearDown() override {
        for (Node* n : owned) n->DeleteThis();
    }
    // A node the test deletes at the end (a root: nothing references it).
    Node* Root(const std::string& name) { return owned.emplace_back(new Node(name)); }
    static void Change(Node* n) { n->NotifyDependents(FOREVER, PART_ALL, REFMSG_CHANGE); }
    static std::vector<std::string> Receivers() {
        std::vector<std::string> names;
        for (const Event& e : Node::events) names.push_back(e.receiver + "<" + e.sender);
        return names;
    }
    std::vector<Node*> owned;
};

using Names = std::vector<std::string>;

TEST_F(References, ReplaceReferenceDeletesTheOldTargetOnlyWhenAskedAndUnreferenced) {
    struct Case {
        const char* what;
        BOOL delOld;
        bool heldElsewhere;
        bool deleted;
    } cases[] = {
        {"delOld, last reference", TRUE, false, true},
        {"delOld, still held elsewhere", TRUE, true, false},
        {"keep old", FALSE, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Node::deleted.clear();
        Node* maker = Root("maker");
        Node* other = Root("other");
        auto* old = new Node("old");
        ASSERT_EQ(maker->ReplaceReference(0, old), REF_SUCCEED);
        if (c.heldElsewhere) other->ReplaceReference(0, old);
        auto* fresh = new Node("fresh");
        EXPECT_EQ(maker->ReplaceReference(0, fresh, c.delOld), REF_SUCCEED);
        EXPECT_EQ(maker->GetReference(0), fresh);
        EXPECT_EQ(Node::deleted == Names{"old"}, c.deleted);
        if (!c.deleted && !c.heldElsewhere) old->DeleteThis();
    }
}

TEST_F(References, ReplaceReferenceRefusesBadSlotsAndLoops) {
    Node* a = Root("a");
    auto* b = new Node("b");
    auto* c = new Node("c");
    a->ReplaceReference(0, b);
    b->ReplaceReference(0, c);
    struct Case {
        const char* what;
        Node* maker;
        int slot;
        Node* target;
    } cases[] = {
        {"negative slot", a, -1, c},
        {"slot past NumRefs", a, 3, c},
        {"itself", b, 1, b},
        {"a loop through another", c, 0, b},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        RefTargetHandle before =
            k.slot >= 0 && k.slot < 3 ? k.maker->GetReference(k.slot) : nullptr;
        EXPECT_EQ(k.maker->ReplaceReference(k.slot, k.target), REF_FAIL);
        if (k.slot >= 0 && k.slot < 3) {
            EXPECT_EQ(k.maker->GetReference(k.slot), before);
        }
    }
    EXPECT_TRUE(Node::deleted.empty());
}

TEST_F(References, NotificationsReachEveryDependentAndPropagateUnlessStopped) {
    // top <- mid <- {left, right}; left also references top directly.
    struct Case {
        const char* what;
        RefResult midAnswer;
        SClass_ID filter;
        SClass_ID leftClass;
        Names expected;
    } cases[] = {
        {"propagates",
         REF_SUCCEED,
         NOTIFY_ALL,
         0x1001,
         {"mid<top", "left<mid", "right<mid", "left<top"}},
        {"stopped at mid", REF_STOP, NOTIFY_ALL, 0x1001, {"mid<top", "left<top"}},
        {"halted at mid", REF_HALT, NOTIFY_ALL, 0x1001, {"mid<top", "left<top"}},
        {"only super class 0x2002", REF_SUCCEED, 0x2002, 0x2002, {"left<top"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Node* left = owned.emplace_back(new Node("left", 3, c.leftClass));
        Node* right = Root("right");
        auto* mid = new Node("mid");
        auto* top = new Node("top");
        left->ReplaceReference(0, mid);
        right->ReplaceReference(0, mid);
        mid->ReplaceReference(0, top);
        left->ReplaceReference(1, top);
        mid->onNotify = [&](Node&, RefMessage) { return c.midAnswer; };
        Node::events.clear();
        top->NotifyDependents(FOREVER, PART_ALL, REFMSG_CHANGE, c.filter);
        EXPECT_EQ(Receivers(), c.expected);
    }
}

TEST_F(References, HandlersMayNotifyAgainAndChangeTheDependentsMidway) {
    Node* first = Root("first");
    Node* second = Root("second");
    Node* third = Root("third");
    auto* target = new Node("target");
    for (Node* n : {first, second, third}) n->ReplaceReference(0, target);

    // first: raises a nested notification of another kind on the same target.
    first->onNotify = [&](Node&, RefMessage m) {
        if (m == REFMSG_CHANGE) target->NotifyDependents(FOREVER, PART_ALL, REFMSG_END_EDIT);
        return REF_SUCCEED;
    };
    // second: drops its reference and hands a new dependent the target.
    Node* late = Root("late");
    second->onNotify = [&](Node& self, RefMessage m) {
        if (m == REFMSG_CHANGE) {
            self.ReplaceReference(0, nullptr);
            late->ReplaceReference(0, target);
        }
        return REF_SUCCEED;
    };
    Change(target);
    // The nested message reaches all three; `late` joins after the outer message began.
    EXPECT_EQ(Receivers(), (Names{"first<target", "first<target", "second<target", "third<target",
                                  "second<target", "third<target"}));
    EXPECT_EQ(second->GetReference(0), nullptr);
    EXPECT_EQ(late->GetReference(0), target);
}

TEST_F(References, AHandlerMayDeleteTheTargetThatIsNotifying) {
    Node* first = Root("first");
    Node* second = Root("second");
    auto* target = new Node("target");
    first->ReplaceReference(0, target);
    second->ReplaceReference(0, target);
    first->onNotify = [&](Node&, RefMessage m) {
        if (m == REFMSG_CHANGE) target->DeleteThis();
        return REF_SUCCEED;
    };
    Change(target);
    EXPECT_EQ(Receivers(), (Names{"first<target", "first<gone", "second<gone"}));
    EXPECT_EQ(first->GetReference(0), nullptr);
    EXPECT_EQ(second->GetReference(0), nullptr);
}

TEST_F(References, ADeletedTargetClearsEveryReferenceToIt) {
    Node* maker = Root("maker");
    auto* target = new Node("target");
    maker->ReplaceReference(0, target);
    maker->ReplaceReference(2, target);
    target->DeleteThis();
    EXPECT_EQ(Receivers(), Names{"maker<gone"});  // once, though held twice
    EXPECT_EQ(maker->GetReference(0), nullptr);
    EXPECT_EQ(maker->GetReference(2), nullptr);
    // The host's record is cleared too: the slots take new targets without touching the old.
    EXPECT_EQ(maker->ReplaceReference(0, new Node("next")), REF_SUCCEED);
}

TEST_F(References, ADependentMayDeleteItselfWhenItsTargetGoes) {
    auto* target = Root("target");
    auto* dependent = new Node("dependent");
    dependent->ReplaceReference(0, target);
    dependent->onNotify = [](Node& self, RefMessage m) {
        if (m == REFMSG_TARGET_DELETED) self.DeleteThis();
        return REF_SUCCEED;
    };
    owned.clear();
    target->DeleteThis();
    EXPECT_EQ(Node::deleted, (Names{"target", "dependent"}));
}

TEST_F(References, AnObjectBeingDeletedHearsNothingMore) {
    // dependent -> dying -> leaf. When `dying` goes, its dependent makes `leaf` announce a
    // change; `dying` still references `leaf` but has lost its code, so it must not hear it.
    Node* dependent = Root("dependent");
    auto* dying = new Node("dying");
    auto* leaf = new Node("leaf");
    dependent->ReplaceReference(0, dying);
    dying->ReplaceReference(0, leaf);
    dependent->onNotify = [&](Node&, RefMessage m) {
        if (m == REFMSG_TARGET_DELETED) Change(leaf);
        return REF_SUCCEED;
    };
    dying->DeleteThis();
    EXPECT_EQ(Receivers(), Names{"dependent<gone"});
    EXPECT_EQ(Node::deleted, (Names{"dying", "leaf"}));
}

TEST_F(References, ADeletedMakerReleasesItsTargetsWithoutCallingItsOwnCode) {
    // maker -> {solo, shared, shared}; keeper -> shared. solo -> leaf.
    Node* keeper = Root("keeper");
    auto* maker = new Node("maker");
    auto* solo = new Node("solo");
    auto* shared = new Node("shared");
    maker->ReplaceReference(0, solo);
    maker->ReplaceReference(1, shared);
    maker->ReplaceReference(2, shared);
    keeper->ReplaceReference(0, shared);
    solo->ReplaceReference(0, new Node("leaf"));
    maker->DeleteThis();
    EXPECT_EQ(Node::deleted, (Names{"maker", "solo", "leaf"}));
    EXPECT_EQ(keeper->GetReference(0), shared);
    EXPECT_TRUE(Node::events.empty());  // releasing references is no change to report
}

TEST_F(References, MaybeAutoDeleteFreesATargetOnlyWhenNothingReferencesIt) {
    // maker -> target -> child; the child goes with its only holder.
    struct Case {
        const char* what;
        bool referenced;
        bool releasedWithoutDeleting;
        Names deleted;
    } cases[] = {
        {"never referenced", false, false, {"child", "target"}},
        {"referenced by a maker", true, false, {}},
        {"released with delOld FALSE", true, true, {"child", "target"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Node::deleted.clear();
        Node* maker = Root("maker");
        auto* target = new Node("target");
        target->ReplaceReference(0, new Node("child"));
        if (c.referenced) maker->ReplaceReference(0, target);
        if (c.releasedWithoutDeleting) maker->ReplaceReference(0, nullptr, FALSE);
        target->MaybeAutoDelete();
        EXPECT_EQ(Node::deleted, c.deleted);
        if (c.referenced && !c.releasedWithoutDeleting) {
            EXPECT_EQ(maker->GetReference(0), target);
        }
    }
    EXPECT_TRUE(Node::events.empty());
}

TEST_F(References, DeleteMeTellsDependentsWhileWholeThenClearsItsReferencesAndGoes) {
    // {first, second} -> target -> {solo, shared}; keeper -> shared; solo -> leaf.
    Node* first = Root("first");
    Node* second = Root("second");
    Node* keeper = Root("keeper");
    auto* target = new Node("target");
    auto* solo = new Node("solo");
    auto* shared = new Node("shared");
    first->ReplaceReference(0, target);
    second->ReplaceReference(1, target);
    target->ReplaceReference(0, solo);
    target->ReplaceReference(1, shared);
    keeper->ReplaceReference(0, shared);
    solo->ReplaceReference(0, new Node("leaf"));

    bool wholeWhenTold = false;
    RefResult again = REF_SUCCEED;
    first->onNotify = [&](Node&, RefMessage m) {
        if (m == REFMSG_TARGET_DELETED) wholeWhenTold = target->GetReference(0) == solo;
        return REF_SUCCEED;
    };
    second->onNotify = [&](Node&, RefMessage m) {
        if (m == REFMSG_TARGET_DELETED) again = target->DeleteMe();
        return REF_SUCCEED;
    };

    EXPECT_EQ(target->DeleteMe(), REF_SUCCEED);
    EXPECT_EQ(Receivers(), (Names{"first<gone", "second<gone"}));
    EXPECT_TRUE(wholeWhenTold);
    EXPECT_EQ(again, REF_FAIL) << "a second DeleteMe while the first runs";
    EXPECT_EQ(first->GetReference(0), nullptr);
    EXPECT_EQ(second->GetReference(1), nullptr);
    EXPECT_EQ(Node::deleted, (Names{"solo", "leaf", "target"}));
    EXPECT_EQ(keeper->GetReference(0), shared);
}

TEST_F(References, DeleteMeFreesAPlainMakerWithWhatOnlyItHeld) {
    auto* roots = new standin::SceneRoots;  // a reference maker that is no target
    roots->Add(new Node("target"));
    EXPECT_EQ(roots->DeleteMe(), REF_SUCCEED);
    EXPECT_EQ(Node::deleted, Names{"target"});
}

TEST_F(References, CloneRefCopiesEachTargetOnceSoSharingSurvives) {
    // root -> {a, b}; a -> shared; b -> shared.
    Node* root = Root("root");
    auto* a = new Node("a");
    auto* b = new Node("b");
    auto* shared = new Node("shared");
    root->ReplaceReference(0, a);
    root->ReplaceReference(1, b);
    a->ReplaceReference(0, shared);
    b->ReplaceReference(0, shared);

    // As the host clones: a directory from NewRemapDir, freed with its DeleteThis.
    RemapDir* remap = NewRemapDir();
    auto* copy = static_cast<Node*>(remap->CloneRef(root));
    owned.push_back(copy);
    EXPECT_EQ(remap->CloneRef(root), copy);
    auto* copyA = static_cast<Node*>(copy->GetReference(0));
    auto* copyB = static_cast<Node*>(copy->GetReference(1));
    EXPECT_EQ(copyA->Name(), "a'");
    EXPECT_EQ(copyB->Name(), "b'");
    EXPECT_EQ(copyA->GetReference(0), copyB->GetReference(0));
    EXPECT_NE(copyA->GetReference(0), shared);
    EXPECT_EQ(remap->FindMapping(a), copyA);
    EXPECT_EQ(remap->FindMapping(shared), copyA->GetReference(0));
    EXPECT_FALSE(remap->BackpatchPending());
    remap->DeleteThis();

    // CloneRefHierarchy does the same with a directory of its own.
    auto* again = static_cast<Node*>(CloneRefHierarchy(root));
    owned.push_back(again);
    ASSERT_NE(again, copy);
    EXPECT_EQ(again->Name(), "root'");
    EXPECT_EQ(static_cast<Node*>(again->GetReference(0))->GetReference(0),
              static_cast<Node*>(again->GetReference(1))->GetReference(0));
}

}  // namespace
