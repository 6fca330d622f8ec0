// The read without a widget: the raw value and the list of items that is right in every
// case, leaving the shared values of the classic read alone.

#include "StoreHarness.h"
#include "shell/core/CourseStore.h"

#include <gtest/gtest.h>

namespace {

TEST(ReadCourseItems, ItemsAreRightInEveryCase)
{
    QStringList twoHundredOne;
    for (int i = 1; i <= 201; ++i)
        twoHundredOne << QStringLiteral("i%1").arg(i);
    const struct {
        const char* name;
        QByteArray value; // GBK, after "值="
        QString text;
        QStringList items;
        int warnings = 0;
    } cases[] = {
        {"three names", encodeGbk("苹果 香蕉 梨"), "苹果 香蕉 梨", {"苹果", "香蕉", "梨"}},
        {"two spaces", encodeGbk("苹果  梨"), "苹果  梨", {"苹果", "", "梨"}},
        {"trailing space", encodeGbk("\"苹果 \""), "苹果 ", {"苹果", ""}},
        {"one name", encodeGbk("苹果"), "苹果", {"苹果"}},
        {"empty value", "", "", {}},
        {"ends at a NUL",
         encodeGbk("苹果") + QByteArray(1, '\0') + encodeGbk("梨 桃"),
         "苹果",
         {"苹果"}},
        {"201 items keep 200", twoHundredOne.join(' ').toLatin1(), twoHundredOne.join(' '),
         twoHundredOne.first(200), 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        StoreHarness h;
        h.data.addCourseBytes("数学课程", encodeGbk("[项目]\n值=") + c.value + "\n");
        h.app.ItemList[1] = "旧";
        h.app.ItemCount = 7;
        h.app.RoundIndex = 5;

        const CourseValue value = ReadCourseItems(h.app, "项目", "值", "数学课程");

        EXPECT_EQ(value.text, c.text);
        EXPECT_EQ(value.items, c.items);
        EXPECT_EQ(h.services.warnings.size(), c.warnings);
        // No widget and no shared values: windows that only need the items touch nothing.
        EXPECT_EQ(h.app.ItemList[1], "旧");
        EXPECT_EQ(h.app.ItemCount, 7);
        EXPECT_EQ(h.app.RoundIndex, 5);
        EXPECT_EQ(h.Txtini.Text(), QString());
    }
}

TEST(ReadCourseItems, ABrokenOrMissingCourseIsAnEmptyValueWithAWarning)
{
    StoreHarness h;
    h.data.addFile("pic/fmpic/分类.bmp", "not a bitmap");
    for (const char* course : {"分类", "句子排序"}) {
        SCOPED_TRACE(course);
        h.services.clearRecords();
        const CourseValue value = ReadCourseItems(h.app, "类别", "类别", course);
        EXPECT_TRUE(value.text.isEmpty());
        EXPECT_TRUE(value.items.isEmpty());
        EXPECT_EQ(h.services.warnings.size(), 1);
    }
}

TEST(ReadCourseItems, AMissingDataFolderEndsTheProgram)
{
    StoreHarness h;
    h.data.addCourse("分类", "[类别]\n类别=水果 动物\n");
    h.data.removeFile("kc/课程.mdb");
    EXPECT_TRUE(ReadCourseItems(h.app, "类别", "类别", "分类").items.isEmpty());
    EXPECT_EQ(h.services.quitStatuses, std::vector<int>{2});
}

} // namespace
