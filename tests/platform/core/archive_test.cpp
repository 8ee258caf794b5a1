#include <gtest/gtest.h>

#include <list>
#include <string>
#include <vector>

#include "platform/core/CArchive.h"
#include "platform/core/Clock.h"
#include "platform/core/TextFormat.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

class CPoint : public CObject {
    DECLARE_SERIAL(CPoint)
public:
    CPoint() = default;
    CPoint(std::int32_t x, std::string label) : m_x(x), m_label(std::move(label)) {}
    void Serialize(CArchive& ar) override {
        if (ar.IsStoring()) {
            ar << m_x << m_label;
        } else {
            ar >> m_x >> m_label;
        }
    }
    std::int32_t m_x = 0;
    std::string m_label;
};
IMPLEMENT_SERIAL(CPoint, CObject, 3)

class CNotStored : public CObject {
    DECLARE_DYNAMIC(CNotStored)
};
IMPLEMENT_DYNAMIC(CNotStored, CObject)

Bytes StoreString(const std::string& s) {
    CArchive ar;
    ar << s;
    return ar.Bytes();
}

} // namespace

TEST(ArchiveTest, StringLengthPrefixesFollowTheFrameworkForms) {
    EXPECT_EQ(StoreString("ab"), (Bytes{2, 'a', 'b'}));
    EXPECT_EQ(StoreString(std::string(254, 'x')).front(), 254);

    const Bytes b255 = StoreString(std::string(255, 'x'));
    ASSERT_EQ(b255.size(), 3u + 255u);
    EXPECT_EQ(Bytes(b255.begin(), b255.begin() + 3), (Bytes{0xFF, 0xFF, 0x00}));

    const Bytes big = StoreString(std::string(0x10000, 'x'));
    ASSERT_EQ(big.size(), 7u + 0x10000u);
    EXPECT_EQ(Bytes(big.begin(), big.begin() + 7),
              (Bytes{0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x01, 0x00}));

    for (std::size_t n : {0u, 254u, 255u, 0xFFFEu, 0xFFFFu, 0x10000u}) {
        const std::string text(n, 'q');
        const Bytes bytes = StoreString(text);
        CArchive in(bytes);
        std::string back;
        in >> back;
        EXPECT_EQ(back, text) << n;
        EXPECT_TRUE(in.AtEnd());
    }
}

TEST(ArchiveTest, IntegersAreLittleEndian) {
    CArchive ar;
    ar << std::uint16_t{0x1234} << std::uint32_t{0xA1B2C3D4} << std::int32_t{-2};
    EXPECT_EQ(ar.Bytes(), (Bytes{0x34, 0x12, 0xD4, 0xC3, 0xB2, 0xA1, 0xFE, 0xFF, 0xFF, 0xFF}));
}

TEST(ArchiveTest, ObjectListStoresClassRecordOnceThenClassIndex) {
    CPoint a(1, "a"), b(2, "b");
    std::list<CPoint*> items{&a, &b};
    CArchive ar;
    ar.SerializeList(items);
    const Bytes expected{0x02, 0x00,                         // count
                         0xFF, 0xFF, 0x03, 0x00, 0x06, 0x00, // new class, schema 3, name length 6
                         'C',  'P',  'o',  'i',  'n',  't',  // class name
                         0x01, 0x00, 0x00, 0x00, 0x01, 'a',  // first object's fields
                         0x01, 0x80,                         // class index 1 (object took index 2)
                         0x02, 0x00, 0x00, 0x00, 0x01, 'b'};
    EXPECT_EQ(ar.Bytes(), expected);

    std::list<CPoint*> loaded;
    CArchive in(ar.Bytes());
    in.SerializeList(loaded);
    ASSERT_EQ(loaded.size(), 2u);
    EXPECT_EQ(loaded.front()->m_x, 1);
    EXPECT_EQ(loaded.back()->m_label, "b");
    EXPECT_STREQ(loaded.back()->GetRuntimeClass()->m_lpszClassName, "CPoint");
    for (CPoint* p : loaded) {
        delete p;
    }
}

TEST(ArchiveTest, LoadingRejectsDamagedArchivesWithoutLeaking) {
    CPoint a(7, "seven");
    std::list<CPoint*> items{&a};
    CArchive ar;
    ar.SerializeList(items);
    const Bytes good = ar.Bytes();

    // Every truncation ends in an exception, never in a read past the data.
    for (std::size_t n = 0; n < good.size(); ++n) {
        const Bytes cut(good.begin(), good.begin() + static_cast<long>(n));
        std::list<CPoint*> loaded;
        CArchive in(cut);
        EXPECT_THROW(in.SerializeList(loaded), CArchiveException) << n;
        EXPECT_TRUE(loaded.empty());
    }

    Bytes wrongSchema = good;
    wrongSchema[4] = 9;
    std::list<CPoint*> loaded;
    CArchive in1(wrongSchema);
    EXPECT_THROW(in1.SerializeList(loaded), CArchiveException);

    Bytes unknownName = good;
    unknownName[8] = 'X';
    CArchive in2(unknownName);
    EXPECT_THROW(in2.SerializeList(loaded), CArchiveException);

    const Bytes dangling{0x01, 0x00, 0x05, 0x80};
    CArchive in3(dangling);
    EXPECT_THROW(in3.SerializeList(loaded), CArchiveException);
}

TEST(ArchiveTest, ClassesAreCreatedByNameOnlyWhenCreatable) {
    CObject* p = CRuntimeClass::CreateObject("CPoint");
    ASSERT_NE(p, nullptr);
    EXPECT_TRUE(p->IsKindOf(RUNTIME_CLASS(CPoint)));
    EXPECT_TRUE(p->IsKindOf(RUNTIME_CLASS(CObject)));
    delete p;
    EXPECT_EQ(CRuntimeClass::CreateObject("CNotStored"), nullptr);
    EXPECT_EQ(CRuntimeClass::CreateObject("NoSuchClass"), nullptr);

    CNotStored n;
    CArchive ar;
    EXPECT_THROW(ar.WriteObject(&n), CArchiveException);
}

TEST(ClockTest, ManualClockReplacesAndRestoresTheSource) {
    {
        Clock::Manual clock(5000);
        EXPECT_EQ(Clock::now(), 5000);
        clock.advance(3);
        EXPECT_EQ(Clock::now(), 5003);
    }
    EXPECT_GT(Clock::now(), 1600000000);
}

TEST(TextFormatTest, FormatsLikePrintf) {
    EXPECT_EQ(FormatText("Port %d", 5), "Port 5");
    EXPECT_EQ(FormatText("Socket error, error code= 0x%04x", 0x2741),
              "Socket error, error code= 0x2741");
    EXPECT_EQ(FormatText("%s", ""), "");
    EXPECT_EQ(FormatText("%s", std::string(1000, 'z').c_str()).size(), 1000u);
}
