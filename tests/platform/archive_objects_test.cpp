#include <gtest/gtest.h>

#include <QSet>
#include <memory>

#include "platform/archive.h"
#include "platform/archive_exception.h"
#include "platform/object.h"

namespace {

// Small classes whose live instances are counted, so that a failed read can be seen to
// free everything it made.
class CTestLeaf : public CObject {
    QARN_DECLARE_SERIAL(CTestLeaf)

public:
    explicit CTestLeaf(std::uint32_t v = 0) : value(v) { ++live; }
    ~CTestLeaf() override { --live; }
    void Serialize(CArchive& ar) override {
        if (ar.IsStoring()) {
            ar << value;
        } else {
            ar >> value;
        }
    }
    std::uint32_t value;
    static int live;
};
QARN_IMPLEMENT_SERIAL(CTestLeaf, CObject, 0)
int CTestLeaf::live = 0;

class CTestOther : public CObject {
    QARN_DECLARE_SERIAL(CTestOther)

public:
    void Serialize(CArchive& ar) override {
        if (ar.IsStoring()) {
            ar << tag;
        } else {
            ar >> tag;
        }
    }
    std::uint8_t tag = 0;
};
QARN_IMPLEMENT_SERIAL(CTestOther, CObject, 0)

// A node owns an optional child node and a list of leaves.
class CTestNode : public CObject {
    QARN_DECLARE_SERIAL(CTestNode)

public:
    CTestNode() { ++live; }
    ~CTestNode() override {
        qDeleteAll(leaves);
        --live;
    }
    void Serialize(CArchive& ar) override {
        if (ar.IsStoring()) {
            ar << value;
            ar.WriteObject(child.get());
            ar.WriteObjectList(leaves);
        } else {
            ar >> value;
            child.reset(ar.ReadObjectOf<CTestNode>());
            ar.ReadObjectList(leaves);
        }
    }
    std::uint8_t value = 0;
    std::unique_ptr<CTestNode> child;
    QList<CTestLeaf*> leaves;
    static int live;
};
QARN_IMPLEMENT_SERIAL(CTestNode, CObject, 0)
int CTestNode::live = 0;

class CTestUnstorable : public CObject {
    QARN_DECLARE_DYNAMIC(CTestUnstorable)
};
QARN_IMPLEMENT_DYNAMIC(CTestUnstorable, CObject)

QByteArray Hex(const char* hex) {
    return QByteArray::fromHex(hex);
}

QByteArray Name(const char* name) {
    return QByteArray(name);
}

// Runs the read and gives the error it ended with.
template <class F>
CArchiveException FailureOf(F&& read) {
    try {
        read();
    } catch (const CArchiveException& e) {
        return e;
    }
    ADD_FAILURE() << "the read was expected to fail";
    return CArchiveException(QString(), -1);
}

class ArchiveObjectsTest : public ::testing::Test {
protected:
    void TearDown() override {
        EXPECT_EQ(CTestLeaf::live, 0) << "leaves leaked or were freed twice";
        EXPECT_EQ(CTestNode::live, 0) << "nodes leaked or were freed twice";
    }
};

}  // namespace

TEST_F(ArchiveObjectsTest, TheFirstObjectOfAClassCarriesItsNameAndLaterOnesTheClassIndex) {
    CTestLeaf a(7);
    CTestLeaf b(9);
    CTestOther other;
    QByteArray bytes;
    {
        CArchive out(CArchive::store, &bytes);
        out.WriteObject(&a);      // class 1, object 2
        out.WriteObject(&b);      // object 3
        out.WriteObject(&other);  // class 4, object 5
        out.WriteObject(nullptr);
    }
    QByteArray expected = Hex("ffff00000900") + Name("CTestLeaf") + Hex("07000000") + Hex("0180") +
                          Hex("09000000") + Hex("ffff00000a00") + Name("CTestOther") + Hex("00") +
                          Hex("0000");
    EXPECT_EQ(bytes.toHex(), expected.toHex());

    CArchive in(CArchive::load, &bytes);
    std::unique_ptr<CTestLeaf> first(in.ReadObjectOf<CTestLeaf>());
    std::unique_ptr<CTestLeaf> second(in.ReadObjectOf<CTestLeaf>());
    std::unique_ptr<CObject> third(in.ReadObject(nullptr));
    EXPECT_EQ(in.ReadObject(nullptr), nullptr);
    EXPECT_TRUE(in.AtEnd());
    EXPECT_EQ(first->value, 7u);
    EXPECT_EQ(second->value, 9u);
    EXPECT_NE(first, second);
    EXPECT_TRUE(third->IsKindOf(RUNTIME_CLASS(CTestOther)));
}

TEST_F(ArchiveObjectsTest, AnObjectWrittenTwiceIsReadBackAsTheSameObjectBySharedHolders) {
    CTestLeaf leaf(5);
    QByteArray bytes;
    {
        CArchive out(CArchive::store, &bytes);
        out.WriteObject(&leaf);
        out.WriteObject(&leaf);
    }
    EXPECT_EQ(bytes.right(2), Hex("0200"));  // the object's index, after its class's
    EXPECT_EQ(bytes.size(), 6 + 9 + 4 + 2);

    CArchive shared(CArchive::load, &bytes);
    std::unique_ptr<CObject> once(
        shared.ReadObject(RUNTIME_CLASS(CTestLeaf), CArchive::Sharing::Shared));
    CObject* again = shared.ReadObject(RUNTIME_CLASS(CTestLeaf), CArchive::Sharing::Shared);
    EXPECT_EQ(again, once.get());

    // An owner that holds its objects alone cannot be handed one that another owner has.
    CArchive exclusive(CArchive::load, &bytes);
    std::unique_ptr<CObject> owned(exclusive.ReadObject(RUNTIME_CLASS(CTestLeaf)));
    CArchiveException e = FailureOf([&] { exclusive.ReadObject(RUNTIME_CLASS(CTestLeaf)); });
    EXPECT_EQ(e.Offset(), 19);
    EXPECT_TRUE(e.Cause().contains(QStringLiteral("one owner"))) << e.Cause().toStdString();

    // Shared at the second place is not enough when the first holder owns it outright.
    CArchive mixed(CArchive::load, &bytes);
    std::unique_ptr<CObject> first(mixed.ReadObject(RUNTIME_CLASS(CTestLeaf)));
    EXPECT_THROW(mixed.ReadObject(RUNTIME_CLASS(CTestLeaf), CArchive::Sharing::Shared),
                 CArchiveException);
}

TEST_F(ArchiveObjectsTest, IndicesFromTheLargeRangeUseTheLargeIndexForm) {
    // Class 1 and objects 2 to 0x7FFF fill the short range; the next class gets 0x8000.
    QList<CTestLeaf*> leaves;
    for (int i = 0; i < 0x7FFE; ++i) {
        leaves.append(new CTestLeaf(std::uint32_t(i)));
    }
    CTestOther firstOther;
    CTestOther secondOther;
    QByteArray bytes;
    {
        CArchive out(CArchive::store, &bytes);
        for (const CTestLeaf* leaf : leaves) {
            out.WriteObject(leaf);
        }
        out.WriteObject(&firstOther);     // class 0x8000, object 0x8001
        out.WriteObject(&secondOther);    // known class with a large index
        out.WriteObject(leaves.last());   // object 0x7FFF
        out.WriteObject(leaves.first());  // object 2
    }
    const QByteArray tail = Hex("ff7f00800080") + Hex("00") + Hex("ff7fff7f0000") + Hex("0200");
    EXPECT_EQ(bytes.right(tail.size()).toHex(), tail.toHex());

    CArchive in(CArchive::load, &bytes);
    QList<CObject*> read;
    for (int i = 0; i < 0x7FFE + 4; ++i) {
        read.append(in.ReadObject(nullptr, CArchive::Sharing::Shared));
    }
    EXPECT_TRUE(in.AtEnd());
    EXPECT_EQ(read[0x7FFE + 2], read[0x7FFE - 1]);
    EXPECT_EQ(read[0x7FFE + 3], read[0]);
    EXPECT_EQ(static_cast<CTestLeaf*>(read[0x7FFE - 1])->value, 0x7FFDu);
    EXPECT_TRUE(read[0x7FFE + 1]->IsKindOf(RUNTIME_CLASS(CTestOther)));
    EXPECT_NE(read[0x7FFE + 1], read[0x7FFE]);
    const QSet<CObject*> distinct(read.begin(), read.end());
    qDeleteAll(distinct);
    qDeleteAll(leaves);
}

TEST_F(ArchiveObjectsTest, AReferenceToAnObjectOfTheWrongClassIsRefused) {
    QByteArray bytes = Hex("ffff00000900") + Name("CTestLeaf") + Hex("01000000") + Hex("0200");
    CArchive in(CArchive::load, &bytes);
    std::unique_ptr<CObject> leaf(in.ReadObject(nullptr, CArchive::Sharing::Shared));
    CArchiveException e =
        FailureOf([&] { in.ReadObject(RUNTIME_CLASS(CTestOther), CArchive::Sharing::Shared); });
    EXPECT_EQ(e.Offset(), 19);
    EXPECT_TRUE(e.Cause().contains(QStringLiteral("CTestLeaf where CTestOther was expected")))
        << e.Cause().toStdString();

    // A new object of the wrong class is refused before it is made.
    QByteArray fresh = Hex("ffff00000900") + Name("CTestLeaf") + Hex("01000000");
    CArchive again(CArchive::load, &fresh);
    e = FailureOf([&] { again.ReadObject(RUNTIME_CLASS(CTestOther)); });
    EXPECT_EQ(e.Offset(), 0);
    EXPECT_EQ(CTestLeaf::live, 1);  // the one read above
}

TEST_F(ArchiveObjectsTest, UnknownClassesSchemasAndBadTagsFailWithTheirOffsets) {
    struct Case {
        QByteArray bytes;
        qint64 offset;
        const char* cause;
    };
    const Case cases[] = {
        {Hex("ffff00000500") + Name("CNope"), 4, "unknown class \"CNope\""},
        {Hex("ffff01000900") + Name("CTestLeaf") + Hex("00000000"), 2, "schema 1"},
        // Abstract classes are known but cannot be made.
        {Hex("ffff00000f00") + Name("CTestUnstorable"), 4, "unknown class"},
        {Hex("ffff00004100") + QByteArray(65, 'C'), 4, "class name of 65 bytes"},
        {Hex("ffff0000") + Hex("0000"), 4, "class name of 0 bytes"},
        {Hex("0180"), 0, "class index 1"},
        {Hex("0080"), 0, "class index 0"},
        {Hex("0300"), 0, "object 3"},
        {Hex("ff7f00000000"), 0, "object 0"},
        {Hex("ff7f05000080"), 0, "class index 5"},
        // A class index is not an object.
        {Hex("ffff00000900") + Name("CTestLeaf") + Hex("01000000") + Hex("0100"), 19, "object 1"},
    };
    for (const Case& c : cases) {
        QByteArray bytes = c.bytes;
        CArchive in(CArchive::load, &bytes);
        std::unique_ptr<CObject> keep;
        CArchiveException e = FailureOf([&] {
            keep.reset(in.ReadObject(nullptr, CArchive::Sharing::Shared));
            keep.reset(in.ReadObject(nullptr, CArchive::Sharing::Shared));
        });
        EXPECT_EQ(e.Offset(), c.offset) << c.cause;
        EXPECT_TRUE(e.Cause().contains(QLatin1String(c.cause))) << e.Cause().toStdString();
        EXPECT_TRUE(e.Message().endsWith(QStringLiteral("at byte %1").arg(c.offset)));
    }
}

TEST_F(ArchiveObjectsTest, ObjectsComeBackWithTheirNestedObjectsAndLists) {
    CTestNode root;
    root.value = 1;
    root.child = std::make_unique<CTestNode>();
    root.child->value = 2;
    root.child->leaves = {new CTestLeaf(10), new CTestLeaf(11)};
    root.leaves = {new CTestLeaf(12)};
    QByteArray bytes;
    {
        CArchive out(CArchive::store, &bytes);
        out.WriteObject(&root);
    }
    CArchive in(CArchive::load, &bytes);
    std::unique_ptr<CTestNode> back(in.ReadObjectOf<CTestNode>());
    EXPECT_TRUE(in.AtEnd());
    ASSERT_TRUE(back->child);
    EXPECT_EQ(back->value, 1);
    EXPECT_EQ(back->child->value, 2);
    ASSERT_EQ(back->child->leaves.size(), 2);
    EXPECT_EQ(back->child->leaves[1]->value, 11u);
    ASSERT_EQ(back->leaves.size(), 1);
    EXPECT_EQ(back->leaves[0]->value, 12u);
    EXPECT_EQ(back->child->child, nullptr);
}

TEST_F(ArchiveObjectsTest, ATruncatedStreamFailsAtEveryByteAndFreesWhatItMade) {
    CTestNode root;
    root.value = 3;
    root.child = std::make_unique<CTestNode>();
    root.child->leaves = {new CTestLeaf(1), new CTestLeaf(2)};
    root.leaves = {new CTestLeaf(3), new CTestLeaf(4)};
    CTestNode second;
    second.leaves = {new CTestLeaf(5)};
    QByteArray full;
    {
        CArchive out(CArchive::store, &full);
        out.WriteObjectList(QList<CTestNode*>{&root, &second});
    }
    const int liveBefore = CTestNode::live;
    const int leavesBefore = CTestLeaf::live;
    {
        CArchive in(CArchive::load, &full);
        QList<CTestNode*> nodes;
        in.ReadObjectList(nodes);
        EXPECT_EQ(nodes.size(), 2);
        EXPECT_EQ(CTestLeaf::live, 2 * leavesBefore);
        qDeleteAll(nodes);
    }
    for (qsizetype length = 0; length < full.size(); ++length) {
        QByteArray part = full.left(length);
        CArchive in(CArchive::load, &part);
        QList<CTestNode*> nodes;
        EXPECT_THROW(in.ReadObjectList(nodes), CArchiveException) << "length " << length;
        qDeleteAll(nodes);
        EXPECT_EQ(CTestNode::live, liveBefore) << "length " << length;
        EXPECT_EQ(CTestLeaf::live, leavesBefore) << "length " << length;
    }
}

TEST_F(ArchiveObjectsTest, ListsRefuseNullEntriesAndCountsBeyondTheData) {
    QByteArray withNull = Hex("01000000");
    CArchive in(CArchive::load, &withNull);
    QList<CTestLeaf*> leaves;
    CArchiveException e = FailureOf([&] { in.ReadObjectList(leaves); });
    EXPECT_EQ(e.Offset(), 2);
    EXPECT_TRUE(e.Cause().contains(QStringLiteral("null entry")));

    // 0x7FFFFFFF entries are announced with two bytes left: refused before reading any.
    QByteArray huge = Hex("ffffffffff7f") + Hex("0000");
    CArchive hugeIn(CArchive::load, &huge);
    e = FailureOf([&] { hugeIn.ReadObjectList(leaves); });
    EXPECT_EQ(e.Offset(), 0);
    EXPECT_TRUE(e.Cause().contains(QStringLiteral("2147483647 objects")));
    EXPECT_TRUE(leaves.isEmpty());
}

TEST_F(ArchiveObjectsTest, NestingIsBoundedAndARecordCannotReferToItself) {
    // A chain of nodes, each the child of the one before, ended by a null child.
    auto chain = [](int depth) {
        QByteArray bytes = Hex("ffff00000900") + Name("CTestNode") + Hex("00");
        for (int i = 1; i < depth; ++i) {
            bytes += Hex("0180") + Hex("00");
        }
        bytes += Hex("0000");
        for (int i = 0; i < depth; ++i) {
            bytes += Hex("0000");  // each node's empty leaf list
        }
        return bytes;
    };
    QByteArray deep = chain(CArchive::kMaxObjectDepth);
    CArchive ok(CArchive::load, &deep);
    std::unique_ptr<CTestNode> root(ok.ReadObjectOf<CTestNode>());
    EXPECT_TRUE(ok.AtEnd());
    root.reset();

    QByteArray tooDeep = chain(CArchive::kMaxObjectDepth + 1);
    CArchive refused(CArchive::load, &tooDeep);
    CArchiveException e = FailureOf([&] { refused.ReadObjectOf<CTestNode>(); });
    EXPECT_TRUE(e.Cause().contains(QStringLiteral("nested deeper")));
    EXPECT_EQ(CTestNode::live, 0);

    // The node (object 2) names itself as its child.
    QByteArray loop = Hex("ffff00000900") + Name("CTestNode") + Hex("00") + Hex("0200");
    CArchive looping(CArchive::load, &loop);
    e = FailureOf([&] { looping.ReadObjectOf<CTestNode>(); });
    EXPECT_EQ(e.Offset(), 16);
    EXPECT_TRUE(e.Cause().contains(QStringLiteral("inside its own record")));

    // Once a read has failed, the archive reads no more objects.
    e = FailureOf([&] { looping.ReadObject(nullptr); });
    EXPECT_TRUE(e.Cause().contains(QStringLiteral("earlier failure")));
}

TEST_F(ArchiveObjectsTest, ObjectsThatCannotBeCreatedByNameAreNotWritten) {
    CTestUnstorable unstorable;
    QByteArray bytes;
    CArchive out(CArchive::store, &bytes);
    CArchiveException e = FailureOf([&] { out.WriteObject(&unstorable); });
    EXPECT_TRUE(e.Cause().contains(QStringLiteral("CTestUnstorable cannot be stored")));
    EXPECT_TRUE(bytes.isEmpty());
    CArchive in(CArchive::load, &bytes);
    EXPECT_THROW(in.WriteObject(nullptr), CArchiveException);
}
