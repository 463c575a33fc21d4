// Tests of the base objects: reference counting, owned strings, buffers, the pointer list and locks.
#include <gtest/gtest.h>

#include "runtime/RefCount.h"
#include "runtime/TBuffer.h"
#include "runtime/TCollection.h"
#include "runtime/TCriticalSection.h"
#include "runtime/TObject.h"

namespace {

class TCounted : public TObject {
public:
    explicit TCounted(int* deaths) : TObject(L"counted"), m_deaths(deaths) {}
    ~TCounted() override { ++*m_deaths; }

private:
    int* m_deaths;
};

class TSelfDeleting : public CRefCount {
public:
    explicit TSelfDeleting(int* deaths) : m_deaths(deaths) {}
    ~TSelfDeleting() override { ++*m_deaths; }

private:
    int* m_deaths;
};

TEST(TObjectTest, ReleaseReportsZeroAndLeavesDeletionToCaller)
{
    int deaths = 0;
    TCounted* object = new TCounted(&deaths);
    EXPECT_TRUE(object->AddRef());
    EXPECT_TRUE(object->AddRef());
    EXPECT_FALSE(object->Release());
    EXPECT_TRUE(object->Release());
    EXPECT_EQ(deaths, 0);
    delete object;
    EXPECT_EQ(deaths, 1);
}

TEST(TObjectTest, NameIsCopiedAndStatusStartsOk)
{
    wchar_t name[] = L"abc";
    TObject object(name);
    name[0] = L'x';
    EXPECT_STREQ(object.GetName(), L"abc");
    EXPECT_TRUE(object.IsOk());
    EXPECT_EQ(object.GetError(), 0u);
    EXPECT_EQ(TObject().GetName(), nullptr);
}

TEST(TObjectTest, AdoptStatusTakesTheMembersFailure)
{
    class TOwner : public TObject {
    public:
        using TObject::TObject;
        void Break(TErrorCode code) { MarkFailed(code); }
    };
    TOwner owner;
    TOwner good;
    TOwner bad;
    bad.Break(errc::kAccessDenied);
    EXPECT_TRUE(owner.AdoptStatus(&good));
    EXPECT_TRUE(owner.IsOk());
    EXPECT_FALSE(owner.AdoptStatus(&bad));
    EXPECT_FALSE(owner.IsOk());
    EXPECT_EQ(owner.GetError(), errc::kAccessDenied);
    TOwner other;
    EXPECT_FALSE(other.AdoptStatus(nullptr));
    EXPECT_EQ(other.GetError(), errc::kOutOfMemory);
}

TEST(TRefTest, LastHolderDeletes)
{
    int deaths = 0;
    TRef<TCounted> first(new TCounted(&deaths));
    {
        TRef<TCounted> second = first;
        EXPECT_EQ(first->RefCount(), 2);
    }
    EXPECT_EQ(deaths, 0);
    TRef<TCounted> moved = std::move(first);
    EXPECT_FALSE(first);
    moved.Reset();
    EXPECT_EQ(deaths, 1);
}

TEST(CRefCountTest, DeletesItselfWhenCountReachesZero)
{
    int deaths = 0;
    TSelfDeleting* object = new TSelfDeleting(&deaths);
    EXPECT_EQ(object->RefCount(), 0);
    EXPECT_EQ(object->AddRef(), 1);
    {
        CRefPtr<TSelfDeleting> held(object);
        EXPECT_EQ(object->RefCount(), 2);
    }
    EXPECT_EQ(deaths, 0);
    EXPECT_EQ(object->Release(), 0);
    EXPECT_EQ(deaths, 1);
}

TEST(TOwnedWStringTest, AssignAndAppend)
{
    TOwnedWString s;
    EXPECT_TRUE(s.IsNull());
    EXPECT_TRUE(s.Append(L"COM"));
    EXPECT_TRUE(s.Append(L"3"));
    EXPECT_STREQ(s.Get(), L"COM3");
    EXPECT_EQ(s.Length(), 4u);
    EXPECT_TRUE(s.Assign(nullptr));
    EXPECT_TRUE(s.IsNull());
}

TEST(TOwnedWStringTest, AssigningAPartOfItselfKeepsTheText)
{
    TOwnedWString s;
    ASSERT_TRUE(s.Assign(L"SOFTWARE\\KIVRA"));
    EXPECT_TRUE(s.Assign(s.Get() + 9));
    EXPECT_STREQ(s.Get(), L"KIVRA");
    EXPECT_TRUE(s.Assign(s.Get()));
    EXPECT_STREQ(s.Get(), L"KIVRA");
}

TEST(TBufferTest, ResizeKeepsContentsUpToTheSmallerSize)
{
    TBuffer empty(0);
    EXPECT_TRUE(empty.IsOk());
    EXPECT_EQ(empty.Data(), nullptr);

    TBuffer b(4);
    ASSERT_TRUE(b.IsOk());
    for (int i = 0; i < 4; ++i)
        b.Data()[i] = static_cast<unsigned char>(i + 1);
    EXPECT_TRUE(b.Resize(4));
    EXPECT_TRUE(b.Resize(4096));
    EXPECT_EQ(b.Size(), 4096u);
    EXPECT_EQ(b.Data()[3], 4);
    EXPECT_TRUE(b.Resize(2));
    EXPECT_EQ(b.Data()[1], 2);
    EXPECT_TRUE(b.Resize(0));
    EXPECT_EQ(b.Size(), 0u);
    EXPECT_EQ(b.Data(), nullptr);
}

void* Entry(std::intptr_t v) { return reinterpret_cast<void*>(v); }

TEST(TCollectionTest, InsertClampsRemoveTakesMinusOneAsLast)
{
    TCollection list;
    EXPECT_EQ(list.Capacity(), 32);
    EXPECT_EQ(list.Append(Entry(1)), 0);
    EXPECT_EQ(list.Append(Entry(2)), 1);
    EXPECT_EQ(list.Append(Entry(3)), 2);
    EXPECT_EQ(list.InsertAt(Entry(4), 100), 3);
    EXPECT_EQ(list.InsertAt(Entry(0), 0), 0);
    EXPECT_EQ(list.At(4), Entry(4));
    EXPECT_EQ(list.RemoveAt(-1), 4);
    EXPECT_EQ(list.Count(), 4);
    EXPECT_EQ(list.At(3), Entry(3));
    EXPECT_EQ(list.RemoveAt(0), 0);
    EXPECT_EQ(list.At(0), Entry(1));
}

TEST(TCollectionTest, FailuresCarryTheirCodes)
{
    struct Case {
        const char* what;
        int (*run)(TCollection&);
        TErrorCode code;
    };
    const Case cases[] = {
        {"remove from empty", [](TCollection& l) { return l.RemoveAt(0); }, errc::kNotFound},
        {"negative insert", [](TCollection& l) { return l.InsertAt(nullptr, -1); }, errc::kInvalidParameter},
        {"remove past end", [](TCollection& l) { l.Append(nullptr); return l.RemoveAt(1); }, errc::kInvalidParameter},
        {"remove below -1", [](TCollection& l) { l.Append(nullptr); return l.RemoveAt(-2); }, errc::kInvalidParameter},
        {"search misses", [](TCollection& l) { l.Append(Entry(7)); return l.IndexOf(Entry(8)); }, errc::kNotFound},
    };
    for (const Case& c : cases) {
        TCollection list;
        EXPECT_EQ(c.run(list), -1) << c.what;
        EXPECT_EQ(list.GetError(), c.code) << c.what;
    }
}

TEST(TCollectionTest, IndexOfClearsTheErrorWhenFound)
{
    TCollection list;
    list.Append(Entry(5));
    EXPECT_EQ(list.IndexOf(Entry(6)), -1);
    EXPECT_EQ(list.IndexOf(Entry(5)), 0);
    EXPECT_EQ(list.GetError(), 0u);
}

TEST(TCollectionTest, GrowsAndShrinksInSteps)
{
    TCollection list(2, 2);
    for (int i = 0; i < 7; ++i)
        list.Append(Entry(i + 1));
    EXPECT_EQ(list.Capacity(), 8);
    EXPECT_EQ(list.At(6), Entry(7));
    // 8 - 2 * 2 = 4: removing down to 3 entries gives up one step.
    for (int i = 0; i < 4; ++i)
        list.RemoveAt(-1);
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list.Capacity(), 6);
    EXPECT_EQ(list.At(2), Entry(3));
}

class TRefusingLock : public TLockObject {
public:
    bool Lock() override { ++locks; return false; }
    void Unlock() override { ++unlocks; }
    int locks = 0;
    int unlocks = 0;
};

TEST(TScopedLockTest, UnlocksOnlyWhatItLocked)
{
    TCriticalSection section;
    {
        TScopedLock outer(&section);
        TScopedLock inner(&section);  // critical sections are recursive
    }
    EXPECT_TRUE(section.Lock());
    section.Unlock();

    TRefusingLock refusing;
    {
        TScopedLock hold(&refusing);
    }
    EXPECT_EQ(refusing.locks, 1);
    EXPECT_EQ(refusing.unlocks, 0);
    TScopedLock none(nullptr);
}

}  // namespace
