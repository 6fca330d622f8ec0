#include "StoreHarness.h"
#include "shell/core/CourseStore.h"

#include <gtest/gtest.h>

namespace {

QString joined(const QString& prefix, int count)
{
    QStringList names;
    for (int i = 1; i <= count; ++i)
        names << prefix + QString::number(i);
    return names.join(QLatin1Char(' '));
}

const QStringList Previous = {QStringLiteral("旧一"), QStringLiteral("旧二"),
                              QStringLiteral("旧三")};

struct ItemsCase {
    const char* name;
    QString iniValue; // as written after "key=" in the course file; null: no such key
    QString section;
    QString txtini;
    int itemCount;
    int itemTextLength;
    QStringList items; // expected ItemList(1..); empty: the previous list is untouched
    int roundIndex;
    bool warns = false;
};

// Every case starts from ItemList(1..3) = Previous and RoundIndex = 5.
const QString Section = QStringLiteral("项目");
const QString Other = QStringLiteral("无此节");

std::vector<ItemsCase> itemsCases()
{
    const QString pear = QStringLiteral("梨");
    return {
        {"three names", "苹果 香蕉 梨", Section, "苹果 香蕉 梨", 3, 7, {"苹果", "香蕉", "梨"}, 5},
        {"two spaces", "苹果  梨", Section, "苹果  梨", 3, 5, {"苹果", "", "梨"}, 5},
        {"trailing space", "\"苹果 \"", Section, "苹果 ", 2, 3, {"苹果", ""}, 5},
        {"one name", "苹果", Section, "苹果", 1, 2, {}, 5},
        {"empty value", "", Section, "", 1, 0, {}, 0},
        {"missing key", QString(), Section, "", 1, 0, {}, 0},
        {"missing section", "苹果 梨", Other, "", 1, 0, {}, 0},
        {"200 items", joined("i", 200), Section, joined("i", 200), 200, 891,
         joined("i", 200).split(' '), 5},
        {"201 items keep 200", joined("i", 201), Section, joined("i", 201), 200, 896,
         joined("i", 200).split(' '), 5, true},
        {"999-byte cut", QString(1200, 'a'), Section, QString(999, 'a'), 1, 999, {}, 5, true},
        {"cut keeps whole characters",
         pear.repeated(500),
         Section,
         pear.repeated(499),
         1,
         499,
         {},
         5,
         true},
    };
}

class LoadCourseItemsTable : public ::testing::TestWithParam<ItemsCase> {};

TEST_P(LoadCourseItemsTable, FillsSharedState)
{
    const ItemsCase& c = GetParam();
    StoreHarness h;
    QString ini = QStringLiteral("[项目]\n");
    if (!c.iniValue.isNull()) ini += QStringLiteral("值=") + c.iniValue + QLatin1Char('\n');
    h.data.addCourse(QStringLiteral("数学课程"), ini);
    for (int i = 0; i < Previous.size(); ++i)
        h.app.ItemList[i + 1] = Previous[i];
    h.app.RoundIndex = 5;

    LoadCourseItems(h.app, h.Txtini, c.section, QStringLiteral("值"), QStringLiteral("数学课程"));

    EXPECT_EQ(h.Txtini.Text(), c.txtini);
    EXPECT_EQ(h.app.ItemCount, c.itemCount);
    EXPECT_EQ(h.app.ItemTextLength, c.itemTextLength);
    EXPECT_EQ(h.app.RoundIndex, c.roundIndex);
    const QStringList expected = c.items.isEmpty() ? Previous : c.items;
    for (int i = 0; i < expected.size(); ++i)
        EXPECT_EQ(h.app.ItemList[i + 1], expected[i]) << "ItemList(" << i + 1 << ")";
    EXPECT_EQ(h.services.warnings.size(), c.warns ? 1 : 0)
        << h.services.warnings.join('\n').toStdString();
    EXPECT_TRUE(h.services.quitStatuses.empty());
}

INSTANTIATE_TEST_SUITE_P(Values, LoadCourseItemsTable, ::testing::ValuesIn(itemsCases()),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             for (char& ch : name)
                                 if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
                             return name;
                         });

TEST(LoadCourseItems, MissingCarrierWarnsAndReadsAnEmptyValue)
{
    StoreHarness h;
    h.app.RoundIndex = 3;
    LoadCourseItems(h.app, h.Txtini, "项目", "项目", "数学课程");
    EXPECT_EQ(h.app.ItemCount, 1);
    EXPECT_EQ(h.app.RoundIndex, 0);
    ASSERT_EQ(h.services.warnings.size(), 1);
    EXPECT_TRUE(h.services.warnings[0].contains("pic/fmpic/数学课程.bmp"));
}

TEST(LoadCourseItems, MissingMarkerEndsTheProgramWithAnError)
{
    StoreHarness h;
    h.data.addCourse("数学课程", "[项目]\n项目=比较大小\n");
    h.data.removeFile("kc/课程.mdb");
    LoadCourseItems(h.app, h.Txtini, "项目", "项目", "数学课程");
    ASSERT_EQ(h.services.quitStatuses.size(), 1u);
    EXPECT_NE(h.services.quitStatuses[0], 0);
    ASSERT_EQ(h.services.warnings.size(), 1);
    EXPECT_TRUE(h.services.warnings[0].contains(h.data.root()));
    EXPECT_EQ(h.Txtini.Text(), QString());
}

} // namespace
